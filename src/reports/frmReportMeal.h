#pragma once

#include <QDate>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/DataWindowFrame.h"
#include "reports/ChartModel.h"
#include "reports/PlanPath.h"
#include "reports/ReportRange.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mirtal::app {
class WindowSwitcher;
}

namespace mirtal::store {
class Database;
}

namespace mirtal::widgets {
class CommandLabel;
class DatePicker;
}  // namespace mirtal::widgets

namespace mirtal::reports {

class ChartView;
class SummaryWindow;

// The report window: charts the current user's meal points, pulse, weight, morale, snacking,
// water and exercise points, day by day over a range of days, as a line or a bar chart, and
// prints itself.
class frmReportMeal : public QWidget {
    Q_OBJECT
  public:
    explicit frmReportMeal(app::WindowSwitcher& switcher);

    // The chart's content, as the last VIEW left it.
    const ChartModel& chartModel() const { return chart_; }

  private slots:
    void viewMeal();
    void viewTotalMeal();
    void viewOthers();
    void viewExercise();
    void toggleChartSize();
    void print();
    void drawChart();
    void openSummary();

  private:
    void buildControls();
    void loadRange();
    // One VIEW: the chart type from the Chart Type panel, then the report, which answers
    // whether it found rows, then the chart drawn afresh. A store error shows its description
    // and leaves the chart as it was. `measured` marks the reports of a daily measurement
    // against its target, which can show their trend.
    void view(const std::function<bool(store::Database&, const ReportRange&)>& report,
              bool measured = false);
    // The plan of the measurement drawn, found once per VIEW when first asked for; empty when
    // the chart has none or the store fails.
    std::optional<PlanPath> planPath();
    std::optional<PlanPath> findPlanPath();

    QGroupBox* Frame10;
    QLabel* Label1;
    QLabel* LabelUser;
    QLabel* Label10;
    widgets::DatePicker* DTPicker1;
    QLabel* Label3;
    widgets::DatePicker* DTPicker2;

    QGroupBox* Frame12;
    QRadioButton* OptLineChart;
    QRadioButton* OptBarChart;

    QGroupBox* Frame1;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QCheckBox* Check4;
    QCheckBox* Check5;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    widgets::CommandLabel* LblView;

    QGroupBox* Frame8;
    QRadioButton* OptWeight;
    QRadioButton* OptPulse;
    QRadioButton* OptMorale;
    QRadioButton* OptSnack;
    QRadioButton* OptWater;
    widgets::CommandLabel* LblViewOthers;

    QGroupBox* Frame2;
    QRadioButton* Option6;
    widgets::CommandLabel* LblViewExercise;

    QGroupBox* Frame3;
    QCheckBox* ChkMeal;
    QCheckBox* ChkBonus;
    QCheckBox* ChkTotal;
    widgets::CommandLabel* LblViewTMeal;

    ChartView* MSChart1;
    QPushButton* Command2;
    widgets::CommandLabel* LblPrint;
    QPushButton* CmdHelp;

    app::WindowSwitcher& switcher_;
    app::DataWindowFrame frame_;
    ChartModel chart_;
    // The chart holds a measurement and its target, whose trend "Show trend" adds.
    bool hasTrend_ = false;
    // Said over the plot while the last VIEW found no rows, whose chart is no measurement;
    // empty otherwise.
    QString noRowsNote_;
    // The range of the last VIEW and the day of each of its rows.
    ReportRange range_;
    std::vector<QDate> days_;
    // The start and target days of the user's one target row, as the window opened.
    std::optional<std::pair<QDate, QDate>> targetDays_;
    // The progress log's column of the last weight or pulse report, and its target as stored;
    // the plan is drawn from them.
    QString measurement_;
    std::optional<double> storedTarget_;
    std::optional<PlanPath> plan_;
    bool planFound_ = false;
    SummaryWindow* summary_ = nullptr;
};

}  // namespace mirtal::reports
