#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "app/Border.h"
#include "app/Resources.h"
#include "support/QtApplication.h"

namespace mirtal {
namespace {

TEST(LayoutBorder, CornersSitInTheCornersAndEdgesStretchBetweenThem) {
    testing::ensureQtApplication();
    app::loadResources();
    for (const QSize size : {QSize(300, 200), QSize(917, 641)}) {
        QWidget window;
        window.resize(size);
        app::addBorderPictures(&window);
        app::LayoutBorder(&window);
        const auto piece = [&](const char* name) {
            const auto* label = window.findChild<QLabel*>(QLatin1String(name));
            EXPECT_NE(label, nullptr) << name;
            EXPECT_FALSE(label->pixmap().isNull()) << name;
            return label->geometry();
        };
        const QRect ul = piece("UL"), um = piece("UM"), ur = piece("UR"), ls = piece("LS"),
                    rs = piece("RS"), bl = piece("BL"), bm = piece("BM"), br = piece("BR");
        const QRect all(QPoint(0, 0), size);
        EXPECT_EQ(ul.topLeft(), all.topLeft());
        EXPECT_EQ(ur.topRight(), all.topRight());
        EXPECT_EQ(bl.bottomLeft(), all.bottomLeft());
        EXPECT_EQ(br.bottomRight(), all.bottomRight());
        EXPECT_EQ(um.left(), ul.right() + 1);
        EXPECT_EQ(um.right() + 1, ur.left());
        EXPECT_EQ(bm.left(), bl.right() + 1);
        EXPECT_EQ(bm.right() + 1, br.left());
        EXPECT_EQ(bm.bottom(), all.bottom());
        EXPECT_EQ(ls.top(), ul.bottom() + 1);
        EXPECT_EQ(ls.bottom() + 1, bl.top());
        EXPECT_EQ(rs.right(), all.right());
        EXPECT_EQ(rs.top(), ur.bottom() + 1);
        EXPECT_EQ(rs.bottom() + 1, br.top());
    }
}

}  // namespace
}  // namespace mirtal
