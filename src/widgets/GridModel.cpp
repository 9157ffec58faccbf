#include "widgets/GridModel.h"

namespace mirtal::widgets {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!holds(index.row(), index.column())) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return cells_[at(index.row(), index.column())];
        case Qt::BackgroundRole:
            if (const auto own = colour(index.row(), index.column())) {
                return QBrush(*own);
            }
            return index.column() == 0 ? QVariant(fixedColumn_) : QVariant();
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < cols_) {
        if (role == Qt::DisplayRole) {
            return captions_.value(section);
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridModel::resize(int rows, int cols) {
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (cols != cols_) {
        // Every row changes shape: the cells are laid out afresh.
        beginResetModel();
        QList<QString> cells(qsizetype(rows) * cols);
        QHash<qsizetype, QColor> colours;
        for (int row = 0; row < std::min(rows, rows_); ++row) {
            for (int col = 0; col < std::min(cols, cols_); ++col) {
                cells[qsizetype(row) * cols + col] = cells_[at(row, col)];
                if (const auto own = colour(row, col)) {
                    colours.insert(qsizetype(row) * cols + col, *own);
                }
            }
        }
        captions_.resize(cols);
        cells_ = std::move(cells);
        colours_ = std::move(colours);
        rows_ = rows;
        cols_ = cols;
        endResetModel();
        return;
    }
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        cells_.resize(qsizetype(rows) * cols_);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        cells_.resize(qsizetype(rows) * cols_);
        colours_.removeIf(
            [end = qsizetype(rows) * cols_](const auto& entry) { return entry.key() >= end; });
        rows_ = rows;
        endRemoveRows();
    }
}

void GridModel::replaceAll(const QStringList& captions, int rows, QList<QString> cells) {
    beginResetModel();
    captions_ = captions;
    cols_ = static_cast<int>(captions.size());
    rows_ = rows;
    cells_ = std::move(cells);
    cells_.resize(qsizetype(rows_) * cols_);
    colours_.clear();
    endResetModel();
}

void GridModel::clearCells() {
    for (QString& cell : cells_) {
        cell.clear();
    }
    colours_.clear();
    if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
}

void GridModel::setCaption(int col, const QString& caption) {
    if (col >= 0 && col < cols_) {
        captions_[col] = caption;
        emit headerDataChanged(Qt::Horizontal, col, col);
    }
}

QString GridModel::text(int row, int col) const {
    return holds(row, col) ? cells_[at(row, col)] : QString();
}

void GridModel::setText(int row, int col, const QString& text) {
    if (holds(row, col)) {
        cells_[at(row, col)] = text;
        emit dataChanged(index(row, col), index(row, col), {Qt::DisplayRole});
    }
}

std::optional<QColor> GridModel::colour(int row, int col) const {
    const auto found = colours_.constFind(at(row, col));
    if (found == colours_.cend()) {
        return std::nullopt;
    }
    return *found;
}

void GridModel::setColour(int row, int col, std::optional<QColor> colour) {
    if (!holds(row, col)) {
        return;
    }
    if (colour) {
        colours_.insert(at(row, col), *colour);
    } else {
        colours_.remove(at(row, col));
    }
    emit dataChanged(index(row, col), index(row, col), {Qt::BackgroundRole});
}

bool GridModel::holds(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

}  // namespace mirtal::widgets
