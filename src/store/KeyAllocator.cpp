#include "store/KeyAllocator.h"

#include "store/Database.h"

namespace mirtal::store {

qint64 nextKey(Database& db, const QString& allocationStatement) {
    const ResultSet rs = db.select(allocationStatement);
    const QVariant maximum = rs.eof() ? QVariant() : rs.field(0);
    return maximum.isNull() ? 1 : maximum.toLongLong() + 1;
}

}  // namespace mirtal::store
