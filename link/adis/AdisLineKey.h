#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

// The key of a value line: read-only text. A stored line is found by its key,
// so only its collection changes it (clsAdisDataLines::ChangeKey).
class AdisLineKey {
public:
    AdisLineKey() = default;
    explicit AdisLineKey(std::string_view text) : text_(text) {}
    AdisLineKey(const AdisLineKey&) = default;
    AdisLineKey& operator=(const AdisLineKey&) = delete;

    std::string_view View() const { return text_; }
    operator std::string_view() const { return text_; }
    std::string Text() const { return text_; }
    bool empty() const { return text_.empty(); }
    std::size_t size() const { return text_.size(); }

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
    void Assign(std::string_view text) { text_.assign(text); }

    std::string text_;
};
