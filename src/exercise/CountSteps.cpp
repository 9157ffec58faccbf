#include "exercise/CountSteps.h"

#include <optional>

#include "widgets/NumericField.h"

namespace mirtal::exercise {

namespace {

// A count split at its point. Steps of one only touch the whole part, so the decimals are
// kept as typed and nothing is lost to binary fractions.
struct Count {
    qint64 whole = 0;
    QString decimals;
};

// The whole part fits a 64-bit number up to 18 digits; a longer one is not a count to step.
constexpr qsizetype maxSteppedDigits = 18;

std::optional<Count> parse(const QString& text) {
    if (!widgets::isWellFormedNumber(text)) {
        return std::nullopt;
    }
    const qsizetype point = text.indexOf(u'.');
    const QString whole = point < 0 ? text : text.left(point);
    if (whole.size() > maxSteppedDigits) {
        return std::nullopt;
    }
    Count count;
    count.whole = whole.isEmpty() ? 0 : whole.toLongLong();
    count.decimals = point < 0 ? QString() : text.mid(point + 1);
    while (count.decimals.endsWith(u'0')) {
        count.decimals.chop(1);
    }
    return count;
}

QString plain(const Count& count) {
    const QString whole = QString::number(count.whole);
    return count.decimals.isEmpty() ? whole : whole + u'.' + count.decimals;
}

}  // namespace

QString countUp(const QString& count) {
    std::optional<Count> value = parse(count);
    if (!value) {
        return QStringLiteral("1");
    }
    ++value->whole;
    return plain(*value);
}

QString countDown(const QString& count) {
    std::optional<Count> value = parse(count);
    // Below 2 one step down would go under 1.
    if (!value || value->whole < 2) {
        return count;
    }
    --value->whole;
    return plain(*value);
}

}  // namespace mirtal::exercise
