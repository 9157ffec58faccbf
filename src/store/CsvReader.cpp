#include "store/CsvReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace mirtal::store {

namespace {

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

// The separator is the one of the two that the header line holds more of.
QChar separatorOf(QStringView text) {
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && (c == u'\n' || c == u'\r')) {
            break;
        } else if (!quoted && c == u',') {
            ++commas;
        } else if (!quoted && c == u';') {
            ++semicolons;
        }
    }
    return semicolons > commas ? u';' : u',';
}

class Parser {
  public:
    Parser(const QString& path, QStringView text) : path_(path), text_(text) {}

    // The records in order, each with the line it began on; blank lines are left out.
    QList<CsvRecord> records() {
        const QChar separator = separatorOf(text_);
        QList<CsvRecord> result;
        CsvRecord record{line_, {}};
        QString field;
        bool fieldQuoted = false;
        const auto endField = [&] {
            record.fields << (fieldQuoted ? field : field.trimmed());
            field.clear();
            fieldQuoted = false;
        };
        const auto endRecord = [&] {
            endField();
            if (record.fields.size() > 1 || !record.fields.front().isEmpty()) {
                result << std::move(record);
            }
            record = CsvRecord{line_, {}};
        };
        while (at_ < text_.size()) {
            const QChar c = text_[at_++];
            if (c == u'"' && field.trimmed().isEmpty() && !fieldQuoted) {
                field.clear();
                readQuoted(field);
                fieldQuoted = true;
            } else if (c == separator) {
                endField();
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && at_ < text_.size() && text_[at_] == u'\n') {
                    ++at_;
                }
                ++line_;
                endRecord();
            } else if (fieldQuoted) {
                if (!c.isSpace()) {
                    throw StoreError(QStringLiteral("%1, line %2: a quoted field goes on after "
                                                    "its closing quote.")
                                         .arg(native(path_))
                                         .arg(line_));
                }
            } else {
                field += c;
            }
        }
        endRecord();
        return result;
    }

  private:
    // The field's text up to its closing quote, with each doubled quote read as one.
    void readQuoted(QString& field) {
        const int opened = line_;
        while (at_ < text_.size()) {
            const QChar c = text_[at_++];
            if (c == u'"') {
                if (at_ < text_.size() && text_[at_] == u'"') {
                    field += c;
                    ++at_;
                    continue;
                }
                return;
            }
            if (c == u'\n' || (c == u'\r' && (at_ >= text_.size() || text_[at_] != u'\n'))) {
                ++line_;
            }
            field += c;
        }
        throw StoreError(QStringLiteral("%1, line %2: the quote opened here is never closed.")
                             .arg(native(path_))
                             .arg(opened));
    }

    const QString& path_;
    QStringView text_;
    qsizetype at_ = 0;
    int line_ = 1;
};

}  // namespace

int CsvFile::column(const QString& name) const {
    for (int i = 0; i < header.size(); ++i) {
        if (header[i].compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QString CsvFile::placeOf(const CsvRecord& record, int column) const {
    return QStringLiteral("%1, line %2, column %3")
        .arg(native(path), QString::number(record.line), header.value(column));
}

CsvFile readCsvFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        throw StoreError(QStringLiteral("%1 is not a file.").arg(native(path)));
    }
    if (info.size() > maxCsvBytes) {
        throw StoreError(QStringLiteral("%1 is larger than 100 MB; a CSV file of measurements "
                                        "is far smaller.")
                             .arg(native(path)));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw StoreError(
            QStringLiteral("%1 cannot be read: %2.").arg(native(path), file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0')) {
        throw StoreError(
            QStringLiteral("%1 is not a text file in UTF-8; save it as CSV text and try again.")
                .arg(native(path)));
    }
    // The decoder drops a byte-order mark at the start.
    Parser parser(path, text);
    QList<CsvRecord> records = parser.records();
    if (records.isEmpty()) {
        throw StoreError(QStringLiteral("%1 is empty.").arg(native(path)));
    }
    CsvFile csv{path, records.takeFirst().fields, std::move(records)};
    return csv;
}

}  // namespace mirtal::store
