#include "store/CsvReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <deque>
#include <string>

namespace mirtal::store {

// The file's bytes, and the few fields whose text is not a run of them: those with doubled
// quotes, and those with blanks outside ASCII around them. A deque never moves what it holds,
// so the views into it stay good while it grows.
struct CsvBytes {
    QByteArray file;
    std::deque<std::string> rewritten;
    std::vector<std::string_view> fields;  // every record's fields, one record after another
};

namespace {

QString native(const QString& file) {
    return QDir::toNativeSeparators(file);
}

// A byte-order mark inside the file is a character of the field it stands in; only the one at
// the start of the file is not.
QString textOf(std::string_view utf8) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

// The blanks QChar::isSpace knows below 128; the others are UTF-8 sequences of two or three
// bytes, all of them 128 or more.
bool isAsciiBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// Whether the text is nothing but blanks, as QString::trimmed sees them.
bool isBlank(std::string_view text) {
    for (const char c : text) {
        if (!isAscii(c)) {
            return textOf(text).trimmed().isEmpty();
        }
        if (!isAsciiBlank(c)) {
            return false;
        }
    }
    return true;
}

// The separator is the one of the two that the header line holds more of.
char separatorOf(std::string_view text) {
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted && c == ',') {
            ++commas;
        } else if (!quoted && c == ';') {
            ++semicolons;
        }
    }
    return semicolons > commas ? ';' : ',';
}

// Reads the records off the bytes in one pass, byte by byte: every character that means
// something to CSV is ASCII, and no byte of a longer UTF-8 sequence is.
class Parser {
  public:
    // Where a record's fields are among all the fields, until the last of them is read.
    struct Place {
        int line = 0;
        std::size_t first = 0;
        std::size_t count = 0;
    };

    Parser(const QString& path, CsvBytes& bytes, std::string_view text)
        : path_(path), bytes_(bytes), text_(text) {}

    // The records in order, each with the line it began on; blank lines are left out.
    std::vector<Place> records() {
        const char separator = separatorOf(text_);
        std::vector<Place> result;
        std::vector<std::string_view>& fields = bytes_.fields;
        for (;;) {
            Place place{line_, fields.size()};
            char end = 0;
            do {
                end = field(separator);
            } while (end == separator);
            place.count = fields.size() - place.first;
            if (place.count > 1 || !fields.back().empty()) {
                result.push_back(place);
            } else {
                fields.pop_back();
            }
            if (end == endOfText) {
                return result;
            }
        }
    }

  private:
    static constexpr char endOfText = '\0';
    static constexpr char endOfLine = '\n';

    // Reads one field and what ends it: the separator, endOfLine or endOfText.
    char field(char separator) {
        const std::size_t begin = at_;
        bool blankSoFar = true;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == separator || c == '\n' || c == '\r') {
                break;
            }
            // A quote opens a quoted field where only blanks came before it; elsewhere it is
            // a character like any other.
            if (c == '"' && blankSoFar) {
                blankSoFar = isBlank(text_.substr(begin, at_ - begin));
                if (blankSoFar) {
                    return quoted(separator);
                }
            }
            ++at_;
        }
        bytes_.fields.push_back(trimmed(text_.substr(begin, at_ - begin)));
        return ending(separator);
    }

    char ending(char separator) {
        if (at_ == text_.size()) {
            return endOfText;
        }
        const char c = text_[at_++];
        if (c == separator) {
            return separator;
        }
        // A CRLF is one line end.
        if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        }
        ++line_;
        return endOfLine;
    }

    // The text without the blanks around it. Blanks outside ASCII seldom stand there, so the
    // text is decoded only when a character outside ASCII does.
    std::string_view trimmed(std::string_view text) {
        while (!text.empty() && isAsciiBlank(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && isAsciiBlank(text.back())) {
            text.remove_suffix(1);
        }
        if (text.empty() || (isAscii(text.front()) && isAscii(text.back()))) {
            return text;
        }
        const QString whole = textOf(text);
        const QString inner = whole.trimmed();
        if (inner.size() == whole.size()) {
            return text;
        }
        return bytes_.rewritten.emplace_back(inner.toStdString());
    }

    // The field's text up to its closing quote, with each doubled quote read as one; after
    // the closing quote only blanks may come before the field ends.
    char quoted(char separator) {
        const int opened = line_;
        const std::size_t begin = ++at_;
        std::string* unquoted = nullptr;
        std::size_t run = begin;  // the first byte not yet copied, once the text is copied
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') {
                if (at_ < text_.size() && text_[at_] == '"') {
                    if (!unquoted) {
                        unquoted = &bytes_.rewritten.emplace_back();
                    }
                    unquoted->append(text_.substr(run, at_ - run));
                    run = ++at_;
                    continue;
                }
                const std::string_view rest = text_.substr(run, at_ - 1 - run);
                bytes_.fields.push_back(unquoted ? std::string_view(unquoted->append(rest)) : rest);
                return afterQuote(separator);
            }
            if (c == '\n' || (c == '\r' && (at_ >= text_.size() || text_[at_] != '\n'))) {
                ++line_;
            }
        }
        throw StoreError(QStringLiteral("%1, line %2: the quote opened here is never closed.")
                             .arg(native(path_))
                             .arg(opened));
    }

    char afterQuote(char separator) {
        const std::size_t begin = at_;
        while (at_ < text_.size() && text_[at_] != separator && text_[at_] != '\n' &&
               text_[at_] != '\r') {
            ++at_;
        }
        if (!isBlank(text_.substr(begin, at_ - begin))) {
            throw StoreError(QStringLiteral("%1, line %2: a quoted field goes on after "
                                            "its closing quote.")
                                 .arg(native(path_))
                                 .arg(line_));
        }
        return ending(separator);
    }

    const QString& path_;
    CsvBytes& bytes_;
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

QString CsvRecord::text(int column) const {
    return column < 0 || column >= size() ? QString()
                                          : textOf(fields[static_cast<std::size_t>(column)]);
}

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
    auto bytes = std::make_shared<CsvBytes>();
    bytes->file = file.readAll();
    if (!bytes->file.isValidUtf8() || bytes->file.contains('\0')) {
        throw StoreError(
            QStringLiteral("%1 is not a text file in UTF-8; save it as CSV text and try again.")
                .arg(native(path)));
    }
    std::string_view text(bytes->file.constData(), static_cast<std::size_t>(bytes->file.size()));
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    Parser parser(path, *bytes, text);
    const std::vector<Parser::Place> places = parser.records();
    if (places.empty()) {
        throw StoreError(QStringLiteral("%1 is empty.").arg(native(path)));
    }
    // The fields are all read: their places no longer move.
    const std::span<const std::string_view> fields(bytes->fields);
    const auto fieldsOf = [&](const Parser::Place& place) {
        return fields.subspan(place.first, place.count);
    };
    CsvFile csv{path, {}, {}, bytes};
    for (const std::string_view name : fieldsOf(places.front())) {
        csv.header << textOf(name);
    }
    csv.records.reserve(places.size() - 1);
    for (auto place = places.begin() + 1; place != places.end(); ++place) {
        csv.records.push_back({place->line, fieldsOf(*place)});
    }
    return csv;
}

}  // namespace mirtal::store
