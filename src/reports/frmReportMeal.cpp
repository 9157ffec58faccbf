#include "reports/frmReportMeal.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Clock.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "reports/ChartView.h"
#include "reports/ExerciseReport.h"
#include "reports/MealReports.h"
#include "reports/OtherReports.h"
#include "reports/PlanStatus.h"
#include "reports/RangeSummary.h"
#include "reports/ReportNumbers.h"
#include "reports/ReportStatements.h"
#include "reports/RowDays.h"
#include "reports/RowGrouping.h"
#include "reports/SummaryWindow.h"
#include "reports/Trend.h"
#include "reports/WindowPrint.h"
#include "store/DateText.h"
#include "store/Vocabulary.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"
#include "widgets/Twips.h"

namespace mirtal::reports {

using widgets::twips;

namespace {

const QString largeChart = QStringLiteral("Large Chart");
const QString smallChart = QStringLiteral("Small Chart");

// The chart's three places, in twips; the left edge stays at 150 and the bottom at 6465.
const QRect chartAtStart(twips(150), twips(1905), twips(10455), twips(4560));
const QRect chartLarge(twips(150), twips(540), twips(10500), twips(5925));
const QRect chartSmall(twips(150), twips(1875), twips(10455), twips(4590));

// What the plot says in place of a chart when a VIEW finds no rows.
QString noRowsNote(const ReportRange& range) {
    if (range.start > range.end) {
        return QStringLiteral("The start date is after the end date.");
    }
    return QStringLiteral("No entries from ") + store::DateText::dayText(range.start) +
           QStringLiteral(" to ") + store::DateText::dayText(range.end);
}

template <class Button>
Button* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new Button(QString::fromLatin1(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* label(const char* name, const char* caption, QWidget* parent) {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QGroupBox* panel(const char* name, const char* caption, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

widgets::CommandLabel* viewLabel(const char* name, const char* shape, QGroupBox* frame) {
    auto* view = new widgets::CommandLabel(QLatin1String(name), QStringLiteral("&VIEW"),
                                           QLatin1String(shape), frame);
    view->setFixedSize(48, 18);
    // Each VIEW label goes back to rest over its own frame.
    widgets::HoverReset::install(frame, {view});
    return view;
}

// Controls in rows inside a panel, tightly packed so that the panels fit side by side.
QGridLayout* packedGrid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(3, 4, 3, 1);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(0);
    return grid;
}

}  // namespace

frmReportMeal::frmReportMeal(app::WindowSwitcher& switcher)
    : switcher_(switcher), frame_(this, switcher, app::WindowId::Reports, QSize(870, 504)) {
    buildControls();

    // Load.
    frame_.loadCurrentUser();
    app::guarded(switcher_.messages(), [this] { loadRange(); });
}

void frmReportMeal::loadRange() {
    const store::ResultSet rs =
        switcher_.session().db().select(statements::targetRange(switcher_.session().userIdText()));
    if (rs.recordCount() == 1) {
        DTPicker1->setDate(rs.field(u"StartDate").toDate());
        DTPicker2->setDate(rs.field(u"TargetDate").toDate());
        targetDays_ = {DTPicker1->date(), DTPicker2->date()};
    } else if (rs.recordCount() == 0) {
        DTPicker2->setDate(app::Clock::today());
        DTPicker1->setDate(DTPicker2->date().addDays(-15));
    } else {
        switcher_.messages().inform(store::vocabulary::duplicateTargetMessage);
    }
}

void frmReportMeal::view(const std::function<bool(store::Database&, const ReportRange&)>& report,
                         bool measured) {
    storedTarget_.reset();
    const bool drawn = app::guarded(switcher_.messages(), [&] {
        store::Session& session = switcher_.session();
        chart_.setChartType(OptBarChart->isChecked() ? ChartModel::ChartType::Bar2d
                                                     : ChartModel::ChartType::Line2d);
        range_ = {session.userIdText(), DTPicker1->date(), DTPicker2->date()};
        noRowsNote_ = report(session.db(), range_) ? QString() : noRowsNote(range_);
    });
    if (drawn) {
        // A range without measurements cuts the chart down to a single series, which is no
        // measurement: it gets no trend.
        hasTrend_ = measured && chart_.columnCount() == 2;
        days_ = noRowsNote_.isEmpty() ? rowDays(chart_) : std::vector<QDate>();
        plan_.reset();
        planFound_ = false;
        drawChart();
        if (summary_ && summary_->isVisible()) {
            if (noRowsNote_.isEmpty()) {
                summary_->showSummary(chart_.titleText(), summarizeRange(chart_, days_, hasTrend_));
            } else {
                summary_->hide();
            }
        }
    }
}

// The regrouping, the trend and the plan are added to what is drawn, never to the report
// itself, so the chart is the report's own while by day is picked and both switches are off.
void frmReportMeal::drawChart() {
    const bool rowsShown = noRowsNote_.isEmpty() && chart_.rowCount() > 0;
    for (QAction* item : MSChart1->groupingItems()->actions()) {
        item->setEnabled(rowsShown);
    }
    MSChart1->summaryAction()->setEnabled(rowsShown);
    MSChart1->trendAction()->setEnabled(hasTrend_);
    MSChart1->planAction()->setEnabled(hasTrend_ && storedTarget_ && targetDays_);
    if (!rowsShown) {
        MSChart1->draw(chart_, noRowsNote_);
        return;
    }
    DrawnRows drawn = groupRows(chart_, days_, MSChart1->grouping());
    const bool trend = hasTrend_ && MSChart1->trendAction()->isChecked();
    const std::optional<PlanPath> plan =
        MSChart1->planAction()->isEnabled() && MSChart1->planAction()->isChecked() ? planPath()
                                                                                   : std::nullopt;
    // Only a weight or pulse report, whose first series is the measurement, has either.
    const QString measured = trend || plan ? chart_.columnLabel(1) : QString();
    if (trend) {
        drawn.chart = withTrend(drawn.chart, measured + QStringLiteral(" trend"));
    }
    const int trendColumn = drawn.chart.columnCount();
    if (plan) {
        drawn.chart = withPlan(drawn.chart, drawn.days, *plan, measured + QStringLiteral(" plan"));
    }
    const QString unit = measurement_ == QLatin1String("Pulse") ? QStringLiteral("beats a minute")
                                                                : QStringLiteral("kg");
    MSChart1->draw(drawn.chart, QString(),
                   trend && plan
                       ? planStatus(drawn.days, drawn.chart.columnValues(trendColumn), *plan, unit)
                       : QString());
}

std::optional<PlanPath> frmReportMeal::planPath() {
    if (!planFound_) {
        planFound_ = true;
        app::guarded(switcher_.messages(), [this] { plan_ = findPlanPath(); });
    }
    return plan_;
}

// The plan starts at the user's first stored value on or after the target's start day, which
// lies before the range, among its rows or, when the range ends before it, after the range.
std::optional<PlanPath> frmReportMeal::findPlanPath() {
    if (!targetDays_ || !storedTarget_) {
        return std::nullopt;
    }
    const auto [startDay, targetDay] = *targetDays_;
    const double target = *storedTarget_;
    const auto firstStored = [&](const QDate& from, const QDate& to) -> std::optional<PlanPath> {
        const store::ResultSet rs = switcher_.session().db().select(
            statements::measurements({range_.userId, from, to}, measurement_));
        if (rs.eof()) {
            return std::nullopt;
        }
        return PlanPath{rs.field(0).toDate(), numberOf(rs.field(1)), targetDay, target};
    };
    std::optional<PlanPath> plan;
    if (range_.start > startDay) {
        plan = firstStored(startDay, range_.start.addDays(-1));
    }
    for (std::size_t row = 0; !plan && row < days_.size(); ++row) {
        if (days_[row] >= startDay) {
            plan =
                PlanPath{days_[row], chart_.value(static_cast<int>(row) + 1, 1), targetDay, target};
        }
    }
    if (!plan && range_.end < targetDay) {
        plan = firstStored(std::max(startDay, range_.end.addDays(1)), targetDay);
    }
    // Nothing stored since the start: the plan is the target itself.
    return plan ? plan : PlanPath{targetDay, target, targetDay, target};
}

void frmReportMeal::openSummary() {
    if (!summary_) {
        summary_ = new SummaryWindow(this);
    }
    summary_->showSummary(chart_.titleText(), summarizeRange(chart_, days_, hasTrend_));
    summary_->show();
    summary_->raise();
    summary_->activateWindow();
}

void frmReportMeal::viewMeal() {
    const MealCriteria ticked{Check1->isChecked(), Check2->isChecked(), Check3->isChecked(),
                              Check4->isChecked(), Check5->isChecked()};
    const MealChoice meals = Option2->isChecked()   ? MealChoice::Breakfast
                             : Option3->isChecked() ? MealChoice::Lunch
                             : Option4->isChecked() ? MealChoice::Dinner
                                                    : MealChoice::Total;
    view([&](store::Database& db, const ReportRange& range) {
        return buildMealReport(db, range, ticked, meals, chart_);
    });
}

void frmReportMeal::viewTotalMeal() {
    const TotalMealSeries ticked{ChkMeal->isChecked(), ChkBonus->isChecked(),
                                 ChkTotal->isChecked()};
    view([&](store::Database& db, const ReportRange& range) {
        return buildTotalMealReport(db, range, ticked, chart_);
    });
}

void frmReportMeal::viewOthers() {
    const OtherReport report = OptWeight->isChecked()   ? OtherReport::Weight
                               : OptMorale->isChecked() ? OtherReport::Morale
                               : OptSnack->isChecked()  ? OtherReport::Snacking
                               : OptWater->isChecked()  ? OtherReport::Water
                                                        : OtherReport::Pulse;
    const bool measured = report == OtherReport::Weight || report == OtherReport::Pulse;
    measurement_ = report == OtherReport::Weight ? QStringLiteral("Weight")
                   : measured                    ? QStringLiteral("Pulse")
                                                 : QString();
    view(
        [&](store::Database& db, const ReportRange& range) {
            return buildOtherReport(db, range, report, chart_, &storedTarget_);
        },
        measured);
}

void frmReportMeal::viewExercise() {
    view([&](store::Database& db, const ReportRange& range) {
        return buildExerciseReport(db, range, chart_);
    });
}

void frmReportMeal::toggleChartSize() {
    if (Command2->text() == largeChart) {
        MSChart1->setGeometry(chartLarge);
        Command2->setText(smallChart);
    } else {
        MSChart1->setGeometry(chartSmall);
        Command2->setText(largeChart);
    }
}

void frmReportMeal::print() {
    const QString chartTitle = chart_.titleText();
    printWindow(this,
                chartTitle.isEmpty() ? QStringLiteral("Mirtal report")
                                     : QStringLiteral("Mirtal report: ") + chartTitle,
                switcher_.messages());
}

void frmReportMeal::buildControls() {
    // Frames carry their captions on their top edge, which leaves the band room for three
    // rows of choices in each panel.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));

    // The band: the user, the range and the option panels.
    Frame10 = panel("Frame10", "*****", this);
    Frame10->setGeometry(twips(150), twips(435), twips(10470), twips(1440));
    // A smaller type lets the four panels sit side by side under the range in the band.
    QFont small = Frame10->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    Frame10->setFont(small);
    auto* band = new QVBoxLayout(Frame10);
    band->setContentsMargins(5, 0, 5, 2);
    band->setSpacing(1);

    // The user's name stands in the band, beside the range.
    auto* range = new QHBoxLayout;
    Label1 = frame_.Label1;
    LabelUser = frame_.LabelUser;
    LabelUser->setMinimumWidth(140);
    Label10 = label("Label10", "Start Date:", Frame10);
    DTPicker1 = new widgets::DatePicker(QStringLiteral("DTPicker1"), Frame10);
    Label3 = label("Label3", "End Date:", Frame10);
    DTPicker2 = new widgets::DatePicker(QStringLiteral("DTPicker2"), Frame10);
    // Seen only when the target values cannot give the range.
    DTPicker1->setDate(app::Clock::today());
    DTPicker2->setDate(app::Clock::today());
    DTPicker1->setFixedHeight(20);
    DTPicker2->setFixedHeight(20);
    range->addWidget(Label1);
    range->addSpacing(8);
    range->addWidget(LabelUser);
    range->addStretch();
    range->addWidget(Label10);
    range->addWidget(DTPicker1);
    range->addSpacing(16);
    range->addWidget(Label3);
    range->addWidget(DTPicker2);
    band->addLayout(range);

    auto* panels = new QHBoxLayout;
    panels->setSpacing(3);
    band->addLayout(panels);

    Frame12 = panel("Frame12", "Chart Type", Frame10);
    OptLineChart = button<QRadioButton>("OptLineChart", "Line", Frame12);
    OptBarChart = button<QRadioButton>("OptBarChart", "Bar", Frame12);
    OptLineChart->setChecked(true);
    QGridLayout* chartType = packedGrid(Frame12);
    chartType->addWidget(OptLineChart, 0, 0);
    chartType->addWidget(OptBarChart, 1, 0);
    chartType->setRowStretch(2, 1);
    panels->addWidget(Frame12);

    Frame1 = panel("Frame1", "Meal", Frame10);
    Check1 = button<QCheckBox>("Check1", "Fat Intake", Frame1);
    Check2 = button<QCheckBox>("Check2", "Fast Sugar", Frame1);
    Check3 = button<QCheckBox>("Check3", "Fiber", Frame1);
    Check4 = button<QCheckBox>("Check4", "Quantity", Frame1);
    Check5 = button<QCheckBox>("Check5", "Positive Foods", Frame1);
    Option1 = button<QRadioButton>("Option1", "Total", Frame1);
    Option2 = button<QRadioButton>("Option2", "Breakfast", Frame1);
    Option3 = button<QRadioButton>("Option3", "Lunch", Frame1);
    Option4 = button<QRadioButton>("Option4", "Dinner", Frame1);
    Check1->setChecked(true);
    Option1->setChecked(true);
    LblView = viewLabel("LblView", "Shape15", Frame1);
    // The criteria in two columns, then the meals in two.
    QGridLayout* meal = packedGrid(Frame1);
    const QList<QWidget*> mealCells{Check1,  Check2,  Check3,  Check4,  Check5,  nullptr,
                                    Option1, Option2, nullptr, Option3, Option4, LblView};
    for (int cell = 0; cell < mealCells.size(); ++cell) {
        if (mealCells[cell]) {
            meal->addWidget(mealCells[cell], cell % 3, cell / 3);
        }
    }
    meal->setAlignment(LblView, Qt::AlignRight);
    panels->addWidget(Frame1);

    Frame8 = panel("Frame8", "Others", Frame10);
    OptWeight = button<QRadioButton>("OptWeight", "Weight", Frame8);
    OptPulse = button<QRadioButton>("OptPulse", "Pulse", Frame8);
    OptMorale = button<QRadioButton>("OptMorale", "Morale", Frame8);
    OptSnack = button<QRadioButton>("OptSnack", "Snacking", Frame8);
    OptWater = button<QRadioButton>("OptWater", "Water", Frame8);
    OptPulse->setChecked(true);
    LblViewOthers = viewLabel("LblViewOthers", "Shape16", Frame8);
    QGridLayout* others = packedGrid(Frame8);
    const QList<QWidget*> otherCells{OptWeight, OptPulse, OptMorale,
                                     OptSnack,  OptWater, LblViewOthers};
    for (int cell = 0; cell < otherCells.size(); ++cell) {
        others->addWidget(otherCells[cell], cell % 3, cell / 3);
    }
    others->setAlignment(LblViewOthers, Qt::AlignRight);
    panels->addWidget(Frame8);

    Frame2 = panel("Frame2", "", Frame10);
    Option6 = button<QRadioButton>("Option6", "Exercise", Frame2);
    Option6->setChecked(true);
    // The panel's only choice is always chosen: a lone option button would turn off when
    // clicked again, one in an exclusive group cannot.
    (new QButtonGroup(Frame2))->addButton(Option6);
    LblViewExercise = viewLabel("LblViewExercise", "Shape8", Frame2);
    QGridLayout* exercise = packedGrid(Frame2);
    exercise->addWidget(Option6, 0, 0);
    exercise->addWidget(LblViewExercise, 2, 0, Qt::AlignRight);
    panels->addWidget(Frame2);

    // The large chart is drawn over the band.
    MSChart1 = new ChartView(QStringLiteral("MSChart1"), switcher_.messages().refusal(), this);
    MSChart1->setGeometry(chartAtStart);
    MSChart1->raise();

    // Help, the total meal panel and the chart's commands stand in one column to the right.
    CmdHelp = frame_.CmdHelp;
    const int side = CmdHelp->x();
    const int sideWidth = CmdHelp->width();

    Frame3 = panel("Frame3", "Total Meal", this);
    Frame3->setGeometry(side, chartAtStart.top(), sideWidth, 118);
    ChkMeal = button<QCheckBox>("ChkMeal", "Meal", Frame3);
    ChkBonus = button<QCheckBox>("ChkBonus", "Bonus", Frame3);
    ChkTotal = button<QCheckBox>("ChkTotal", "Total", Frame3);
    ChkMeal->setChecked(true);
    LblViewTMeal = viewLabel("LblViewTMeal", "Shape9", Frame3);
    auto* totalMeal = new QVBoxLayout(Frame3);
    totalMeal->setContentsMargins(10, 4, 10, 8);
    for (QCheckBox* series : {ChkMeal, ChkBonus, ChkTotal}) {
        totalMeal->addWidget(series);
    }
    totalMeal->addWidget(LblViewTMeal, 0, Qt::AlignRight);

    Command2 = button<QPushButton>("Command2", "Large Chart", this);
    Command2->setGeometry(side, chartAtStart.bottom() - 28 - 40, sideWidth, 28);
    LblPrint = new widgets::CommandLabel(QStringLiteral("LblPrint"), QStringLiteral("&PRINT"),
                                         QStringLiteral("Shape7"), this);
    LblPrint->setGeometry(side, chartAtStart.bottom() - 27, sideWidth, twips(300) + 8);

    widgets::nameByCaption(Label10, DTPicker1);
    widgets::nameByCaption(Label3, DTPicker2);
    widgets::nameForScreenReaders({{LblView, QStringLiteral("VIEW meal report")},
                                   {LblViewTMeal, QStringLiteral("VIEW total meal report")},
                                   {LblViewOthers, QStringLiteral("VIEW other reports")},
                                   {LblViewExercise, QStringLiteral("VIEW exercise report")},
                                   {Frame10, QStringLiteral("Report settings")},
                                   {Frame12, QStringLiteral("Chart type")},
                                   {Frame1, QStringLiteral("Meal")},
                                   {Frame8, QStringLiteral("Others")},
                                   {Frame2, QStringLiteral("Exercise")}});
    // The band from left to right, panel by panel; then the chart and the column beside it.
    frame_.setReadingOrder({DTPicker1,     DTPicker2, CmdHelp,         OptLineChart, OptBarChart,
                            Check1,        Check2,    Check3,          Check4,       Check5,
                            Option1,       Option2,   Option3,         Option4,      LblView,
                            OptWeight,     OptPulse,  OptMorale,       OptSnack,     OptWater,
                            LblViewOthers, Option6,   LblViewExercise, MSChart1,     ChkMeal,
                            ChkBonus,      ChkTotal,  LblViewTMeal,    Command2,     LblPrint});

    widgets::HoverReset::install(this, frame_.bar->labels())->add({LblPrint});

    connect(LblView, &widgets::CommandLabel::clicked, this, &frmReportMeal::viewMeal);
    connect(LblViewTMeal, &widgets::CommandLabel::clicked, this, &frmReportMeal::viewTotalMeal);
    connect(LblViewOthers, &widgets::CommandLabel::clicked, this, &frmReportMeal::viewOthers);
    connect(LblViewExercise, &widgets::CommandLabel::clicked, this, &frmReportMeal::viewExercise);
    connect(Command2, &QPushButton::clicked, this, &frmReportMeal::toggleChartSize);
    connect(LblPrint, &widgets::CommandLabel::clicked, this, &frmReportMeal::print);
    connect(MSChart1->trendAction(), &QAction::toggled, this, &frmReportMeal::drawChart);
    connect(MSChart1->planAction(), &QAction::toggled, this, &frmReportMeal::drawChart);
    connect(MSChart1->groupingItems(), &QActionGroup::triggered, this, &frmReportMeal::drawChart);
    connect(MSChart1->summaryAction(), &QAction::triggered, this, &frmReportMeal::openSummary);
}

}  // namespace mirtal::reports
