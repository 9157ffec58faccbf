#include "reports/frmReportMeal.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Clock.h"
#include "app/HelpTexts.h"
#include "reports/ChartView.h"
#include "reports/WindowPrint.h"
#include "store/DateText.h"
#include "support/AppHarness.h"
#include "support/UiDriver.h"
#include "widgets/Colours.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"

namespace mirtal::reports {
namespace {

using testing::AppHarness;

QString day(int year, int month, int dayOfMonth) {
    return QStringLiteral("'") + store::DateText::shortDate(QDate(year, month, dayOfMonth)) +
           QStringLiteral("'");
}

// Ann, the current user, on 2004/09/17, with the report window opened from the bar.
class ReportWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        app::Clock::pin(QDate(2004, 9, 17));
        h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
        h.app.session().setCurrentUserId(1);
    }
    void TearDown() override { app::Clock::pin(std::nullopt); }

    frmReportMeal* open() {
        h.switcher().openWindow(app::WindowId::Reports);
        return qobject_cast<frmReportMeal*>(h.switcher().loadedWindow(app::WindowId::Reports));
    }

    void target(int key, const QString& start, const QString& end) {
        h.db().execute(QStringLiteral("Insert Into PulseWeightTarget Values( %1, 1, %2, %3, 62, "
                                      "78.5)")
                           .arg(key)
                           .arg(start, end));
    }

    void progress(int key, const QString& when, int pulse) {
        h.db().execute(QStringLiteral("Insert Into PulseWeight Values(%1, 1, %2, %3, 80, 'Good')")
                           .arg(key)
                           .arg(when)
                           .arg(pulse));
    }

    template <class T>
    T* control(const char* name) {
        return h.control<T>(app::WindowId::Reports, name);
    }
    void click(const char* label) { testing::clickLabel(control<QLabel>(label)); }
    ChartView* chart() { return control<ChartView>("MSChart1"); }

    AppHarness h;
};

TEST_F(ReportWindow, LoadsItsControlsWithTheStartChoicesAndABlankChart) {
    frmReportMeal* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("7. frm Reports"));
    EXPECT_EQ(control<QLabel>("LabelUser")->text(), QStringLiteral("Ann"));

    const QList<std::pair<const char*, const char*>> captions = {
        {"Frame10", "*****"},     {"Frame12", "Chart Type"}, {"Frame1", "Meal"},
        {"Frame3", "Total Meal"}, {"Frame8", "Others"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(control<QGroupBox>(name)->title(), QLatin1String(caption)) << name;
    }
    const QList<std::pair<const char*, const char*>> texts = {
        {"Label1", "User Name"},      {"Label10", "Start Date:"}, {"Label3", "End Date:"},
        {"LblView", "&VIEW"},         {"LblViewTMeal", "&VIEW"},  {"LblViewOthers", "&VIEW"},
        {"LblViewExercise", "&VIEW"}, {"LblPrint", "&PRINT"},
    };
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(control<QLabel>(name)->text(), QLatin1String(text)) << name;
    }
    const QList<std::tuple<const char*, const char*, bool>> choices = {
        {"OptLineChart", "Line", true},      {"OptBarChart", "Bar", false},
        {"Check1", "Fat Intake", true},      {"Check2", "Fast Sugar", false},
        {"Check3", "Fiber", false},          {"Check4", "Quantity", false},
        {"Check5", "Positive Foods", false}, {"Option1", "Total", true},
        {"Option2", "Breakfast", false},     {"Option3", "Lunch", false},
        {"Option4", "Dinner", false},        {"ChkMeal", "Meal", true},
        {"ChkBonus", "Bonus", false},        {"ChkTotal", "Total", false},
        {"OptWeight", "Weight", false},      {"OptPulse", "Pulse", true},
        {"OptMorale", "Morale", false},      {"OptSnack", "Snacking", false},
        {"OptWater", "Water", false},        {"Option6", "Exercise", true},
    };
    for (const auto& [name, caption, chosen] : choices) {
        const QAbstractButton* choice = control<QAbstractButton>(name);
        ASSERT_NE(choice, nullptr) << name;
        EXPECT_EQ(choice->text(), QLatin1String(caption)) << name;
        EXPECT_EQ(choice->isChecked(), chosen) << name;
    }
    // The command labels' backing shapes, as the hover highlighting pairs them.
    const QList<std::pair<const char*, const char*>> shapes = {
        {"LblPrint", "Shape7"},        {"LblView", "Shape15"},     {"LblViewOthers", "Shape16"},
        {"LblViewExercise", "Shape8"}, {"LblViewTMeal", "Shape9"}, {"LblMeal", "Shape6"},
    };
    for (const auto& [name, shape] : shapes) {
        EXPECT_EQ(control<widgets::CommandLabel>(name)->shape()->objectName(),
                  QLatin1String(shape));
    }
    EXPECT_EQ(control<QPushButton>("Command2")->text(), QStringLiteral("Large Chart"));
    EXPECT_EQ(control<widgets::DatePicker>("DTPicker1")->displayFormat(),
              QStringLiteral("yyyy/MM/dd"));
    EXPECT_EQ(control<widgets::CommandLabel>("LblReport"), nullptr);
    EXPECT_TRUE(chart()->chart()->series().isEmpty());
    EXPECT_TRUE(chart()->rowLabels().isEmpty());

    control<QPushButton>("CmdHelp")->click();
    ASSERT_NE(h.switcher().helpWindowIfLoaded(), nullptr);
    EXPECT_EQ(
        h.switcher().helpWindowIfLoaded()->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
        QStringLiteral("REPORTS"));
    EXPECT_EQ(h.switcher()
                  .helpWindowIfLoaded()
                  ->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
                  ->toPlainText(),
              QString(app::helpText(app::WindowId::Reports).text)
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(ReportWindow, TheRangeComesFromTheTargetValuesOrEndsToday) {
    // No target values: the 15 days before today up to today.
    open();
    EXPECT_EQ(control<QDateEdit>("DTPicker1")->date(), QDate(2004, 9, 2));
    EXPECT_EQ(control<QDateEdit>("DTPicker2")->date(), QDate(2004, 9, 17));
    EXPECT_EQ(h.statements.filter(QStringLiteral("PulseWeightTarget")),
              QStringList{"  Select StartDate, TargetDate From PulseWeightTarget Where UserID=1"});

    // Target values: exactly their start and target dates, at every opening.
    target(1, day(2004, 8, 1), day(2004, 12, 24));
    h.switcher().closeWindow(app::WindowId::Reports);
    open();
    EXPECT_EQ(control<QDateEdit>("DTPicker1")->date(), QDate(2004, 8, 1));
    EXPECT_EQ(control<QDateEdit>("DTPicker2")->date(), QDate(2004, 12, 24));
    EXPECT_TRUE(h.messages.shown.isEmpty());

    // Two target rows: the administrator is called for and the pickers keep today.
    target(2, day(2004, 1, 1), day(2004, 2, 2));
    h.switcher().closeWindow(app::WindowId::Reports);
    open();
    EXPECT_EQ(h.messages.texts(), QStringList{"Contact with your administrator"});
    EXPECT_EQ(control<QDateEdit>("DTPicker1")->date(), QDate(2004, 9, 17));
    EXPECT_EQ(control<QDateEdit>("DTPicker2")->date(), QDate(2004, 9, 17));
}

TEST_F(ReportWindow, EachViewDrawsItsReportForTheChosenRangeAndChoices) {
    target(1, day(2004, 9, 1), day(2004, 9, 30));
    progress(1, day(2004, 9, 3), 64);
    progress(2, day(2004, 9, 10), 63);
    progress(3, day(2004, 10, 1), 61);
    h.db().execute(
        QStringLiteral(
            "Insert Into DailyMealInput Values(1, 1, %1, '2L', 0, 3, 1, 1, 3, 2, 3, 1, 0)")
            .arg(day(2004, 9, 3)));
    h.db().execute(QStringLiteral("Insert Into DailySnackingInput Values(1, 1, %1, 2, 4)")
                       .arg(day(2004, 9, 4)));
    h.db().execute(QStringLiteral(
        "Insert Into SetExercise Values(1, 1, 'Running', 'Difficult', 'Around the park')"));
    h.db().execute(
        QStringLiteral("Insert Into Exercise Values(1, 1, 1, %1, 3)").arg(day(2004, 9, 5)));
    frmReportMeal* window = open();

    click("LblViewOthers");
    EXPECT_EQ(chart()->chart()->title(), QStringLiteral("Pulse Report"));
    EXPECT_EQ(chart()->rowLabels(), QStringList({"64 (2004/09/03)", "63 (2004/09/10)"}));
    EXPECT_EQ(window->chartModel().columnValues(2), std::vector<float>(2, 62));

    control<QDateEdit>("DTPicker2")->setDate(QDate(2004, 10, 31));
    control<QRadioButton>("OptMorale")->click();
    EXPECT_EQ(chart()->chart()->title(), QStringLiteral("Pulse Report"));
    click("LblViewOthers");
    EXPECT_EQ(chart()->rowLabels(),
              QStringList({"3 (2004/09/03)", "3 (2004/09/10)", "3 (2004/10/01)"}));
    EXPECT_TRUE(chart()->footnote().endsWith(QStringLiteral("The Pits=0")));

    control<QRadioButton>("OptWater")->click();
    click("LblViewOthers");
    EXPECT_EQ(chart()->chart()->title(), QStringLiteral("Water Drinking Report"));
    EXPECT_EQ(chart()->footnote(), QString());

    control<QRadioButton>("Option3")->click();
    control<QCheckBox>("Check5")->click();
    click("LblView");
    EXPECT_EQ(h.statements.last(),
              " Select MealDate, FatIntake, FastSugarIntake, FiberIntake, OverallQuantity, "
              "PositiveFoods From DailyMealInput Where UserID=1 And MealType='2L'  And "
              "CDate(MealDate) >= #2004/09/01# And  CDate(MealDate) <= #2004/10/31#Order By "
              "CDate(MealDate)");
    EXPECT_EQ(chart()->rowLabels(), QStringList{"1,3,1,3,2 (2004/09/03)"});

    control<QCheckBox>("ChkTotal")->click();
    click("LblViewTMeal");
    EXPECT_EQ(chart()->chart()->title(), QStringLiteral("Total Meal Report"));
    EXPECT_EQ(chart()->rowLabels(), QStringList{"10,4,14 (2004/09/03)"});

    click("LblViewExercise");
    EXPECT_EQ(chart()->chart()->title(), QStringLiteral("Exercise Report"));
    EXPECT_EQ(chart()->rowLabels(), QStringList{"15 (2004/09/05)"});
}

TEST_F(ReportWindow, TheChartTypeTakesEffectAtTheNextView) {
    progress(1, day(2004, 9, 10), 64);
    const frmReportMeal* window = open();
    const auto drawnAsBars = [this] {
        return qobject_cast<QBarSeries*>(chart()->chart()->series().value(0)) != nullptr;
    };
    const auto drawnAsLines = [this] {
        return qobject_cast<QLineSeries*>(chart()->chart()->series().value(0)) != nullptr;
    };
    control<QRadioButton>("OptBarChart")->click();
    EXPECT_TRUE(chart()->chart()->series().isEmpty());
    click("LblViewOthers");
    EXPECT_TRUE(drawnAsBars());

    control<QRadioButton>("OptLineChart")->click();
    EXPECT_TRUE(drawnAsBars());
    click("LblViewExercise");  // no entries: cut down, a line chart with nothing drawn
    EXPECT_EQ(window->chartModel().chartType(), ChartModel::ChartType::Line2d);
    EXPECT_TRUE(chart()->chart()->series().isEmpty());
    EXPECT_EQ(chart()->chart()->title(), QStringLiteral("Pulse Report"));
    EXPECT_EQ(chart()->rowLabels(), QStringList{"64 (2004/09/10)"});
    click("LblViewOthers");
    EXPECT_TRUE(drawnAsLines());
}

TEST_F(ReportWindow, Command2TogglesTheChartBetweenLargeAndSmall) {
    open();
    QPushButton* size = control<QPushButton>("Command2");
    EXPECT_EQ(chart()->geometry(), QRect(10, 127, 697, 304));
    size->click();
    EXPECT_EQ(chart()->geometry(), QRect(10, 36, 700, 395));
    EXPECT_EQ(size->text(), QStringLiteral("Small Chart"));
    size->click();
    EXPECT_EQ(chart()->geometry(), QRect(10, 125, 697, 306));
    EXPECT_EQ(size->text(), QStringLiteral("Large Chart"));
}

TEST_F(ReportWindow, AStoreErrorInAViewIsShownAndTheChartStays) {
    progress(1, day(2004, 9, 10), 64);
    open();
    click("LblViewOthers");
    h.db().selectNative("DROP TABLE PulseWeight");
    click("LblViewOthers");
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_TRUE(h.messages.texts().first().contains(QStringLiteral("PulseWeight")))
        << h.messages.texts().first().toStdString();
    EXPECT_EQ(chart()->rowLabels(), QStringList{"64 (2004/09/10)"});
    click("LblViewExercise");
    EXPECT_EQ(h.messages.shown.size(), 1);
}

// The chart's context menu, as a right click opens it, item by item: text, and for the
// checkable ones whether they are ticked; with whether each is enabled.
QStringList contextMenuOf(ChartView* view) {
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        for (const QAction* item : menu->actions()) {
            items << (item->isSeparator()
                          ? QStringLiteral("--")
                          : item->text() +
                                (item->isCheckable() ? (item->isChecked() ? QStringLiteral(" [x]")
                                                                          : QStringLiteral(" [ ]"))
                                                     : QString()) +
                                (item->isEnabled() ? QString() : QStringLiteral(" (off)")));
        }
        menu->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 40),
                            view->viewport()->mapToGlobal(QPoint(40, 40)));
    QApplication::sendEvent(view->viewport(), &click);
    return items;
}

QAction* menuItem(ChartView* view, const char* name) {
    return view->findChild<QAction*>(QLatin1String(name));
}

// The names of the series drawn, with the values of the last one.
QStringList seriesNames(const ChartView* view) {
    QStringList names;
    for (const QAbstractSeries* series : view->chart()->series()) {
        if (const auto* bars = qobject_cast<const QBarSeries*>(series)) {
            for (const QBarSet* set : bars->barSets()) {
                names << set->label();
            }
        } else {
            names << series->name();
        }
    }
    return names;
}

TEST_F(ReportWindow, ShowTrendAddsTheSmoothedSeriesToPulseAndWeightReportsAtOnce) {
    target(1, day(2004, 9, 1), day(2004, 9, 30));
    progress(1, day(2004, 9, 3), 64);
    progress(2, day(2004, 9, 10), 54);
    progress(3, day(2004, 9, 11), 54);
    frmReportMeal* window = open();
    EXPECT_EQ(contextMenuOf(chart()),
              QStringList({"Save chart as PNG...", "Save chart as PDF...", "Copy chart", "--",
                           "Show trend [ ] (off)", "Show plan [ ] (off)", "--", "By day [x] (off)",
                           "By week [ ] (off)", "By month [ ] (off)", "--", "Summary... (off)"}));

    click("LblViewOthers");
    EXPECT_EQ(seriesNames(chart()), QStringList({"Pulse", "Target Pulse"}));
    EXPECT_EQ(contextMenuOf(chart()).filter(QStringLiteral("Show trend")),
              QStringList{"Show trend [ ]"});
    const qsizetype statements = h.statements.size();
    menuItem(chart(), "showTrend")->trigger();
    EXPECT_EQ(seriesNames(chart()), QStringList({"Pulse", "Target Pulse", "Pulse trend"}));
    auto* trend = qobject_cast<QLineSeries*>(chart()->chart()->series().value(2));
    ASSERT_NE(trend, nullptr);
    EXPECT_EQ(trend->points(), QList<QPointF>({{0, 64}, {1, 63}, {2, 62.1f}}));
    // Drawn from the chart in hand: no statement, and the report itself keeps its two series.
    EXPECT_EQ(h.statements.size(), statements);
    EXPECT_EQ(window->chartModel().columnCount(), 2);
    EXPECT_EQ(chart()->rowLabels(),
              QStringList({"64 (2004/09/03)", "54 (2004/09/10)", "54 (2004/09/11)"}));

    // Reports without a target have no trend; the switch waits, ticked, for the next one.
    control<QRadioButton>("OptMorale")->click();
    click("LblViewOthers");
    EXPECT_EQ(seriesNames(chart()), QStringList{"Morale"});
    EXPECT_EQ(contextMenuOf(chart()).filter(QStringLiteral("Show trend")),
              QStringList{"Show trend [x] (off)"});
    click("LblViewExercise");
    EXPECT_FALSE(menuItem(chart(), "showTrend")->isEnabled());

    control<QRadioButton>("OptWeight")->click();
    control<QRadioButton>("OptBarChart")->click();
    click("LblViewOthers");
    EXPECT_EQ(seriesNames(chart()), QStringList({"Weight", "Target Weight", "Weight trend"}));

    // A range without measurements: the chart is cut down, with no trend.
    control<QDateEdit>("DTPicker1")->setDate(QDate(2005, 1, 1));
    click("LblViewOthers");
    EXPECT_EQ(window->chartModel().columnCount(), 1);
    EXPECT_TRUE(seriesNames(chart()).isEmpty());
    EXPECT_FALSE(menuItem(chart(), "showTrend")->isEnabled());

    // Off again: the report exactly as it is.
    control<QDateEdit>("DTPicker1")->setDate(QDate(2004, 9, 1));
    click("LblViewOthers");
    menuItem(chart(), "showTrend")->trigger();
    EXPECT_EQ(seriesNames(chart()), QStringList({"Weight", "Target Weight"}));
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

// Opens the chart's menu with `open`, as a right click or a key does, and clicks the item
// called `item` in it.
void pickFromMenu(ChartView* view, const char* item, const std::function<void()>& open) {
    bool picked = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        const QRect place = menu->actionGeometry(menuItem(view, item));
        if (place.isValid()) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, place.center());
            picked = true;
        } else {
            menu->close();
        }
    });
    open();
    EXPECT_TRUE(picked) << item;
}

void rightClick(ChartView* view) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(60, 60),
                            view->viewport()->mapToGlobal(QPoint(60, 60)));
    QApplication::sendEvent(view->viewport(), &click);
}

void pressMenuKey(ChartView* view) {
    QTest::keyClick(view, Qt::Key_Menu);
}

// Whether every statement the window ran only read.
bool onlyReads(const QStringList& statements) {
    return std::all_of(statements.begin(), statements.end(), [](const QString& statement) {
        return statement.trimmed().startsWith(QStringLiteral("Select"), Qt::CaseInsensitive);
    });
}

TEST_F(ReportWindow, ByWeekAndByMonthRegroupTheLastViewFromTheMenu) {
    target(1, day(2004, 9, 1), day(2004, 9, 30));
    // Weeks from Monday 2004/08/30, 09/13 and 09/27; the week of 09/06 has no entry.
    progress(1, day(2004, 9, 1), 64);
    progress(2, day(2004, 9, 3), 60);
    progress(3, day(2004, 9, 13), 58);
    progress(4, day(2004, 9, 30), 56);
    const qsizetype opened = h.statements.size();
    frmReportMeal* window = open();
    click("LblViewOthers");
    const QStringList byDay{"64 (2004/09/01)", "60 (2004/09/03)", "58 (2004/09/13)",
                            "56 (2004/09/30)"};
    EXPECT_EQ(chart()->rowLabels(), byDay);
    const qsizetype statements = h.statements.size();

    pickFromMenu(chart(), "showWeeks", [&] { rightClick(chart()); });
    EXPECT_EQ(chart()->rowLabels(),
              QStringList({"62 (2004/08/30)", "58 (2004/09/13)", "56 (2004/09/27)"}));
    EXPECT_EQ(seriesNames(chart()),
              QStringList({"Pulse (weekly mean)", "Target Pulse (weekly mean)"}));
    auto* pulse = qobject_cast<QLineSeries*>(chart()->chart()->series().value(0));
    ASSERT_NE(pulse, nullptr);
    EXPECT_EQ(pulse->points(), QList<QPointF>({{0, 62}, {1, 58}, {2, 56}}));

    // The trend of what is drawn.
    pickFromMenu(chart(), "showTrend", [&] { pressMenuKey(chart()); });
    auto* trend = qobject_cast<QLineSeries*>(chart()->chart()->series().value(2));
    ASSERT_NE(trend, nullptr);
    EXPECT_EQ(trend->name(), QStringLiteral("Pulse trend"));
    EXPECT_EQ(trend->points(), QList<QPointF>({{0, 62}, {1, 61.6f}, {2, 61.04f}}));

    pickFromMenu(chart(), "showMonths", [&] { pressMenuKey(chart()); });
    EXPECT_EQ(chart()->rowLabels(), QStringList{"59.5 (2004/09)"});
    EXPECT_EQ(contextMenuOf(chart()).mid(7, 3),
              QStringList({"By day [ ]", "By week [ ]", "By month [x]"}));

    // A new VIEW keeps the grouping picked.
    control<QRadioButton>("OptWeight")->click();
    click("LblViewOthers");
    EXPECT_EQ(chart()->rowLabels(), QStringList{"80 (2004/09)"});

    // By day again: the report as it is, its trend on every day.
    pickFromMenu(chart(), "showDays", [&] { rightClick(chart()); });
    EXPECT_EQ(chart()->rowLabels(), QStringList({"80 (2004/09/01)", "80 (2004/09/03)",
                                                 "80 (2004/09/13)", "80 (2004/09/30)"}));
    EXPECT_EQ(seriesNames(chart()), QStringList({"Weight", "Target Weight", "Weight trend"}));
    EXPECT_EQ(window->chartModel().columnCount(), 2);
    // One statement pair for the second VIEW, none for the menu.
    EXPECT_EQ(h.statements.size(), statements + 2);
    EXPECT_TRUE(onlyReads(h.statements.mid(opened)));

    // Each opening starts by day.
    pickFromMenu(chart(), "showWeeks", [&] { rightClick(chart()); });
    h.switcher().closeWindow(app::WindowId::Reports);
    open();
    EXPECT_TRUE(menuItem(chart(), "showDays")->isChecked());
    EXPECT_FALSE(menuItem(chart(), "showDays")->isEnabled());
}

TEST_F(ReportWindow, TheMealReportByMealTypeGroupsItsStoredMeals) {
    for (const auto& [key, when, fat] :
         {std::tuple{1, day(2004, 9, 13), -3}, std::tuple{2, day(2004, 9, 15), 1},
          std::tuple{3, day(2004, 9, 16), 0}}) {
        h.db().execute(QStringLiteral("Insert Into DailyMealInput Values(%1, 1, %2, '2L', 0, %3, "
                                      "1, 1, 3, 2, 3, 1, 0)")
                           .arg(key)
                           .arg(when)
                           .arg(fat));
    }
    open();
    control<QRadioButton>("Option3")->click();
    click("LblView");
    pickFromMenu(chart(), "showWeeks", [&] { rightClick(chart()); });
    EXPECT_EQ(chart()->rowLabels(), QStringList{"-0.7 (2004/09/13)"});
    EXPECT_EQ(seriesNames(chart()), QStringList{"Fat (weekly mean)"});

    // No criterion ticked: the rows stand without a series, and their summary is the run.
    control<QCheckBox>("Check1")->click();
    click("LblView");
    EXPECT_EQ(chart()->rowLabels(), QStringList{"(2004/09/13)"});
    EXPECT_TRUE(seriesNames(chart()).isEmpty());
    pickFromMenu(chart(), "showSummary", [&] { pressMenuKey(chart()); });
    const auto* grid = h.switcher()
                           .loadedWindow(app::WindowId::Reports)
                           ->findChild<QTableWidget*>(QStringLiteral("SummaryGrid"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("2"));
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

void weight(AppHarness& h, int key, const QString& when, double kilos) {
    h.db().execute(QStringLiteral("Insert Into PulseWeight Values(%1, 1, %2, 60, %3, 'Good')")
                       .arg(key)
                       .arg(when)
                       .arg(kilos));
}

TEST_F(ReportWindow, ShowPlanDrawsThePathToTheTargetAndTheLineSaysHowTheTrendKeepsToIt) {
    // From 81 kg on 09/02, the first weight after the start, to 78.5 kg on 09/30.
    target(1, day(2004, 9, 1), day(2004, 9, 30));
    weight(h, 1, day(2004, 9, 2), 81);
    for (int d = 3; d <= 9; ++d) {
        weight(h, d, day(2004, 9, d), 80);
    }
    const qsizetype opened = h.statements.size();
    open();
    click("LblViewOthers");
    EXPECT_FALSE(menuItem(chart(), "showPlan")->isChecked());
    EXPECT_TRUE(menuItem(chart(), "showPlan")->isEnabled());

    control<QRadioButton>("OptWeight")->click();
    click("LblViewOthers");
    pickFromMenu(chart(), "showPlan", [&] { rightClick(chart()); });
    EXPECT_EQ(seriesNames(chart()), QStringList({"Weight", "Target Weight", "Weight plan"}));
    auto* plan = qobject_cast<QLineSeries*>(chart()->chart()->series().value(2));
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->at(0), QPointF(0, 81));
    EXPECT_FLOAT_EQ(plan->at(7).y(), 81 - 7 * 2.5f / 28);
    // The plan alone says nothing.
    EXPECT_EQ(chart()->property("planStatus").toString(), QString());

    pickFromMenu(chart(), "showTrend", [&] { pressMenuKey(chart()); });
    EXPECT_EQ(seriesNames(chart()),
              QStringList({"Weight", "Target Weight", "Weight trend", "Weight plan"}));
    EXPECT_TRUE(chart()
                    ->property("planStatus")
                    .toString()
                    .startsWith(QStringLiteral(
                        "Behind plan: 0.1 kg over the planned 80.4 kg. At this pace the target is "
                        "reached on ")))
        << chart()->planStatus().toStdString();

    // A range after the first weight: the plan still starts from it.
    control<QDateEdit>("DTPicker1")->setDate(QDate(2004, 9, 5));
    click("LblViewOthers");
    plan = qobject_cast<QLineSeries*>(chart()->chart()->series().value(3));
    ASSERT_NE(plan, nullptr);
    EXPECT_FLOAT_EQ(plan->at(0).y(), 81 - 3 * 2.5f / 28);
    EXPECT_EQ(chart()->planStatus(), QStringLiteral("On plan: 0.4 kg under the planned 80.4 kg."));
    EXPECT_TRUE(onlyReads(h.statements.mid(opened)));

    // Off: the report exactly as it is.
    pickFromMenu(chart(), "showPlan", [&] { pressMenuKey(chart()); });
    EXPECT_EQ(seriesNames(chart()), QStringList({"Weight", "Target Weight", "Weight trend"}));
    EXPECT_EQ(chart()->planStatus(), QString());
    pickFromMenu(chart(), "showPlan", [&] { pressMenuKey(chart()); });

    // No plan for morale, nor without exactly one target row.
    control<QRadioButton>("OptMorale")->click();
    click("LblViewOthers");
    EXPECT_FALSE(menuItem(chart(), "showPlan")->isEnabled());
    EXPECT_EQ(chart()->planStatus(), QString());
    target(2, day(2004, 9, 1), day(2004, 9, 30));
    control<QRadioButton>("OptWeight")->click();
    click("LblViewOthers");
    EXPECT_FALSE(menuItem(chart(), "showPlan")->isEnabled());
    EXPECT_EQ(seriesNames(chart()), QStringList({"Weight", "Target Weight", "Weight trend"}));
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

TEST_F(ReportWindow, TheSummaryOpensBesideTheWindowByDayAndCopiesItsTable) {
    target(1, day(2004, 9, 1), day(2004, 9, 30));
    weight(h, 1, day(2004, 9, 2), 81);
    weight(h, 2, day(2004, 9, 3), 80.5);
    weight(h, 3, day(2004, 9, 9), 80);
    const qsizetype opened = h.statements.size();
    frmReportMeal* window = open();
    control<QRadioButton>("OptWeight")->click();
    click("LblViewOthers");
    pickFromMenu(chart(), "showWeeks", [&] { rightClick(chart()); });
    pickFromMenu(chart(), "showSummary", [&] { pressMenuKey(chart()); });

    auto* summary = window->findChild<QWidget*>(QStringLiteral("ChartSummary"));
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->isVisible());
    EXPECT_TRUE(summary->isWindow());
    EXPECT_EQ(summary->windowModality(), Qt::NonModal);
    auto* grid = summary->findChild<QTableWidget*>(QStringLiteral("SummaryGrid"));
    ASSERT_NE(grid, nullptr);
    const auto rowOf = [grid](int row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column) {
            cells << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
        }
        return cells;
    };
    // By day, though the chart shows weeks: 1 kg down over 7 days.
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(rowOf(0), QStringList({"Weight", "3", "81 (2004/09/02)", "80 (2004/09/09)", "-1",
                                     "80", "81", "80.5", "-0.85"}));
    EXPECT_EQ(rowOf(2).mid(0, 2), QStringList({"Longest run of days with an entry", "2"}));

    QApplication::clipboard()->clear();
    QTest::mouseClick(summary->findChild<QPushButton*>(QStringLiteral("CmdCopy")), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0].split(u'\t'), QStringList({"Series", "Rows", "First", "Last", "Change",
                                                  "Lowest", "Highest", "Mean", "Change per week"}));
    EXPECT_EQ(lines[1].split(u'\t'), rowOf(0));

    // The window stays usable, and the summary follows its next VIEW.
    control<QRadioButton>("OptMorale")->click();
    click("LblViewOthers");
    EXPECT_EQ(rowOf(0).first(), QStringLiteral("Morale"));
    EXPECT_EQ(rowOf(0).last(), QString());
    EXPECT_TRUE(onlyReads(h.statements.mid(opened)));
}

TEST_F(ReportWindow, TheChartIsSavedAsPngOrPdfCopiedAndAFailedSaveSaysSo) {
    progress(1, day(2004, 9, 10), 64);
    open();
    click("LblViewOthers");
    QTemporaryDir folder;
    QStringList asked;
    QString answer;
    chart()->setFileChooser(
        [&](const QString& caption, const QString& suggested, const QString& filter) {
            asked << caption + u'|' + QFileInfo(suggested).fileName() + u'|' + filter;
            return answer;
        });

    answer = folder.filePath(QStringLiteral("pulse.png"));
    menuItem(chart(), "savePng")->trigger();
    const QImage png(answer);
    EXPECT_EQ(png.size(), chart()->grab().size());
    answer = folder.filePath(QStringLiteral("pulse.pdf"));
    menuItem(chart(), "savePdf")->trigger();
    QFile pdf(answer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-" && pdf.size() > 1000) << pdf.size();
    EXPECT_EQ(asked, QStringList({"Save chart as PNG|Pulse Report.png|PNG pictures (*.png)",
                                  "Save chart as PDF|Pulse Report.pdf|PDF documents (*.pdf)"}));
    EXPECT_TRUE(h.messages.shown.isEmpty());

    // Cancelled: nothing written, nothing said.
    answer.clear();
    menuItem(chart(), "savePng")->trigger();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(h.messages.shown.isEmpty());

    // A folder that is not there: the message names the file, and the window goes on.
    answer = folder.filePath(QStringLiteral("gone/pulse.pdf"));
    menuItem(chart(), "savePdf")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_TRUE(h.messages.texts().first().startsWith(
        QStringLiteral("The chart could not be saved as ") + answer + QStringLiteral(": ")))
        << h.messages.texts().first().toStdString();
    EXPECT_FALSE(QFileInfo::exists(answer));
    EXPECT_EQ(h.messages.shown.first().title, QStringLiteral("Mirtal"));

    menuItem(chart(), "copyChart")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), chart()->grab().size());
}

// The pointer over a bare spot of `surface`, where none of its controls is.
void moveOverBareSpot(QWidget* surface) {
    for (int y = 2; y < surface->height(); y += 3) {
        for (int x = 2; x < surface->width(); x += 3) {
            if (!surface->childAt(QPoint(x, y))) {
                QTest::mouseMove(surface, QPoint(x, y));
                return;
            }
        }
    }
    FAIL() << surface->objectName().toStdString() << " has no bare spot";
}

TEST_F(ReportWindow, ViewLabelsGoBackToRestOverTheirOwnFramesAndPrintOverTheWindow) {
    frmReportMeal* window = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QList<std::pair<const char*, const char*>> viewsAndFrames = {
        {"LblView", "Frame1"},
        {"LblViewOthers", "Frame8"},
        {"LblViewExercise", "Frame2"},
        {"LblViewTMeal", "Frame3"},
    };
    const auto lit = [this](const char* label) {
        return control<widgets::CommandLabel>(label)->textColour() == widgets::colours::red;
    };
    for (const auto& [label, frame] : viewsAndFrames) {
        SCOPED_TRACE(label);
        for (const char* hovered : {"LblView", "LblViewOthers", "LblViewExercise", "LblViewTMeal",
                                    "LblPrint", "LblUser"}) {
            QTest::mouseMove(control<QLabel>(hovered));
        }
        moveOverBareSpot(window);
        EXPECT_FALSE(lit("LblPrint"));
        EXPECT_FALSE(lit("LblUser"));
        EXPECT_TRUE(lit(label));
        moveOverBareSpot(control<QGroupBox>(frame));
        EXPECT_FALSE(lit(label));
        for (const auto& [other, otherFrame] : viewsAndFrames) {
            EXPECT_EQ(lit(other), other != label) << other;
        }
    }
}

// The texts drawn in the chart that read `text`, where they stand in the chart.
QList<QRectF> drawnTexts(const ChartView* view, const QString& text) {
    QList<QRectF> found;
    for (const QGraphicsItem* item : view->scene()->items()) {
        const auto* drawn = qgraphicsitem_cast<const QGraphicsSimpleTextItem*>(item);
        if (drawn && drawn->isVisible() && drawn->text() == text) {
            found << drawn->sceneBoundingRect();
        }
    }
    return found;
}

TEST_F(ReportWindow, AViewWithoutRowsSaysSoOverThePlotAndKeepsTheChartAsSpecified) {
    progress(1, day(2004, 9, 10), 64);
    const frmReportMeal* window = open();  // the range 2004/09/02 to 2004/09/17
    const auto expectNoteAlone = [this](const QString& note) {
        EXPECT_EQ(chart()->note(), note);
        const QList<QRectF> drawn = drawnTexts(chart(), note);
        ASSERT_EQ(drawn.size(), 1);
        EXPECT_TRUE(drawn.first().contains(chart()->chart()->plotArea().center()));
        EXPECT_TRUE(chart()->chart()->series().isEmpty());
        EXPECT_TRUE(chart()->shownRowLabels().isEmpty());
    };

    // Before any chart: the note under an empty title.
    click("LblViewExercise");
    expectNoteAlone(QStringLiteral("No entries from 2004/09/02 to 2004/09/17"));
    EXPECT_EQ(chart()->chart()->title(), QString());

    click("LblViewOthers");
    EXPECT_EQ(chart()->note(), QString());
    EXPECT_EQ(chart()->chart()->series().size(), 2);
    EXPECT_EQ(chart()->shownRowLabels(), QStringList{"64 (2004/09/10)"});

    struct Case {
        QDate start;
        QDate end;
        const char* view;
        const char* note;
    };
    const QList<Case> cases = {
        {{2004, 9, 11}, {2004, 9, 17}, "LblViewOthers", "No entries from 2004/09/11 to 2004/09/17"},
        {{2026, 12, 11}, {2027, 1, 10}, "LblView", "No entries from 2026/12/11 to 2027/01/10"},
        {{2004, 9, 18}, {2004, 9, 17}, "LblViewTMeal", "The start date is after the end date."},
        {{2004, 9, 11}, {2004, 9, 1}, "LblViewOthers", "The start date is after the end date."},
        {{2004, 9, 1},
         {2004, 9, 30},
         "LblViewExercise",
         "No entries from 2004/09/01 to 2004/09/30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        control<QDateEdit>("DTPicker1")->setDate(c.start);
        control<QDateEdit>("DTPicker2")->setDate(c.end);
        click(c.view);
        expectNoteAlone(QLatin1String(c.note));
        // The chart is cut down as any empty VIEW cuts it; title and labels stay.
        EXPECT_EQ(window->chartModel().rowCount(), 1);
        EXPECT_EQ(window->chartModel().columnCount(), 1);
        EXPECT_EQ(chart()->chart()->title(), QStringLiteral("Pulse Report"));
        EXPECT_EQ(chart()->rowLabels(), QStringList{"64 (2004/09/10)"});
    }

    // The next VIEW with rows draws the chart again.
    control<QDateEdit>("DTPicker1")->setDate(QDate(2004, 9, 1));
    click("LblViewOthers");
    EXPECT_EQ(chart()->note(), QString());
    EXPECT_TRUE(
        drawnTexts(chart(), QStringLiteral("The start date is after the end date.")).isEmpty());
    EXPECT_EQ(chart()->chart()->series().size(), 2);
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

TEST_F(ReportWindow, TheExerciseOptionStaysChosenWhateverIsDoneToIt) {
    QWidget* window = open();
    window->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->window()));
    QRadioButton* exercise = control<QRadioButton>("Option6");
    QTest::mouseClick(exercise, Qt::LeftButton);
    EXPECT_TRUE(exercise->isChecked());
    QTest::mouseClick(exercise, Qt::LeftButton);
    EXPECT_TRUE(exercise->isChecked());
    ASSERT_TRUE(exercise->hasFocus());
    QTest::keyClick(exercise, Qt::Key_Space);
    EXPECT_TRUE(exercise->isChecked());
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(exercise);
    ASSERT_NE(reader, nullptr);
    ASSERT_NE(reader->actionInterface(), nullptr);
    for (const QString& action : reader->actionInterface()->actionNames()) {
        reader->actionInterface()->doAction(action);
        EXPECT_TRUE(exercise->isChecked()) << action.toStdString();
    }
    EXPECT_TRUE(reader->state().checked);
}

// A machine without a printer, with a home folder of its own.
class OwnHome : public ReportWindow {
  protected:
    void SetUp() override {
        ReportWindow::SetUp();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "CUPS_SERVER", "PRINTER", "LPDEST"}) {
            saved.append({name, qgetenv(name)});
        }
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
        qputenv("CUPS_SERVER", home.filePath(QStringLiteral("no-cups-here")).toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }
    void TearDown() override {
        for (const auto& [name, value] : saved) {
            if (value.isNull()) {
                qunsetenv(name);
            } else {
                qputenv(name, value);
            }
        }
        ReportWindow::TearDown();
    }

    QString documents() const { return home.filePath(QStringLiteral("Documents")); }
    QString pictures() const { return home.filePath(QStringLiteral("Pictures")); }

    static bool isPdf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-" && file.size() > 1000;
    }

    QTemporaryDir home;
    QList<std::pair<const char*, QByteArray>> saved;
};
using Printing = OwnHome;
using ChartFolders = OwnHome;

// What a command-line tool writes for these arguments; a failure when it does not end well.
QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << tool.errorString().toStdString()
                      << tool.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The document's information as a PDF reader shows it ("Title", "Creator", "Pages", ...).
QMap<QString, QString> pdfInfo(const QString& path) {
    QMap<QString, QString> info;
    for (const QString& line : toolOutput(QStringLiteral("pdfinfo"), {path}).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0) {
            info[line.left(colon)] = line.mid(colon + 1).trimmed();
        }
    }
    return info;
}

// The text a PDF reader finds on the page, every run of blanks made one.
QString pdfText(const QString& path) {
    return toolOutput(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), path, QStringLiteral("-")})
        .simplified();
}

// The page as a reader shows it at `dotsPerInch`.
QImage pdfPage(const QString& path, int dotsPerInch) {
    const QString stem = path + QStringLiteral("-page");
    toolOutput(QStringLiteral("pdftoppm"),
               {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                QString::number(dotsPerInch), path, stem});
    return QImage(stem + QStringLiteral(".png"));
}

// The pixels of `area` in the colour of the focus frame: clearly bluer than grey, black or
// white.
int focusPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.blue() - pixel.red() > 60 ? 1 : 0;
        }
    }
    return count;
}

// The smallest rectangle that holds every pixel that is not white.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() < 250) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// The path a "saved as" message names.
QString savedPath(const QString& message) {
    const QString lead = QStringLiteral("There is no printer, so the report was saved as ");
    EXPECT_TRUE(message.startsWith(lead)) << message.toStdString();
    return message.mid(lead.size()).chopped(1);
}

TEST_F(Printing, WithoutAPrinterThePageGoesToANewPdfInTheDocumentsFolder) {
    open();
    // Files that hold the names of the next seconds already are kept as they are.
    QDir().mkpath(documents());
    const QDateTime now = QDateTime::currentDateTime();
    QStringList taken;
    for (int second = 0; second < 3; ++second) {
        taken << QDir(documents())
                     .filePath(QStringLiteral("Mirtal report ") +
                               now.addSecs(second).toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) +
                               QStringLiteral(".pdf"));
        QFile file(taken.last());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("someone else's");
    }

    click("LblPrint");
    click("LblPrint");
    const QStringList texts = h.messages.texts();
    ASSERT_EQ(texts.size(), 2);
    const QString lead = QStringLiteral("There is no printer, so the report was saved as ");
    QStringList saved;
    for (const QString& text : texts) {
        ASSERT_TRUE(text.startsWith(lead)) << text.toStdString();
        saved << text.mid(lead.size()).chopped(1);
    }
    EXPECT_NE(saved[0], saved[1]);
    for (const QString& path : saved) {
        EXPECT_TRUE(path.startsWith(documents() + QStringLiteral("/Mirtal report ")));
        EXPECT_FALSE(taken.contains(path));
        EXPECT_TRUE(isPdf(path)) << path.toStdString();
    }
    for (const QString& path : taken) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "someone else's");
    }
}

TEST_F(Printing, APrintThatCannotBeSavedSaysSo) {
    QFile blocker(documents());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    open();
    click("LblPrint");
    EXPECT_EQ(h.messages.texts(),
              QStringList{"There is no printer, and the report could not be saved in your "
                          "documents folder."});
    EXPECT_NE(h.switcher().loadedWindow(app::WindowId::Reports), nullptr);
}

TEST_F(Printing, ThePrinterGetsTheWindowOnOnePage) {
    QWidget* window = open();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(home.filePath(QStringLiteral("printer.pdf")));
    ASSERT_TRUE(printWindowOn(window, printer));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(isPdf(home.filePath(QStringLiteral("printer.pdf"))));
    EXPECT_TRUE(pdfText(home.filePath(QStringLiteral("printer.pdf")))
                    .contains(QStringLiteral("Start Date:")));

    // A printer that cannot be opened is a failure, not a silent success.
    QPrinter broken(QPrinter::HighResolution);
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(home.filePath(QStringLiteral("no/such/folder/printer.pdf")));
    EXPECT_FALSE(printWindowOn(window, broken));
}

TEST_F(Printing, WithoutAPrinterThePdfIsTheWindowAsTextFillingThePageTitledAndForItsOwnerOnly) {
    target(1, day(2004, 9, 1), day(2004, 9, 30));
    progress(1, day(2004, 9, 3), 64);
    progress(2, day(2004, 9, 10), 63);
    QWidget* window = open();
    window->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->window()));

    click("LblPrint");
    control<QRadioButton>("OptWeight")->click();
    click("LblViewOthers");
    QApplication::processEvents();
    // The start date has the focus, and its frame shows it on the screen.
    widgets::DatePicker* start = control<widgets::DatePicker>("DTPicker1");
    start->setFocus();
    ASSERT_TRUE(start->hasFocus());
    const QRect startArea(start->mapTo(window, QPoint()), start->size());
    ASSERT_GT(focusPixels(window->grab().toImage(), startArea), 20);
    click("LblPrint");
    EXPECT_TRUE(start->hasFocus());

    ASSERT_EQ(h.messages.shown.size(), 2);
    const QString beforeView = savedPath(h.messages.texts().at(0));
    const QString weight = savedPath(h.messages.texts().at(1));
    EXPECT_EQ(pdfInfo(beforeView).value(QStringLiteral("Title")), QStringLiteral("Mirtal report"));

    const QMap<QString, QString> info = pdfInfo(weight);
    EXPECT_EQ(info.value(QStringLiteral("Title")), QStringLiteral("Mirtal report: Weight Report"));
    EXPECT_EQ(info.value(QStringLiteral("Creator")), QStringLiteral("Mirtal"));
    EXPECT_EQ(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
    // An A4 page on its side.
    EXPECT_TRUE(info.value(QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595 pts")))
        << info.value(QStringLiteral("Page size")).toStdString();

    // The window's own text, as a reader finds it.
    const QString text = pdfText(weight);
    for (const char* shown : {"User Name",
                              "Ann",
                              "Start Date:",
                              "2004/09/01",
                              "End Date:",
                              "2004/09/30",
                              "Chart Type",
                              "Fat Intake",
                              "Positive Foods",
                              "Snacking",
                              "Exercise",
                              "Weight Report",
                              "Target Weight",
                              "80 (2004/09/03)",
                              "80 (2004/09/10)",
                              "Total Meal",
                              "Large Chart",
                              "PRINT",
                              "VIEW",
                              "Help",
                              "USER",
                              "MEAL EVALUATION"}) {
        EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown << " in " << text.toStdString();
    }

    for (const QString& path : {beforeView, weight}) {
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u) << path.toStdString();
    }

    // The window fills the page's width inside its margins of 10 mm, in its own proportions,
    // and the start date is drawn without its focus frame.
    constexpr int dotsPerInch = 100;
    const QImage page = pdfPage(weight, dotsPerInch);
    ASSERT_FALSE(page.isNull());
    const double margin = 10 / 25.4 * dotsPerInch;
    const QRect ink = inkOf(page);
    EXPECT_NEAR(ink.left(), margin, 2);
    EXPECT_NEAR(ink.right(), page.width() - margin, 2);
    EXPECT_NEAR(double(ink.height()) / ink.width(), double(window->height()) / window->width(),
                0.01);
    const double scale = double(ink.width()) / window->width();
    const QRect printedStart(
        QPointF(ink.left() + startArea.left() * scale, ink.top() + startArea.top() * scale)
            .toPoint(),
        (QSizeF(startArea.size()) * scale).toSize());
    EXPECT_EQ(focusPixels(page, printedStart), 0);
}

TEST_F(ChartFolders, ThePicturesFolderForPngTheDocumentsFolderForPdfThenTheLastFolderUsed) {
    progress(1, day(2004, 9, 10), 64);
    open();
    click("LblViewOthers");
    QStringList offered;
    QString answer;
    chart()->setFileChooser([&](const QString&, const QString& suggested, const QString&) {
        offered << QFileInfo(suggested).absolutePath();
        return answer;
    });
    const auto offer = [&](const char* item) {
        menuItem(chart(), item)->trigger();
        return offered.last();
    };

    // Folders that are not there are not offered: the home folder is.
    EXPECT_EQ(offer("savePng"), home.path());
    EXPECT_EQ(offer("savePdf"), home.path());
    ASSERT_TRUE(QDir().mkpath(pictures()) && QDir().mkpath(documents()));
    EXPECT_EQ(offer("savePng"), pictures());
    EXPECT_EQ(offer("savePdf"), documents());

    // Once a chart is saved, both offer where it went.
    QTemporaryDir elsewhere;
    answer = elsewhere.filePath(QStringLiteral("pulse.pdf"));
    EXPECT_EQ(offer("savePdf"), documents());
    EXPECT_TRUE(QFileInfo::exists(answer));
    answer.clear();
    EXPECT_EQ(offer("savePng"), elsewhere.path());
    EXPECT_EQ(offer("savePdf"), elsewhere.path());
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

}  // namespace
}  // namespace mirtal::reports
