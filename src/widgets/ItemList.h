#pragma once

#include <QListWidget>
#include <QVariant>

namespace mirtal::widgets {

// A list whose entries show a text and carry an item datum each (a key), as the pick lists of
// the windows show names and carry the rows' keys. picked() comes when the person chooses an
// entry, with a click, by moving to it with the keys or with Space on the entry that has the
// focus frame; filling the list from code does not emit it, and a freshly filled list has no
// entry highlighted.
class ItemList : public QListWidget {
    Q_OBJECT
  public:
    explicit ItemList(const QString& name, QWidget* parent = nullptr);

    void addEntry(const QString& text, const QVariant& data);
    QVariant itemData(int row) const;

  signals:
    void picked(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace mirtal::widgets
