#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace mirtal::store {
class ResultSet;
}

namespace mirtal::meals {

// The day's meal points, summed over its stored meal evaluations: the totals row of the meal
// grid and the sums of the calculation panel.
class MealTotals {
  public:
    // Adds the current row of the day's grid select. A skipped meal adds -8 only when NotEat
    // holds -8, and each bonus only when it holds its own value (3, 1, 5); the five criteria
    // add whatever they hold.
    void add(const store::ResultSet& meal);

    // The totals row from grid column 3 to 11: not eaten, the five criteria, prepare myself,
    // ate sitting, ate slowly. Not eaten, prepare myself and ate sitting stay empty until a
    // meal adds to them; ate slowly always shows a number.
    QStringList rowTexts() const;

    // The panel's sums, in which a total that is still empty counts as 0.
    double bonus() const;
    double meal() const;
    double dayTotal() const;

  private:
    std::optional<double> notEat_;
    std::array<double, 5> criteria_{};
    std::optional<double> prepareMyself_;
    std::optional<double> ateSitting_;
    // Starts at 0, so it shows a number even on a day that earned no such bonus.
    std::optional<double> ateSlowly_ = 0.0;
};

// A point value as the grid and the panel show it: "3", "-8", "1.5".
QString pointsText(double points);

}  // namespace mirtal::meals
