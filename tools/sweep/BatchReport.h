#pragma once

#include <QString>
#include <QStringList>

namespace mirtal::sweep {

// The lines a batch writes and the sweep reads: a kind, then tab-separated fields whose tabs,
// line breaks and backslashes are escaped.
namespace line {
inline const QString inputs = QStringLiteral("inputs");               // count
inline const QString commands = QStringLiteral("commands");           // count
inline const QString message = QStringLiteral("message");             // window, text
inline const QString refusedWrite = QStringLiteral("refused-write");  // window, command, text
inline const QString brokenRow = QStringLiteral("broken-row");        // window, after, rule
inline const QString integrity = QStringLiteral("integrity");         // window, answer
inline const QString reference = QStringLiteral("reference");         // window, command
}  // namespace line

QString reportLine(const QString& kind, const QStringList& fields);
// The kind first, then the fields; empty for a line that is not a report line.
QStringList parseReportLine(const QString& text);

}  // namespace mirtal::sweep
