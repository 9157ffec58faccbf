#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace mirtal::app {

// The help window: one resizable child window that shows the instructions of whichever
// window last pressed its Help button.
class Form8 : public QWidget {
    Q_OBJECT
  public:
    explicit Form8(QWidget* parent = nullptr);

    void showText(const QString& title, const QString& text);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* Label1;
    QPlainTextEdit* Text1;
};

}  // namespace mirtal::app
