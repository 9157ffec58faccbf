#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "reports/ChartModel.h"
#include "reports/ChartSummary.h"
#include "reports/ChartView.h"
#include "support/QtApplication.h"

namespace mirtal::reports {
namespace {

// A chart of the given series over `rows` days from `first`, labelled as the reports do.
ChartModel chartOf(const QStringList& series, int rows, const QDate& first) {
    ChartModel chart;
    chart.setTitleText(QStringLiteral("Weight Report"));
    chart.setRowCount(rows);
    chart.setColumnCount(static_cast<int>(series.size()));
    for (int column = 1; column <= series.size(); ++column) {
        chart.selectColumn(column);
        chart.setColumnLabel(series[column - 1]);
    }
    for (int row = 1; row <= rows; ++row) {
        chart.selectRow(row);
        chart.setRowLabel(QStringLiteral("80 (") +
                          first.addDays(row - 1).toString(QStringLiteral("yyyy/MM/dd")) + u')');
    }
    return chart;
}

TEST(ChartSummary, NamesTheSeriesTheRowsAndTheFirstAndLastDay) {
    const QDate first(2026, 12, 1);
    struct Case {
        ChartModel chart;
        const char* summary;
    };
    ChartModel unlabelled;
    unlabelled.setRowCount(2);
    unlabelled.setColumnCount(1);
    for (const Case& c : {
             Case{chartOf({"Weight", "Target Weight"}, 12, first),
                  "Weight, Target Weight: 12 rows from 2026/12/01 to 2026/12/12"},
             Case{chartOf({"Pulse"}, 1, first), "Pulse: 1 row on 2026/12/01"},
             Case{unlabelled, "Series 1: 2 rows"},
             Case{ChartModel(), "Nothing drawn"},
         }) {
        EXPECT_EQ(chartSummary(c.chart), QString::fromLatin1(c.summary));
    }
}

class ChartForScreenReader : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureQtApplication(); }

    void SetUp() override {
        view.resize(600, 300);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus();
    }

    QAccessibleInterface* seen() { return QAccessible::queryAccessibleInterface(&view); }

    // Runs `open` and answers the menu it opens by closing it; the texts of its items.
    static QStringList menuOpenedBy(const std::function<void()>& open) {
        QStringList items;
        QTimer::singleShot(0, [&items] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* item : menu->actions()) {
                    if (!item->isSeparator()) {
                        items << item->text();
                    }
                }
                menu->close();
            }
        });
        open();
        return items;
    }

    ChartView view{QStringLiteral("MSChart1"), [](const QString&) {}};
};

const QStringList menuItems{"Save chart as PNG...",
                            "Save chart as PDF...",
                            "Copy chart",
                            "Show trend",
                            "Show plan",
                            "By day",
                            "By week",
                            "By month",
                            "Summary..."};

TEST_F(ChartForScreenReader, IsNamedByItsTitleAndDescribedByWhatItDraws) {
    EXPECT_EQ(seen()->role(), QAccessible::Chart);
    EXPECT_EQ(seen()->text(QAccessible::Name), QStringLiteral("Chart"));
    view.draw(chartOf({"Weight", "Target Weight"}, 12, QDate(2026, 12, 1)));
    EXPECT_EQ(seen()->text(QAccessible::Name), QStringLiteral("Weight Report"));
    EXPECT_EQ(seen()->text(QAccessible::Description),
              QStringLiteral("Weight, Target Weight: 12 rows from 2026/12/01 to 2026/12/12"));
}

TEST_F(ChartForScreenReader, TheMenuKeyAndShiftF10OpenTheMenu) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Case& c :
         {Case{Qt::Key_Menu, Qt::NoModifier}, Case{Qt::Key_F10, Qt::ShiftModifier}}) {
        EXPECT_EQ(menuOpenedBy([&] { QTest::keyClick(&view, c.key, c.modifiers); }), menuItems)
            << c.key;
    }
    // F10 alone is no menu key.
    EXPECT_EQ(menuOpenedBy([&] { QTest::keyClick(&view, Qt::Key_F10); }), QStringList());
}

TEST_F(ChartForScreenReader, ShowMenuOpensTheMenuRightAfterTheCallReturns) {
    QAccessibleActionInterface* actions = seen()->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(menuOpenedBy([] { QApplication::processEvents(); }), menuItems);
}

}  // namespace
}  // namespace mirtal::reports
