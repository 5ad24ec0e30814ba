#pragma once

#include "MaybeOwned.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

// The key of a value line: read-only text. A stored line is found by its key,
// so only its collection changes it (clsAdisDataLines::ChangeKey). The text of
// a line read from a file is kept in the line's pooled block.
class AdisLineKey {
public:
    AdisLineKey() = default;
    explicit AdisLineKey(std::string_view text) { Assign(text); }
    AdisLineKey(const AdisLineKey& other) { Assign(other.View()); }
    AdisLineKey& operator=(const AdisLineKey&) = delete;

    std::string_view View() const { return {text_.get(), size_}; }
    operator std::string_view() const { return View(); }
    std::string Text() const { return std::string(View()); }
    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }

    friend bool operator==(const AdisLineKey& key, std::string_view text) {
        return key.View() == text;
    }
    friend std::string operator+(std::string_view text, const AdisLineKey& key) {
        return std::string(text).append(key.View());
    }
    friend std::string operator+(const AdisLineKey& key, std::string_view text) {
        return std::string(key.View()).append(text);
    }
    friend std::ostream& operator<<(std::ostream& out, const AdisLineKey& key);

private:
    friend class clsAdisDataLines;
    friend class AdisLinePool;
    // A copy of the text of its own.
    void Assign(std::string_view text);
    // The text in storage that outlives the key.
    void Borrow(const char* text, std::size_t size) {
        text_ = BorrowedStorage(const_cast<char*>(text));
        size_ = static_cast<std::uint32_t>(size);
    }

    MaybeOwned<char> text_;
    std::uint32_t size_ = 0;
};
