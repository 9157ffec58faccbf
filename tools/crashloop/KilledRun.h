#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace mirtal::crashloop {

// Starts `program` with `arguments`, hands each line it writes to its standard output to
// `takeLine` as it comes, and kills it with SIGKILL `killAfterMs` after the start. Returns
// once the program is gone and all it wrote is read; ends this process with status 2 when the
// program ended by itself before the kill, which the loops never expect.
void runAndKill(const QString& program, const QStringList& arguments, qint64 killAfterMs,
                const std::function<void(const QByteArray&)>& takeLine);

}  // namespace mirtal::crashloop
