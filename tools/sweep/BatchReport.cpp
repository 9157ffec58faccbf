#include "BatchReport.h"

namespace mirtal::sweep {

namespace {

QString escaped(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(u'\n', QStringLiteral("\\n"));
    text.replace(u'\r', QStringLiteral("\\r"));
    return text;
}

QString unescaped(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const QChar next = text[++i];
        result += next == u't'   ? QChar(u'\t')
                  : next == u'n' ? QChar(u'\n')
                  : next == u'r' ? QChar(u'\r')
                                 : next;
    }
    return result;
}

}  // namespace

QString reportLine(const QString& kind, const QStringList& fields) {
    QStringList parts{kind};
    for (const QString& field : fields) {
        parts << escaped(field);
    }
    return parts.join(u'\t');
}

QStringList parseReportLine(const QString& text) {
    QStringList parts = text.split(u'\t');
    if (parts.size() < 2) {
        return {};
    }
    for (QString& part : parts) {
        part = unescaped(part);
    }
    return parts;
}

}  // namespace mirtal::sweep
