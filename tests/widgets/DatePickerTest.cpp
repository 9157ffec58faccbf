#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "ShownWindow.h"
#include "widgets/DatePicker.h"

namespace mirtal::widgets {
namespace {

class Picker : public ShownWindow {
  protected:
    void SetUp() override {
        picker = new DatePicker(QStringLiteral("DTPicker1"), &window);
        picker->setGeometry(10, 10, 160, 24);
        picker->setDate(QDate(2026, 12, 8));
        show();
    }

    // The calendar opens from the arrow at the field's right end.
    QTableView* openCalendar() {
        QTest::mouseClick(picker, Qt::LeftButton, {},
                          QPoint(picker->width() - 4, picker->height() / 2));
        EXPECT_TRUE(picker->calendarWidget()->isVisible());
        return picker->calendarWidget()->findChild<QTableView*>();
    }

    DatePicker* picker = nullptr;
};

TEST_F(Picker, ShowsTheDayAsYearMonthDayAndTakesItFromCode) {
    EXPECT_EQ(picker->text(), QStringLiteral("2026/12/08"));
    QSignalSpy closeUps(picker, &DatePicker::closeUp);
    picker->setDate(QDate::fromString(QStringLiteral("2025/01/31"), DatePicker::displayFormatText));
    EXPECT_EQ(picker->text(), QStringLiteral("2025/01/31"));
    EXPECT_EQ(closeUps.count(), 0);
}

TEST_F(Picker, ClosingTheCalendarOnAPickedDayIsACloseUp) {
    QSignalSpy closeUps(picker, &DatePicker::closeUp);
    QDate dateAtCloseUp;
    QObject::connect(picker, &DatePicker::closeUp, [&] { dateAtCloseUp = picker->date(); });

    // A click on a day: the 15th lies in the middle rows of every month.
    QTableView* days = openCalendar();
    QModelIndex fifteenth;
    for (int row = 2; row < days->model()->rowCount() - 2 && !fifteenth.isValid(); ++row) {
        for (int col = 0; col < days->model()->columnCount(); ++col) {
            const QModelIndex index = days->model()->index(row, col);
            if (index.data().toString() == QStringLiteral("15")) {
                fifteenth = index;
            }
        }
    }
    ASSERT_TRUE(fifteenth.isValid());
    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(fifteenth).center());
    EXPECT_FALSE(picker->calendarWidget()->isVisible());
    EXPECT_EQ(closeUps.count(), 1);
    EXPECT_EQ(dateAtCloseUp, QDate(2026, 12, 15));

    // The keyboard in the open calendar: the next day, then Enter.
    days = openCalendar();
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(closeUps.count(), 2);
    EXPECT_EQ(dateAtCloseUp, QDate(2026, 12, 16));
}

TEST_F(Picker, DismissingTheCalendarIsACloseUpToo) {
    QSignalSpy closeUps(picker, &DatePicker::closeUp);
    QTest::keyClick(openCalendar(), Qt::Key_Escape);
    EXPECT_FALSE(picker->calendarWidget()->isVisible());
    EXPECT_EQ(closeUps.count(), 1);
    EXPECT_EQ(picker->date(), QDate(2026, 12, 8));
}

TEST_F(Picker, TypingADateIsNoCloseUp) {
    QSignalSpy closeUps(picker, &DatePicker::closeUp);
    picker->setFocus();
    picker->selectAll();
    QTest::keyClicks(picker, QStringLiteral("2026/12/24"));
    QTest::keyClick(picker, Qt::Key_Up);
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(picker->date(), QDate(2026, 12, 25));
    EXPECT_EQ(closeUps.count(), 0);
}

TEST_F(Picker, TabLeavesTheFieldFromAnyPartAndAltDownOpensTheCalendar) {
    auto* next = new QLineEdit(&window);
    next->setGeometry(10, 50, 160, 24);
    next->show();
    picker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picker, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);

    QSignalSpy closeUps(picker, &DatePicker::closeUp);
    picker->setFocus(Qt::TabFocusReason);
    for (const QKeyCombination key :
         {Qt::Key_F4 | Qt::NoModifier, Qt::Key_Down | Qt::AltModifier}) {
        QTest::keyClick(picker, key.key(), key.keyboardModifiers());
        ASSERT_TRUE(picker->calendarWidget()->isVisible());
        QTest::keyClick(picker->calendarWidget()->findChild<QTableView*>(), Qt::Key_Left);
        QTest::keyClick(picker->calendarWidget()->findChild<QTableView*>(), Qt::Key_Return);
    }
    EXPECT_EQ(closeUps.count(), 2);
    EXPECT_EQ(picker->date(), QDate(2026, 12, 6));
}

}  // namespace
}  // namespace mirtal::widgets
