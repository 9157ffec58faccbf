#pragma once

#include <QDateEdit>

namespace mirtal::widgets {

// A date field shown "yyyy/MM/dd" with a calendar that drops down. closeUp() tells the window
// that the calendar has closed, the moment the windows reload for the day now shown; a date
// typed into the field or set from code does not emit it. F4 or Alt+Down opens the calendar
// as a click on the arrow does. Tab leaves the field, as it leaves every other; the arrows or
// a typed "/" go from year to month to day. Assistive tools step it up and down as Up and Down
// do.
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
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void openCalendar();
};

}  // namespace mirtal::widgets
