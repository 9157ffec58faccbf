#pragma once

#include <QString>

namespace mirtal::store {

// The parts of the connection string that our engine uses; the provider name and the other
// keys belong to the engine the string was written for and are ignored.
struct ConnectionSettings {
    QString dataSource;
    QString password;
};

QString buildConnectionString(const QString& applicationDirectory);
ConnectionSettings parseConnectionString(const QString& connectionString);

// The settings of the database kept in `applicationDirectory`, read out of the connection
// string the program builds for it.
ConnectionSettings connectionSettingsFor(const QString& applicationDirectory);
// The password every database of the program is keyed with.
QString databasePassword();

}  // namespace mirtal::store
