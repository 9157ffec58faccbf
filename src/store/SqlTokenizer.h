#pragma once

#include <string_view>
#include <vector>

namespace mirtal::store {

// The pieces of a statement text as the translator sees them. Literals keep their quotes.
struct SqlToken {
    enum class Kind {
        Space,
        Word,        // name or keyword
        Number,      // digits and points, possibly malformed ("1.2.3"), judged later
        Text,        // 'single quoted'
        DayLiteral,  // #yyyy/MM/dd#
        Bracketed,   // [alias]
        Quoted,      // "identifier"
        Symbol,
    };
    Kind kind;
    std::string_view text;
};

// The characters that separate the words of a statement.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Splits a statement into tokens. Refuses (with StoreError) a text that holds a second
// statement, a comment outside its literals, or a literal that is never closed.
std::vector<SqlToken> tokenizeSql(std::string_view statement);

}  // namespace mirtal::store
