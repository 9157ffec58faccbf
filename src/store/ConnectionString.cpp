#include "store/ConnectionString.h"

#include <QStringList>

namespace mirtal::store {

QString buildConnectionString(const QString& applicationDirectory) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + applicationDirectory +
           QStringLiteral(
               "\\Mirtal.mdb;Jet OLEDB:Database Password='TrelMQ';"
               "Persist Security Info=False");
}

namespace {

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'\'' || value.front() == u'"')) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

}  // namespace

ConnectionSettings parseConnectionString(const QString& connectionString) {
    ConnectionSettings settings;
    for (const QString& pair : connectionString.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals < 0) {
            continue;
        }
        const QString key = pair.left(equals).trimmed();
        const QString value = unquoted(pair.mid(equals + 1));
        if (key.compare(u"Data Source", Qt::CaseInsensitive) == 0) {
            // The string joins the directory and the file name with a backslash; on this
            // platform the separator is a slash.
            settings.dataSource = QString(value).replace(u'\\', u'/');
        } else if (key.compare(u"Jet OLEDB:Database Password", Qt::CaseInsensitive) == 0) {
            settings.password = value;
        }
    }
    return settings;
}

ConnectionSettings connectionSettingsFor(const QString& applicationDirectory) {
    return parseConnectionString(buildConnectionString(applicationDirectory));
}

QString databasePassword() {
    return connectionSettingsFor(QString()).password;
}

}  // namespace mirtal::store
