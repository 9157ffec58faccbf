#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "ProgressFixture.h"
#include "widgets/Colours.h"
#include "widgets/DatePicker.h"

namespace mirtal::testing {
namespace {

class TargetValues : public ProgressWindow {
  protected:
    TargetValues() : ProgressWindow(app::WindowId::TargetValues) {}

    widgets::DatePicker* startPicker() { return control<widgets::DatePicker>("DTPicker1"); }
    widgets::DatePicker* targetPicker() { return control<widgets::DatePicker>("DTPicker2"); }

    void submit(const QString& pulse, const QString& weight) {
        type("TxtPulse", pulse);
        type("TxtWeight", weight);
        click("LblAdd");
    }
};

TEST_F(TargetValues, LoadsWithTodayAndTheHeaderOnly) {
    QWidget* window = h.switcher().loadedWindow(app::WindowId::TargetValues);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("2. Frm Target Values"));
    EXPECT_EQ(control<QLabel>("LabelUser")->text(), QStringLiteral("Ann"));
    EXPECT_EQ(startPicker()->date(), today);
    EXPECT_EQ(targetPicker()->date(), today);
    EXPECT_EQ(startPicker()->displayFormat(), QStringLiteral("yyyy/MM/dd"));
    EXPECT_EQ(grid()->rows(), 1);
    EXPECT_EQ(gridRow(0), QStringList({"StartDate", "TargetDate", "Pulse", "Weight"}));
    EXPECT_EQ(grid()->colWidth(1), 0);
    for (const auto& [name, caption] : {std::pair{"LblAdd", "&SUBMIT"},
                                        {"LblEdit", "&UPDATE"},
                                        {"LblDelete", "&REMOVE"},
                                        {"LblClear", "&CLEAR"},
                                        {"Label3", "StartDate:"},
                                        {"Label10", "TargetDate:"},
                                        {"Label2", "Pulse:"},
                                        {"lblDescription", "Weight:"},
                                        {"Label1", "User Name"}}) {
        EXPECT_EQ(control<QLabel>(name)->text(), QLatin1String(caption)) << name;
    }
}

TEST_F(TargetValues, SubmitStoresTheOneRowOfTheUser) {
    targetPicker()->setDate(QDate(2027, 3, 1));
    submit(QStringLiteral("64"), QStringLiteral("80.5"));
    EXPECT_TRUE(h.messages.shown.isEmpty());
    const QString insert = QStringLiteral("Insert Into PulseWeightTarget Values( 1, 1, '") +
                           shortDate(today) + QStringLiteral("', '") +
                           shortDate(QDate(2027, 3, 1)) + QStringLiteral("', 64, 80.5)");
    EXPECT_EQ(h.statements.mid(0, 3),
              QStringList({"  Select Max(TPWID) From PulseWeightTarget",
                           "  Select TPWID From PulseWeightTarget Where UserID=1", insert}));
    EXPECT_EQ(h.statements.last(),
              QStringLiteral("  Select TPWID, Format(StartDate,'yyyy/MM/dd'), "
                             "format(TargetDate,'yyyy/MM/dd'), Pulse, Weight From "
                             "PulseWeightTarget Where UserID=1"));
    // The rows shown carry the select's own column names; the fields keep what was typed.
    ASSERT_EQ(grid()->rows(), 2);
    EXPECT_EQ(grid()->textMatrix(0, 1), QStringLiteral("TPWID"));
    EXPECT_EQ(gridRow(0), QStringList({"StartDate", "TargetDate", "Pulse", "Weight"}));
    EXPECT_EQ(gridRow(1), QStringList({"2026/12/08", "2027/03/01", "64", "80.5"}));
    EXPECT_EQ(grid()->colWidth(1), 0);
    EXPECT_EQ(text("TxtPulse"), QStringLiteral("64"));

    const QString stored = h.tableRows("PulseWeightTarget");
    submit(QStringLiteral("60"), QStringLiteral("75"));
    EXPECT_EQ(h.messages.texts(),
              QStringList{"Please select data in table, make changes and click UPDATE."});
    EXPECT_EQ(h.tableRows("PulseWeightTarget"), stored);

    // Keys are shared by all users: Bob's row takes the next one.
    h.app.session().setCurrentUserId(2);
    reopen();
    submit(QStringLiteral("70"), QStringLiteral("90"));
    EXPECT_EQ(h.scalar("SELECT TPWID FROM PulseWeightTarget WHERE UserID = 2").toInt(), 2);
}

TEST_F(TargetValues, PickingARowFillsTheFieldsAndUpdateWritesDayLiterals) {
    h.db().execute(QStringLiteral("Insert Into PulseWeightTarget Values( 4, 1, '%1', '%2', 66, 82)")
                       .arg(shortDate(QDate(2026, 1, 5)), shortDate(QDate(2026, 6, 30))));
    reopen();
    clickCell(grid(), 1, 3);
    EXPECT_EQ(text("TxtHidID"), QStringLiteral("4"));
    EXPECT_EQ(startPicker()->date(), QDate(2026, 1, 5));
    EXPECT_EQ(targetPicker()->date(), QDate(2026, 6, 30));
    EXPECT_EQ(text("TxtPulse"), QStringLiteral("66"));
    EXPECT_EQ(text("TxtWeight"), QStringLiteral("82"));
    // This grid keeps the mark on the picked cell after the cell is left.
    clickCell(grid(), 1, 5);
    EXPECT_EQ(grid()->cellBackColour(1, 3), widgets::colours::lightGreen);

    type("TxtPulse", QStringLiteral("61"));
    h.statements.clear();
    click("LblEdit");  // answered No: nothing changes, the grid still reloads
    EXPECT_EQ(h.messages.texts(), QStringList{"Confirm update?"});
    EXPECT_EQ(h.statements.size(), 1);
    EXPECT_EQ(h.scalar("SELECT Pulse FROM PulseWeightTarget").toInt(), 66);

    h.messages.answers = {true};
    startPicker()->setDate(QDate(2026, 12, 1));
    targetPicker()->setDate(QDate(2027, 6, 30));
    h.statements.clear();
    click("LblEdit");
    EXPECT_EQ(h.statements.first(),
              QStringLiteral(" Update PulseWeightTarget Set StartDate=#2026/12/01#, "
                             "TargetDate=#2027/06/30#, Pulse=61, Weight=82 Where TPWID=4 And "
                             "UserID=1"));
    EXPECT_EQ(gridRow(1), QStringList({"2026/12/01", "2027/06/30", "61", "82"}));
}

TEST_F(TargetValues, UpdateAndRemoveNeedAPickedRow) {
    click("LblEdit");
    submit(QStringLiteral("64"), QStringLiteral("80"));
    click("LblEdit");
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(),
              QStringList({"Please Select data in table.", "You need to select the data.",
                           "No data found in this field."}));
}

TEST_F(TargetValues, RemoveEmptiesTheFieldsAndTheGridButKeepsTheDays) {
    submit(QStringLiteral("64"), QStringLiteral("80"));
    doubleClickCell(grid(), 1, 2);  // answered No
    EXPECT_EQ(h.messages.texts(), QStringList{"Confirm removal?"});
    EXPECT_EQ(h.scalar("SELECT count(*) FROM PulseWeightTarget").toInt(), 1);

    startPicker()->setDate(QDate(2026, 1, 1));
    h.messages.answers = {true};
    h.statements.clear();
    click("LblDelete");
    EXPECT_EQ(h.statements.first(),
              QStringLiteral("Delete From PulseWeightTarget Where TPWID=1 And UserID=1"));
    EXPECT_EQ(h.scalar("SELECT count(*) FROM PulseWeightTarget").toInt(), 0);
    EXPECT_EQ(text("TxtHidID") + text("TxtPulse") + text("TxtWeight"), QString());
    EXPECT_EQ(grid()->rows(), 1);
    EXPECT_EQ(startPicker()->date(), QDate(2026, 1, 1));

    // A second REMOVE finds nothing picked.
    h.messages.shown.clear();
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(), QStringList{"No data found in this field."});
}

TEST_F(TargetValues, StoreFailuresAreShownAndTheWindowStaysUsable) {
    submit(QStringLiteral("64"), QStringLiteral("80"));
    clickCell(grid(), 1, 2);
    h.db().selectNative("ALTER TABLE PulseWeightTarget RENAME TO Elsewhere");
    for (const char* label : {"LblDelete", "LblEdit", "LblAdd"}) {
        h.messages.shown.clear();
        h.messages.answers = {true};
        click(label);
        ASSERT_FALSE(h.messages.shown.isEmpty()) << label;
        EXPECT_TRUE(h.messages.shown.last().text.contains(QStringLiteral("PulseWeightTarget")))
            << label << ": " << h.messages.shown.last().text.toStdString();
    }
    h.messages.shown.clear();
    clickCell(grid(), 1, 2);
    EXPECT_EQ(h.messages.shown.size(), 1);

    h.db().selectNative("ALTER TABLE Elsewhere RENAME TO PulseWeightTarget");
    h.messages.shown.clear();
    h.messages.answers = {true};
    click("LblDelete");
    EXPECT_EQ(h.messages.texts(), QStringList{"Confirm removal?"});
    EXPECT_EQ(h.scalar("SELECT count(*) FROM PulseWeightTarget").toInt(), 0);
}

// The bar and the four commands light under the pointer and rest again over the bare window,
// in both progress windows.
TEST_F(TargetValues, TheWindowBackgroundPutsEveryLabelBackToRest) {
    for (const app::WindowId window : {app::WindowId::TargetValues, app::WindowId::ProgressLog}) {
        SCOPED_TRACE(app::windowRow(window).objectName);
        h.switcher().openWindow(window);
        QWidget* form = h.switcher().loadedWindow(window);
        const QList<widgets::CommandLabel*> labels = form->findChildren<widgets::CommandLabel*>();
        EXPECT_EQ(labels.size(), window == app::WindowId::TargetValues ? 11 : 10);
        for (widgets::CommandLabel* label : labels) {
            QTest::mouseMove(label);
        }
        for (widgets::CommandLabel* label : labels) {
            EXPECT_EQ(label->textColour(), widgets::colours::red)
                << label->objectName().toStdString();
        }
        QTest::mouseMove(form, QPoint(form->width() / 2, 160));
        for (widgets::CommandLabel* label : labels) {
            EXPECT_EQ(label->textColour(), widgets::colours::black)
                << label->objectName().toStdString();
            EXPECT_EQ(label->faceColour(), widgets::colours::lightGrey);
        }
    }
}

}  // namespace
}  // namespace mirtal::testing
