#pragma once

#include <QString>

class QChartView;

namespace mirtal::reports {

// The chart kept outside the program. Each save writes beside the file and puts it in place
// only when it is whole, so a failure leaves no broken file and no file it would replace
// damaged; it answers an empty text when the file is saved, or else what went wrong.
QString saveChartAsPng(QChartView* view, const QString& path);
// A page the size of the chart, drawn afresh rather than copied from the screen, so that
// lines and text stay sharp at any size.
QString saveChartAsPdf(QChartView* view, const QString& path);

// The chart's picture on the clipboard, for pasting into a document or a message.
void copyChart(QChartView* view);

}  // namespace mirtal::reports
