#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include "widgets/ChoiceList.h"
#include "widgets/DatePicker.h"
#include "widgets/Grid.h"

namespace mirtal::testing {

void clickLabel(QLabel* label) {
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::LeftButton);
}

void dropDown(widgets::ChoiceList* list) {
    ASSERT_NE(list, nullptr);
    list->showPopup();
}

void pickEntry(widgets::ChoiceList* list, const QString& text) {
    dropDown(list);
    const int row = list->findText(text, Qt::MatchExactly);
    ASSERT_GE(row, 0) << text.toStdString() << " is not listed";
    QAbstractItemView* view = list->view();
    const QPoint where = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, where);
}

namespace {

QPoint cellCentre(widgets::Grid* grid, int row, int col) {
    return grid->cellRect(row, col).translated(-grid->viewport()->pos()).center();
}

}  // namespace

void clickCell(widgets::Grid* grid, int row, int col) {
    ASSERT_NE(grid, nullptr);
    ASSERT_LT(row, grid->rows()) << "no data row " << row;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, col));
}

void doubleClickCell(widgets::Grid* grid, int row, int col) {
    clickCell(grid, row, col);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, col));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, col));
}

void pickDay(widgets::DatePicker* picker, QDate day) {
    ASSERT_NE(picker, nullptr);
    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 4, picker->height() / 2));
    QCalendarWidget* calendar = picker->calendarWidget();
    ASSERT_TRUE(calendar->isVisible());
    calendar->setSelectedDate(day);
    QTest::keyClick(calendar->findChild<QTableView*>(), Qt::Key_Return);
    ASSERT_FALSE(calendar->isVisible());
}

}  // namespace mirtal::testing
