#include "RecordsetFilter.h"

#include "common/LinkError.h"

#include <cctype>

namespace modNational {
namespace {

constexpr long kFilterError = 3001;

[[noreturn]] void Fail(std::string_view text, std::size_t pos, const char* what) {
    throw LinkError(kFilterError, "The filter cannot be applied: " + std::string(what) +
                                      " at position " + std::to_string(pos + 1) + " of \"" +
                                      std::string(text) + "\"");
}

class FilterParser {
public:
    explicit FilterParser(std::string_view text) : text_(text) {}

    std::vector<FilterCondition> Parse() {
        std::vector<FilterCondition> conditions;
        SkipBlanks();
        if (AtEnd())
            return conditions;
        for (;;) {
            conditions.push_back(Condition());
            SkipBlanks();
            if (AtEnd())
                return conditions;
            if (!Keyword("AND"))
                Fail(text_, pos_, "\"AND\" expected");
        }
    }

private:
    FilterCondition Condition() {
        FilterCondition condition;
        SkipBlanks();
        condition.column = Column();
        SkipBlanks();
        condition.op = Operator();
        SkipBlanks();
        condition.literal = Literal();
        return condition;
    }

    std::string Column() {
        if (!AtEnd() && text_[pos_] == '[') {
            const std::size_t close = text_.find(']', pos_);
            if (close == std::string_view::npos || close == pos_ + 1)
                Fail(text_, pos_, "column name expected");
            std::string name(text_.substr(pos_ + 1, close - pos_ - 1));
            pos_ = close + 1;
            return name;
        }
        const std::size_t start = pos_;
        while (!AtEnd() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        if (pos_ == start)
            Fail(text_, pos_, "column name expected");
        return std::string(text_.substr(start, pos_ - start));
    }

    FilterOp Operator() {
        const std::string_view rest = text_.substr(pos_);
        struct Spelling {
            std::string_view text;
            FilterOp op;
        };
        static constexpr Spelling spellings[] = {
            {"<=", FilterOp::LessOrEqual}, {">=", FilterOp::GreaterOrEqual},
            {"<>", FilterOp::NotEqual},    {"<", FilterOp::Less},
            {">", FilterOp::Greater},      {"=", FilterOp::Equal}};
        for (const auto& spelling : spellings)
            if (rest.substr(0, spelling.text.size()) == spelling.text) {
                pos_ += spelling.text.size();
                return spelling.op;
            }
        Fail(text_, pos_, "comparison operator expected");
    }

    std::string Literal() {
        if (!AtEnd() && (text_[pos_] == 'N' || text_[pos_] == 'n') && pos_ + 1 < text_.size() &&
            text_[pos_ + 1] == '\'')
            ++pos_;
        if (AtEnd() || text_[pos_] != '\'')
            Fail(text_, pos_, "value in apostrophes expected");
        const std::size_t open = pos_++;
        std::string value;
        for (;;) {
            if (AtEnd())
                Fail(text_, open, "unterminated value");
            const char c = text_[pos_++];
            if (c != '\'') {
                value += c;
                continue;
            }
            if (!AtEnd() && text_[pos_] == '\'') {
                value += '\'';
                ++pos_;
                continue;
            }
            return value;
        }
    }

    bool Keyword(std::string_view word) {
        if (text_.size() - pos_ <= word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(text_[pos_ + i])) != word[i])
                return false;
        if (text_[pos_ + word.size()] != ' ')
            return false;
        pos_ += word.size();
        return true;
    }

    void SkipBlanks() {
        while (!AtEnd() && text_[pos_] == ' ')
            ++pos_;
    }
    bool AtEnd() const { return pos_ >= text_.size(); }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<FilterCondition> ParseFilterText(std::string_view text) {
    return FilterParser(text).Parse();
}

std::string QuoteFilterLiteral(std::string_view value, bool unicode) {
    std::string quoted = unicode ? "N'" : "'";
    for (const char c : value) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    quoted += '\'';
    return quoted;
}

} // namespace modNational
