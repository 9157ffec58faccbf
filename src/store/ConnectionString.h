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

}  // namespace mirtal::store
