#pragma once

#include <QGroupBox>
#include <QList>

class QLabel;
class QLineEdit;

namespace mirtal::meals {

class MealTotals;

// The meal window's "Meal Calculation" frame: the day's bonus, meal and total points, with the
// day's snacking and water scores beside them. Snacking and water are not part of the total.
class CalculationPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit CalculationPanel(QWidget* parent);

    void showPoints(const MealTotals& totals, const QString& snacking, const QString& water);

    // The panel's fields in the order a person reads them.
    QList<QWidget*> readingOrder() const;

  private:
    QLineEdit* addField(const char* name, const QString& caption, int left, int top);

    QLabel* Label18;
    QLineEdit* TxtBonus;
    QLineEdit* TxtMeal;
    QLineEdit* TxtDayTotal;
    QLineEdit* TxtSnacking;
    QLineEdit* TxtWater;
};

}  // namespace mirtal::meals
