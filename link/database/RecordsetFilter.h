#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace modNational {

// The filter text of a client-side recordset: conditions "Column op 'literal'"
// joined by " AND ", where op is one of < <= = >= > <> and a literal is written
// in apostrophes (optionally after N), an apostrophe inside doubled. The empty
// text is no condition at all.
enum class FilterOp { Less, LessOrEqual, Equal, GreaterOrEqual, Greater, NotEqual };

struct FilterCondition {
    std::string column;
    FilterOp op;
    std::string literal;
};

// Raises LinkError (3001) when the text does not have this form.
std::vector<FilterCondition> ParseFilterText(std::string_view text);

// The literal as it stands in a filter text: in apostrophes, each apostrophe
// doubled, so that no value can change the meaning of the filter.
std::string QuoteFilterLiteral(std::string_view value, bool unicode = false);

} // namespace modNational
