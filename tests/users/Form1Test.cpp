#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "support/AppHarness.h"
#include "support/UiDriver.h"
#include "widgets/ChoiceList.h"
#include "widgets/Colours.h"
#include "widgets/CommandLabel.h"

namespace mirtal {
namespace {

using testing::AppHarness;

class UserWindow : public ::testing::Test {
  protected:
    widgets::ChoiceList* list() {
        return h.control<widgets::ChoiceList>(app::WindowId::User, "CmbUser");
    }
    QLineEdit* name() { return h.control<QLineEdit>(app::WindowId::User, "TxtUser"); }
    void click(const char* label) {
        testing::clickLabel(h.control<QLabel>(app::WindowId::User, label));
    }

    void addUser(const QString& typed) {
        name()->clear();
        QTest::keyClicks(name(), typed);
        click("LblAdd");
    }

    QStringList listedNames() {
        testing::dropDown(list());
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) {
            names << list()->itemText(i);
        }
        list()->hidePopup();
        return names;
    }

    void pick(const QString& userName) { testing::pickEntry(list(), userName); }

    AppHarness h;
};

TEST_F(UserWindow, LoadsWithAnEmptyListAndTheNameField) {
    EXPECT_EQ(h.switcher().loadedWindow(app::WindowId::User)->windowTitle(),
              QStringLiteral("1. frm User"));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(list()->currentText(), QString());
    EXPECT_EQ(name()->text(), QStringLiteral("New user name."));
    EXPECT_EQ(h.control<QGroupBox>(app::WindowId::User, "Frame1")->title(),
              QStringLiteral("Add /Remove User"));
    EXPECT_EQ(h.control<QLabel>(app::WindowId::User, "LblStart")->text(), QStringLiteral("&START"));
}

TEST_F(UserWindow, AddsUsersWithKeysFromOneAndBackquotesForApostrophes) {
    EXPECT_TRUE(listedNames().isEmpty());
    h.statements.clear();
    addUser(QStringLiteral("O'Brien"));
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("User has been added.")});
    EXPECT_EQ(name()->text(), QString());
    EXPECT_EQ(h.statements,
              QStringList({QStringLiteral("  Select Max(UserID) From User1"),
                           QStringLiteral("Insert Into User1 Values(1, 'O`Brien')")}));

    // Enter in the name field adds too; the list shows names in order after a drop-down.
    QTest::keyClicks(name(), QStringLiteral("Ann"));
    QTest::keyClick(name(), Qt::Key_Return);
    EXPECT_EQ(h.scalar("SELECT UserID FROM User1 WHERE UserName = 'Ann'").toInt(), 2);
    EXPECT_EQ(listedNames(), QStringList({QStringLiteral("Ann"), QStringLiteral("O`Brien")}));
}

TEST_F(UserWindow, RefusesEmptyNamesAndStopsTypingAtTwentyCharacters) {
    name()->clear();
    click("LblAdd");
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Add User")});
    EXPECT_EQ(h.scalar("SELECT count(*) FROM User1").toInt(), 0);

    QTest::keyClicks(name(), QStringLiteral("abcdefghijklmnopqrstu"));
    EXPECT_EQ(name()->text(), QStringLiteral("abcdefghijklmnopqrst"));
}

TEST_F(UserWindow, StartAndRemoveNeedAPickedUser) {
    click("LblStart");
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(),
              QStringList({QStringLiteral("You did't select the user. Select the user"),
                           QStringLiteral("Please select user.")}));
    EXPECT_NE(h.switcher().loadedWindow(app::WindowId::User), nullptr);
    EXPECT_EQ(h.switcher().mainWindowIfLoaded(), nullptr);
}

TEST_F(UserWindow, StartWithAPickedUserOpensTheTargetValuesWindow) {
    addUser(QStringLiteral("Ann"));
    pick(QStringLiteral("Ann"));
    EXPECT_EQ(h.app.session().currentUserId(), 1);
    QPointer<QWidget> form = h.switcher().loadedWindow(app::WindowId::User);
    click("LblStart");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    QWidget* targets = h.switcher().loadedWindow(app::WindowId::TargetValues);
    ASSERT_NE(targets, nullptr);
    EXPECT_EQ(targets->parentWidget()->pos(), QPoint(0, 0));
}

class Removal : public UserWindow {
  protected:
    // Two users with a row in each of their tables.
    void SetUp() override {
        for (const QString& user : {QStringLiteral("1"), QStringLiteral("2")}) {
            const QString day = QStringLiteral("'1/2/2026'");
            for (const QString& statement :
                 {QStringLiteral("Insert Into User1 Values(%1, 'U%1')"),
                  QStringLiteral("Insert Into SetExercise Values(%1, %1, 'Run', 'Light', '')"),
                  QStringLiteral("Insert Into Exercise Values(%1, %1, %1, %2, 3)"),
                  QStringLiteral("Insert Into PulseWeight Values(%1, %1, %2, 60, 70, 'Good')"),
                  QStringLiteral("Insert Into PulseWeightTarget Values( %1, %1, %2, %2, 60, 70)"),
                  QStringLiteral("Insert Into DailyMealInput Values(%1, %1, %2, '1B', -8, 0, 0, 0, "
                                 "0, 0, 0, 0, 0)"),
                  QStringLiteral("Insert Into DailySnackingInput Values(%1, %1, %2, 3, 4)")}) {
                h.db().execute(QString(statement)
                                   .replace(QStringLiteral("%1"), user)
                                   .replace(QStringLiteral("%2"), day));
            }
        }
        referenceRows =
            h.scalar("SELECT group_concat(MID || MealName || Score) FROM SetMealPoint").toString();
        h.statements.clear();
    }

    int rowsOf(int user) {
        int rows = 0;
        for (const char* table : {"User1", "SetExercise", "Exercise", "PulseWeight",
                                  "PulseWeightTarget", "DailyMealInput", "DailySnackingInput"}) {
            rows += h.scalar(std::string("SELECT count(*) FROM ") + table +
                             " WHERE UserID = " + std::to_string(user))
                        .toInt();
        }
        return rows;
    }

    QString referenceRows;
};

TEST_F(Removal, NoRemovesNothing) {
    pick(QStringLiteral("U1"));
    h.messages.answers = {false};
    click("LblDelete");
    EXPECT_EQ(rowsOf(1), 7);
    EXPECT_EQ(list()->currentText(), QStringLiteral("U1"));
    EXPECT_EQ(h.messages.shown[0].text,
              QStringLiteral("Are you sure?\nUser will be permanently deleted."));
    EXPECT_TRUE(h.messages.shown[0].question);
}

TEST_F(Removal, YesRemovesEveryRowOfTheUserAndClosesTheMainWindow) {
    pick(QStringLiteral("U1"));
    h.switcher().showStartWindow();
    h.switcher().openUserWindowFromMenu();
    ASSERT_NE(h.switcher().mainWindowIfLoaded(), nullptr);
    pick(QStringLiteral("U1"));
    h.statements.clear();
    h.messages.answers = {true};

    click("LblDelete");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(rowsOf(1), 0);
    EXPECT_EQ(rowsOf(2), 7);
    EXPECT_EQ(
        h.scalar("SELECT group_concat(MID || MealName || Score) FROM SetMealPoint").toString(),
        referenceRows);
    EXPECT_EQ(h.messages.texts().last(), QStringLiteral("Successfully Removed."));
    EXPECT_EQ(h.statements.mid(0, 7), QStringList({"Delete  From DailyMealInput Where UserID=1",
                                                   "Delete  From DailySnackingInput Where UserID=1",
                                                   "Delete  From Exercise Where UserID=1",
                                                   "Delete  From PulseWeight Where UserID=1",
                                                   "Delete  From PulseWeightTarget Where UserID=1",
                                                   "Delete  From SetExercise Where UserID=1",
                                                   "Delete  From User1 Where UserID=1"}));
    EXPECT_EQ(h.statements.last(),
              QStringLiteral("  Select UserID From User1 Where UserID=1 Order By UserName"));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(list()->currentText(), QString());
    EXPECT_EQ(h.switcher().mainWindowIfLoaded(), nullptr);
    EXPECT_TRUE(h.switcher().loadedWindow(app::WindowId::User)->isVisible());
}

TEST_F(Removal, AFailureHalfwayRemovesNothingAndTheWindowStaysUsable) {
    h.db().selectNative(
        "CREATE TRIGGER refuse BEFORE DELETE ON PulseWeight BEGIN SELECT RAISE(ABORT, 'disk says "
        "no'); END");
    pick(QStringLiteral("U1"));
    h.messages.answers = {true};
    click("LblDelete");
    EXPECT_EQ(rowsOf(1), 7);
    EXPECT_TRUE(h.messages.texts().contains(QStringLiteral("disk says no")));
    EXPECT_FALSE(h.messages.texts().contains(QStringLiteral("Successfully Removed.")));

    addUser(QStringLiteral("Still works"));
    EXPECT_EQ(h.messages.texts().last(), QStringLiteral("User has been added."));
}

TEST_F(UserWindow, HelpAndWebSite) {
    h.control<QPushButton>(app::WindowId::User, "CmdHelp")->click();
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("USER"));
    EXPECT_EQ(h.messages.shown[0].text.split(u'\n').size(), 3);
    EXPECT_TRUE(h.messages.shown[0].text.startsWith(
        QStringLiteral("1. If this is the first time you are using Mirtal, enter a new username "
                       "and press ENTER, or "
                       "click on ADD.\n2. Select")));

    click("LblURL");
    EXPECT_EQ(h.links.opened,
              QList<QUrl>{QUrl::fromLocalFile(h.dir.filePath(QStringLiteral("site/index.html")))});
}

}  // namespace
}  // namespace mirtal

namespace mirtal {
namespace {

TEST_F(UserWindow, LabelsLightUnderThePointerAndRestOverTheirSurfaces) {
    QWidget* form = h.switcher().loadedWindow(app::WindowId::User);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    const auto label = [&](const char* name) {
        return h.control<widgets::CommandLabel>(app::WindowId::User, name);
    };
    const QList<const char*> names{"LblAdd", "LblDelete", "LblStart", "LblURL"};
    const auto lit = [&] {
        QStringList result;
        for (const char* name : names) {
            if (label(name)->textColour() == widgets::colours::red &&
                label(name)->faceColour() == widgets::colours::white) {
                result << QLatin1String(name);
            }
        }
        return result;
    };
    struct Case {
        const char* surface;
        QStringList stillLit;
    };
    for (const Case& c :
         {Case{"Frame1", {"LblDelete", "LblStart", "LblURL"}}, Case{"bak", {"LblAdd"}}}) {
        for (const char* name : names) {
            QTest::mouseMove(label(name));
        }
        EXPECT_EQ(lit(), QStringList({"LblAdd", "LblDelete", "LblStart", "LblURL"}));
        QTest::mouseMove(h.control<QWidget>(app::WindowId::User, c.surface), QPoint(4, 60));
        EXPECT_EQ(lit(), c.stillLit) << c.surface;
    }
    EXPECT_EQ(label("LblURL")->textColour(), widgets::colours::blue);
    EXPECT_EQ(label("LblURL")->faceColour(), widgets::colours::lightGrey);
    EXPECT_EQ(label("LblStart")->textColour(), widgets::colours::black);
}

}  // namespace
}  // namespace mirtal
