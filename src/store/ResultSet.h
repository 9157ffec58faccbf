#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace mirtal::store {

// The rows of one select, held in memory: the record count is known before any row is
// read, fields are read by name or by position on the current row, and moveNext() walks on
// until eof(). Day columns come back as QDate, numbers as qlonglong or double, texts as
// QString, nulls as an invalid QVariant.
class ResultSet {
  public:
    ResultSet() = default;
    ResultSet(QStringList columnNames, std::vector<QVariant> cells);

    int recordCount() const { return rowCount_; }
    bool eof() const { return current_ >= rowCount_; }
    void moveNext();

    int fieldCount() const { return static_cast<int>(columnNames_.size()); }
    const QStringList& columnNames() const { return columnNames_; }

    // Throws StoreError past the end or for a field the select does not have. The reference
    // holds until the result set goes.
    const QVariant& field(int position) const;
    const QVariant& field(QStringView name) const;

    // Any row's field by position, whatever the current row; for showing all rows at once.
    const QVariant& value(int row, int position) const;

  private:
    QStringList columnNames_;
    std::vector<QVariant> cells_;  // row after row
    int rowCount_ = 0;
    int current_ = 0;
};

}  // namespace mirtal::store
