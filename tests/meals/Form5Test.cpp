#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "MealWindow.h"
#include "app/Form8.h"
#include "app/HelpTexts.h"
#include "app/Links.h"
#include "meals/ScoreLookup.h"
#include "store/DateText.h"
#include "support/UiDriver.h"
#include "widgets/Colours.h"

namespace mirtal {
namespace {

using store::DateText;
using testing::MealWindow;
using Icon = app::Messages::Icon;

const QString administrator = QStringLiteral("Contact with your administrator.");

class MealEvaluation : public MealWindow {
  protected:
    // Picks one choice in each of the five criteria lists.
    void rateMeal(const QStringList& choices) {
        const char* lists[] = {"CmbFatIntake", "CmbFastSugarIntake", "CmbFiberIntake",
                               "CmbOverallQuantity", "CmbPositiveFoods"};
        for (int i = 0; i < 5; ++i) {
            pick(lists[i], choices[i]);
        }
    }
    QStringList scores() {
        return {text("TxtScore1"), text("TxtScore2"), text("TxtScore3"), text("TxtScore4"),
                text("TxtScore5")};
    }
    QStringList panel() {
        return {text("TxtBonus"), text("TxtMeal"), text("TxtDayTotal"), text("TxtSnacking"),
                text("TxtWater")};
    }
    QString insertOf(int key, QDate day, const char* code, const char* points) {
        return QStringLiteral("Insert Into DailyMealInput Values(%1, 1, '%2', '%3', %4)")
            .arg(QString::number(key), DateText::shortDate(day), QLatin1String(code),
                 QLatin1String(points));
    }
};

TEST_F(MealEvaluation, LoadsTodayWithItsControlsAndTheSevenReloadQueries) {
    open();
    QWidget* window = h.switcher().loadedWindow(app::WindowId::MealEvaluation);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("5. frm Meal Evaluation"));
    EXPECT_EQ(picker()->date(), today);
    EXPECT_EQ(picker()->text(), DateText::dayText(today));
    EXPECT_EQ(control<QLabel>("LabelUser")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(h.statements.mid(h.statements.size() - 7), reloadStatements(today));

    struct Caption {
        const char* name;
        const char* text;
    };
    for (const Caption& c :
         {Caption{"Label10", "Date :"}, Caption{"Label1", "User Name"},
          Caption{"Label16", "Meal Type :"}, Caption{"Label18", "Meal Calculation"},
          Caption{"LblDailyMeal", "&SUBMIT"}, Caption{"LblSnack", "&SUBMIT"},
          Caption{"LblEdit", "&UPDATE"}, Caption{"LblDelete", "&DELETE"},
          Caption{"LblURL", "&What's this?"}, Caption{"LblURL_PF", "&Positive Foods"}}) {
        EXPECT_EQ(control<QLabel>(c.name)->text(), QLatin1String(c.text)) << c.name;
    }
    for (const Caption& c : {Caption{"OptBreakfast", "Breakfast"}, Caption{"OptLunch", "Lunch"},
                             Caption{"OptDinner", "Dinner"}, Caption{"Check0", "I didn't eat [-8]"},
                             Caption{"Check1", "I prepared this meal myself [+3]"},
                             Caption{"Check2", "I ate sitting down [+1]"},
                             Caption{"Check3", "I ate slowly and chewed carefully [+5]"},
                             Caption{"CmdHelp", "Help"}}) {
        EXPECT_EQ(control<QAbstractButton>(c.name)->text(), QLatin1String(c.text)) << c.name;
    }
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        EXPECT_EQ(control<QGroupBox>(frame)->title(), QStringLiteral("*****")) << frame;
    }
    // Each list is captioned, and so is its score field.
    for (const Caption& c :
         {Caption{"CmbFatIntake", "Fat Intake :"},
          Caption{"CmbFastSugarIntake", "Fast Sugar Intake :"},
          Caption{"CmbFiberIntake", "Fiber Intake :"},
          Caption{"CmbOverallQuantity", "Overall Quantity :"},
          Caption{"CmbPositiveFoods", "Positive Foods :"}, Caption{"CmbSnacking", "Snacking :"},
          Caption{"CmbWater", "Water :"}, Caption{"TxtScore1", "Score :"},
          Caption{"TxtScore7", "Score :"}, Caption{"TxtBonus", "Bonus:"},
          Caption{"TxtMeal", "Meal:"}, Caption{"TxtDayTotal", "Total:"},
          Caption{"TxtSnacking", "Snacking:"}, Caption{"TxtWater", "Water:"}}) {
        QStringList captions;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->buddy() == control<QWidget>(c.name)) {
                captions << label->text();
            }
        }
        EXPECT_EQ(captions, QStringList{QLatin1String(c.text)}) << c.name;
    }
    EXPECT_FALSE(field("TxtHidID1")->isVisible());
    EXPECT_FALSE(field("TxtHidID2")->isVisible());
    EXPECT_TRUE(field("TxtScore1")->isReadOnly());

    // The grid of a day without meals: the header and one empty row, the key column hidden.
    EXPECT_EQ(grid()->rows(), 2);
    EXPECT_EQ(gridRow(0),
              QStringList({"", "ID", "Meal", "NotEat", "Fat", "FastSugar", "Fiber", "Overall",
                           "PositiveFoods", "PrepareMyself", "AteSitting", "AteSlowly"}));
    EXPECT_EQ(gridRow(1), QStringList(12, QString()));
    EXPECT_TRUE(grid()->isColumnHidden(1));
    EXPECT_EQ(panel(), QStringList({"0", "0", "0", "0", "0"}));
    // The lists are filled only when opened; snacking and water show their zero-score choice.
    EXPECT_EQ(list("CmbFatIntake")->count(), 0);
    EXPECT_EQ(list("CmbSnacking")->currentText(), QStringLiteral("One light snack"));
    EXPECT_EQ(list("CmbWater")->currentText(), QStringLiteral("4 to 5 glasses"));
    for (const char* name : {"OptBreakfast", "OptLunch", "OptDinner"}) {
        EXPECT_TRUE(option(name)->isEnabled());
        EXPECT_FALSE(option(name)->isChecked());
    }
    EXPECT_TRUE(control<QGroupBox>("Frame1")->isEnabled());
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

// The totals row and the panel of four kinds of day.
TEST_F(MealEvaluation, TotalsRowAndPanelFollowTheDaysMeals) {
    const QDate noMeal = today.addDays(-1);
    const QDate oneMeal = today.addDays(-2);
    const QDate skipped = today.addDays(-3);
    const QDate threeMeals = today.addDays(-4);
    storeMeal(3, oneMeal, QStringLiteral("2L"), QStringLiteral("0, 3, 1, 3, 3, 2, 0, 0, 0"));
    storeMeal(4, skipped, QStringLiteral("1B"), QStringLiteral("-8, 0, 0, 0, 0, 0, 0, 0, 0"));
    // Dinner stored first is still listed last.
    storeMeal(5, threeMeals, QStringLiteral("3D"), QStringLiteral("0, -2, -3, 1, -3, 0, 3, 1, 5"));
    storeMeal(6, threeMeals, QStringLiteral("1B"), QStringLiteral("0, 3, 1, 1, 3, 2, 3, 1, 5"));
    storeMeal(7, threeMeals, QStringLiteral("2L"), QStringLiteral("0, 1, -1, 3, 0, 3, 3, 1, 5"));
    storeSnacking(1, threeMeals, 3, 4);
    open();

    struct Day {
        QDate day;
        QList<QStringList> rows;
        QStringList panel;
    };
    const QList<Day> days{
        {noMeal, {QStringList(12, QString())}, {"0", "0", "0", "0", "0"}},
        {oneMeal,
         {{"", "3", "2L", "0", "3", "1", "3", "3", "2", "0", "0", "0"},
          {"3", "", "   T", "", "3", "1", "3", "3", "2", "", "", "0"}},
         {"0", "12", "12", "0", "0"}},
        {skipped,
         {{"", "4", "1B", "-8", "0", "0", "0", "0", "0", "0", "0", "0"},
          {"4", "", "   T", "-8", "0", "0", "0", "0", "0", "", "", "0"}},
         {"0", "0", "-8", "0", "0"}},
        {threeMeals,
         {{"", "6", "1B", "0", "3", "1", "1", "3", "2", "3", "1", "5"},
          {"6", "7", "2L", "0", "1", "-1", "3", "0", "3", "3", "1", "5"},
          {"7", "5", "3D", "0", "-2", "-3", "1", "-3", "0", "3", "1", "5"},
          {"5", "", "   T", "", "2", "-3", "5", "0", "5", "9", "3", "15"}},
         // Snacking and water are shown, never added to the total.
         {"27", "9", "36", "3", "4"}},
    };
    for (const Day& d : days) {
        chooseDay(d.day);
        ASSERT_EQ(grid()->rows(), d.rows.size() + 1) << d.day.toString().toStdString();
        for (int row = 0; row < d.rows.size(); ++row) {
            EXPECT_EQ(gridRow(row + 1), d.rows[row]) << d.day.toString().toStdString();
        }
        EXPECT_EQ(panel(), d.panel) << d.day.toString().toStdString();
        EXPECT_TRUE(grid()->isColumnHidden(1));
    }
    // Every stored meal of the last day has its option disabled and unselected.
    for (const char* name : {"OptBreakfast", "OptLunch", "OptDinner"}) {
        EXPECT_FALSE(option(name)->isEnabled()) << name;
    }
}

TEST_F(MealEvaluation, SubmitsAnEatenMealWithTheNextKeyOverAllUsers) {
    storeMeal(7, today, QStringLiteral("1B"), QStringLiteral("0, 3, 3, 3, 3, 3, 0, 0, 0"), 2);
    open();
    clickBox(option("OptLunch"));
    rateMeal({"Moderate: a little butter or oil", "A lot: sweets, soda, dessert", "Some",
              "Just enough", "One serving"});
    EXPECT_EQ(scores(), QStringList({"1", "-3", "1", "3", "2"}));
    clickBox(box("Check1"));
    clickBox(box("Check3"));
    h.statements.clear();
    click("LblDailyMeal");

    const QString day = DateText::dayText(today);
    EXPECT_EQ(h.statements.mid(0, 3),
              QStringList({QStringLiteral("  Select Max(DMID) From DailyMealInput"),
                           QStringLiteral("  Select DMID From DailyMealInput Where UserID=1 And "
                                          "MealType ='2L' And MealDate=#%1#")
                               .arg(day),
                           insertOf(8, today, "2L", "0, 1, -3, 1, 3, 2, 3, 0, 5")}));
    EXPECT_EQ(h.statements.mid(3), reloadStatements(today));
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_EQ(h.messages.shown[0].text, QStringLiteral("Selected meal has been added."));
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Mirtal"));
    EXPECT_EQ(h.messages.shown[0].icon, Icon::None);

    // The stored lunch can't be chosen again; the entries stay for the next meal.
    EXPECT_FALSE(option("OptLunch")->isEnabled());
    EXPECT_FALSE(option("OptLunch")->isChecked());
    EXPECT_EQ(scores(), QStringList({"1", "-3", "1", "3", "2"}));
    EXPECT_EQ(list("CmbFatIntake")->currentText(),
              QStringLiteral("Moderate: a little butter or oil"));
    EXPECT_TRUE(box("Check1")->isChecked());
    EXPECT_EQ(gridRow(1),
              QStringList({"", "8", "2L", "0", "1", "-3", "1", "3", "2", "3", "0", "5"}));
    EXPECT_EQ(text("TxtDayTotal"), QStringLiteral("12"));
    EXPECT_EQ(h.scalar("SELECT MealDate FROM DailyMealInput WHERE DMID = 8").toString(),
              today.toString(Qt::ISODate));

    // The same meals, with another's scores: dinner is the next one, key 9.
    clickBox(option("OptDinner"));
    click("LblDailyMeal");
    EXPECT_EQ(h.scalar("SELECT count(*) FROM DailyMealInput WHERE UserID = 1").toInt(), 2);
    EXPECT_EQ(h.scalar("SELECT max(DMID) FROM DailyMealInput").toInt(), 9);
}

TEST_F(MealEvaluation, StoresASkippedMealWithoutAMessageAndKeepsTheBoxTicked) {
    open();
    clickBox(option("OptBreakfast"));
    rateMeal({"Low: lean, steamed or grilled", "None", "Some", "Just enough", "None"});
    clickBox(box("Check2"));
    clickBox(box("Check0"));
    // Ticking it empties and locks the evaluation.
    EXPECT_EQ(scores(), QStringList(5, QString()));
    EXPECT_EQ(list("CmbFatIntake")->currentText(), QString());
    EXPECT_FALSE(box("Check2")->isChecked());
    EXPECT_FALSE(control<QGroupBox>("Frame1")->isEnabled());

    h.statements.clear();
    click("LblDailyMeal");
    EXPECT_EQ(h.statements.value(2), insertOf(1, today, "1B", "-8, 0, 0, 0, 0, 0, 0, 0, 0"));
    EXPECT_TRUE(h.messages.shown.isEmpty());
    EXPECT_TRUE(box("Check0")->isChecked());
    EXPECT_FALSE(control<QGroupBox>("Frame1")->isEnabled());
    EXPECT_EQ(text("TxtDayTotal"), QStringLiteral("-8"));

    // Another meal while the box is ticked is skipped too.
    clickBox(option("OptLunch"));
    EXPECT_FALSE(control<QGroupBox>("Frame1")->isEnabled());
    click("LblDailyMeal");
    EXPECT_EQ(h.scalar("SELECT group_concat(MealType || NotEat) FROM DailyMealInput").toString(),
              QStringLiteral("1B-8,2L-8"));
}

// Each refusal leaves the table as it was.
TEST_F(MealEvaluation, RefusesASubmitThatCannotBeStored) {
    open();
    const auto submitRefused = [&](const QString& message, Icon icon, const char* title) {
        h.messages.shown.clear();
        click("LblDailyMeal");
        ASSERT_EQ(h.messages.shown.size(), 1) << message.toStdString();
        EXPECT_EQ(h.messages.shown[0].text, message);
        EXPECT_EQ(h.messages.shown[0].icon, icon) << message.toStdString();
        EXPECT_EQ(h.messages.shown[0].title, QLatin1String(title)) << message.toStdString();
    };
    submitRefused(QStringLiteral("Please select a meal."), Icon::Information, "Message");
    EXPECT_EQ(count("DailyMealInput"), 0);

    // An eaten meal needs all five criteria, and is not reloaded when one is missing.
    clickBox(option("OptDinner"));
    pick("CmbFatIntake", QStringLiteral("Low: lean, steamed or grilled"));
    pick("CmbFastSugarIntake", QStringLiteral("None"));
    pick("CmbOverallQuantity", QStringLiteral("Just enough"));
    pick("CmbPositiveFoods", QStringLiteral("None"));
    h.statements.clear();
    submitRefused(QStringLiteral("All the meal scores are not seleted."), Icon::None, "Mirtal");
    EXPECT_EQ(h.statements.size(), 2);
    EXPECT_EQ(count("DailyMealInput"), 0);

    // A date typed without opening the calendar: the screen stays, the submit checks that day.
    storeMeal(1, today.addDays(3), QStringLiteral("3D"),
              QStringLiteral("0, 0, 0, 0, 0, 0, 0, 0, 0"));
    pick("CmbFiberIntake", QStringLiteral("Some"));
    picker()->setDate(today.addDays(3));
    EXPECT_TRUE(option("OptDinner")->isEnabled());
    submitRefused(QStringLiteral("This meal type is already exits."), Icon::None, "Mirtal");
    EXPECT_EQ(count("DailyMealInput"), 1);
    EXPECT_FALSE(option("OptDinner")->isEnabled());

    // All three meals of the day stored.
    storeMeal(2, today.addDays(3), QStringLiteral("1B"),
              QStringLiteral("0, 0, 0, 0, 0, 0, 0, 0, 0"));
    storeMeal(3, today.addDays(3), QStringLiteral("2L"),
              QStringLiteral("0, 0, 0, 0, 0, 0, 0, 0, 0"));
    chooseDay(today.addDays(3));
    submitRefused(QStringLiteral("Please select a meal."), Icon::Information, "Message");
    h.messages.shown.clear();
    clickBox(box("Check0"));
    EXPECT_TRUE(box("Check0")->isChecked());
    submitRefused(QStringLiteral("You have already selected today's Breakfast, Lunch and Dinner."),
                  Icon::Information, "Message");
    EXPECT_FALSE(control<QGroupBox>("Frame1")->isEnabled());
    EXPECT_EQ(count("DailyMealInput"), 3);
}

TEST_F(MealEvaluation, NotEatenBoxAsksForAMealAndUnticksItself) {
    open();
    QGroupBox* evaluation = control<QGroupBox>("Frame1");
    clickBox(box("Check0"));
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_EQ(h.messages.shown[0].text, QStringLiteral("Please select a meal."));
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Message"));
    EXPECT_EQ(h.messages.shown[0].icon, Icon::Information);
    // The box unticks itself, and the evaluation stays usable.
    EXPECT_FALSE(box("Check0")->isChecked());
    EXPECT_TRUE(evaluation->isEnabled());

    // With all three meals stored the box stays ticked and the evaluation locked.
    for (const char* code : {"1B", "2L", "3D"}) {
        storeMeal(code[0] - '0', today, QLatin1String(code),
                  QStringLiteral("0, 0, 0, 0, 0, 0, 0, 0, 0"));
    }
    chooseDay(today);
    h.messages.shown.clear();
    clickBox(box("Check0"));
    ASSERT_EQ(h.messages.texts(),
              QStringList{"You have already selected today's Breakfast, Lunch and Dinner."});
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Message"));
    EXPECT_TRUE(box("Check0")->isChecked());
    EXPECT_FALSE(evaluation->isEnabled());
    clickBox(box("Check0"));
    EXPECT_TRUE(evaluation->isEnabled());
    EXPECT_EQ(h.messages.shown.size(), 1);
}

TEST_F(MealEvaluation, EveryListRefillsUnsortedWhenOpenedAndTakesNoTypedText) {
    open();
    const char* lists[] = {
        "CmbFatIntake",     "CmbFastSugarIntake", "CmbFiberIntake", "CmbOverallQuantity",
        "CmbPositiveFoods", "CmbSnacking",        "CmbWater"};
    // A choice added to the table after the window opened, with a name that sorts first.
    h.db().selectNative("INSERT INTO SetMealPoint VALUES (40, 3, 'Abundant', 4)");
    for (int category = 1; category <= 7; ++category) {
        widgets::ChoiceList* l = list(lists[category - 1]);
        const QString shown = l->currentText();
        h.statements.clear();
        testing::dropDown(l);
        l->hidePopup();
        EXPECT_EQ(
            h.statements,
            QStringList{QStringLiteral("  Select MID, MealName From SetMealPoint Where SubID=") +
                        QString::number(category)});
        const store::ResultSet rows = h.db().selectNative(
            "SELECT MID, MealName FROM SetMealPoint WHERE SubID = " + std::to_string(category));
        ASSERT_EQ(l->count(), rows.recordCount()) << lists[category - 1];
        for (int i = 0; i < l->count(); ++i) {
            store::ResultSet row = h.db().selectNative(
                "SELECT MID, MealName FROM SetMealPoint WHERE SubID = " + std::to_string(category) +
                " LIMIT 1 OFFSET " + std::to_string(i));
            EXPECT_EQ(l->itemText(i), row.field(1).toString());
            EXPECT_EQ(l->itemData(i), row.field(0));
        }
        // Closing the list without a pick keeps what it showed.
        EXPECT_EQ(l->currentText(), shown);

        // Typing and pasting change nothing.
        QApplication::clipboard()->setText(QStringLiteral("Pasted"));
        l->setFocus();
        QTest::keyClicks(l, QStringLiteral("typed"));
        QTest::keyClick(l, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(l->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(l->currentText(), shown) << lists[category - 1];
    }
    EXPECT_EQ(list("CmbFiberIntake")->itemText(3), QStringLiteral("Abundant"));
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

// The seven lists share one picked key and score; a choice whose key does not name exactly one
// row is refused, and its list and score show nothing, so no wrong score can be stored.
TEST_F(MealEvaluation, AChoiceWithoutASingleRowIsRefusedAndStoresNothing) {
    // A table whose key is not unique: two rows carry MID 2.
    h.db().selectNative("ALTER TABLE SetMealPoint RENAME TO Delivered");
    h.db().selectNative(
        "CREATE TABLE SetMealPoint (MID INTEGER, SubID INTEGER, MealName TEXT, "
        "Score INTEGER)");
    h.db().selectNative("INSERT INTO SetMealPoint SELECT * FROM Delivered");
    h.db().selectNative("INSERT INTO SetMealPoint VALUES (2, 1, 'Moderate, twice', 2)");
    open();
    clickBox(option("OptBreakfast"));
    pick("CmbFastSugarIntake", QStringLiteral("A lot: sweets, soda, dessert"));
    pick("CmbFiberIntake", QStringLiteral("Some"));
    pick("CmbOverallQuantity", QStringLiteral("Just enough"));
    pick("CmbPositiveFoods", QStringLiteral("None"));
    h.statements.clear();
    pick("CmbFatIntake", QStringLiteral("Moderate, twice"));
    EXPECT_EQ(h.statements.last(), QStringLiteral("  Select Score From SetMealPoint Where MID=2"));
    ASSERT_EQ(h.messages.texts(), QStringList{administrator});
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Mirtal"));
    EXPECT_EQ(list("CmbFatIntake")->currentText(), QString());
    EXPECT_EQ(text("TxtScore1"), QString());

    h.messages.shown.clear();
    click("LblDailyMeal");
    EXPECT_EQ(h.messages.texts(), QStringList{"All the meal scores are not seleted."});
    EXPECT_EQ(count("DailyMealInput"), 0);

    // A choice removed from the table while its list was open: no row.
    testing::dropDown(list("CmbFatIntake"));
    h.db().selectNative("DELETE FROM SetMealPoint WHERE MID = 3");
    h.messages.shown.clear();
    clickOpenEntry("CmbFatIntake", QStringLiteral("High: fried or creamy"));
    EXPECT_EQ(h.messages.texts(), QStringList{administrator});
    EXPECT_EQ(text("TxtScore1"), QString());
}

TEST(ScoreLookup, KeepsTheLastScoreFoundWhenAKeyNamesNoSingleChoice) {
    testing::AppHarness h;
    meals::ScoreLookup lookup;
    EXPECT_EQ(lookup.lookedUpScore(), QString());
    lookup.setPickedKey(QVariant(qlonglong(23)));
    EXPECT_TRUE(lookup.ScoreVal(h.db()));
    EXPECT_EQ(lookup.lookedUpScore(), QStringLiteral("-4"));
    lookup.setPickedKey(QVariant(qlonglong(99)));
    EXPECT_FALSE(lookup.ScoreVal(h.db()));
    EXPECT_EQ(lookup.pickedKey(), QStringLiteral("99"));
    EXPECT_EQ(lookup.lookedUpScore(), QStringLiteral("-4"));
}

TEST_F(MealEvaluation, ADoubleClickedMealIsRemovedAfterConfirmation) {
    storeMeal(4, today, QStringLiteral("1B"), QStringLiteral("0, 3, 1, 1, 3, 2, 3, 1, 5"));
    storeMeal(9, today, QStringLiteral("3D"), QStringLiteral("-8, 0, 0, 0, 0, 0, 0, 0, 0"));
    open();
    EXPECT_FALSE(option("OptBreakfast")->isEnabled());

    // The totals row picks nothing.
    doubleClickCell(3, 4);
    EXPECT_EQ(text("TxtHidID1"), QString());
    EXPECT_EQ(h.messages.texts(), QStringList{"No data found in this field."});
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Mirtal"));

    // A click picks the row's key and colours the cell until it is left.
    clickCell(1, 5);
    EXPECT_EQ(text("TxtHidID1"), QStringLiteral("4"));
    EXPECT_EQ(grid()->cellBackColour(1, 5), widgets::colours::lightGreen);
    clickCell(2, 5);
    EXPECT_NE(grid()->cellBackColour(1, 5), widgets::colours::lightGreen);
    EXPECT_EQ(text("TxtHidID1"), QStringLiteral("9"));

    // No keeps the meal; Yes removes it and offers its option again.
    h.messages.shown.clear();
    h.messages.answers = {false, true};
    h.statements.clear();
    doubleClickCell(1, 2);
    EXPECT_EQ(h.messages.texts(), QStringList{"Confirm removal?"});
    EXPECT_TRUE(h.statements.isEmpty());
    EXPECT_EQ(count("DailyMealInput"), 2);
    doubleClickCell(1, 2);
    EXPECT_EQ(h.statements.value(0),
              QStringLiteral(" Delete From DailyMealInput Where DMID=4 And UserID=1"));
    EXPECT_EQ(h.statements.mid(1), reloadStatements(today));
    EXPECT_EQ(count("DailyMealInput"), 1);
    EXPECT_TRUE(option("OptBreakfast")->isEnabled());
    EXPECT_EQ(text("TxtHidID1"), QStringLiteral("4"));
    EXPECT_EQ(gridRow(1).mid(1, 2), QStringList({"9", "3D"}));

    // A day without meals: its one empty row picks nothing either.
    chooseDay(today.addDays(1));
    EXPECT_EQ(text("TxtHidID1"), QString());
    h.messages.shown.clear();
    doubleClickCell(1, 3);
    EXPECT_EQ(h.messages.texts(), QStringList{"No data found in this field."});
    EXPECT_EQ(count("DailyMealInput"), 1);
}

// Only the calendar's closing reloads; a typed date is used by the commands alone.
TEST_F(MealEvaluation, ClosingTheCalendarForgetsThePickedRowsAndReloads) {
    const QDate yesterday = today.addDays(-1);
    storeMeal(1, today, QStringLiteral("2L"), QStringLiteral("0, 0, 0, 0, 0, 0, 0, 0, 0"));
    storeSnacking(1, today, 2, 4);
    open();
    clickCell(1, 3);
    EXPECT_EQ(text("TxtHidID1"), QStringLiteral("1"));
    EXPECT_EQ(text("TxtHidID2"), QStringLiteral("1"));

    h.statements.clear();
    picker()->setDate(yesterday);
    EXPECT_TRUE(h.statements.isEmpty());
    EXPECT_EQ(gridRow(1).value(2), QStringLiteral("2L"));

    chooseDay(yesterday);
    EXPECT_EQ(h.statements, reloadStatements(yesterday));
    EXPECT_EQ(text("TxtHidID1"), QString());
    EXPECT_EQ(text("TxtHidID2"), QString());
    EXPECT_EQ(gridRow(1), QStringList(12, QString()));
    EXPECT_TRUE(option("OptLunch")->isEnabled());
}

TEST_F(MealEvaluation, LinksOpenTheDietPageAndHelpExplainsTheWindow) {
    open();
    click("LblURL");
    click("LblURL_PF");
    const QUrl diet =
        app::sitePage(h.switcher().applicationDirectory(), QStringLiteral("/diet.html"));
    EXPECT_EQ(h.links.opened, QList<QUrl>({diet, diet}));
    EXPECT_TRUE(diet.toString().endsWith(QStringLiteral("/diet.html")));

    QTest::mouseClick(control<QPushButton>("CmdHelp"), Qt::LeftButton);
    app::Form8* help = h.switcher().helpWindowIfLoaded();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("MEAL EVALUATION"));
    EXPECT_EQ(help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
              app::helpText(app::WindowId::MealEvaluation)
                  .text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // The bar leads to every other window but this one.
    EXPECT_EQ(h.control<QLabel>(app::WindowId::MealEvaluation, "LblMeal"), nullptr);
    QTest::mouseClick(control<QLabel>("LblDailyInput"), Qt::LeftButton);
    EXPECT_NE(h.switcher().loadedWindow(app::WindowId::ProgressLog), nullptr);
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::MealEvaluation), nullptr);
}

TEST_F(MealEvaluation, LabelsLightUnderThePointerAndRestOverTheirOwnSurface) {
    open();
    QWidget* window = h.switcher().loadedWindow(app::WindowId::MealEvaluation);
    const QList<const char*> names{"LblDailyMeal", "LblSnack",  "LblEdit", "LblDelete",
                                   "LblURL",       "LblURL_PF", "LblUser", "LblReport"};
    const auto lit = [&] {
        QStringList result;
        for (const char* name : names) {
            auto* label = control<widgets::CommandLabel>(name);
            if (label->textColour() == widgets::colours::red &&
                label->faceColour() == widgets::colours::white) {
                result << QLatin1String(name);
            }
        }
        return result;
    };
    struct Case {
        QWidget* surface;
        QStringList stillLit;
        QPoint at;
    };
    const QStringList all{"LblDailyMeal", "LblSnack",  "LblEdit", "LblDelete",
                          "LblURL",       "LblURL_PF", "LblUser", "LblReport"};
    for (const Case& c :
         {Case{control<QWidget>("Frame5"),
               {"LblSnack", "LblEdit", "LblDelete", "LblURL", "LblURL_PF", "LblUser", "LblReport"},
               QPoint(4, 40)},
          Case{control<QWidget>("Frame2"),
               {"LblDailyMeal", "LblURL", "LblURL_PF", "LblUser", "LblReport"},
               QPoint(4, 40)},
          // Between the "Positive Foods" link and the submit frame.
          Case{window, {"LblDailyMeal", "LblSnack", "LblEdit", "LblDelete"}, QPoint(240, 390)}}) {
        for (const char* name : names) {
            QTest::mouseMove(control<QWidget>(name));
        }
        EXPECT_EQ(lit(), all);
        ASSERT_EQ(c.surface->childAt(c.at), nullptr);
        QTest::mouseMove(c.surface, c.at);
        EXPECT_EQ(lit(), c.stillLit) << c.surface->objectName().toStdString();
    }
    EXPECT_EQ(control<widgets::CommandLabel>("LblURL")->textColour(), widgets::colours::blue);
    EXPECT_EQ(control<widgets::CommandLabel>("LblURL")->faceColour(), widgets::colours::lightGrey);
    EXPECT_EQ(control<widgets::CommandLabel>("LblDailyMeal")->shape()->objectName(),
              QStringLiteral("Shape13"));
    EXPECT_EQ(control<widgets::CommandLabel>("LblSnack")->shape()->objectName(),
              QStringLiteral("Shape10"));
    EXPECT_EQ(control<widgets::CommandLabel>("LblDelete")->shape()->objectName(),
              QStringLiteral("Shape12"));
}

// A failing store is reported, and the window goes on working once the store is back.
TEST_F(MealEvaluation, AStoreErrorIsShownAndTheWindowStaysUsable) {
    open();
    h.db().selectNative("ALTER TABLE DailyMealInput RENAME TO Away");
    clickBox(option("OptBreakfast"));
    clickBox(box("Check0"));
    click("LblDailyMeal");
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_TRUE(h.messages.shown[0].text.contains(QStringLiteral("DailyMealInput")))
        << h.messages.shown[0].text.toStdString();

    h.db().selectNative("ALTER TABLE Away RENAME TO DailyMealInput");
    click("LblDailyMeal");
    EXPECT_EQ(count("DailyMealInput"), 1);
    EXPECT_FALSE(option("OptBreakfast")->isEnabled());
}

}  // namespace
}  // namespace mirtal
