#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "ProgressFixture.h"
#include "widgets/ChoiceList.h"
#include "widgets/Colours.h"
#include "widgets/DatePicker.h"

namespace mirtal::testing {
namespace {

class ProgressLog : public ProgressWindow {
  protected:
    ProgressLog() : ProgressWindow(app::WindowId::ProgressLog) {}

    widgets::DatePicker* picker() { return control<widgets::DatePicker>("DTPicker1"); }
    widgets::ChoiceList* morale() { return control<widgets::ChoiceList>("CmbMorale"); }

    void enter(QDate day, const QString& pulse, const QString& weight, const QString& mood) {
        picker()->setDate(day);
        type("TxtPulse", pulse);
        type("TxtWeight", weight);
        if (!mood.isEmpty()) {
            pickEntry(morale(), mood);
        }
    }
    void submit(QDate day, const QString& pulse, const QString& weight, const QString& mood) {
        enter(day, pulse, weight, mood);
        click("LblAdd");
    }
};

TEST_F(ProgressLog, LoadsTheMoraleChoicesAndAnEmptyGrid) {
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::ProgressLog)->windowTitle(),
              QStringLiteral("6. Frm Progress Log"));
    EXPECT_EQ(picker()->date(), today);
    QStringList choices;
    for (int i = 0; i < morale()->count(); ++i) {
        choices << morale()->itemText(i);
    }
    EXPECT_EQ(choices, QStringList({"Excellent", "Good", "Average", "Low", "The Pits"}));
    EXPECT_EQ(morale()->text(), QString());
    EXPECT_EQ(grid()->rows(), 1);
    EXPECT_EQ(gridRow(0), QStringList({"Date", "Pulse", "Weight", "Morale"}));

    // Typing into the morale box changes nothing.
    morale()->setFocus();
    QTest::keyClicks(morale(), QStringLiteral("Good"));
    EXPECT_EQ(morale()->text(), QString());
}

TEST_F(ProgressLog, SubmitAddsOneEntryADayOldestFirst) {
    submit(today, QStringLiteral("62"), QStringLiteral("80.5"), QStringLiteral("Good"));
    EXPECT_TRUE(h.messages.shown.isEmpty());
    EXPECT_EQ(h.statements.mid(0, 3),
              QStringList({"  Select Date1 From PulseWeight Where Date1= #2026/12/08# And "
                           "UserID=1",
                           "  Select Max(PWID) From PulseWeight",
                           "Insert Into PulseWeight Values(1, 1, '" + shortDate(today) +
                               "', 62, 80.5, 'Good')"}));
    EXPECT_EQ(h.statements.last(),
              QStringLiteral("  Select PWID, format(Date1,'yyyy/MM/dd') as [Date], Pulse, Weight, "
                             "Morale From PulseWeight Where UserID=1 Order By Cdate(Date1)"));

    submit(today, QStringLiteral("70"), QStringLiteral("81"), QStringLiteral("Low"));
    EXPECT_EQ(h.messages.texts(), QStringList{"Only one entry possible per day."});
    submit(QDate(2026, 11, 30), QStringLiteral("64"), QStringLiteral("81"), QStringLiteral("Low"));
    ASSERT_EQ(grid()->rows(), 3);
    EXPECT_EQ(gridRow(1), QStringList({"2026/11/30", "64", "81", "Low"}));
    EXPECT_EQ(gridRow(2), QStringList({"2026/12/08", "62", "80.5", "Good"}));

    // Another user may log the same day; keys are shared by everyone.
    h.app.session().setCurrentUserId(2);
    reopen();
    EXPECT_EQ(grid()->rows(), 1);
    submit(today, QStringLiteral("58"), QStringLiteral("70"), QStringLiteral("Excellent"));
    EXPECT_EQ(h.scalar("SELECT PWID FROM PulseWeight WHERE UserID = 2").toInt(), 3);
}

TEST_F(ProgressLog, EmptyFieldsAndMissingPicksAreRefused) {
    submit(today, QStringLiteral("62"), QStringLiteral("80"), QString());
    enter(today, QString(), QStringLiteral("80"), QStringLiteral("Good"));
    click("LblEdit");
    enter(today, QStringLiteral("62"), QStringLiteral("80"), QStringLiteral("Good"));
    click("LblEdit");
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(),
              QStringList({"Unable to submit. Please check the empty field/s.",
                           "Unable to update. Please check the empty field/s.",
                           "You need to select the data.", "No data found in this field."}));
    EXPECT_EQ(h.scalar("SELECT count(*) FROM PulseWeight").toInt(), 0);
}

TEST_F(ProgressLog, PickingARowFillsTheFieldsAndTheDate) {
    submit(QDate(2026, 12, 1), QStringLiteral("64"), QStringLiteral("81.2"),
           QStringLiteral("Average"));
    picker()->setDate(today);
    click("LblClear");
    EXPECT_EQ(text("TxtPulse") + text("TxtWeight") + morale()->text(), QString());

    clickCell(grid(), 1, 3);
    EXPECT_EQ(text("TxtHidID"), QStringLiteral("1"));
    EXPECT_EQ(picker()->date(), QDate(2026, 12, 1));
    EXPECT_EQ(text("TxtPulse"), QStringLiteral("64"));
    EXPECT_EQ(text("TxtWeight"), QStringLiteral("81.2"));
    EXPECT_EQ(morale()->text(), QStringLiteral("Average"));
    EXPECT_EQ(grid()->cellBackColour(1, 3), widgets::colours::lightGreen);
    clickCell(grid(), 1, 4);
    EXPECT_NE(grid()->cellBackColour(1, 3), widgets::colours::lightGreen);
}

TEST_F(ProgressLog, UpdateRewritesThePickedEntryButNeverOntoAnotherEntrysDay) {
    submit(QDate(2026, 12, 1), QStringLiteral("64"), QStringLiteral("81"), QStringLiteral("Low"));
    submit(QDate(2026, 12, 2), QStringLiteral("63"), QStringLiteral("80"), QStringLiteral("Good"));
    clickCell(grid(), 1, 2);
    type("TxtPulse", QStringLiteral("60"));

    h.statements.clear();
    click("LblEdit");  // answered No: the grid still reloads
    EXPECT_EQ(h.messages.texts(), QStringList{"Confirm update?"});
    EXPECT_TRUE(h.statements.last().startsWith(QStringLiteral("  Select PWID, format(")));
    EXPECT_EQ(h.scalar("SELECT Pulse FROM PulseWeight WHERE PWID = 1").toInt(), 64);

    // Keeping its own day is allowed.
    h.messages.shown.clear();
    h.messages.answers = {true};
    h.statements.clear();
    click("LblEdit");
    EXPECT_TRUE(h.statements.contains(
        " Update PulseWeight Set Date1=#2026/12/01#, Pulse=60, Weight=81, Morale='Low' Where "
        "PWID=1 And UserID=1"));
    EXPECT_EQ(gridRow(1), QStringList({"2026/12/01", "60", "81", "Low"}));

    // Moving it onto the 2nd would leave two entries for one day.
    const QString before = h.tableRows("PulseWeight");
    h.messages.shown.clear();
    h.messages.answers = {true};
    picker()->setDate(QDate(2026, 12, 2));
    click("LblEdit");
    EXPECT_EQ(h.messages.texts(), QStringList{"Only one entry possible per day."});
    EXPECT_EQ(h.tableRows("PulseWeight"), before);

    // An empty day is fine.
    h.messages.shown.clear();
    picker()->setDate(QDate(2026, 12, 5));
    click("LblEdit");
    EXPECT_EQ(h.scalar("SELECT Date1 FROM PulseWeight WHERE PWID = 1").toString(),
              QStringLiteral("2026-12-05"));
}

TEST_F(ProgressLog, DoubleClickRemovesTheEntryAfterTheQuestion) {
    submit(QDate(2026, 12, 1), QStringLiteral("64"), QStringLiteral("81"), QStringLiteral("Low"));
    doubleClickCell(grid(), 1, 2);
    EXPECT_EQ(h.messages.texts(), QStringList{"Confirm removal?"});
    EXPECT_EQ(h.scalar("SELECT count(*) FROM PulseWeight").toInt(), 1);

    h.messages.answers = {true};
    h.statements.clear();
    doubleClickCell(grid(), 1, 2);
    EXPECT_EQ(h.statements.mid(1, 1),
              QStringList{"Delete From PulseWeight Where PWID=1 And UserID=1"});
    EXPECT_EQ(h.scalar("SELECT count(*) FROM PulseWeight").toInt(), 0);
    EXPECT_EQ(text("TxtHidID") + text("TxtPulse") + text("TxtWeight") + morale()->text(),
              QString());
    EXPECT_EQ(grid()->rows(), 1);
}

TEST_F(ProgressLog, ClosingTheCalendarReloadsButTypingADateDoesNot) {
    h.statements.clear();
    picker()->setFocus();
    QTest::keyClick(picker(), Qt::Key_Up);
    EXPECT_TRUE(h.statements.isEmpty());
    pickDay(picker(), QDate(2026, 12, 3));
    EXPECT_EQ(picker()->date(), QDate(2026, 12, 3));
    ASSERT_EQ(h.statements.size(), 1);
    EXPECT_TRUE(h.statements[0].startsWith(QStringLiteral("  Select PWID, format(")));
}

// Whatever is typed or pasted into pulse, only a number reaches a statement, and a refusal
// says why; in both windows that take a pulse.
TEST_F(ProgressLog, BadNumbersNeverReachTheDatabase) {
    struct Case {
        const char* what;
        QString given;
        bool pasted;
        QString inputRefusal;   // how the field refuses the input itself, if it does
        QString submitRefusal;  // how SUBMIT then begins its refusal
    };
    const QString empty = QStringLiteral("Unable to submit. Please check the empty field/s.");
    const QString notANumber = QStringLiteral("Pulse must be a number");
    const QString numbersOnly = QStringLiteral("Valied Numbers Only");
    const QString notPasted = QStringLiteral("Only digits and a point can go into Pulse");
    const QList<Case> cases{
        {"a letter", "a", false, numbersOnly, empty},
        {"Enter", "\r", false, numbersOnly, empty},
        {"a pasted statement piece", "0, Weight=0 Where 1=1", true, notPasted, empty},
        {"two points", "1.2.3", false, {}, notANumber},
        {"a point alone", ".", false, {}, notANumber},
        {"two points in a row", "72..5", false, {}, notANumber},
        {"a twenty-digit number", "12345678901234567890", false, {}, notANumber},
    };
    for (const app::WindowId window : {app::WindowId::ProgressLog, app::WindowId::TargetValues}) {
        h.switcher().openWindow(window);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* pulse = h.control<QLineEdit>(window, "TxtPulse");
        h.control<QLineEdit>(window, "TxtWeight")->setText(QStringLiteral("80"));
        if (window == app::WindowId::ProgressLog) {
            pickEntry(h.control<widgets::ChoiceList>(app::WindowId::ProgressLog, "CmbMorale"),
                      QStringLiteral("Good"));
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in window " + app::windowRow(window).objectName);
            pulse->clear();
            pulse->setFocus();
            h.messages.shown.clear();
            if (c.pasted) {
                QApplication::clipboard()->setText(c.given);
                QTest::keyClick(pulse, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClicks(pulse, c.given);
            }
            if (c.inputRefusal.isEmpty()) {
                EXPECT_TRUE(h.messages.shown.isEmpty());
            } else {
                ASSERT_EQ(h.messages.shown.size(), 1);
                EXPECT_TRUE(h.messages.shown[0].text.startsWith(c.inputRefusal));
            }
            h.messages.shown.clear();
            h.statements.clear();
            clickLabel(h.control<QLabel>(window, "LblAdd"));
            ASSERT_EQ(h.messages.shown.size(), 1);
            EXPECT_TRUE(h.messages.shown[0].text.startsWith(c.submitRefusal))
                << h.messages.shown[0].text.toStdString();
            EXPECT_TRUE(h.statements.isEmpty());
        }
    }
    EXPECT_EQ(h.scalar("SELECT count(*) FROM PulseWeight").toInt() +
                  h.scalar("SELECT count(*) FROM PulseWeightTarget").toInt(),
              0);
}

}  // namespace
}  // namespace mirtal::testing
