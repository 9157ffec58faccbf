#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ShownWindow.h"
#include "widgets/Colours.h"
#include "widgets/Grid.h"

namespace mirtal::widgets {
namespace {

class GridTest : public ShownWindow {
  protected:
    void SetUp() override {
        grid = new Grid(QStringLiteral("MSHFlexGrid1"), &window);
        grid->setGeometry(0, 0, 600, 400);
        grid->showRows({"PWID", "Date", "Pulse", "Weight", "Morale"},
                       {{"7", "2026/12/08", "61", "80.5", "Good"},
                        {"9", "2026/12/09", "60", "80", "Fair"},
                        {"12", "2026/12/10", "59", "79.5", "Good"}});
        QObject::connect(grid, &Grid::clicked,
                         [this](int r, int c) { log << entry("click", r, c); });
        QObject::connect(grid, &Grid::doubleClicked,
                         [this](int r, int c) { log << entry("double", r, c); });
        QObject::connect(grid, &Grid::enterCell,
                         [this](int r, int c) { log << entry("enter", r, c); });
        QObject::connect(grid, &Grid::leaveCell,
                         [this](int r, int c) { log << entry("leave", r, c); });
        show();
        // Only what the pointer does from here on.
        log.clear();
    }

    static QString entry(const char* what, int row, int col) {
        return QStringLiteral("%1 %2,%3").arg(QLatin1String(what)).arg(row).arg(col);
    }

    QPoint centre(int row, int col) const {
        return grid->cellRect(row, col).translated(-grid->viewport()->pos()).center();
    }
    void click(int row, int col) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(row, col));
    }
    // What the platform delivers for a double-click: a click, then a second press that is the
    // double-click, then its release.
    void doubleClick(int row, int col) {
        click(row, col);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre(row, col));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre(row, col));
    }

    Grid* grid = nullptr;
    QStringList log;
};

TEST_F(GridTest, FormatStringsSetCaptionsWidthsAndTheHiddenKeyColumn) {
    const QStringList formats{
        "|ID|StartDate     |TargetDate  |Pulse |Weight ",
        "|EID |ID|Intensity    |Exercise Name  |Times|Description               ",
        "| ID |Date            |Pulse |Weight |Morale                 ",
        "|ID|Meal|NotEat|Fat|FastSugar|Fiber|Overall|PositiveFoods|PrepareMyself|AteSitting|"
        "AteSlowly",
    };
    const int charWidth = grid->fontMetrics().averageCharWidth();
    for (const QString& format : formats) {
        SCOPED_TRACE(format.toStdString());
        grid->setFormatString(format);
        const QStringList segments = format.split(u'|');
        ASSERT_EQ(grid->cols(), segments.size());
        EXPECT_EQ(grid->rows(), 4) << "the data rows stay";
        EXPECT_EQ(grid->textMatrix(0, 0), QString());
        EXPECT_EQ(grid->colWidth(0), Grid::narrowColumnWidth());
        EXPECT_EQ(grid->colWidth(1), 0);
        EXPECT_TRUE(grid->isColumnHidden(1));
        for (int col = 2; col < segments.size(); ++col) {
            const QString caption = segments[col].trimmed();
            EXPECT_EQ(grid->textMatrix(0, col), caption);
            EXPECT_GE(grid->colWidth(col), grid->fontMetrics().horizontalAdvance(caption));
            // Every character, trailing blanks included, widens a column by the same amount.
            EXPECT_EQ(grid->colWidth(col) - grid->colWidth(2),
                      (segments[col].size() - segments[2].size()) * charWidth);
        }
    }
}

TEST_F(GridTest, QueryRowsAreShownUnderTheirColumnNamesFromColumnOne) {
    EXPECT_EQ(grid->rows(), 4);
    EXPECT_EQ(grid->cols(), 6);
    const QStringList header{"", "PWID", "Date", "Pulse", "Weight", "Morale"};
    for (int col = 0; col < grid->cols(); ++col) {
        EXPECT_EQ(grid->textMatrix(0, col), header[col]);
    }
    EXPECT_EQ(grid->textMatrix(1, 1), QStringLiteral("7"));
    EXPECT_EQ(grid->textMatrix(3, 5), QStringLiteral("Good"));
    EXPECT_EQ(grid->model()->index(2, 3).data().toString(), QStringLiteral("59"))
        << "data row 3 is Qt row 2";
    EXPECT_EQ(grid->textMatrix(2, 0), QString());
    EXPECT_TRUE(grid->isColumnHidden(1));
    EXPECT_GE(grid->colWidth(2), grid->fontMetrics().horizontalAdvance("2026/12/08"));

    // The texts are read only.
    doubleClick(1, 3);
    QTest::keyClicks(grid, QStringLiteral("99"));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(grid->textMatrix(1, 3), QStringLiteral("61"));
}

TEST_F(GridTest, ClickMarksTheCellAndLeavingItPutsItsColourBackUnlessKept) {
    const QColor rest = grid->cellBackColour(1, 2);
    for (const bool restore : {true, false}) {
        SCOPED_TRACE(restore ? "restoring grid" : "grid that keeps the marks");
        grid->clearCells();
        grid->setRestoreColourOnLeave(restore);
        click(1, 2);
        EXPECT_EQ(grid->cellBackColour(1, 2), colours::lightGreen);
        click(1, 2);
        click(2, 3);
        EXPECT_EQ(grid->cellBackColour(2, 3), colours::lightGreen);
        EXPECT_EQ(grid->cellBackColour(1, 2), restore ? rest : colours::lightGreen);
        // Moving the current cell with the keyboard leaves it too.
        QTest::keyClick(grid, Qt::Key_Down);
        EXPECT_EQ(grid->cellBackColour(2, 3), restore ? rest : colours::lightGreen);
        EXPECT_EQ(grid->cellBackColour(3, 3), rest) << "only a click marks";
    }
}

TEST_F(GridTest, LeavingPutsBackTheColourTheCellHadBeforeTheClick) {
    grid->setCellBackColour(2, 4, Qt::yellow);
    click(2, 4);
    click(1, 4);
    EXPECT_EQ(grid->cellBackColour(2, 4), QColor(Qt::yellow));
}

TEST_F(GridTest, SignalsUseGridNumberingAndDoubleClickFollowsTheClick) {
    // Taking the focus made the first cell current.
    ASSERT_EQ(grid->currentGridRow(), 1);
    ASSERT_EQ(grid->currentGridCol(), 0);
    click(1, 2);
    click(3, 4);
    doubleClick(2, 5);
    EXPECT_EQ(log, QStringList({"leave 1,0", "enter 1,2", "click 1,2", "leave 1,2", "enter 3,4",
                                "click 3,4", "leave 3,4", "enter 2,5", "click 2,5", "double 2,5"}));
    EXPECT_EQ(grid->currentGridRow(), 2);
    EXPECT_EQ(grid->currentGridCol(), 5);
}

TEST_F(GridTest, ByKeyboardTheArrowsMoveSpaceClicksEnterDoubleClicksAndTabLeaves) {
    auto* after = new QLineEdit(&window);
    after->setGeometry(0, 410, 100, 20);
    after->show();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(grid->cellBackColour(2, 2), colours::lightGreen);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(log, QStringList({"leave 1,0", "enter 2,0", "leave 2,0", "enter 2,2", "click 2,2",
                                "click 2,2", "double 2,2"}));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    EXPECT_EQ(grid->currentGridRow(), 2);
    EXPECT_EQ(grid->currentGridCol(), 2);
}

TEST_F(GridTest, AGridWithoutColumnsTakesRowsBeforeItsFormatString) {
    Grid fresh(QStringLiteral("MSHFlexGrid1"));
    fresh.setRows(2);
    fresh.clearCells();
    fresh.setFormatString("|ID|Meal");
    EXPECT_EQ(fresh.rows(), 2);
    EXPECT_EQ(fresh.cols(), 3);
}

TEST_F(GridTest, RowsAndCellsAreAddressedFromTheHeaderRow) {
    grid->setRows(2);
    grid->clearCells();
    grid->setFormatString("|ID|Meal|NotEat");
    EXPECT_EQ(grid->rows(), 2);
    EXPECT_EQ(grid->textMatrix(1, 2), QString());
    grid->setTextMatrix(1, 2, QStringLiteral("1B"));
    grid->setRows(grid->rows() + 1);
    grid->setTextMatrix(2, 0, QStringLiteral("5"));
    grid->setTextMatrix(2, 2, QStringLiteral("   T"));
    grid->setTextMatrix(0, 3, QStringLiteral("Skipped"));
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->textMatrix(1, 2), QStringLiteral("1B"));
    EXPECT_EQ(grid->textMatrix(2, 0), QStringLiteral("5"));
    EXPECT_EQ(grid->textMatrix(2, 2), QStringLiteral("   T"));
    EXPECT_EQ(grid->textMatrix(0, 3), QStringLiteral("Skipped"));
    EXPECT_EQ(grid->textMatrix(0, 2), QStringLiteral("Meal"));

    // A cell's place on screen, for a field laid over it.
    const QRect cell = grid->cellRect(2, 2);
    EXPECT_EQ(grid->childAt(cell.center()), grid->viewport());
    EXPECT_EQ(grid->indexAt(cell.center() - grid->viewport()->pos()), grid->model()->index(1, 2));
}

}  // namespace
}  // namespace mirtal::widgets
