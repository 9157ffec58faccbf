#pragma once

#include <QComboBox>

namespace mirtal::widgets {

// A drop-down list that holds only what is picked from it or set by the program: keys and the
// mouse wheel never change its text or its current entry. The program may set any text, also
// one that is not listed, or none. Adding entries leaves the text alone; clear() empties it.
// dropDown() comes just before the list opens, so the window can refill it then; picked() comes
// when the person picks an entry from the open list.
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
};

}  // namespace mirtal::widgets
