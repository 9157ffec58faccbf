// Writes a fresh delivered database at the path given, unless a file is there already.
#include <QFileInfo>
#include <cstdio>

#include "store/StoreError.h"
#include "store/schema/DeliveredDatabase.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mirtal-makedb FILE\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(file)) {
        return 0;
    }
    try {
        mirtal::store::createDeliveredDatabase(file);
    } catch (const mirtal::store::StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
