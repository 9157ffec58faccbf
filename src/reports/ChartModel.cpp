#include "reports/ChartModel.h"

#include <utility>

namespace mirtal::reports {

namespace {

std::size_t index(int numberFromOne) {
    return static_cast<std::size_t>(numberFromOne - 1);
}

}  // namespace

void ChartModel::setRowCount(int count) {
    rowLabels_.resize(count);
    for (Column& column : columns_) {
        column.values.resize(static_cast<std::size_t>(count));
    }
}

void ChartModel::setColumnCount(int count) {
    columns_.resize(static_cast<std::size_t>(count));
    for (Column& column : columns_) {
        column.values.resize(static_cast<std::size_t>(rowCount()));
    }
}

ChartModel::Column& ChartModel::selectedColumn() {
    return columns_.at(index(column_));
}

void ChartModel::setValue(float value) {
    selectedColumn().values.at(index(row_)) = value;
}

void ChartModel::setRowLabel(QStringView label) {
    rowLabels_.set(row_ - 1, label);
}

void ChartModel::setColumnLabel(const QString& label) {
    selectedColumn().label = label;
}

float ChartModel::value(int row, int column) const {
    return columnValues(column).at(index(row));
}

const std::vector<float>& ChartModel::columnValues(int column) const {
    return columns_.at(index(column)).values;
}

ChartModel ChartModel::withColumn(const QString& label, std::vector<float> values) const {
    ChartModel shown = *this;
    values.resize(static_cast<std::size_t>(rowCount()));
    shown.columns_.push_back(Column{label, std::move(values)});
    return shown;
}

QString ChartModel::rowLabel(int row) const {
    return rowLabels_.at(row - 1).toString();
}

QString ChartModel::columnLabel(int column) const {
    return columns_.at(index(column)).label;
}

}  // namespace mirtal::reports
