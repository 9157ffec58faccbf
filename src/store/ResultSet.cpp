#include "store/ResultSet.h"

#include "store/StoreError.h"

namespace mirtal::store {

ResultSet::ResultSet(QStringList columnNames, std::vector<QVariant> cells)
    : columnNames_(std::move(columnNames)),
      cells_(std::move(cells)),
      rowCount_(columnNames_.isEmpty()
                    ? 0
                    : static_cast<int>(cells_.size()) / static_cast<int>(columnNames_.size())) {}

void ResultSet::moveNext() {
    if (eof()) {
        throw StoreError(
            QStringLiteral("There is no next record: the end of the records is reached."));
    }
    ++current_;
}

const QVariant& ResultSet::field(int position) const {
    if (eof()) {
        throw StoreError(
            QStringLiteral("There is no current record: the end of the records is reached."));
    }
    if (position < 0 || position >= fieldCount()) {
        throw StoreError(QStringLiteral("The select has no field number %1.").arg(position));
    }
    return cells_[static_cast<std::size_t>(current_ * fieldCount() + position)];
}

const QVariant& ResultSet::value(int row, int position) const {
    if (row < 0 || row >= rowCount_ || position < 0 || position >= fieldCount()) {
        throw StoreError(
            QStringLiteral("The select has no field %1 in row %2.").arg(position).arg(row));
    }
    return cells_[static_cast<std::size_t>(row * fieldCount() + position)];
}

const QVariant& ResultSet::field(QStringView name) const {
    for (int i = 0; i < fieldCount(); ++i) {
        if (name.compare(columnNames_[i], Qt::CaseInsensitive) == 0) {
            return field(i);
        }
    }
    throw StoreError(QStringLiteral("The select has no field named %1.").arg(name));
}

}  // namespace mirtal::store
