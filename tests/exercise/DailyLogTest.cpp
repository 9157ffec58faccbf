#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ExerciseWindowTest.h"
#include "store/DateText.h"
#include "support/UiDriver.h"
#include "widgets/Colours.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/ItemList.h"
#include "widgets/NumericField.h"
#include "widgets/Twips.h"

namespace mirtal {
namespace {

using store::DateText;

// Ann's catalogue: the rest-day row 1, Walk and Stretch (light), Dips (moderate) and Hills
// (difficult); Bob has his own rest-day row and a run.
class DailyLog : public testing::ExerciseWindowTest {
  protected:
    void SetUp() override {
        ExerciseWindowTest::SetUp();
        for (const char* row :
             {"1, 1, 'NULL', 'No Workout', 'I rested today.'", "2, 1, 'Walk', 'Light', 'Brisk'",
              "3, 1, 'Dips', 'Moderate', ''", "4, 1, 'Hills', 'Difficult', 'Five repeats'",
              "5, 1, 'Stretch', 'Light', ''", "6, 2, 'NULL', 'No Workout', 'I rested today.'",
              "7, 2, 'Bob run', 'Light', ''"}) {
            run(QStringLiteral("Insert Into SetExercise Values(%1)").arg(QLatin1String(row)));
        }
    }

    template <class T>
    T* control(const char* name) {
        return h.control<T>(app::WindowId::DailyExercise, name);
    }
    widgets::Grid* grid() { return control<widgets::Grid>("MSHFlexGrid1"); }
    widgets::NumericField* count() { return control<widgets::NumericField>("TxtCount"); }
    widgets::NumericField* editor() { return control<widgets::NumericField>("txtMark"); }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    QCheckBox* restDay() { return control<QCheckBox>("ChkNoExercise"); }
    QGroupBox* entryFrame() { return control<QGroupBox>("Frame2"); }
    void submit() { testing::clickLabel(control<QLabel>("LblOK")); }

    // An entry of Ann's: key, exercise, day of December 2026, times.
    void log(int eid, int seid, int day, const char* times) {
        run(QStringLiteral("Insert Into Exercise Values(%1, 1, %2, '%3', %4)")
                .arg(eid)
                .arg(seid)
                .arg(DateText::shortDate(QDate(2026, 12, day)))
                .arg(QLatin1String(times)));
    }

    void choose(const char* list, const QString& exercise) {
        auto* items = control<widgets::ItemList>(list);
        const QList<QListWidgetItem*> found = items->findItems(exercise, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << exercise.toStdString();
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                          items->visualItemRect(found[0]).center());
    }
    void typeCount(const QString& typed) {
        count()->clear();
        QTest::keyClicks(count(), typed);
    }
    // Picks a day of December 2026 in the calendar, as the person does.
    void showDay(int day) {
        testing::pickDay(control<widgets::DatePicker>("DTPicker1"), QDate(2026, 12, day));
    }
    QStringList points() {
        QStringList texts;
        for (const char* name : {"TxtLight", "TxtModerate", "TxtDifficult", "TxtTotal"}) {
            texts << field(name)->text();
        }
        return texts;
    }
    QString entries() {
        return h
            .scalar(
                "SELECT group_concat(EID || ':' || SEID || ':' || ExcerciseDate || ':' || "
                "ExerciseTimes, ' ') FROM (SELECT * FROM Exercise ORDER BY EID)")
            .toString();
    }
    QString refreshStatement(const char* day) {
        return QStringLiteral(
                   "  Select b.EID, a.SEID as [ID], a.Intensity, a.ExerciseName,  b.ExerciseTimes "
                   "as [Times], a.Description From SetExercise a, Exercise b Where a.SEID=b.SEID "
                   "And a.UserID=1 And b.ExcerciseDate=#2026/12/") +
               QLatin1String(day) + u'#';
    }
};

TEST_F(DailyLog, LoadsTodayWithTheListsByIntensityAndTheRestDayRowInNone) {
    log(1, 3, 8, "4");
    h.switcher().openWindow(app::WindowId::DailyExercise);
    QWidget* form = h.switcher().loadedWindow(app::WindowId::DailyExercise);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("4. frm Daily Exercise"));
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "User Name"},
        {"LabelUser", "Ann"},
        {"Label10", "Date :"},
        {"Label3", "Light [1] :"},
        {"Label7", "Moderate [3] :"},
        {"Label9", "Difficult [5] :"},
        {"Label2", "No. of Times :"},
        {"LblOK", "&SUBMIT"},
        {"Label11", "Light :"},
        {"Label12", "Moderate :"},
        {"Label14", "Difficult :"},
        {"Label15", "Total :"},
        {"LblAddExercise", "&ADD EXCERCISE"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(control<QLabel>(name)->text(), QLatin1String(caption)) << name;
    }
    EXPECT_EQ(control<QLabel>("LblExercise"), nullptr);
    EXPECT_EQ(control<widgets::CommandLabel>("LblOK")->shape()->objectName(),
              QStringLiteral("Shape10"));
    EXPECT_EQ(restDay()->text(), QStringLiteral("No Workout Today"));
    EXPECT_EQ(control<QPushButton>("CmdUp")->text(), QStringLiteral("/\\"));
    EXPECT_EQ(control<QPushButton>("CmdDown")->text(), QStringLiteral("\\/"));
    EXPECT_EQ(control<QGroupBox>("Frame1")->title(), QStringLiteral("Total Scores : "));
    EXPECT_EQ(count()->parentWidget(), entryFrame());
    EXPECT_EQ(editor()->parentWidget(), entryFrame());
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_FALSE(field("TxtHidID")->isEnabled());
    EXPECT_EQ(count()->text(), QStringLiteral("1"));
    EXPECT_EQ(control<widgets::DatePicker>("DTPicker1")->text(), QStringLiteral("2026/12/08"));

    const QStringList fills{
        "  Select SEID, ExerciseName, Intensity, Description From SetExercise Where Intensity "
        "='Light' And UserID=1",
        "  Select SEID, ExerciseName, Intensity, Description From SetExercise Where Intensity "
        "='Moderate' And UserID=1",
        "  Select SEID, ExerciseName, Intensity, Description From SetExercise Where Intensity "
        "='Difficult' And UserID=1"};
    const qsizetype refresh = h.statements.indexOf(refreshStatement("08"));
    ASSERT_GE(refresh, 0);
    EXPECT_EQ(h.statements.mid(refresh + 1, 3), fills);
    const auto listed = [&](const char* name) {
        auto* list = control<widgets::ItemList>(name);
        QStringList items;
        for (int row = 0; row < list->count(); ++row) {
            items << list->item(row)->text() + u'=' + list->itemData(row).toString();
        }
        EXPECT_TRUE(list->selectedItems().isEmpty()) << name;
        return items;
    };
    EXPECT_EQ(listed("ListLight"), QStringList({"Walk=2", "Stretch=5"}));
    EXPECT_EQ(listed("ListModerate"), QStringList{"Dips=3"});
    EXPECT_EQ(listed("ListDifficult"), QStringList{"Hills=4"});

    EXPECT_EQ(grid()->textMatrix(0, 3), QStringLiteral("Intensity"));
    EXPECT_EQ(grid()->textMatrix(0, 4), QStringLiteral("ExerciseName"));
    EXPECT_EQ(column(grid(), 5), QStringList{"4"});
    EXPECT_TRUE(grid()->isColumnHidden(1));
    EXPECT_TRUE(grid()->isColumnHidden(2));
}

TEST_F(DailyLog, ADayWithoutEntriesShowsTheCaptionsOfTheFormatString) {
    open(app::WindowId::DailyExercise);
    EXPECT_EQ(grid()->rows(), 1);
    QStringList captions;
    for (int col = 0; col < grid()->cols(); ++col) {
        captions << grid()->textMatrix(0, col);
    }
    EXPECT_EQ(captions,
              QStringList({"", "EID", "ID", "Intensity", "Exercise Name", "Times", "Description"}));
    EXPECT_TRUE(grid()->isColumnHidden(1));
    EXPECT_TRUE(grid()->isColumnHidden(2));
    EXPECT_EQ(points(), QStringList({"0", "0", "0", "0"}));
    EXPECT_TRUE(restDay()->isEnabled());
    EXPECT_FALSE(restDay()->isChecked());
    EXPECT_TRUE(entryFrame()->isEnabled());
}

TEST_F(DailyLog, PointsPerIntensityRoundHalvesToEvenAndGoBeyondSixteenBits) {
    // 1: light 10 and difficult 2. 2: halves. 3: a light sum carried over two rows.
    // 4: far beyond 32767. 5: a rest day.
    log(1, 2, 1, "10");
    log(2, 4, 1, "2");
    log(3, 2, 2, "2.5");
    log(4, 3, 2, "1.5");
    log(5, 4, 2, "0.5");
    log(6, 2, 3, "2.5");
    log(7, 5, 3, "1.5");
    log(8, 4, 4, "9000");
    log(9, 3, 4, "20000");
    log(10, 1, 5, "0");
    open(app::WindowId::DailyExercise);
    struct Case {
        int day;
        QStringList points;
        bool restDayShown;
    };
    for (const Case& c :
         {Case{1, {"10", "0", "10", "20"}, false}, Case{2, {"2.5", "4.5", "2.5", "8"}, false},
          Case{3, {"3.5", "0", "0", "4"}, false}, Case{4, {"0", "60000", "45000", "105000"}, false},
          Case{5, {"0", "0", "0", "-1"}, true}, Case{6, {"0", "0", "0", "0"}, false}}) {
        SCOPED_TRACE(c.day);
        showDay(c.day);
        EXPECT_EQ(points(), c.points);
        const bool hasEntries = c.day != 6;
        EXPECT_EQ(restDay()->isChecked(), c.restDayShown);
        EXPECT_EQ(restDay()->isEnabled(), c.restDayShown || !hasEntries);
        EXPECT_EQ(entryFrame()->isEnabled(), !c.restDayShown);
    }
    EXPECT_EQ(field("TxtHidID")->text(), QStringLiteral("10"));
}

TEST_F(DailyLog, SubmitLogsTheChosenExerciseOncePerDay) {
    open(app::WindowId::DailyExercise);
    submit();
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Please Select the exercise name")});

    typeCount(QStringLiteral("7"));
    choose("ListModerate", QStringLiteral("Dips"));
    EXPECT_EQ(count()->text(), QStringLiteral("1"));
    count()->clear();
    h.messages.shown.clear();
    submit();
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Please Enter the Numbers of time")});

    typeCount(QStringLiteral("3"));
    h.messages.shown.clear();
    h.statements.clear();
    submit();
    EXPECT_TRUE(h.messages.shown.isEmpty());
    EXPECT_EQ(h.statements,
              QStringList(
                  {"  Select EID From Exercise Where SEID =3 And ExcerciseDate "
                   "=#2026/12/08# And UserID=1",
                   "  Select Max(EID) From Exercise",
                   "  Select SEID, Intensity, ExerciseName From SetExercise Where SEID =3 "
                   "And UserID=1",
                   "Insert Into Exercise Values(1, 1, 3, '" + DateText::shortDate(today) + "', 3)",
                   refreshStatement("08")}));
    EXPECT_EQ(entries(), QStringLiteral("1:3:2026-12-08:3"));
    EXPECT_EQ(points(), QStringList({"0", "9", "0", "9"}));
    EXPECT_FALSE(restDay()->isEnabled());
    // The selection and the count stay, so a second click is refused.
    EXPECT_EQ(count()->text(), QStringLiteral("3"));
    submit();
    EXPECT_EQ(h.messages.texts(),
              QStringList{QStringLiteral(
                  "Selected exercise name is already been choosen for today's date.")});

    // Another exercise the same day; the last click decides, the other list keeps its
    // highlight. A count of 0 is taken too.
    choose("ListLight", QStringLiteral("Walk"));
    choose("ListDifficult", QStringLiteral("Hills"));
    EXPECT_EQ(control<widgets::ItemList>("ListLight")->selectedItems().size(), 1);
    typeCount(QStringLiteral("0"));
    submit();
    // The same exercise on another day.
    showDay(9);
    submit();
    EXPECT_EQ(entries(), QStringLiteral("1:3:2026-12-08:3 2:4:2026-12-08:0 3:4:2026-12-09:0"));

    // A selection that left the catalogue meanwhile is not logged.
    run(QStringLiteral("Delete From SetExercise Where SEID=4 And UserID=1"));
    showDay(10);
    h.messages.shown.clear();
    submit();
    EXPECT_EQ(h.messages.texts(),
              QStringList{QStringLiteral("Please select the exercise name from the list first.")});
    EXPECT_EQ(rowsIn("Exercise"), 3);
}

TEST_F(DailyLog, TheCountButtonsStepByOneAndNeverBelowOne) {
    open(app::WindowId::DailyExercise);
    auto* up = control<QPushButton>("CmdUp");
    auto* down = control<QPushButton>("CmdDown");
    struct Case {
        const char* before;
        QPushButton* button;
        const char* after;
    };
    for (const Case& c :
         {Case{"9", up, "10"}, Case{"5", down, "4"}, Case{"1", down, "1"}, Case{"0", down, "0"},
          Case{"", up, "1"}, Case{"", down, ""}, Case{"1.2.3", up, "1"}, Case{"2.5", up, "3.5"}}) {
        count()->setText(QLatin1String(c.before));
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(count()->text(), QLatin1String(c.after))
            << c.before << (c.button == up ? " up" : " down");
    }
}

TEST_F(DailyLog, BadCountsAndTimesAreRefusedWithAMessageAndStoreNothing) {
    log(1, 3, 8, "4");
    open(app::WindowId::DailyExercise);
    choose("ListLight", QStringLiteral("Walk"));
    const QString before = entries();

    // Keys: letters and Enter are swallowed with the key filter's message.
    testing::clickCell(grid(), 1, 5);
    for (widgets::NumericField* numeric : {count(), editor()}) {
        SCOPED_TRACE(numeric->objectName().toStdString());
        numeric->setFocus();
        const QString held = numeric->text();
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Semicolon}) {
            h.messages.shown.clear();
            QTest::keyClick(numeric, key);
            EXPECT_EQ(numeric->text(), held);
            EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Valied Numbers Only")});
        }
        // A paste of anything but digits and points does not go in, and says why.
        h.messages.shown.clear();
        QApplication::clipboard()->setText(QStringLiteral("1); Delete From Exercise"));
        QTest::keyClick(numeric, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(numeric->text(), held);
        ASSERT_EQ(h.messages.shown.size(), 1);
        EXPECT_TRUE(h.messages.shown[0].text.startsWith(QStringLiteral("Only digits and a point")));
    }

    // Numbers that are no numbers, and too long ones, are refused before any statement.
    for (const QString& typed : {QStringLiteral("."), QStringLiteral("1.2.3"), QString(30, u'9')}) {
        SCOPED_TRACE(typed.toStdString());
        typeCount(typed);
        h.messages.shown.clear();
        h.statements.clear();
        submit();
        ASSERT_EQ(h.messages.shown.size(), 1);
        EXPECT_TRUE(h.messages.shown[0].text.startsWith(QStringLiteral("Count must be a number")));
        EXPECT_TRUE(h.statements.isEmpty());

        // Typed over the whole editor, or pasted there.
        testing::clickCell(grid(), 1, 5);
        editor()->selectAll();
        QApplication::clipboard()->setText(typed);
        h.messages.shown.clear();
        h.messages.answers = {true};
        QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(h.messages.texts().last().startsWith(QStringLiteral("Times must be a number")))
            << h.messages.texts().join(u'|').toStdString();
        EXPECT_FALSE(h.statements.join(u'|').contains(QStringLiteral("Update")));
        EXPECT_EQ(editor()->text(), QStringLiteral("4"));
    }
    EXPECT_EQ(entries(), before);
}

TEST_F(DailyLog, TheRestDayBoxStoresAndRemovesTheRestDayEntry) {
    open(app::WindowId::DailyExercise);
    choose("ListLight", QStringLiteral("Walk"));
    h.statements.clear();
    QTest::mouseClick(restDay(), Qt::LeftButton);
    EXPECT_EQ(h.statements,
              QStringList(
                  {"  Select SEID, ExerciseName, Intensity, Description From SetExercise "
                   "Where Intensity ='No Workout' And UserID=1",
                   "  Select Max(EID) From Exercise",
                   "  Select SEID, Intensity, ExerciseName From SetExercise Where SEID =1 "
                   "And UserID=1",
                   "Insert Into Exercise Values(1, 1, 1, '" + DateText::shortDate(today) + "', 0)",
                   refreshStatement("08")}));
    EXPECT_EQ(points(), QStringList({"0", "0", "0", "-1"}));
    EXPECT_TRUE(restDay()->isChecked());
    EXPECT_FALSE(entryFrame()->isEnabled());
    EXPECT_EQ(field("TxtHidID")->text(), QStringLiteral("1"));
    EXPECT_TRUE(field("TxtTotal")->hasFocus());
    EXPECT_TRUE(h.messages.shown.isEmpty());

    h.statements.clear();
    QTest::mouseClick(restDay(), Qt::LeftButton);
    EXPECT_EQ(h.statements.first(),
              QStringLiteral(" Delete From Exercise Where EID=1 And UserID=1"));
    EXPECT_EQ(rowsIn("Exercise"), 0);
    EXPECT_FALSE(restDay()->isChecked());
    EXPECT_TRUE(entryFrame()->isEnabled());

    // The exercise chosen before is still the one SUBMIT logs.
    submit();
    EXPECT_EQ(entries(), QStringLiteral("1:2:2026-12-08:1"));
}

TEST_F(DailyLog, ARestDayNeedsACatalogue) {
    run(QStringLiteral("Insert Into User1 Values(3, 'Cy')"));
    h.app.session().setCurrentUserId(3);
    open(app::WindowId::DailyExercise);
    QTest::mouseClick(restDay(), Qt::LeftButton);
    EXPECT_EQ(h.messages.texts(),
              QStringList{
                  QStringLiteral("Please add at least one exercise in the list before starting.")});
    EXPECT_TRUE(restDay()->isChecked());
    EXPECT_FALSE(entryFrame()->isEnabled());

    h.messages.shown.clear();
    QTest::mouseClick(restDay(), Qt::LeftButton);
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("No data found in this field.")});
    EXPECT_FALSE(restDay()->isChecked());
    EXPECT_TRUE(entryFrame()->isEnabled());
    EXPECT_EQ(rowsIn("Exercise"), 0);
}

TEST_F(DailyLog, ADoubleClickRemovesThePickedEntryAfterTheQuestion) {
    log(1, 2, 8, "2");
    log(2, 3, 8, "4");
    log(3, 4, 8, "1");
    open(app::WindowId::DailyExercise);
    testing::clickCell(grid(), 2, 4);
    EXPECT_EQ(field("TxtHidID")->text(), QStringLiteral("2"));
    EXPECT_EQ(grid()->cellBackColour(2, 4), widgets::colours::lightGreen);
    testing::clickCell(grid(), 1, 3);
    EXPECT_EQ(grid()->cellBackColour(2, 4), grid()->palette().color(QPalette::Base));

    h.messages.answers = {false};
    testing::doubleClickCell(grid(), 2, 4);
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Confirm removal?")});
    EXPECT_EQ(rowsIn("Exercise"), 3);

    // Two double-clicks in a row on the same place: each asks about the row it lands on.
    h.messages.shown.clear();
    h.statements.clear();
    h.messages.answers = {true, false};
    testing::doubleClickCell(grid(), 2, 4);
    testing::doubleClickCell(grid(), 2, 4);
    EXPECT_EQ(h.messages.texts(), QStringList({"Confirm removal?", "Confirm removal?"}));
    EXPECT_EQ(h.statements.first(),
              QStringLiteral(" Delete From Exercise Where EID=2 And UserID=1"));
    EXPECT_EQ(entries(), QStringLiteral("1:2:2026-12-08:2 3:4:2026-12-08:1"));
    EXPECT_EQ(field("TxtHidID")->text(), QStringLiteral("3"));
    EXPECT_EQ(points(), QStringList({"2", "0", "5", "7"}));

    // Removing the last entries brings the rest-day box back.
    h.messages.answers = {true, true};
    testing::doubleClickCell(grid(), 1, 4);
    testing::doubleClickCell(grid(), 1, 4);
    EXPECT_EQ(rowsIn("Exercise"), 0);
    EXPECT_EQ(field("TxtHidID")->text(), QStringLiteral("3"));
    EXPECT_TRUE(restDay()->isEnabled());
}

TEST_F(DailyLog, TimesAreEditedInPlaceAfterAQuestion) {
    log(1, 2, 8, "2");
    log(5, 3, 8, "4");
    open(app::WindowId::DailyExercise);
    testing::clickCell(grid(), 2, 5);
    ASSERT_TRUE(editor()->isVisible());
    EXPECT_EQ(editor()->text(), QStringLiteral("4"));
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_EQ(field("TxtHidID")->text(), QStringLiteral("5"));
    const QRect cell = grid()->cellRect(2, 5).translated(grid()->pos());
    EXPECT_EQ(editor()->geometry().left(), cell.left());
    EXPECT_EQ(editor()->geometry().width(), cell.width());
    EXPECT_EQ(editor()->geometry().top(), cell.top() - widgets::twips(50));
    EXPECT_EQ(editor()->palette().color(QPalette::Base),
              editor()->palette().color(QPalette::ToolTipBase));

    h.messages.answers = {false};
    QTest::keyClick(editor(), Qt::Key_7);
    EXPECT_EQ(h.messages.texts(),
              QStringList{QStringLiteral(
                  "Are you sure you want to update the Number of time of the selected exercise")});
    EXPECT_TRUE(h.messages.shown[0].question);
    EXPECT_EQ(editor()->text(), QStringLiteral("4"));
    EXPECT_EQ(entries(), QStringLiteral("1:2:2026-12-08:2 5:3:2026-12-08:4"));

    h.statements.clear();
    h.messages.answers = {true};
    editor()->end(false);
    QTest::keyClick(editor(), Qt::Key_2);
    EXPECT_EQ(h.statements.mid(0, 2),
              QStringList({"Select EID  From Exercise Where EID=5",
                           " Update Exercise Set ExerciseTimes='42' Where EID=5 And UserID=1"}));
    EXPECT_EQ(entries(), QStringLiteral("1:2:2026-12-08:2 5:3:2026-12-08:42"));
    EXPECT_EQ(grid()->textMatrix(2, 5), QStringLiteral("42"));
    EXPECT_EQ(points(), QStringList({"2", "126", "0", "128"}));
    // The editor goes on over its entry: the next digit is the next question.
    EXPECT_TRUE(editor()->isVisible());
    // "42." is still 42: only the next digit asks.
    h.messages.shown.clear();
    h.messages.answers = {true};
    QTest::keyClick(editor(), Qt::Key_Period);
    EXPECT_TRUE(h.messages.shown.isEmpty());
    QTest::keyClick(editor(), Qt::Key_5);
    EXPECT_EQ(h.messages.shown.size(), 1);
    EXPECT_EQ(entries(), QStringLiteral("1:2:2026-12-08:2 5:3:2026-12-08:42.5"));

    // Moving with the keys picks the row the editor lands on.
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Up);
    EXPECT_EQ(field("TxtHidID")->text(), QStringLiteral("1"));
    EXPECT_EQ(editor()->text(), QStringLiteral("2"));
    h.messages.answers = {true};
    editor()->end(false);
    QTest::keyClick(editor(), Qt::Key_0);
    EXPECT_EQ(entries(), QStringLiteral("1:2:2026-12-08:20 5:3:2026-12-08:42.5"));

    // The editor belongs to its cell: another cell, or another day, takes it away.
    testing::clickCell(grid(), 2, 3);
    EXPECT_FALSE(editor()->isVisible());
    testing::clickCell(grid(), 2, 5);
    EXPECT_TRUE(editor()->isVisible());
    showDay(9);
    EXPECT_FALSE(editor()->isVisible());
}

TEST_F(DailyLog, OnlyClosingTheCalendarReloadsTheDay) {
    log(1, 2, 9, "2");
    open(app::WindowId::DailyExercise);
    auto* picker = control<widgets::DatePicker>("DTPicker1");
    picker->setFocus();
    picker->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(picker, QStringLiteral("09"));
    EXPECT_EQ(picker->date(), QDate(2026, 12, 9));
    EXPECT_TRUE(h.statements.isEmpty());
    EXPECT_EQ(grid()->rows(), 1);

    showDay(9);
    EXPECT_EQ(h.statements, QStringList{refreshStatement("09")});
    EXPECT_EQ(column(grid(), 4), QStringList{"Walk"});
}

TEST_F(DailyLog, AReopenedLogStartsWithoutAChosenExercise) {
    open(app::WindowId::DailyExercise);
    choose("ListLight", QStringLiteral("Walk"));
    reopen(app::WindowId::DailyExercise);
    submit();
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Please Select the exercise name")});
    EXPECT_EQ(rowsIn("Exercise"), 0);
}

TEST_F(DailyLog, TheWindowSurfaceRestsTheBarAndSubmitButTheEntryFrameDoesNot) {
    QWidget* form = open(app::WindowId::DailyExercise);
    QList<widgets::CommandLabel*> labels;
    for (const char* name : {"LblOK", "LblUser", "LblProfile", "LblAddExercise", "LblDailyInput",
                             "LblMeal", "LblReport"}) {
        labels << control<widgets::CommandLabel>(name);
    }
    const auto lit = [&] {
        int count = 0;
        for (widgets::CommandLabel* label : labels) {
            count += label->textColour() == widgets::colours::red;
        }
        return count;
    };
    for (widgets::CommandLabel* label : labels) {
        QTest::mouseMove(label);
    }
    EXPECT_EQ(lit(), 7);
    QTest::mouseMove(entryFrame(),
                     QPoint(entryFrame()->width() - 8, entryFrame()->height() / 2 + 40));
    EXPECT_EQ(lit(), 7);
    QTest::mouseMove(form, QPoint(form->width() - 60, form->height() - 30));
    EXPECT_EQ(lit(), 0);
}

TEST_F(DailyLog, AStoreFailureIsShownAndTheWindowStaysUsable) {
    h.db().selectNative(
        "CREATE TRIGGER refuse BEFORE INSERT ON Exercise WHEN NEW.SEID = 3 BEGIN SELECT "
        "RAISE(ABORT, 'disk says no'); END");
    open(app::WindowId::DailyExercise);
    choose("ListModerate", QStringLiteral("Dips"));
    submit();
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("disk says no")});
    EXPECT_EQ(rowsIn("Exercise"), 0);

    choose("ListLight", QStringLiteral("Walk"));
    submit();
    EXPECT_EQ(entries(), QStringLiteral("1:2:2026-12-08:1"));

    // A rest day that cannot be stored leaves the day as it is stored.
    h.db().selectNative(
        "CREATE TRIGGER refuseRest BEFORE INSERT ON Exercise WHEN NEW.SEID = 1 BEGIN SELECT "
        "RAISE(ABORT, 'no rest'); END");
    showDay(9);
    h.messages.shown.clear();
    QTest::mouseClick(restDay(), Qt::LeftButton);
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("no rest")});
    EXPECT_FALSE(restDay()->isChecked());
    EXPECT_TRUE(entryFrame()->isEnabled());
    EXPECT_EQ(rowsIn("Exercise"), 1);
}

}  // namespace
}  // namespace mirtal
