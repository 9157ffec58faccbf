#include "store/DialectTranslator.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <optional>

#include "store/DateText.h"
#include "store/SqlTokenizer.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace mirtal::store {

namespace {

using Kind = SqlToken::Kind;
using Tokens = std::vector<SqlToken>;

bool isWord(const SqlToken& t, std::string_view word) {
    return t.kind == Kind::Word && t.text.size() == word.size() &&
           std::ranges::equal(t.text, word, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

bool isSymbol(const SqlToken& t, char c) {
    return t.kind == Kind::Symbol && t.text.size() == 1 && t.text[0] == c;
}

QString quoted(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A long text in a message only as far as a person reads it.
QString shortened(const QString& text) {
    return text.size() > 40 ? text.left(40) + QStringLiteral("...") : text;
}

std::size_t skipSpace(const Tokens& tokens, std::size_t i, std::size_t end) {
    while (i < end && tokens[i].kind == Kind::Space) {
        ++i;
    }
    return i;
}

// How many parentheses are open just before each token, plus the count after the last one:
// the tokens between a "(" and its ")" stand one deeper than the "(", the ")" included.
std::vector<int> depthBeforeEachToken(const Tokens& tokens) {
    std::vector<int> depths;
    depths.reserve(tokens.size() + 1);
    int depth = 0;
    for (const SqlToken& token : tokens) {
        depths.push_back(depth);
        depth += isSymbol(token, '(') ? 1 : isSymbol(token, ')') ? -1 : 0;
    }
    depths.push_back(depth);
    return depths;
}

// Built by appending: GCC 12 reports a false -Wrestrict on "'" + std::string at -O2 and above.
std::string quotedDay(QDate day) {
    std::string text(1, '\'');
    text += day.toString(Qt::ISODate).toStdString();
    text += '\'';
    return text;
}

std::string dayFromLiteral(std::string_view literal) {
    const std::string_view inner = literal.substr(1, literal.size() - 2);
    const auto day = DateText::parseDayText(quoted(inner));
    if (!day) {
        throw StoreError(QStringLiteral("%1 is not a valid date.").arg(quoted(literal)));
    }
    return quotedDay(*day);
}

bool isPlainNumber(std::string_view s) {
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        s.remove_prefix(1);
    }
    const auto point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : s.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return std::ranges::all_of(part, [](char c) { return c >= '0' && c <= '9'; });
    };
    return !(whole.empty() && fraction.empty()) && digits(whole) && digits(fraction);
}

std::string trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return std::string(s);
}

class Translator {
  public:
    explicit Translator(std::string_view statement)
        : tokens_(tokenizeSql(statement)), depth_(depthBeforeEachToken(tokens_)) {
        out_.reserve(statement.size() + 32);
        // SQLite reads a statement only up to a null character, so a text holding one (a
        // pasted name, say) would reach it cut off in the middle of its quotes.
        for (const SqlToken& token : tokens_) {
            if (token.kind == SqlToken::Kind::Text && token.text.find('\0') != token.text.npos) {
                throw StoreError(
                    QStringLiteral("The text %1 holds a null character (code 0), which cannot be "
                                   "stored. Remove it and try again.")
                        .arg(shortened(quoted(token.text)).replace(QChar(0), u'?')));
            }
        }
    }

    std::string run() {
        const std::size_t first = skipSpace(tokens_, 0, tokens_.size());
        if (first == tokens_.size()) {
            throw StoreError(QStringLiteral("The statement is empty."));
        }
        const SqlToken& verb = tokens_[first];
        if (isWord(verb, "insert")) {
            translateInsert(first);
        } else if (isWord(verb, "update")) {
            translateUpdate(first);
        } else if (isWord(verb, "select") || isWord(verb, "delete")) {
            translateRange(0, tokens_.size());
        } else {
            throw StoreError(
                QStringLiteral("Only a select, insert, update or delete can be run, not \"%1\".")
                    .arg(quoted(verb.text)));
        }
        return std::move(out_);
    }

  private:
    // "Insert Into T Values(v, ...)": each value is checked against its column in table order.
    void translateInsert(std::size_t verb) {
        const std::size_t into = skipSpace(tokens_, verb + 1, tokens_.size());
        const std::size_t name = skipSpace(tokens_, into + 1, tokens_.size());
        const std::size_t values = skipSpace(tokens_, name + 1, tokens_.size());
        const std::size_t open = skipSpace(tokens_, values + 1, tokens_.size());
        const Table* table = name < tokens_.size() ? findTable(tokens_[name].text) : nullptr;
        if (!table || !isWord(tokens_[into], "into") || !isWord(tokens_[values], "values") ||
            open >= tokens_.size() || !isSymbol(tokens_[open], '(')) {
            translateRange(0, tokens_.size());
            return;
        }
        const std::size_t close = closingParen(open, tokens_.size());
        translateRange(0, open + 1);
        const auto bounds = splitAtCommas(open + 1, close);
        for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
            if (k > 0) {
                out_ += ',';
            }
            const Column* column = k < table->columns.size() ? &table->columns[k] : nullptr;
            translateValue(column, bounds[k], bounds[k + 1] - 1);
        }
        translateRange(close, tokens_.size());
    }

    // "Update T Set c=v, ... Where ...": each assigned value is checked against its column.
    void translateUpdate(std::size_t verb) {
        const std::size_t name = skipSpace(tokens_, verb + 1, tokens_.size());
        const std::size_t set = skipSpace(tokens_, name + 1, tokens_.size());
        const Table* table = name < tokens_.size() ? findTable(tokens_[name].text) : nullptr;
        if (!table || set >= tokens_.size() || !isWord(tokens_[set], "set")) {
            translateRange(0, tokens_.size());
            return;
        }
        std::size_t where = set + 1;
        while (where < tokens_.size() &&
               !(isWord(tokens_[where], "where") && depth_[where] == depth_[set])) {
            ++where;
        }
        translateRange(0, set + 1);
        const auto bounds = splitAtCommas(set + 1, where);
        for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
            if (k > 0) {
                out_ += ',';
            }
            const std::size_t end = bounds[k + 1] - 1;
            const std::size_t col = skipSpace(tokens_, bounds[k], end);
            const std::size_t equals = skipSpace(tokens_, col + 1, end);
            if (equals < end && isSymbol(tokens_[equals], '=') && tokens_[col].kind == Kind::Word) {
                translateRange(bounds[k], equals + 1);
                translateValue(findColumn(*table, tokens_[col].text), equals + 1, end);
            } else {
                translateRange(bounds[k], end);
            }
        }
        translateRange(where, tokens_.size());
    }

    void translateValue(const Column* column, std::size_t begin, std::size_t end) {
        if (!column || column->kind == ColumnKind::Text) {
            translateRange(begin, end);
            return;
        }
        std::string text;
        for (std::size_t i = begin; i < end; ++i) {
            text += tokens_[i].text;
        }
        const std::string value = trimmed(text);
        const std::size_t first = skipSpace(tokens_, begin, end);
        const QString columnName = quoted(column->name);
        for (std::size_t i = begin; i < first; ++i) {
            out_ += tokens_[i].text;
        }
        if (column->kind == ColumnKind::Day) {
            out_ += dayValue(value, columnName);
        } else {
            out_ += numberValue(value, columnName);
        }
        if (!text.empty() && isBlank(text.back())) {
            out_ += ' ';
        }
    }

    static std::string dayValue(const std::string& value, const QString& column) {
        if (value.size() >= 2 && value.front() == '#' && value.back() == '#') {
            return dayFromLiteral(value);
        }
        if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
            if (const auto day = DateText::parseShortDate(
                    quoted(value).mid(1, static_cast<qsizetype>(value.size()) - 2))) {
                return quotedDay(*day);
            }
        }
        throw StoreError(QStringLiteral("%1 is not a date for %2.").arg(quoted(value), column));
    }

    static std::string numberValue(const std::string& value, const QString& column) {
        std::string number = value;
        if (number.size() >= 2 && number.front() == '\'' && number.back() == '\'') {
            number = trimmed(std::string_view(number).substr(1, number.size() - 2));
        }
        if (number.size() >= 2 && (number[0] == '-' || number[0] == '+')) {
            number = number[0] + trimmed(std::string_view(number).substr(1));
        }
        if (value.empty()) {
            throw StoreError(QStringLiteral("A number is missing for %1.").arg(column));
        }
        if (!isPlainNumber(number)) {
            throw StoreError(
                QStringLiteral("%1 is not a number for %2.").arg(quoted(value), column));
        }
        return number;
    }

    void translateRange(std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const SqlToken& token = tokens_[i];
            switch (token.kind) {
                case Kind::DayLiteral:
                    out_ += dayFromLiteral(token.text);
                    // "#2026/12/31#Order By": keep the next word apart from the literal.
                    if (i + 1 < end && tokens_[i + 1].kind == Kind::Word) {
                        out_ += ' ';
                    }
                    break;
                case Kind::Bracketed:
                    out_ += '"';
                    out_ += token.text.substr(1, token.text.size() - 2);
                    out_ += '"';
                    break;
                case Kind::Word:
                    i = translateWord(i, end);
                    break;
                default:
                    out_ += token.text;
            }
        }
    }

    // Handles the functions the engine lacks; returns the index of the last token consumed.
    std::size_t translateWord(std::size_t i, std::size_t end) {
        const std::size_t open = skipSpace(tokens_, i + 1, end);
        const bool call = open < end && isSymbol(tokens_[open], '(');
        if (isWord(tokens_[i], "select")) {
            selectDepth_ = depth_[i];
            inSelectList_ = true;
        } else if (isWord(tokens_[i], "from") && depth_[i] == selectDepth_) {
            inSelectList_ = false;
        }
        if (call && isWord(tokens_[i], "cdate")) {
            // Days are stored as ISO text already: CDate(x) is x.
            return open - 1;
        }
        if (call && isWord(tokens_[i], "format")) {
            return translateFormat(i, open, end);
        }
        out_ += tokens_[i].text;
        return i;
    }

    // Index of the ")" that closes the "(" at `open`, or `end` when none does.
    std::size_t closingParen(std::size_t open, std::size_t end) const {
        for (std::size_t i = open + 1; i < end; ++i) {
            if (isSymbol(tokens_[i], ')') && depth_[i + 1] == depth_[open]) {
                return i;
            }
        }
        return end;
    }

    // Start of every piece of [begin, end) separated by the commas at the depth of `begin`,
    // plus `end` + 1.
    std::vector<std::size_t> splitAtCommas(std::size_t begin, std::size_t end) const {
        std::vector<std::size_t> bounds{begin};
        for (std::size_t i = begin; i < end; ++i) {
            if (isSymbol(tokens_[i], ',') && depth_[i] == depth_[begin]) {
                bounds.push_back(i + 1);
            }
        }
        bounds.push_back(end + 1);
        return bounds;
    }

    // Format(x,'yyyy/MM/dd') -> strftime('%Y/%m/%d', x); an unnamed column of a select list
    // is named after the column it formats.
    std::size_t translateFormat(std::size_t word, std::size_t open, std::size_t end) {
        const std::size_t close = closingParen(open, end);
        const auto bounds = splitAtCommas(open + 1, close);
        if (close == end || bounds.size() != 3) {
            throw StoreError(QStringLiteral("Format needs a value and a pattern."));
        }
        const std::size_t patternAt = skipSpace(tokens_, bounds[1], close);
        if (patternAt == close || tokens_[patternAt].kind != Kind::Text) {
            throw StoreError(QStringLiteral("Format needs a pattern in quotes."));
        }
        const bool listItem = inSelectList_ && depth_[word] == selectDepth_;
        out_ += "strftime('";
        out_ += strftimePattern(tokens_[patternAt].text);
        out_ += "', ";
        translateRange(bounds[0], bounds[1] - 1);
        out_ += ')';
        const std::size_t next = skipSpace(tokens_, close + 1, end);
        if (listItem &&
            (next == end || isSymbol(tokens_[next], ',') || isWord(tokens_[next], "from"))) {
            std::string_view name;
            for (std::size_t k = bounds[0]; k < bounds[1] - 1; ++k) {
                if (tokens_[k].kind == Kind::Word) {
                    name = tokens_[k].text;
                }
            }
            if (!name.empty()) {
                out_ += " AS \"";
                out_ += name;
                out_ += '"';
            }
        }
        return close;
    }

    static std::string strftimePattern(std::string_view quotedPattern) {
        static constexpr std::pair<std::string_view, std::string_view> parts[] = {
            {"yyyy", "%Y"}, {"MM", "%m"}, {"dd", "%d"}, {"HH", "%H"}, {"mm", "%M"}, {"ss", "%S"}};
        const std::string_view pattern = quotedPattern.substr(1, quotedPattern.size() - 2);
        std::string result;
        for (std::size_t i = 0; i < pattern.size();) {
            bool matched = false;
            for (const auto& [from, to] : parts) {
                if (pattern.substr(i, from.size()) == from) {
                    result += to;
                    i += from.size();
                    matched = true;
                    break;
                }
            }
            if (!matched) {
                const char c = pattern[i++];
                if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '%' || c == '\'') {
                    throw StoreError(QStringLiteral("The date pattern %1 is not supported.")
                                         .arg(quoted(quotedPattern)));
                }
                result += c;
            }
        }
        return result;
    }

    Tokens tokens_;
    std::vector<int> depth_;  // parentheses open before each token, see depthBeforeEachToken
    std::string out_;
    bool inSelectList_ = false;
    int selectDepth_ = 0;
};

}  // namespace

std::string translateStatement(std::string_view statement) {
    return Translator(statement).run();
}

}  // namespace mirtal::store
