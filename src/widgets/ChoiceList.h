#pragma once

#include <QComboBox>
#include <QItemSelection>

namespace mirtal::widgets {

// A drop-down list that holds only what is picked from it or set by the program: typing and the
// mouse wheel never change its text or its current entry. Up and Down pick the entry above or
// below the current one (the first when none is), and an assistive tool picks an entry by
// selecting it, each as a pick from the open list does. The program may set any text, also one
// that is not listed, or none. Adding entries leaves the text alone; clear() empties it.
// dropDown() comes just before the list opens, so the window can refill it then; picked() comes
// when the person picks an entry.
class ChoiceList : public QComboBox {
    Q_OBJECT
  public:
    explicit ChoiceList(const QString& name, QWidget* parent = nullptr);

    // The current entry when the text is listed, else no entry.
    void setText(const QString& text);
    QString text() const { return currentText(); }

    void showPopup() override;

  signals:
    void dropDown();
    void picked(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void step(int rows);
    void pickSelectedByTool(const QItemSelection& selected);
    void pick(int index);

    // Set while the list moves its own selection: opening, or showing a pick.
    bool movingSelection_ = false;
};

}  // namespace mirtal::widgets
