#include "DeliveredFolder.h"

#include "store/schema/DeliveredDatabase.h"

namespace mirtal::harness {

DeliveredFolder::DeliveredFolder() {
    store::createDeliveredDatabase(file());
}

QString DeliveredFolder::file() const {
    return dir_.filePath(QStringLiteral("Mirtal.mdb"));
}

}  // namespace mirtal::harness
