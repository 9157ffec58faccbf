#include "meals/MealTotals.h"

#include "store/ResultSet.h"

namespace mirtal::meals {

namespace {

constexpr std::array<const char16_t*, 5> criteriaColumns{u"Fat", u"FastSugar", u"Fiber", u"Overall",
                                                         u"PositiveFoods"};

// Adds `points` to `total` when the column holds exactly that value.
void addWhenIs(std::optional<double>& total, const QVariant& column, double points) {
    if (column.toDouble() == points) {
        total = total.value_or(0) + points;
    }
}

QString optionalText(const std::optional<double>& total) {
    return total ? pointsText(*total) : QString();
}

}  // namespace

void MealTotals::add(const store::ResultSet& meal) {
    addWhenIs(notEat_, meal.field(u"NotEat"), -8);
    for (std::size_t i = 0; i < criteriaColumns.size(); ++i) {
        criteria_[i] += meal.field(criteriaColumns[i]).toDouble();
    }
    addWhenIs(prepareMyself_, meal.field(u"PrepareMyself"), 3);
    addWhenIs(ateSitting_, meal.field(u"AteSitting"), 1);
    addWhenIs(ateSlowly_, meal.field(u"AteSlowly"), 5);
}

QStringList MealTotals::rowTexts() const {
    QStringList texts{optionalText(notEat_)};
    for (const double total : criteria_) {
        texts << pointsText(total);
    }
    texts << optionalText(prepareMyself_) << optionalText(ateSitting_) << optionalText(ateSlowly_);
    return texts;
}

double MealTotals::bonus() const {
    return prepareMyself_.value_or(0) + ateSitting_.value_or(0) + ateSlowly_.value_or(0);
}

double MealTotals::meal() const {
    double sum = 0;
    for (const double total : criteria_) {
        sum += total;
    }
    return sum;
}

double MealTotals::dayTotal() const {
    return notEat_.value_or(0) + meal() + bonus();
}

QString pointsText(double points) {
    // Fifteen digits show every sum of scores exactly, without the rounding noise of doubles.
    return QString::number(points, 'g', 15);
}

}  // namespace mirtal::meals
