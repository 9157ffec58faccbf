#include "store/SqlTokenizer.h"

#include <QString>

#include "store/StoreError.h"

namespace mirtal::store {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}
bool isWordChar(char c) {
    return isWordStart(c) || isDigit(c) || c == '$';
}

// Returns the end of a literal opened at `start` and closed by `close`; a doubled closing
// quote inside text literals stands for the quote itself.
std::size_t literalEnd(std::string_view s, std::size_t start, char close, bool doubledEscapes,
                       const char* what) {
    std::size_t i = start + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (doubledEscapes && i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    throw StoreError(
        QStringLiteral("The statement has %1 that is never closed.").arg(QLatin1String(what)));
}

}  // namespace

std::vector<SqlToken> tokenizeSql(std::string_view s) {
    using Kind = SqlToken::Kind;
    std::vector<SqlToken> tokens;
    tokens.reserve(s.size() / 3 + 4);
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const std::size_t start = i;
        Kind kind = Kind::Symbol;
        if (isBlank(c)) {
            while (i < s.size() && isBlank(s[i])) {
                ++i;
            }
            kind = Kind::Space;
        } else if (isWordStart(c)) {
            while (i < s.size() && isWordChar(s[i])) {
                ++i;
            }
            kind = Kind::Word;
        } else if (isDigit(c) ||
                   (c == '.' && i + 1 < s.size() && (isDigit(s[i + 1]) || s[i + 1] == '.'))) {
            while (i < s.size() && (isWordChar(s[i]) || s[i] == '.')) {
                ++i;
            }
            kind = Kind::Number;
        } else if (c == '\'') {
            i = literalEnd(s, i, '\'', true, "a text value");
            kind = Kind::Text;
        } else if (c == '#') {
            i = literalEnd(s, i, '#', false, "a date");
            kind = Kind::DayLiteral;
        } else if (c == '[') {
            i = literalEnd(s, i, ']', false, "a name in brackets");
            kind = Kind::Bracketed;
        } else if (c == '"') {
            i = literalEnd(s, i, '"', true, "a quoted name");
            kind = Kind::Quoted;
        } else if (c == ';') {
            throw StoreError(QStringLiteral("The statement holds more than one statement."));
        } else if ((c == '-' && i + 1 < s.size() && s[i + 1] == '-') ||
                   (c == '/' && i + 1 < s.size() && s[i + 1] == '*')) {
            throw StoreError(QStringLiteral("The statement holds a comment."));
        } else {
            static constexpr std::string_view pairs[] = {"<=", ">=", "<>", "!=", "||", "=="};
            i += 1;
            for (const std::string_view pair : pairs) {
                if (s.substr(start, 2) == pair) {
                    i = start + 2;
                    break;
                }
            }
        }
        tokens.push_back({kind, s.substr(start, i - start)});
    }
    return tokens;
}

}  // namespace mirtal::store
