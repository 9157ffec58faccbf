#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mirtal::testing {

// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& file);
// Writes the bytes as the whole file, made when it is not there.
void writeFile(const QString& file, const QByteArray& bytes);
// Every file in the folder, hidden ones too, by name and the digest of its bytes, and every
// folder in it by name: two states are equal only when nothing in it was written.
QStringList folderState(const QString& folder);

}  // namespace mirtal::testing
