#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A sectioned key=value file ("[Section]", "Key=Value"), windows-1252 with CR LF,
// parsed once and queried many times. Section and key names match without regard
// to case; values are trimmed and read up to 254 characters. Writing keeps every
// other line, comment and order of the file and replaces the file atomically.
class ProfileFile {
public:
    ProfileFile();
    ~ProfileFile();
    ProfileFile(ProfileFile&&) noexcept;
    ProfileFile& operator=(ProfileFile&&) noexcept;

    // Parses the file; a missing file gives an empty profile and false.
    bool Load(const std::string& path);
    // Parses text already in memory (UTF-8).
    void Parse(std::string_view text);

    // The stored value (trimmed, at most 254 characters), or the default when the
    // key is absent.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // The leading whole number of the value (a value without one reads as 0), or
    // the default when the key is absent or its value empty.
    std::int32_t GetInt(std::string_view section, std::string_view key,
                        std::int32_t defaultValue) const;
    // Key names of a section in file order.
    std::vector<std::string> Keys(std::string_view section) const;

    void SetString(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

    // Writes the whole profile to the path through a temporary file.
    bool Save(const std::string& path) const;
    std::string Text() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
