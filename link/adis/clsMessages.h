#pragma once

#include "common/PositionIterator.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// The message texts collected while ADIS files are read, in order.
//
// A hostile file can give a message for nearly every line of a few bytes, so
// the collection is kept small: a line message is its line number and a
// reference to its text, and a text repeated by the messages just before it is
// stored once, as is a text repeated with another number. The texts are put
// together when asked for.
class clsMessages {
public:
    // A message as it stands.
    void Add(std::string_view text);
    // A message about a line: the prefix, the line number right-aligned in five
    // places (more where it needs more), then the text.
    void AddLine(std::string_view prefix, long lineNo, std::string_view text);
    // The same for a text followed by a number in angle brackets: " <number>". The
    // text is stored once for the messages that repeat it with other numbers
    // (a line may name hundreds of thousands of unknown DD numbers).
    void AddLine(std::string_view prefix, long lineNo, std::string_view text, std::int32_t number);

    long Count() const { return static_cast<long>(entries_.size()); }
    // 1-based; the empty text for a position outside the collection.
    std::string Item(long position) const;
    void Clear();

private:
    struct Access {
        static std::string At(const clsMessages& owner, std::size_t index) {
            return owner.Text(index);
        }
    };

public:
    using const_iterator = PositionIterator<clsMessages, std::string, Access>;
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, entries_.size()); }

private:
    static constexpr std::uint32_t kNoLine = UINT32_MAX;
    struct Entry {
        std::uint32_t text;   // index into texts_
        std::uint32_t lineNo; // kNoLine for a message without one
        std::int32_t number;  // of a numbered text
    };
    struct StoredText {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t prefix : 31; // index into prefixes_
        std::uint32_t numbered : 1;
    };

    std::uint32_t StoreText(std::string_view prefix, std::string_view text, bool numbered = false);
    std::uint32_t PrefixIndex(std::string_view prefix);
    std::string_view TextOf(const StoredText& stored) const;
    std::string Text(std::size_t index) const;

    std::deque<Entry> entries_;
    std::deque<StoredText> texts_;
    std::vector<std::string> blocks_; // the texts' characters, in blocks of fixed capacity
    std::vector<std::string> prefixes_;
};
