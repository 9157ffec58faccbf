#pragma once

#include <QAbstractTableModel>
#include <QBrush>
#include <QHash>
#include <QList>
#include <QStringList>
#include <optional>

namespace mirtal::widgets {

// The texts and colours behind a Grid, in Qt's numbering (row 0 is the first data row). The
// cells are one flat list of texts, so that thousands of rows go in with one reset and no
// object per cell; the few cells with a colour of their own keep it in a side table.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Column 0 is drawn like the header it stands beside.
    void setFixedColumnBrush(const QBrush& brush) { fixedColumn_ = brush; }

    // New columns and rows come empty; the cells that remain keep their texts and colours.
    void resize(int rows, int cols);
    // Everything at once: captions, then `cells` row after row (rows * captions.size() texts).
    void replaceAll(const QStringList& captions, int rows, QList<QString> cells);
    void clearCells();

    QString caption(int col) const { return captions_.value(col); }
    void setCaption(int col, const QString& caption);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    // A cell's own colour, if it was given one.
    std::optional<QColor> colour(int row, int col) const;
    void setColour(int row, int col, std::optional<QColor> colour);

  private:
    bool holds(int row, int col) const;
    qsizetype at(int row, int col) const { return qsizetype(row) * cols_ + col; }

    int rows_ = 0;
    int cols_ = 0;
    QStringList captions_;
    QList<QString> cells_;
    QHash<qsizetype, QColor> colours_;
    QBrush fixedColumn_;
};

}  // namespace mirtal::widgets
