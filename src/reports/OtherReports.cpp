#include "reports/OtherReports.h"

#include "reports/ChartModel.h"
#include "reports/ReportNumbers.h"
#include "reports/ReportStatements.h"
#include "reports/RowLabel.h"
#include "store/Database.h"

namespace mirtal::reports {

namespace {

struct Targets {
    double pulse = 0;
    double weight = 0;
    // The user has exactly one target row.
    bool stored = false;
};

// The user's target pulse and weight; with no target row, or more than one, both count as 0.
Targets readTargets(store::Database& db, const ReportRange& range) {
    const store::ResultSet rs = db.select(statements::targetMeasurements(range.userId));
    if (rs.recordCount() != 1) {
        return {};
    }
    return {numberOf(rs.field(u"Pulse")), numberOf(rs.field(u"Weight")), true};
}

struct Report {
    QString statement;
    QString title;
    QString seriesLabel;
    bool hasTarget = false;
    double target = 0;
    QString footnote;
};

// The scale is pushed to the right by its run of blanks.
QString moraleScale() {
    return QString(61, u' ') + QStringLiteral("Excellent=4, Good=3, Average=2, Low=1, The Pits=0");
}

Report describe(OtherReport report, const ReportRange& range, const Targets& targets) {
    switch (report) {
        case OtherReport::Weight:
            return {statements::measurements(range, QStringLiteral("Weight")),
                    QStringLiteral("Weight Report"),
                    QStringLiteral("Weight"),
                    true,
                    roundHalfEven(targets.weight),
                    QString()};
        case OtherReport::Pulse:
            return {statements::measurements(range, QStringLiteral("Pulse")),
                    QStringLiteral("Pulse Report"),
                    QStringLiteral("Pulse"),
                    true,
                    roundHalfEven(targets.pulse),
                    QString()};
        case OtherReport::Morale:
            return {statements::moraleScores(range),
                    QStringLiteral("Morale Report"),
                    QStringLiteral("Morale"),
                    false,
                    0,
                    moraleScale()};
        case OtherReport::Snacking:
            return {statements::snackingScores(range, QStringLiteral("Snacking")),
                    QStringLiteral("Snacking Report"),
                    QStringLiteral("Snacking"),
                    false,
                    0,
                    QString()};
        case OtherReport::Water:
            return {statements::snackingScores(range, QStringLiteral("Water")),
                    QStringLiteral("Water Drinking Report"),
                    QStringLiteral("Water"),
                    false,
                    0,
                    QString()};
    }
    return {};
}

}  // namespace

bool buildOtherReport(store::Database& db, const ReportRange& range, OtherReport report,
                      ChartModel& chart, std::optional<double>* storedTarget) {
    const Targets targets = readTargets(db, range);
    if (storedTarget) {
        *storedTarget = std::nullopt;
        if (targets.stored && report == OtherReport::Weight) {
            *storedTarget = targets.weight;
        } else if (targets.stored && report == OtherReport::Pulse) {
            *storedTarget = targets.pulse;
        }
    }
    const Report r = describe(report, range, targets);
    store::ResultSet rs = db.select(r.statement);
    if (rs.eof()) {
        chart.setRowCount(1);
        chart.setColumnCount(1);
        return false;
    }
    chart.setRowCount(rs.recordCount());
    chart.setColumnCount(1);
    chart.setTitleText(r.title);
    chart.setFootnoteText(r.footnote);
    chart.setShowLegend(true);
    // Named once rather than row by row: the names are the same on every row.
    chart.selectColumn(1);
    chart.setColumnLabel(r.seriesLabel);
    if (r.hasTarget) {
        chart.setColumnCount(2);
        chart.selectColumn(2);
        chart.setColumnLabel(QStringLiteral("Target ") + r.seriesLabel);
    }
    for (int row = 1; !rs.eof(); ++row, rs.moveNext()) {
        const double measurement = numberOf(rs.field(1));
        chart.selectRow(row);
        chart.selectColumn(1);
        chart.setValue(static_cast<float>(measurement));
        RowLabel label;
        label.addNumber(measurement);
        chart.setRowLabel(label.withDay(rs.field(0).toDate()));
        if (r.hasTarget) {
            chart.selectColumn(2);
            chart.setValue(static_cast<float>(r.target));
        }
    }
    return true;
}

}  // namespace mirtal::reports
