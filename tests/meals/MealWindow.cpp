#include "MealWindow.h"

#include <QAbstractItemView>
#include <QTest>

#include "app/Clock.h"
#include "store/DateText.h"

namespace mirtal::testing {

using store::DateText;

void MealWindow::SetUp() {
    app::Clock::pin(today);
    h.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    h.db().execute(QStringLiteral("Insert Into User1 Values(2, 'Bob')"));
    h.app.session().setCurrentUserId(1);
    h.switcher().showStartWindow();
}

void MealWindow::TearDown() {
    app::Clock::pin(std::nullopt);
}

void MealWindow::open() {
    h.switcher().openWindow(app::WindowId::MealEvaluation);
    ASSERT_NE(h.switcher().loadedWindow(app::WindowId::MealEvaluation), nullptr);
}

void MealWindow::click(const char* label) {
    clickLabel(control<QLabel>(label));
}

void MealWindow::clickBox(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void MealWindow::pick(const char* listName, const QString& entry) {
    pickEntry(list(listName), entry);
}

void MealWindow::clickOpenEntry(const char* listName, const QString& entry) {
    widgets::ChoiceList* l = list(listName);
    const int row = l->findText(entry, Qt::MatchExactly);
    ASSERT_GE(row, 0) << entry.toStdString();
    QAbstractItemView* view = l->view();
    ASSERT_TRUE(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, 0)).center());
}

QStringList MealWindow::gridRow(int row) {
    QStringList cells;
    for (int col = 0; col < grid()->cols(); ++col) {
        cells << grid()->textMatrix(row, col);
    }
    return cells;
}

void MealWindow::storeMeal(int key, QDate day, const QString& code, const QString& points,
                           int user) {
    h.db().execute(QStringLiteral("Insert Into DailyMealInput Values(%1, %2, '%3', '%4', %5)")
                       .arg(key)
                       .arg(user)
                       .arg(DateText::shortDate(day), code, points));
}

void MealWindow::storeSnacking(int key, QDate day, int snacking, int water, int user) {
    h.db().execute(QStringLiteral("Insert Into DailySnackingInput Values(%1, %2, '%3', %4, %5)")
                       .arg(key)
                       .arg(user)
                       .arg(DateText::shortDate(day))
                       .arg(snacking)
                       .arg(water));
}

int MealWindow::count(const char* table) {
    return h.scalar(std::string("SELECT count(*) FROM ") + table).toInt();
}

QStringList MealWindow::reloadStatements(QDate day, const QString& snacking, const QString& water) {
    const QString d = DateText::dayText(day);
    QStringList statements;
    for (const char* code : {"1B", "2L", "3D"}) {
        statements << QStringLiteral(
                          "  Select DMID From DailyMealInput Where UserID=1 And MealType ='%1' "
                          "And MealDate=#%2#")
                          .arg(QLatin1String(code), d);
    }
    statements
        << QStringLiteral(
               " Select DMID, MealType, NotEat, FatIntake as [Fat], FastSugarIntake as "
               "[FastSugar], FiberIntake as [Fiber], OverallQuantity as [Overall], "
               "PositiveFoods, PrepareMyself, PrepareSomeone as [AteSitting], AteSlowly From "
               "DailyMealInput Where UserID=1 And MealDate=#%1# Order By MealType")
               .arg(d)
        << QStringLiteral(
               " Select DSID, Snacking, Water From DailySnackingInput Where UserID=1 And "
               "MealDate=#%1#")
               .arg(d)
        << QStringLiteral(" Select MealName From SetMealPoint Where SubID=6 And Score=") + snacking
        << QStringLiteral(" Select MealName From SetMealPoint Where SubID=7 And Score=") + water;
    return statements;
}

}  // namespace mirtal::testing
