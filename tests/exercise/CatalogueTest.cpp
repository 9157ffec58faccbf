#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ExerciseWindowTest.h"
#include "app/Form8.h"
#include "app/HelpTexts.h"
#include "support/UiDriver.h"
#include "widgets/ChoiceList.h"
#include "widgets/Colours.h"
#include "widgets/CommandLabel.h"
#include "widgets/Twips.h"

namespace mirtal {
namespace {

class Catalogue : public testing::ExerciseWindowTest {
  protected:
    template <class T>
    T* control(const char* name) {
        return h.control<T>(app::WindowId::ExerciseCatalogue, name);
    }
    QLineEdit* name() { return control<QLineEdit>("TxtName"); }
    widgets::ChoiceList* intensity() { return control<widgets::ChoiceList>("CmbIntensity"); }
    QPlainTextEdit* description() { return control<QPlainTextEdit>("TxtDescription"); }
    QLineEdit* picked() { return control<QLineEdit>("TxtHidID"); }
    widgets::Grid* grid() { return control<widgets::Grid>("MSHFlexGrid1"); }
    void click(const char* label) { testing::clickLabel(control<QLabel>(label)); }

    void fill(const QString& typedName, const QString& level, const QString& typedDescription) {
        name()->clear();
        QTest::keyClicks(name(), typedName);
        if (level.isEmpty()) {
            intensity()->setText(QString());
        } else {
            testing::pickEntry(intensity(), level);
        }
        description()->clear();
        QTest::keyClicks(description(), typedDescription);
    }
    void add(const QString& typedName, const QString& level, const QString& typedDescription) {
        fill(typedName, level, typedDescription);
        click("LblAdd");
    }
    // The row of the grid that shows this exercise name.
    int rowOf(const QString& exercise) {
        return static_cast<int>(column(grid(), 2).indexOf(exercise)) + 1;
    }
    QStringList rows(const std::string& where) {
        const store::ResultSet rs = h.db().selectNative(
            "SELECT SEID || ' ' || ExerciseName || ' ' || Intensity || ' ' || Description FROM "
            "SetExercise WHERE " +
            where + " ORDER BY SEID");
        QStringList texts;
        for (store::ResultSet walk = rs; !walk.eof(); walk.moveNext()) {
            texts << walk.field(0).toString();
        }
        return texts;
    }
};

TEST_F(Catalogue, LoadsItsControlsAndTheUsersCatalogueByName) {
    run("Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')");
    run("Insert Into SetExercise Values(2, 1, 'Walk', 'Light', '30 minutes')");
    run("Insert Into SetExercise Values(3, 2, 'Bob run', 'Difficult', '')");
    run("Insert Into SetExercise Values(4, 1, 'Dips', 'Moderate', '')");
    h.switcher().openWindow(app::WindowId::ExerciseCatalogue);
    QWidget* form = h.switcher().loadedWindow(app::WindowId::ExerciseCatalogue);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("3. frm Add Exercise"));
    EXPECT_EQ(control<QLabel>("LabelUser")->text(), QStringLiteral("Ann"));
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "User Name"},
        {"Label2", "Excercise Name :"},
        {"Label3", "Intensity :"},
        {"lblDescription", "Description :"},
        {"LblAdd", "&SUBMIT"},
        {"LblEdit", "&UPDATE"},
        {"LblDelete", "&REMOVE"},
        {"LblClear", "&CLEAR"},
        {"LblUser", "&USER"},
        {"LblProfile", "&START"},
        {"LblExercise", "&DAILY EXCERCISE"},
        {"LblDailyInput", "&PROGRESS LOG"},
        {"LblMeal", "&MEAL EVALUATION"},
        {"LblReport", "&REPORT"},
    };
    for (const auto& [control, caption] : captions) {
        EXPECT_EQ(this->control<QLabel>(control)->text(), QLatin1String(caption)) << control;
    }
    EXPECT_EQ(control<QPushButton>("CmdHelp")->text(), QStringLiteral("Help"));
    EXPECT_EQ(control<widgets::CommandLabel>("LblClear")->shape()->objectName(),
              QStringLiteral("Shape13"));
    EXPECT_EQ(control<widgets::CommandLabel>("LblReport")->shape()->objectName(),
              QStringLiteral("Shape6"));
    EXPECT_TRUE(picked()->isReadOnly());
    EXPECT_EQ(control<QGroupBox>("Frame1"), name()->parentWidget());

    EXPECT_EQ(intensity()->count(), 3);
    EXPECT_EQ(intensity()->itemText(0), QStringLiteral("Light"));
    EXPECT_EQ(intensity()->itemText(2), QStringLiteral("Difficult"));
    EXPECT_EQ(intensity()->text(), QString());

    EXPECT_EQ(grid()->textMatrix(0, 2), QStringLiteral("ExerciseName"));
    EXPECT_EQ(column(grid(), 2), QStringList({"Dips", "NULL", "Walk"}));
    EXPECT_EQ(column(grid(), 1), QStringList({"4", "1", "2"}));
    EXPECT_EQ(grid()->textMatrix(3, 4), QStringLiteral("30 minutes"));
    EXPECT_EQ(grid()->colWidth(0), widgets::twips(250));
    EXPECT_TRUE(grid()->isColumnHidden(1));
    EXPECT_TRUE(h.statements.contains(QStringLiteral(
        "  Select SEID, ExerciseName, Intensity, Description From SetExercise Where UserID=1 "
        "Order By ExerciseName")));

    // Keys never type into the intensity; only a pick from its list sets it.
    QTest::keyClicks(intensity(), QStringLiteral("Light"));
    EXPECT_EQ(intensity()->text(), QString());
}

TEST_F(Catalogue, TheFirstExerciseBringsTheRestDayRowAndApostrophesBecomeBackquotes) {
    // Keys are shared by all users.
    run("Insert Into SetExercise Values(7, 2, 'Bob run', 'Difficult', '')");
    open(app::WindowId::ExerciseCatalogue);
    add(QStringLiteral("Sunday's run"), QStringLiteral("Light"), QStringLiteral("Don't stop"));
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Exercise has been added.")});
    EXPECT_EQ(h.statements.mid(0, 4),
              QStringList({"  Select Max(SEID) From SetExercise",
                           "  Select SEID, Intensity From SetExercise Where Intensity='No Workout' "
                           "And UserID=1",
                           "Insert Into SetExercise Values(8, 1, 'NULL', 'No Workout', 'I rested "
                           "today.')",
                           "Insert Into SetExercise Values(9, 1, 'Sunday`s run', 'Light', 'Don`t "
                           "stop')"}));
    EXPECT_EQ(rows("UserID = 1"), QStringList({"8 NULL No Workout I rested today.",
                                               "9 Sunday`s run Light Don`t stop"}));
    EXPECT_EQ(name()->text(), QString());
    EXPECT_EQ(intensity()->text(), QString());
    EXPECT_EQ(description()->toPlainText(), QString());
    EXPECT_EQ(column(grid(), 2), QStringList({"NULL", "Sunday`s run"}));

    // Later additions add one row each; an empty description is fine, so is a name twice.
    h.statements.clear();
    add(QStringLiteral("Sunday's run"), QStringLiteral("Difficult"), QString());
    EXPECT_EQ(h.statements.at(2),
              QStringLiteral("Insert Into SetExercise Values(10, 1, 'Sunday`s run', 'Difficult', "
                             "'')"));
    // Signs that mean something to a statement are only text inside the quotes.
    fill(QStringLiteral("Hill #2; -- fast"), QStringLiteral("Moderate"), QString());
    QTest::keyClicks(description(), QStringLiteral("Up/* twice */"));
    QTest::keyClick(description(), Qt::Key_Return);
    QTest::keyClicks(description(), QStringLiteral("then down #2026/12/08#"));
    click("LblAdd");
    EXPECT_EQ(rows("SEID = 11"),
              QStringList{QStringLiteral("11 Hill #2; -- fast Moderate Up/* twice */\nthen down "
                                         "#2026/12/08#")});
    EXPECT_EQ(rowsIn("SetExercise WHERE UserID = 1"), 4);
}

TEST_F(Catalogue, SubmitRefusesAnEmptyNameOrIntensity) {
    open(app::WindowId::ExerciseCatalogue);
    struct Case {
        const char* name;
        const char* intensity;
        const char* description;
    };
    for (const Case& c :
         {Case{"", "Light", "x"}, Case{"Walk", "", "a description"}, Case{"", "", ""}}) {
        h.messages.shown.clear();
        add(QLatin1String(c.name), QLatin1String(c.intensity), QLatin1String(c.description));
        EXPECT_EQ(h.messages.texts(),
                  QStringList{QStringLiteral("Unable to submit. Please check the empty field. * ")})
            << c.name << "/" << c.intensity;
    }
    EXPECT_EQ(rowsIn("SetExercise"), 0);
    EXPECT_FALSE(h.statements.join(u'\n').contains(QStringLiteral("Insert")));
}

TEST_F(Catalogue, PickingARowFillsTheFieldsButTheRestDayRowCannotBePicked) {
    run("Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')");
    run("Insert Into SetExercise Values(2, 1, 'Walk', 'Light', '30 minutes')");
    open(app::WindowId::ExerciseCatalogue);
    testing::clickCell(grid(), rowOf(QStringLiteral("Walk")), 3);
    EXPECT_EQ(h.statements,
              QStringList{QStringLiteral(" Select SEID from SetExercise Where UserID=1")});
    EXPECT_EQ(picked()->text(), QStringLiteral("2"));
    EXPECT_EQ(name()->text(), QStringLiteral("Walk"));
    EXPECT_EQ(intensity()->text(), QStringLiteral("Light"));
    EXPECT_EQ(description()->toPlainText(), QStringLiteral("30 minutes"));
    EXPECT_EQ(grid()->cellBackColour(rowOf(QStringLiteral("Walk")), 3),
              widgets::colours::lightGreen);

    testing::clickCell(grid(), rowOf(QStringLiteral("NULL")), 2);
    EXPECT_EQ(picked()->text(), QString());
    EXPECT_EQ(name()->text(), QString());
    EXPECT_EQ(intensity()->text(), QString());
    EXPECT_EQ(description()->toPlainText(), QString());

    testing::doubleClickCell(grid(), rowOf(QStringLiteral("NULL")), 2);
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("No data found in this field.")});
    EXPECT_EQ(rowsIn("SetExercise"), 2);
}

TEST_F(Catalogue, UpdateAsksAndReloadsTheGridAfterYesAndNo) {
    run("Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')");
    run("Insert Into SetExercise Values(2, 1, 'Walk', 'Light', '30 minutes')");
    open(app::WindowId::ExerciseCatalogue);
    click("LblEdit");
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Please select data in table.")});

    testing::clickCell(grid(), rowOf(QStringLiteral("Walk")), 2);
    fill(QStringLiteral("Walk'n talk"), QStringLiteral("Moderate"), QStringLiteral("Ann's pace"));
    h.statements.clear();
    h.messages.shown.clear();
    h.messages.answers = {false};
    click("LblEdit");
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Confirm update?")});
    EXPECT_TRUE(h.messages.shown[0].question);
    EXPECT_EQ(h.statements,
              QStringList{QStringLiteral("  Select SEID, ExerciseName, Intensity, Description From "
                                         "SetExercise Where UserID=1 Order By ExerciseName")});
    EXPECT_EQ(rows("SEID = 2"), QStringList{QStringLiteral("2 Walk Light 30 minutes")});
    EXPECT_EQ(name()->text(), QStringLiteral("Walk'n talk"));

    h.statements.clear();
    h.messages.answers = {true};
    click("LblEdit");
    EXPECT_EQ(h.statements.first(),
              QStringLiteral(" Update SetExercise Set ExerciseName='Walk`n talk', "
                             "Intensity='Moderate', Description='Ann`s pace' Where SEID=2 And "
                             "UserID=1"));
    EXPECT_EQ(rows("SEID = 2"), QStringList{QStringLiteral("2 Walk`n talk Moderate Ann`s pace")});
    EXPECT_EQ(column(grid(), 2), QStringList({"NULL", "Walk`n talk"}));
    // The fields and the picked key stay.
    EXPECT_EQ(name()->text(), QStringLiteral("Walk`n talk"));
    EXPECT_EQ(picked()->text(), QStringLiteral("2"));

    // A cleared field is refused like a missing pick.
    h.messages.shown.clear();
    click("LblClear");
    EXPECT_EQ(name()->text(), QString());
    EXPECT_EQ(picked()->text(), QStringLiteral("2"));
    click("LblEdit");
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Please select data in table.")});
}

TEST_F(Catalogue, RemovingAnExerciseRemovesItsDailyEntriesFirstAndOnlyOnYes) {
    run("Insert Into SetExercise Values(1, 1, 'NULL', 'No Workout', 'I rested today.')");
    run("Insert Into SetExercise Values(2, 1, 'Walk', 'Light', '')");
    run("Insert Into SetExercise Values(3, 1, 'Dips', 'Moderate', '')");
    for (const char* entry : {"1, 1, 2, '12/1/2026', 3", "2, 1, 2, '12/2/2026', 4",
                              "3, 1, 3, '12/2/2026', 5", "4, 1, 1, '12/3/2026', 0"}) {
        run(QStringLiteral("Insert Into Exercise Values(%1)").arg(QLatin1String(entry)));
    }
    open(app::WindowId::ExerciseCatalogue);
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("No data found in this field.")});

    testing::clickCell(grid(), rowOf(QStringLiteral("Walk")), 2);
    h.messages.shown.clear();
    h.messages.answers = {false};
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Confirm removal?")});
    EXPECT_EQ(rowsIn("Exercise"), 4);

    h.statements.clear();
    h.messages.answers = {true};
    click("LblDelete");
    EXPECT_EQ(h.statements.mid(0, 2),
              QStringList({"Delete From Exercise Where SEID=2 And UserID=1",
                           "Delete From SetExercise Where SEID=2 And UserID=1"}));
    EXPECT_EQ(rowsIn("Exercise WHERE SEID = 2"), 0);
    EXPECT_EQ(rowsIn("Exercise"), 2);
    EXPECT_EQ(column(grid(), 2), QStringList({"Dips", "NULL"}));
    EXPECT_EQ(name()->text(), QString());
    EXPECT_EQ(picked()->text(), QStringLiteral("2"));

    // The removed key is still picked: a second removal asks again and removes nothing more.
    h.messages.shown.clear();
    h.messages.answers = {true};
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Confirm removal?")});
    EXPECT_EQ(rowsIn("SetExercise"), 2);
    EXPECT_EQ(rowsIn("Exercise"), 2);

    // A double-click picks the row it lands on and removes that one.
    h.messages.answers = {true};
    testing::doubleClickCell(grid(), rowOf(QStringLiteral("Dips")), 3);
    EXPECT_EQ(rows("1 = 1"), QStringList{QStringLiteral("1 NULL No Workout I rested today.")});
    EXPECT_EQ(rowsIn("Exercise"), 1);
}

TEST_F(Catalogue, AStoreFailureIsShownAndLeavesNothingHalfDone) {
    run("Insert Into SetExercise Values(1, 2, 'NULL', 'No Workout', 'I rested today.')");
    run("Insert Into SetExercise Values(2, 2, 'Bob run', 'Light', '')");
    run("Insert Into Exercise Values(1, 2, 2, '12/1/2026', 3)");
    h.db().selectNative(
        "CREATE TRIGGER refuseExercise BEFORE INSERT ON SetExercise WHEN NEW.ExerciseName = "
        "'Jump' BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
    h.db().selectNative(
        "CREATE TRIGGER refuseRemoval BEFORE DELETE ON SetExercise BEGIN SELECT RAISE(ABORT, "
        "'locked'); END");
    open(app::WindowId::ExerciseCatalogue);
    // The rest-day row would go in first: it is taken back with the failed exercise.
    add(QStringLiteral("Jump"), QStringLiteral("Light"), QString());
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("disk says no")});
    EXPECT_EQ(rowsIn("SetExercise WHERE UserID = 1"), 0);
    EXPECT_EQ(name()->text(), QStringLiteral("Jump"));

    h.messages.shown.clear();
    add(QStringLiteral("Walk"), QStringLiteral("Light"), QString());
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Exercise has been added.")});
    EXPECT_EQ(rowsIn("SetExercise WHERE UserID = 1"), 2);

    // Removing: the entries stay with the exercise when the exercise cannot go.
    h.app.session().setCurrentUserId(2);
    reopen(app::WindowId::ExerciseCatalogue);
    testing::clickCell(grid(), rowOf(QStringLiteral("Bob run")), 2);
    h.messages.answers = {true};
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(), QStringList({"Confirm removal?", "locked"}));
    EXPECT_EQ(rowsIn("Exercise"), 1);
    EXPECT_EQ(rowsIn("SetExercise WHERE UserID = 2"), 2);
}

TEST_F(Catalogue, TheFrameRestsEveryLabelButTheWindowBackgroundDoesNot) {
    QWidget* form = open(app::WindowId::ExerciseCatalogue);
    QList<widgets::CommandLabel*> labels;
    for (const char* name : {"LblAdd", "LblEdit", "LblDelete", "LblClear", "LblUser", "LblProfile",
                             "LblExercise", "LblDailyInput", "LblMeal", "LblReport"}) {
        labels << control<widgets::CommandLabel>(name);
    }
    const auto lit = [&] {
        int count = 0;
        for (widgets::CommandLabel* label : labels) {
            count += label->textColour() == widgets::colours::red &&
                     label->faceColour() == widgets::colours::white;
        }
        return count;
    };
    for (widgets::CommandLabel* label : labels) {
        QTest::mouseMove(label);
    }
    EXPECT_EQ(lit(), 10);
    QTest::mouseMove(form, QPoint(form->width() / 2, form->height() - 30));
    EXPECT_EQ(lit(), 10);
    QTest::mouseMove(control<QGroupBox>("Frame1"), QPoint(8, 200));
    EXPECT_EQ(lit(), 0);
    EXPECT_EQ(labels.first()->faceColour(), widgets::colours::lightGrey);
}

TEST_F(Catalogue, BothHelpButtonsShowTheirWindowsInstructions) {
    for (const app::WindowId window :
         {app::WindowId::ExerciseCatalogue, app::WindowId::DailyExercise}) {
        open(window);
        h.control<QPushButton>(window, "CmdHelp")->click();
        app::Form8* help = h.switcher().helpWindowIfLoaded();
        ASSERT_NE(help, nullptr);
        const app::HelpText expected = app::helpText(window);
        EXPECT_EQ(help->findChild<QLabel*>(QStringLiteral("Label1"))->text(), expected.title);
        EXPECT_EQ(
            help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText().split(u'\n'),
            expected.text.split(QStringLiteral("\r\n")));
    }
    EXPECT_EQ(
        h.switcher().helpWindowIfLoaded()->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
        QStringLiteral("DAILY EXERCISE"));
}

}  // namespace
}  // namespace mirtal
