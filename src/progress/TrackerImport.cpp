#include "progress/TrackerImport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include "progress/ProgressStatements.h"
#include "store/CsvReader.h"
#include "store/Database.h"
#include "store/DateText.h"
#include "store/KeyAllocator.h"
#include "store/StoreError.h"
#include "widgets/NumericField.h"

namespace mirtal::progress {

namespace {

using store::CsvFile;
using store::CsvRecord;
using store::StoreError;

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

// The names trackers give the day column.
int dayColumn(const CsvFile& csv) {
    for (const char* name : {"date", "day", "dateTime", "Date1"}) {
        if (const int column = csv.column(QLatin1String(name)); column >= 0) {
            return column;
        }
    }
    return -1;
}

// "yyyy-MM-dd", "yyyy/MM/dd" or "dd.MM.yyyy", with a time after a blank or a "T" that is
// dropped.
std::optional<QDate> readDay(const QString& text) {
    static const QRegularExpression form(QRegularExpression::anchoredPattern(QStringLiteral(
        "(?:(\\d{4})([-/])(\\d{1,2})\\2(\\d{1,2})|(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4}))"
        "(?:[ "
        "T]\\d{1,2}:\\d{2}(?::\\d{2}(?:[.,]\\d+)?)?\\s*(?:Z|[+-]\\d{2}:?\\d{2}|[AaPp][Mm])?)?")));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const bool isoOrder = !match.captured(1).isEmpty();
    const QDate day = isoOrder ? QDate(match.captured(1).toInt(), match.captured(3).toInt(),
                                       match.captured(4).toInt())
                               : QDate(match.captured(7).toInt(), match.captured(6).toInt(),
                                       match.captured(5).toInt());
    return day.isValid() ? std::optional(day) : std::nullopt;
}

// A number as the window's numeric field takes it; a decimal comma reads as a point.
std::optional<QString> readNumber(const QString& text) {
    const QString number = QString(text).replace(u',', u'.');
    return widgets::isAcceptableNumber(number) ? std::optional(number) : std::nullopt;
}

const QString numberRule = QStringLiteral(
                               "a number such as 72 or 80.5 (digits with at most one point or "
                               "comma, at most %1 before it)")
                               .arg(widgets::maxWholeDigits);

// The morale choice of that name, spelt as the list spells it.
std::optional<QString> moraleChoice(const QStringList& choices, const QString& text) {
    for (const QString& choice : choices) {
        if (choice.compare(text, Qt::CaseInsensitive) == 0) {
            return choice;
        }
    }
    return std::nullopt;
}

struct Entry {
    QDate day;
    QString pulse;
    QString weight;
    QString morale;
};

class RowReader {
  public:
    RowReader(const CsvFile& csv, const TrackerImport& request, const QStringList& moraleChoices)
        : csv_(csv),
          request_(request),
          choices_(moraleChoices),
          day_(dayColumn(csv)),
          weight_(csv.column(QStringLiteral("weight"))),
          pulse_(csv.column(QStringLiteral("pulse"))),
          morale_(csv.column(QStringLiteral("morale"))) {}

    Entry read(const CsvRecord& record) const {
        Entry entry;
        const QString dayText = cell(record, day_);
        const std::optional<QDate> day = readDay(dayText);
        if (!day) {
            bad(record, day_,
                QStringLiteral("is not a day (yyyy-MM-dd, yyyy/MM/dd or dd.MM.yyyy)"));
        }
        entry.day = *day;
        entry.weight = number(record, weight_, std::nullopt, QString());
        entry.pulse = number(record, pulse_, request_.pulse, QStringLiteral("--pulse N"));
        const QString moraleText = cell(record, morale_);
        if (moraleText.isEmpty()) {
            if (!request_.morale) {
                bad(record, morale_,
                    QStringLiteral("is empty; give --morale CHOICE for such rows"));
            }
            entry.morale = *request_.morale;
        } else if (const std::optional<QString> choice = moraleChoice(choices_, moraleText)) {
            entry.morale = *choice;
        } else {
            bad(record, morale_,
                QStringLiteral("is not a morale choice (%1)")
                    .arg(choices_.join(QStringLiteral(", "))));
        }
        // Typed texts keep no apostrophe: the statement quotes them.
        entry.morale.replace(u'\'', u'`');
        return entry;
    }

  private:
    QString cell(const CsvRecord& record, int column) const { return record.text(column); }

    // An empty cell takes `forEmpty`, which the option `option` gives, when there is one.
    QString number(const CsvRecord& record, int column, const std::optional<QString>& forEmpty,
                   const QString& option) const {
        const QString text = cell(record, column);
        if (text.isEmpty() && forEmpty) {
            return *forEmpty;
        }
        if (text.isEmpty()) {
            bad(record, column,
                option.isEmpty() ? QStringLiteral("is empty")
                                 : QStringLiteral("is empty; give %1 for such rows").arg(option));
        }
        const std::optional<QString> value = readNumber(text);
        if (!value) {
            bad(record, column, QStringLiteral("is not %1").arg(numberRule));
        }
        return *value;
    }

    [[noreturn]] void bad(const CsvRecord& record, int column, const QString& what) const {
        throw StoreError(QStringLiteral("%1: '%2' %3.")
                             .arg(csv_.placeOf(record, column), cell(record, column), what));
    }

    const CsvFile& csv_;
    const TrackerImport& request_;
    const QStringList& choices_;
    int day_;
    int weight_;
    int pulse_;
    int morale_;
};

void requireColumns(const CsvFile& csv, const TrackerImport& request) {
    const QString file = native(csv.path);
    if (dayColumn(csv) < 0 || csv.column(QStringLiteral("weight")) < 0) {
        throw StoreError(QStringLiteral("%1 has no header naming its columns: its first line "
                                        "must name a day column (date, day, dateTime or Date1) "
                                        "and a weight column; pulse and morale may follow.")
                             .arg(file));
    }
    if (csv.column(QStringLiteral("pulse")) < 0 && !request.pulse) {
        throw StoreError(QStringLiteral("%1 has no pulse column, and every progress entry holds "
                                        "a pulse: give one for all rows with --pulse N.")
                             .arg(file));
    }
    if (csv.column(QStringLiteral("morale")) < 0 && !request.morale) {
        throw StoreError(QStringLiteral("%1 has no morale column, and every progress entry holds "
                                        "a morale: give one for all rows with --morale CHOICE.")
                             .arg(file));
    }
    if (csv.records.empty()) {
        throw StoreError(QStringLiteral("%1 holds a header but no rows.").arg(file));
    }
}

QString userIdNamed(store::Database& db, const QString& name) {
    // Names are stored with each apostrophe turned into a backquote.
    const QString stored = QString(name).replace(u'\'', u'`');
    QStringList ids;
    for (store::ResultSet rs =
             db.selectNative("SELECT UserID, UserName FROM User1 ORDER BY UserID");
         !rs.eof(); rs.moveNext()) {
        if (rs.field(1).toString() == stored) {
            ids << rs.field(0).toString();
        }
    }
    if (ids.isEmpty()) {
        throw StoreError(QStringLiteral("No user is named %1.").arg(name));
    }
    if (ids.size() > 1) {
        throw StoreError(QStringLiteral("%1 users are named %2; give each their own name in the "
                                        "user window first.")
                             .arg(ids.size())
                             .arg(name));
    }
    return ids.front();
}

QStringList moraleChoices(store::Database& db) {
    QStringList choices;
    for (store::ResultSet rs = db.select(statements::moraleChoices()); !rs.eof(); rs.moveNext()) {
        choices << rs.field(u"MealName").toString();
    }
    return choices;
}

QSet<QDate> daysWithEntries(store::Database& db, const QString& user) {
    QSet<QDate> days;
    for (store::ResultSet rs = db.select(statements::progressEntriesOfUser(user)); !rs.eof();
         rs.moveNext()) {
        if (const auto day = store::DateText::parseDayText(rs.field(u"Date").toString())) {
            days.insert(*day);
        }
    }
    return days;
}

// The values given on the command line, checked as the rows are.
TrackerImport checkedRequest(TrackerImport request, const QStringList& choices) {
    if (request.pulse) {
        const std::optional<QString> pulse = readNumber(request.pulse->trimmed());
        if (!pulse) {
            throw StoreError(
                QStringLiteral("--pulse '%1' is not %2.").arg(*request.pulse, numberRule));
        }
        request.pulse = pulse;
    }
    if (request.morale) {
        const std::optional<QString> morale = moraleChoice(choices, request.morale->trimmed());
        if (!morale) {
            throw StoreError(QStringLiteral("--morale '%1' is not one of the morale choices: %2.")
                                 .arg(*request.morale, choices.join(QStringLiteral(", "))));
        }
        request.morale = morale;
    }
    return request;
}

}  // namespace

TrackerImportResult importTrackerCsv(const store::ConnectionSettings& database,
                                     const TrackerImport& given) {
    const CsvFile csv = store::readCsvFile(given.file);
    requireColumns(csv, given);
    const std::unique_ptr<store::Database> db = store::Database::open(database);
    const QString user = userIdNamed(*db, given.userName);
    const QStringList choices = moraleChoices(*db);
    const TrackerImport request = checkedRequest(given, choices);

    const RowReader reader(csv, request, choices);
    QList<Entry> entries;
    entries.reserve(csv.records.size());
    for (const CsvRecord& record : csv.records) {
        entries << reader.read(record);
    }

    TrackerImportResult result;
    db->inTransaction([&] {
        QSet<QDate> taken = daysWithEntries(*db, user);
        // Each insert makes its key the largest, so counting on from the first is the
        // maximum plus one every time.
        qint64 key = store::nextKey(*db, statements::lastProgressKey());
        for (const Entry& entry : entries) {
            if (taken.contains(entry.day)) {
                ++result.skipped;
                continue;
            }
            taken.insert(entry.day);
            db->execute(statements::insertProgressEntry(key++, user, entry.day, entry.pulse,
                                                        entry.weight, entry.morale));
            ++result.added;
        }
    });
    return result;
}

}  // namespace mirtal::progress
