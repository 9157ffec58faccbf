#pragma once

#include <QDate>
#include <optional>

namespace mirtal::app {

// "Today" for every default date of the program; tests pin it to a day of their choosing.
class Clock {
  public:
    static QDate today() { return pinned().value_or(QDate::currentDate()); }
    static void pin(std::optional<QDate> day) { pinned() = day; }

  private:
    static std::optional<QDate>& pinned() {
        static std::optional<QDate> day;
        return day;
    }
};

}  // namespace mirtal::app
