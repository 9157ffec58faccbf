#include "reports/SummaryWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "reports/RangeSummary.h"
#include "widgets/AccessibleNames.h"

namespace mirtal::reports {

SummaryWindow::SummaryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      SummaryGrid(new QTableWidget(this)),
      CmdCopy(new QPushButton(QStringLiteral("Copy"), this)) {
    setObjectName(QStringLiteral("ChartSummary"));
    SummaryGrid->setObjectName(QStringLiteral("SummaryGrid"));
    CmdCopy->setObjectName(QStringLiteral("CmdCopy"));
    SummaryGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SummaryGrid->verticalHeader()->setVisible(false);
    SummaryGrid->setWordWrap(false);
    widgets::nameForScreenReaders({{SummaryGrid, QStringLiteral("Summary of the chart's range")},
                                   {CmdCopy, QStringLiteral("Copy the summary")}});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdCopy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SummaryGrid);
    layout->addLayout(buttons);

    connect(CmdCopy, &QPushButton::clicked, this, &SummaryWindow::copy);
}

void SummaryWindow::showSummary(const QString& title, const RangeSummary& summary) {
    setWindowTitle(title.isEmpty() ? QStringLiteral("Summary")
                                   : QStringLiteral("Summary: ") + title);
    SummaryGrid->clear();
    SummaryGrid->setColumnCount(static_cast<int>(summary.header.size()));
    SummaryGrid->setHorizontalHeaderLabels(summary.header);
    SummaryGrid->setRowCount(static_cast<int>(summary.rows.size()));
    for (int row = 0; row < summary.rows.size(); ++row) {
        const QStringList& cells = summary.rows[row];
        for (int column = 0; column < cells.size(); ++column) {
            SummaryGrid->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    SummaryGrid->resizeColumnsToContents();
    // The whole table in view, without scrolling.
    int tableWidth = 2 * SummaryGrid->frameWidth();
    for (int column = 0; column < SummaryGrid->columnCount(); ++column) {
        tableWidth += SummaryGrid->columnWidth(column);
    }
    int tableHeight = 2 * SummaryGrid->frameWidth() + SummaryGrid->horizontalHeader()->height();
    for (int row = 0; row < SummaryGrid->rowCount(); ++row) {
        tableHeight += SummaryGrid->rowHeight(row);
    }
    SummaryGrid->setMinimumSize(tableWidth, tableHeight);
    resize(minimumSizeHint());
    copied_ = summary.tabSeparated();
}

void SummaryWindow::copy() {
    QApplication::clipboard()->setText(copied_);
}

}  // namespace mirtal::reports
