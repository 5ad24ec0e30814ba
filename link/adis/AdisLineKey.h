#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
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
    ~AdisLineKey() { Release(); }

    std::string_view View() const { return {text_, size_}; }
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
    // The text in storage that outlives the key (at any place in it: a key
    // may be a field of its line).
    void Borrow(const char* text, std::size_t size) {
        Release();
        text_ = text;
        size_ = static_cast<std::uint32_t>(size);
    }
    void Release() {
        if (owned_) // the key owns the text: it came from Assign
            std::default_delete<const char[]>()(text_);
        text_ = nullptr;
        owned_ = false;
    }

    const char* text_ = nullptr;
    // Every line has a key: the two fit in the 4 bytes behind the pointer.
    std::uint32_t size_ : 31 = 0;
    std::uint32_t owned_ : 1 = false;
};
