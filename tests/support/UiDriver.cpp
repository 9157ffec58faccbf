#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLabel>
#include <QTest>

#include "widgets/ChoiceList.h"

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

}  // namespace mirtal::testing
