#pragma once

#include <QDateEdit>

namespace mirtal::widgets {

// A date field shown "yyyy/MM/dd" with a calendar that drops down. closeUp() tells the window
// that the calendar has closed, the moment the windows reload for the day now shown; a date
// typed into the field or set from code does not emit it.
class DatePicker : public QDateEdit {
    Q_OBJECT
  public:
    static inline const QString displayFormatText = QStringLiteral("yyyy/MM/dd");

    explicit DatePicker(const QString& name, QWidget* parent = nullptr);

    // Takes a day shown as "yyyy/MM/dd" (a grid cell); any other text leaves the date as it is.
    void setDateText(const QString& text);

  signals:
    void closeUp();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace mirtal::widgets
