#include "reports/MealReports.h"

#include <algorithm>
#include <array>

#include "reports/ChartModel.h"
#include "reports/ReportNumbers.h"
#include "reports/ReportStatements.h"
#include "reports/RowLabel.h"
#include "store/Database.h"
#include "store/Vocabulary.h"

namespace mirtal::reports {

namespace {

// Both meal statements read the day first and then the criteria in this order, which is also
// the order of the series.
constexpr int mealDateField = 0;
const std::array<QString, 5> seriesLabels{
    QStringLiteral("Fat"), QStringLiteral("FastSugar"), QStringLiteral("Fiber"),
    QStringLiteral("OverallQuantity"), QStringLiteral("PositiveFoods")};

int criterionField(std::size_t criterion) {
    return static_cast<int>(criterion) + 1;
}

// The total meal statement's fields.
constexpr int notEatField = 1;
constexpr int mealField = 2;
constexpr int bonusField = 3;

QString mealStatement(const ReportRange& range, MealChoice meals) {
    switch (meals) {
        case MealChoice::Breakfast:
            return statements::mealCriteria(range, store::vocabulary::breakfastCode);
        case MealChoice::Lunch:
            return statements::mealCriteria(range, store::vocabulary::lunchCode);
        case MealChoice::Dinner:
            return statements::mealCriteria(range, store::vocabulary::dinnerCode);
        case MealChoice::Total:
            break;
    }
    return statements::dayMealCriteria(range);
}

QDate dayOf(const store::ResultSet& rs) {
    return rs.field(mealDateField).toDate();
}

// The numbers of a meal row's label as the last ticked criterion leaves them: fat alone for
// Fat Intake; from Fast Sugar on, fast sugar and fat and then the criteria up to that one.
void addMealLabelNumbers(RowLabel& label, const std::array<double, 5>& scores,
                         std::size_t lastTicked) {
    if (lastTicked == 0) {
        label.addNumber(scores[0]);
    } else {
        label.addNumber(scores[1]);
        label.addNumber(scores[0]);
        for (std::size_t c = 2; c <= lastTicked; ++c) {
            label.addNumber(scores[c]);
        }
    }
}

}  // namespace

bool buildMealReport(store::Database& db, const ReportRange& range, const MealCriteria& ticked,
                     MealChoice meals, ChartModel& chart) {
    store::ResultSet rs = db.select(mealStatement(range, meals));
    if (rs.eof()) {
        chart.setRowCount(1);
        chart.setColumnCount(1);
        return false;
    }
    const int series = static_cast<int>(std::count(ticked.begin(), ticked.end(), true));
    chart.setRowCount(rs.recordCount());
    chart.setColumnCount(series);
    chart.setTitleText(QStringLiteral("Meal Report"));
    chart.setFootnoteText(QString());
    chart.setShowLegend(true);
    std::size_t lastTicked = 0;
    for (std::size_t c = 0; c < ticked.size(); ++c) {
        if (ticked[c]) {
            lastTicked = c;
        }
    }
    for (int row = 1; !rs.eof(); ++row, rs.moveNext()) {
        std::array<double, 5> scores{};
        for (std::size_t c = 0; c <= lastTicked; ++c) {
            scores[c] = numberOf(rs.field(criterionField(c)));
        }
        chart.selectRow(row);
        int column = 0;
        for (std::size_t c = 0; c < ticked.size(); ++c) {
            if (!ticked[c]) {
                continue;
            }
            chart.selectColumn(++column);
            chart.setColumnLabel(seriesLabels[c]);
            chart.setValue(static_cast<float>(scores[c]));
        }
        // Every ticked criterion writes the row label, so the last one's is the one that stays.
        if (series > 0) {
            RowLabel label;
            addMealLabelNumbers(label, scores, lastTicked);
            chart.setRowLabel(label.withDay(dayOf(rs)));
        }
    }
    return true;
}

bool buildTotalMealReport(store::Database& db, const ReportRange& range,
                          const TotalMealSeries& ticked, ChartModel& chart) {
    store::ResultSet rs = db.select(statements::dayMealTotals(range));
    if (rs.eof()) {
        chart.setRowCount(1);
        chart.setColumnCount(1);
        return false;
    }
    chart.setRowCount(rs.recordCount());
    chart.setColumnCount(int(ticked.meal) + int(ticked.bonus) + int(ticked.total));
    chart.setTitleText(QStringLiteral("Total Meal Report"));
    chart.setFootnoteText(QString());
    chart.setShowLegend(true);
    for (int row = 1; !rs.eof(); ++row, rs.moveNext()) {
        const double meal = numberOf(rs.field(mealField));
        const double bonus = numberOf(rs.field(bonusField));
        const double total = meal + bonus + numberOf(rs.field(notEatField));
        chart.selectRow(row);
        int column = 0;
        const auto put = [&](const QString& label, double value) {
            chart.selectColumn(++column);
            chart.setColumnLabel(label);
            chart.setValue(static_cast<float>(value));
        };
        if (ticked.meal) {
            put(QStringLiteral("Meal"), meal);
        }
        if (ticked.bonus) {
            put(QStringLiteral("Bonus"), bonus);
        }
        if (ticked.total) {
            put(QStringLiteral("Total"), total);
        }
        // Every ticked box writes the row label, so the last one's is the one that stays: the
        // meal, then the bonus, then the total, as far as that box.
        if (column > 0) {
            RowLabel label;
            label.addNumber(meal);
            if (ticked.bonus || ticked.total) {
                label.addNumber(bonus);
            }
            if (ticked.total) {
                label.addNumber(total);
            }
            chart.setRowLabel(label.withDay(dayOf(rs)));
        }
    }
    return true;
}

}  // namespace mirtal::reports
