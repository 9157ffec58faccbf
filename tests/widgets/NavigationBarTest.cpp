#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTest>

#include "ShownWindow.h"
#include "widgets/CommandLabel.h"
#include "widgets/NavigationBar.h"

namespace mirtal::widgets {
namespace {

class Bar : public ShownWindow {
  protected:
    // Three labels that record their clicks.
    QList<NavigationBar::Entry> entries() {
        QList<NavigationBar::Entry> list;
        for (const char* name : {"LblFirst", "LblSecond", "LblThird"}) {
            const QString n = QLatin1String(name);
            list.append({n, QStringLiteral("&") + n.mid(3).toUpper(), [this, n] { clicked << n; }});
        }
        return list;
    }

    QStringList clicked;
};

TEST_F(Bar, LabelsStandOverShapesNumberedInBarOrder) {
    NavigationBar bar(&window, entries());
    QStringList order;
    for (const CommandLabel* label : bar.labels()) {
        order << label->objectName();
        EXPECT_EQ(label->parentWidget(), &window);
        ASSERT_NE(label->shape(), nullptr);
        EXPECT_EQ(label->shape()->objectName(), QStringLiteral("Shape%1").arg(order.size()));
        EXPECT_EQ(label->shape()->parentWidget(), &window);
    }
    EXPECT_EQ(order, QStringList({"LblFirst", "LblSecond", "LblThird"}));
    EXPECT_EQ(window.findChild<QLabel*>("LblSecond")->text(), QStringLiteral("&SECOND"));
}

TEST_F(Bar, EachLabelRunsItsAction) {
    NavigationBar* bar = new NavigationBar(&window, entries());
    show();
    for (CommandLabel* label : bar->labels()) {
        QTest::mouseClick(label, Qt::LeftButton);
    }
    EXPECT_EQ(clicked, QStringList({"LblFirst", "LblSecond", "LblThird"}));

    // By access key too.
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicked.last(), QStringLiteral("LblSecond"));
}

TEST_F(Bar, AClickMayUnloadTheWindowThatCarriesTheBar) {
    show();
    QPointer<QWidget> form = new QWidget(&window);
    form->resize(600, 100);
    new NavigationBar(form, {{QStringLiteral("LblClose"), QStringLiteral("&CLOSE"),
                              [&form] { delete form.data(); }}});
    form->show();
    QTest::mouseClick(form->findChild<QLabel*>(QStringLiteral("LblClose")), Qt::LeftButton);
    EXPECT_TRUE(form.isNull());
}

TEST_F(Bar, LabelsLieInOneRowThatFitsTheirCaptions) {
    NavigationBar* bar = new NavigationBar(&window, entries());
    bar->moveTo(QPoint(30, 40));
    int left = 30;
    for (const CommandLabel* label : bar->labels()) {
        EXPECT_EQ(label->y(), 40);
        EXPECT_GE(label->x(), left);
        const QString caption = QString(label->text()).remove(u'&');
        EXPECT_GT(label->width(), label->fontMetrics().horizontalAdvance(caption));
        left = label->geometry().right();
    }
    EXPECT_EQ(bar->size().width(), bar->labels().last()->geometry().right() - 30 + 1);
}

}  // namespace
}  // namespace mirtal::widgets
