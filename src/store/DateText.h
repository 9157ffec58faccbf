#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace mirtal::store {

// The date and time texts of the program. The separator and the time format are this
// process's own settings, taken from the locale at start and changed only by the shell's
// SetDateSeparator and SetTimeFormat: the operating system's settings are never touched.
class DateText {
  public:
    // A day as inserts write it: the locale's short-date order of day, month and year, the
    // current separator, and a four-digit year (12/8/2026 in en_US, 08/12/2026 in de_DE).
    static QString shortDate(QDate day);

    // Reads a day written by shortDate() back, in the same locale, whatever separator
    // stood between its parts.
    static std::optional<QDate> parseShortDate(QStringView text);

    // "yyyy/MM/dd", the form of day literals and of days shown in grids.
    static QString dayText(QDate day);
    // dayText(day) without a string of its own, for labels built in one piece; false for a
    // day it cannot write that way (invalid, or a year outside 0 to 9999).
    static bool writeDayText(QDate day, std::array<char16_t, 10>& out);
    static std::optional<QDate> parseDayText(QStringView text);
    // The day between "#" signs, as statements compare a day column with it: #2026/12/08#.
    static QString dayLiteral(QDate day);

    static QString dateSeparator();
    static void setDateSeparator(const QString& separator);
    static QString timeFormat();
    static void setTimeFormat(const QString& format);
};

}  // namespace mirtal::store
