#include <gtest/gtest.h>

#include "MealWindow.h"
#include "store/DateText.h"

namespace mirtal {
namespace {

using store::DateText;
using testing::MealWindow;
using Icon = app::Messages::Icon;

class SnackingAndWater : public MealWindow {
  protected:
    QString entryQuery(QDate day) {
        return QStringLiteral(
                   "  Select DSID From DailySnackingInput Where UserID=1 And MealDate=#%1#")
            .arg(DateText::dayText(day));
    }
    // The scores and choices shown, and the panel's snacking, water and total.
    QStringList shown() {
        return {list("CmbSnacking")->currentText(),
                text("TxtScore6"),
                list("CmbWater")->currentText(),
                text("TxtScore7"),
                text("TxtSnacking"),
                text("TxtWater"),
                text("TxtDayTotal")};
    }
};

TEST_F(SnackingAndWater, AddsChangesAndRemovesTheDaysEntryWithoutTouchingTheDayTotal) {
    storeSnacking(5, today, 0, 0, 2);
    storeMeal(1, today, QStringLiteral("1B"), QStringLiteral("0, 3, 1, 3, 3, 2, 0, 0, 0"));
    open();
    const QString day = DateText::shortDate(today);
    pick("CmbSnacking", QStringLiteral("No snacking"));
    pick("CmbWater", QStringLiteral("8 glasses or more"));
    h.statements.clear();
    click("LblSnack");
    EXPECT_EQ(
        h.statements.mid(0, 3),
        QStringList(
            {QStringLiteral("  Select Max(DSID) From DailySnackingInput"), entryQuery(today),
             QStringLiteral("Insert Into DailySnackingInput Values(6, 1, '%1', 3, 4)").arg(day)}));
    EXPECT_EQ(h.statements.mid(3), reloadStatements(today, "3", "4"));
    ASSERT_EQ(h.messages.texts(), QStringList{"Snacking meal and water is added."});
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Mirtal"));
    EXPECT_EQ(shown(), QStringList({"No snacking", "3", "8 glasses or more", "4", "3", "4", "12"}));
    EXPECT_EQ(text("TxtHidID2"), QStringLiteral("6"));

    // One entry a day for each user.
    h.messages.shown.clear();
    click("LblSnack");
    EXPECT_EQ(h.messages.texts(),
              QStringList{"You have already added today's water and snacking meal."});
    EXPECT_EQ(count("DailySnackingInput"), 2);

    // No to the update still reloads the stored entry.
    pick("CmbSnacking", QStringLiteral("Several snacks"));
    EXPECT_EQ(text("TxtScore6"), QStringLiteral("-2"));
    h.messages.shown.clear();
    h.messages.answers = {false};
    h.statements.clear();
    click("LblEdit");
    ASSERT_EQ(h.messages.texts(), QStringList{"Confirm update snacking meal?"});
    EXPECT_TRUE(h.messages.shown[0].question);
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Message"));
    EXPECT_EQ(h.statements, QStringList{entryQuery(today)} + reloadStatements(today, "3", "4"));
    EXPECT_EQ(shown(), QStringList({"No snacking", "3", "8 glasses or more", "4", "3", "4", "12"}));

    // Yes rewrites both scores and keeps the key and the day.
    pick("CmbSnacking", QStringLiteral("Several snacks"));
    pick("CmbWater", QStringLiteral("Fewer than 4 glasses"));
    h.messages.answers = {true};
    h.statements.clear();
    click("LblEdit");
    EXPECT_EQ(h.statements.value(1),
              QStringLiteral(" Update DailySnackingInput Set MealDate='%1', Snacking=-2, Water=-2 "
                             "Where DSID=6 And UserID=1")
                  .arg(day));
    EXPECT_EQ(h.scalar("SELECT DSID || MealDate || Snacking || Water FROM DailySnackingInput "
                       "WHERE UserID = 1")
                  .toString(),
              QStringLiteral("6") + today.toString(Qt::ISODate) + QStringLiteral("-2-2"));
    EXPECT_EQ(shown(), QStringList({"Several snacks", "-2", "Fewer than 4 glasses", "-2", "-2",
                                    "-2", "12"}));

    // Removal asks first; afterwards the day reads 0 and can be added again.
    h.messages.shown.clear();
    h.messages.answers = {false, true};
    h.statements.clear();
    click("LblDelete");
    EXPECT_TRUE(h.statements.isEmpty());
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(),
              QStringList({"Confirm removal snacking meal?", "Confirm removal snacking meal?"}));
    EXPECT_EQ(h.messages.shown[1].title, QStringLiteral("Mirtal"));
    EXPECT_EQ(h.statements.value(0),
              QStringLiteral(" Delete From DailySnackingInput Where DSID=6 And UserID=1"));
    EXPECT_EQ(h.statements.mid(1), reloadStatements(today));
    EXPECT_EQ(text("TxtHidID2"), QString());
    EXPECT_EQ(shown(),
              QStringList({"One light snack", "0", "4 to 5 glasses", "0", "0", "0", "12"}));
    EXPECT_EQ(count("DailySnackingInput"), 1);

    // The zero-score choices shown are stored without a pick.
    click("LblSnack");
    EXPECT_EQ(
        h.scalar("SELECT Snacking || Water FROM DailySnackingInput WHERE UserID = 1").toString(),
        QStringLiteral("00"));
}

TEST_F(SnackingAndWater, RefusesCommandsWithoutTheRightEntryAndChangesNothing) {
    const QDate entryDay = today.addDays(-1);
    storeSnacking(1, entryDay, 2, 2);
    open();

    h.statements.clear();
    click("LblEdit");
    EXPECT_EQ(h.messages.texts(),
              QStringList{"You have not any water and snacking meal to update."});
    EXPECT_EQ(h.statements, QStringList{entryQuery(today)} + reloadStatements(today));

    h.messages.shown.clear();
    click("LblDelete");
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_EQ(h.messages.shown[0].text,
              QStringLiteral("You can not delete the snacks since you haven't selected any "
                             "snacks for today's meal."));
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("Delete Message"));
    EXPECT_EQ(h.messages.shown[0].icon, Icon::Exclamation);

    // The entry's day is shown, then a day without an entry is typed and reloaded by a command:
    // the key of the other day's entry is not kept, so DELETE can't remove what isn't shown.
    chooseDay(entryDay);
    EXPECT_EQ(text("TxtHidID2"), QStringLiteral("1"));
    picker()->setDate(today);
    click("LblEdit");
    EXPECT_EQ(text("TxtHidID2"), QString());
    h.messages.shown.clear();
    h.messages.answers = {true};
    click("LblDelete");
    EXPECT_EQ(h.messages.shown.value(0).title, QStringLiteral("Delete Message"));
    EXPECT_EQ(count("DailySnackingInput"), 1);

    // Two entries of one day are never added to or changed.
    storeSnacking(2, today, 0, 0);
    storeSnacking(3, today, 0, 0);
    h.messages.shown.clear();
    h.messages.answers = {true};
    click("LblSnack");
    click("LblEdit");
    EXPECT_EQ(h.messages.texts(), QStringList({"Contact with your administrator.",
                                               "Contact with your administrator."}));
    EXPECT_EQ(h.scalar("SELECT count(*) FROM DailySnackingInput WHERE Snacking = 0").toInt(), 2);
}

// Choices are found again by their score: only a score that names one choice shows it.
TEST_F(SnackingAndWater, ShowsAChoiceOnlyWhenItsScoreNamesItAlone) {
    const QDate otherDay = today.addDays(-1);
    // No snacking choice scores 0; two water choices do.
    h.db().selectNative("DELETE FROM SetMealPoint WHERE MID = 21");
    h.db().selectNative("INSERT INTO SetMealPoint VALUES (33, 7, 'A few sips', 0)");
    storeSnacking(1, otherDay, 2, 4);
    storeSnacking(2, today.addDays(-2), 3, 0);
    open();
    EXPECT_EQ(shown(), QStringList({"", "0", "", "0", "0", "0", "0"}));
    click("LblSnack");
    EXPECT_EQ(h.messages.texts(), QStringList{"Snacking  Score is empty."});
    pick("CmbSnacking", QStringLiteral("Several snacks"));
    h.messages.shown.clear();
    click("LblSnack");
    EXPECT_EQ(h.messages.texts(), QStringList{"Water Score is empty."});
    EXPECT_EQ(count("DailySnackingInput"), 2);

    chooseDay(otherDay);
    EXPECT_EQ(shown(), QStringList({"Fruit or vegetables only", "2", "8 glasses or more", "4", "2",
                                    "4", "0"}));
    // A stored water score of 0 names two choices: none is shown, not the previous day's.
    chooseDay(today.addDays(-2));
    EXPECT_EQ(shown(), QStringList({"No snacking", "3", "", "0", "3", "0", "0"}));
}

}  // namespace
}  // namespace mirtal
