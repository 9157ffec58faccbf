#include "reports/ExerciseReport.h"

#include "reports/ChartModel.h"
#include "reports/ReportNumbers.h"
#include "reports/ReportStatements.h"
#include "reports/RowLabel.h"
#include "store/Database.h"
#include "store/Vocabulary.h"

namespace mirtal::reports {

namespace {

// The fields of the statement that the report reads.
constexpr int intensityField = 2;
constexpr int dayField = 5;
constexpr int timesField = 6;

// The running sums of the day in hand.
class DayPoints {
  public:
    void add(const QString& intensity, double times) {
        if (intensity == u"Light") {
            light_ += times;
        } else if (intensity == u"Moderate") {
            moderate_ += times * 3;
        } else if (intensity == u"Difficult") {
            difficult_ = roundHalfEven(difficult_ + times * 5);
        }
        if (intensity != store::vocabulary::restDayIntensity) {
            restDay_ = false;
        }
    }

    // Rest-day entries count before the others, so a day that also holds exercises ends with
    // their sum; only a day of nothing but rest-day entries stands out at -1.
    double total() const { return restDay_ ? -1 : light_ + moderate_ + difficult_; }

  private:
    double light_ = 0;
    double moderate_ = 0;
    double difficult_ = 0;
    bool restDay_ = true;
};

}  // namespace

bool buildExerciseReport(store::Database& db, const ReportRange& range, ChartModel& chart) {
    store::ResultSet rs = db.select(statements::exerciseEntries(range));
    if (rs.eof()) {
        chart.setRowCount(1);
        chart.setColumnCount(1);
        return false;
    }
    chart.setColumnCount(1);
    chart.setTitleText(QStringLiteral("Exercise Report"));
    chart.setFootnoteText(QString());
    chart.setShowLegend(true);

    int days = 0;
    const auto output = [&](QDate day, const DayPoints& points) {
        ++days;
        chart.setRowCount(days);
        chart.selectRow(days);
        chart.selectColumn(1);
        chart.setColumnLabel(QStringLiteral("Exercise"));
        chart.setValue(static_cast<float>(points.total()));
        RowLabel label;
        label.addNumber(points.total());
        chart.setRowLabel(label.withDay(day));
    };
    // Days are told apart as dates and written out only once each, when the day is done.
    QDate dayInHand = rs.field(dayField).toDate();
    DayPoints points;
    for (; !rs.eof(); rs.moveNext()) {
        const QDate day = rs.field(dayField).toDate();
        if (day != dayInHand) {
            output(dayInHand, points);
            points = DayPoints();
            dayInHand = day;
        }
        points.add(rs.field(intensityField).toString(), numberOf(rs.field(timesField)));
    }
    output(dayInHand, points);
    return true;
}

}  // namespace mirtal::reports
