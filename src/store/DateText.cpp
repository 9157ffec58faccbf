#include "store/DateText.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <array>

namespace mirtal::store {

namespace {

enum class DatePart { Day, Month, Year };

struct ShortDatePattern {
    std::array<DatePart, 3> order{DatePart::Month, DatePart::Day, DatePart::Year};
    bool padDay = false;
    bool padMonth = false;
    QString separator = QStringLiteral("/");
};

// Order, padding and separator of the locale's short date, read off its format string.
ShortDatePattern localePattern() {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    ShortDatePattern pattern;
    std::array<qsizetype, 3> positions{format.indexOf(u'd'), format.indexOf(u'M'),
                                       format.indexOf(u'y')};
    if (positions[0] >= 0 && positions[1] >= 0 && positions[2] >= 0) {
        std::array<DatePart, 3> parts{DatePart::Day, DatePart::Month, DatePart::Year};
        std::sort(parts.begin(), parts.end(), [&](DatePart a, DatePart b) {
            return positions[static_cast<int>(a)] < positions[static_cast<int>(b)];
        });
        pattern.order = parts;
    }
    pattern.padDay = format.contains(QStringLiteral("dd"));
    pattern.padMonth = format.contains(QStringLiteral("MM"));
    for (const QChar c : format) {
        if (!c.isLetter()) {
            pattern.separator = QString(c);
            break;
        }
    }
    return pattern;
}

struct Settings {
    QString separator = localePattern().separator;
    QString timeFormat = QLocale().timeFormat(QLocale::ShortFormat);
};

Settings& settings() {
    static Settings instance;
    return instance;
}

}  // namespace

QString DateText::shortDate(QDate day) {
    const ShortDatePattern pattern = localePattern();
    QStringList pieces;
    for (const DatePart part : pattern.order) {
        switch (part) {
            case DatePart::Day:
                pieces << QString::number(day.day()).rightJustified(pattern.padDay ? 2 : 1, u'0');
                break;
            case DatePart::Month:
                pieces
                    << QString::number(day.month()).rightJustified(pattern.padMonth ? 2 : 1, u'0');
                break;
            case DatePart::Year:
                pieces << QString::number(day.year()).rightJustified(4, u'0');
                break;
        }
    }
    return pieces.join(settings().separator);
}

std::optional<QDate> DateText::parseShortDate(QStringView text) {
    QList<int> numbers;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!text[i].isDigit()) {
            ++i;
            continue;
        }
        int value = 0;
        qsizetype digits = 0;
        while (i < text.size() && text[i].isDigit() && digits < 5) {
            value = value * 10 + text[i].digitValue();
            ++i;
            ++digits;
        }
        numbers << value;
    }
    if (numbers.size() != 3) {
        return std::nullopt;
    }
    int day = 0;
    int month = 0;
    int year = 0;
    const ShortDatePattern pattern = localePattern();
    for (int k = 0; k < 3; ++k) {
        switch (pattern.order[static_cast<std::size_t>(k)]) {
            case DatePart::Day:
                day = numbers[k];
                break;
            case DatePart::Month:
                month = numbers[k];
                break;
            case DatePart::Year:
                year = numbers[k];
                break;
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

// Written by hand: a twenty-year report labels thousands of rows with their days, and
// QDate::toString with a format costs microseconds.
bool DateText::writeDayText(QDate day, std::array<char16_t, 10>& out) {
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth);
    if (!day.isValid() || year < 0 || year > 9999) {
        return false;
    }
    const auto digit = [](int value) { return static_cast<char16_t>(u'0' + value % 10); };
    out = {digit(year / 1000),
           digit(year / 100),
           digit(year / 10),
           digit(year),
           u'/',
           digit(month / 10),
           digit(month),
           u'/',
           digit(dayOfMonth / 10),
           digit(dayOfMonth)};
    return true;
}

QString DateText::dayText(QDate day) {
    std::array<char16_t, 10> text{};
    if (!writeDayText(day, text)) {
        return day.toString(QStringLiteral("yyyy/MM/dd"));
    }
    return QString(reinterpret_cast<const QChar*>(text.data()), text.size());
}

QString DateText::dayLiteral(QDate day) {
    return QStringLiteral("#") + dayText(day) + QStringLiteral("#");
}

// Read by hand: every day literal of every statement comes through here, and QDate::fromString
// with a format costs microseconds. It takes what the format "yyyy/M/d" takes, but for years
// before the common era, which no day of this program has.
std::optional<QDate> DateText::parseDayText(QStringView text) {
    qsizetype at = 0;
    const auto number = [&](qsizetype fewest, qsizetype most) -> std::optional<int> {
        int value = 0;
        qsizetype digits = 0;
        while (at < text.size() && digits < most && text[at] >= u'0' && text[at] <= u'9') {
            value = value * 10 + (text[at].unicode() - u'0');
            ++at;
            ++digits;
        }
        return digits < fewest ? std::nullopt : std::optional<int>(value);
    };
    const auto slash = [&] { return at < text.size() && text[at++] == u'/'; };
    const auto year = number(4, 4);
    if (!year || !slash()) {
        return std::nullopt;
    }
    const auto month = number(1, 2);
    if (!month || !slash()) {
        return std::nullopt;
    }
    const auto day = number(1, 2);
    if (!day || at != text.size() || !QDate::isValid(*year, *month, *day)) {
        return std::nullopt;
    }
    return QDate(*year, *month, *day);
}

QString DateText::dateSeparator() {
    return settings().separator;
}

void DateText::setDateSeparator(const QString& separator) {
    settings().separator = separator;
}

QString DateText::timeFormat() {
    return settings().timeFormat;
}

void DateText::setTimeFormat(const QString& format) {
    settings().timeFormat = format;
}

}  // namespace mirtal::store
