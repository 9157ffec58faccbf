#include "app/Border.h"

#include <QLabel>
#include <QPixmap>
#include <array>

#include "app/Resources.h"

namespace mirtal::app {

namespace {

constexpr std::array pieces{"UL", "UM", "UR", "LS", "RS", "BL", "BM", "BR"};

QSize ownSize(QLabel* piece) {
    return piece && !piece->pixmap().isNull() ? piece->pixmap().size() : QSize();
}

}  // namespace

void addBorderPictures(QWidget* window) {
    for (const char* name : pieces) {
        auto* piece = new QLabel(window);
        piece->setObjectName(QLatin1String(name));
        piece->setPixmap(
            resourcePicture(QStringLiteral(":/border/%1.png").arg(QLatin1String(name))));
        piece->setScaledContents(true);
        piece->setAttribute(Qt::WA_TransparentForMouseEvents);
        piece->resize(piece->pixmap().size());
        piece->lower();
    }
}

void LayoutBorder(QWidget* window) {
    const auto find = [window](const char* name) {
        return window->findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    QLabel* ul = find("UL");
    QLabel* um = find("UM");
    QLabel* ur = find("UR");
    QLabel* ls = find("LS");
    QLabel* rs = find("RS");
    QLabel* bl = find("BL");
    QLabel* bm = find("BM");
    QLabel* br = find("BR");
    if (!ul || !um || !ur || !ls || !rs || !bl || !bm || !br) {
        return;
    }
    const int sw = window->width();
    const int sh = window->height();
    const QSize uls = ownSize(ul), ums = ownSize(um), urs = ownSize(ur), lss = ownSize(ls),
                rss = ownSize(rs), bls = ownSize(bl), bms = ownSize(bm), brs = ownSize(br);
    ul->setGeometry(0, 0, uls.width(), uls.height());
    um->setGeometry(uls.width(), 0, sw - uls.width() - urs.width(), ums.height());
    ur->setGeometry(sw - urs.width(), 0, urs.width(), urs.height());
    ls->setGeometry(0, uls.height(), lss.width(), sh - uls.height() - bls.height());
    rs->setGeometry(sw - rss.width(), urs.height(), rss.width(), sh - urs.height() - brs.height());
    bl->setGeometry(0, sh - bls.height(), bls.width(), bls.height());
    bm->setGeometry(bls.width(), sh - bms.height(), sw - bls.width() - brs.width(), bms.height());
    br->setGeometry(sw - brs.width(), sh - brs.height(), brs.width(), brs.height());
}

}  // namespace mirtal::app
