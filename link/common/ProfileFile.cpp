#include "ProfileFile.h"

#include "Platform.h"
#include "TextEncoding.h"
#include "TextLines.h"
#include "TextStream.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

constexpr std::size_t kMaxValueChars = 254;

using TextLines::TrimBlanks;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// A line "[Name]" gives the name; any other line gives nothing.
bool SectionName(std::string_view line, std::string_view& name) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[')
        return false;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    name = TrimBlanks(close == std::string_view::npos ? line : line.substr(0, close));
    return true;
}

// A line "Key=Value" gives the key and the raw value; comments and other lines
// give nothing.
bool KeyAndValue(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return false;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = TrimBlanks(line.substr(0, equals));
    value = line.substr(equals + 1);
    return true;
}

// Line breaks inside a written value would split it into lines of their own.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

} // namespace

struct ProfileFile::Impl {
    struct Section {
        std::string header;             // the "[Name]" line, empty before the first section
        std::vector<std::string> lines; // the lines below the header
        std::unordered_map<std::string, std::size_t> keys; // lower-case key -> line
    };
    std::vector<Section> sections; // sections[0] holds the lines before the first header
    std::unordered_map<std::string, std::size_t> index; // lower-case name -> section

    Impl() { sections.emplace_back(); }

    // The first line of a key is the one in force.
    static void IndexKeys(Section& section) {
        section.keys.clear();
        for (std::size_t i = 0; i < section.lines.size(); ++i) {
            std::string_view key, value;
            if (KeyAndValue(section.lines[i], key, value) && !key.empty())
                section.keys.emplace(Lower(key), i);
        }
    }

    void Reindex() {
        index.clear();
        for (std::size_t s = 1; s < sections.size(); ++s) {
            std::string_view name;
            SectionName(sections[s].header, name);
            index.emplace(Lower(name), s);
        }
    }

    const Section* Find(std::string_view name) const {
        auto found = index.find(Lower(TrimBlanks(name)));
        return found == index.end() ? nullptr : &sections[found->second];
    }
    Section* Find(std::string_view name) {
        auto found = index.find(Lower(TrimBlanks(name)));
        return found == index.end() ? nullptr : &sections[found->second];
    }

    const std::string* RawValueLine(std::string_view section, std::string_view key) const {
        const Section* s = Find(section);
        if (!s)
            return nullptr;
        auto found = s->keys.find(Lower(TrimBlanks(key)));
        return found == s->keys.end() ? nullptr : &s->lines[found->second];
    }
};

ProfileFile::ProfileFile() : impl_(std::make_unique<Impl>()) {}
ProfileFile::~ProfileFile() = default;
ProfileFile::ProfileFile(ProfileFile&&) noexcept = default;
ProfileFile& ProfileFile::operator=(ProfileFile&&) noexcept = default;

bool ProfileFile::Load(const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        Parse({});
        return false;
    }
    Parse(TextEncoding::Cp1252ToUtf8(bytes));
    return true;
}

void ProfileFile::Parse(std::string_view text) {
    impl_ = std::make_unique<Impl>();
    Impl::Section* current = &impl_->sections.front();
    TextLines::ForEachLine(text, [&](std::string_view line) {
        std::string_view name;
        if (SectionName(line, name)) {
            impl_->sections.emplace_back();
            current = &impl_->sections.back();
            current->header = std::string(line);
        } else {
            current->lines.emplace_back(line);
        }
    });
    for (auto& section : impl_->sections)
        impl_->IndexKeys(section);
    impl_->Reindex();
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
    const std::string* line = impl_->RawValueLine(section, key);
    if (!line)
        return std::string(defaultValue);
    std::string_view name, value;
    KeyAndValue(*line, name, value);
    return std::string(TextEncoding::LeftChars(TrimBlanks(value), kMaxValueChars));
}

bool ProfileFile::HasKey(std::string_view section, std::string_view key) const {
    return impl_->RawValueLine(section, key) != nullptr;
}

bool ProfileFile::HasSection(std::string_view section) const {
    return impl_->Find(section) != nullptr;
}

std::int32_t ProfileFile::GetInt(std::string_view section, std::string_view key,
                                 std::int32_t defaultValue) const {
    const std::string text = GetString(section, key);
    if (text.empty())
        return defaultValue;
    // The leading whole number of the value; a value without one reads as 0.
    std::string_view digits = text;
    bool negative = false;
    if (digits.front() == '-' || digits.front() == '+') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            break;
        value = std::min<std::int64_t>(value * 10 + (c - '0'),
                                       std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1);
    }
    if (negative)
        value = -value;
    value = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(value);
}

std::vector<std::string> ProfileFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const Impl::Section* s = impl_->Find(section);
    if (!s)
        return keys;
    for (std::size_t i = 0; i < s->lines.size(); ++i) {
        std::string_view key, value;
        if (KeyAndValue(s->lines[i], key, value) && !key.empty()) {
            auto found = s->keys.find(Lower(key));
            if (found != s->keys.end() && found->second == i)
                keys.emplace_back(key);
        }
    }
    return keys;
}

void ProfileFile::SetString(std::string_view section, std::string_view key,
                            std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (key.empty())
        return;
    Impl::Section* s = impl_->Find(section);
    if (!s) {
        auto& added = impl_->sections.emplace_back();
        added.header.append(1, '[').append(section).append(1, ']');
        impl_->index.emplace(Lower(section), impl_->sections.size() - 1);
        s = &added;
    }
    std::string line = std::string(key) + "=" + OneLine(value);
    const std::string lowerKey = Lower(key);
    auto found = s->keys.find(lowerKey);
    if (found != s->keys.end()) {
        s->lines[found->second] = std::move(line);
        return;
    }
    // A new key goes behind the last value line of its section, ahead of any
    // blank lines and comments that end the section.
    std::size_t at = 0;
    for (const auto& [k, i] : s->keys)
        at = std::max(at, i + 1);
    if (s->keys.empty()) {
        at = s->lines.size();
        while (at > 0 && TrimBlanks(s->lines[at - 1]).empty())
            --at;
    }
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    if (at + 1 != s->lines.size())
        for (auto& [k, i] : s->keys)
            if (i >= at)
                ++i;
    s->keys.emplace(lowerKey, at);
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    Impl::Section* s = impl_->Find(section);
    if (!s)
        return false;
    auto found = s->keys.find(Lower(TrimBlanks(key)));
    if (found == s->keys.end())
        return false;
    s->lines.erase(s->lines.begin() + static_cast<std::ptrdiff_t>(found->second));
    // A second line of the same key, ignored so far, becomes the one in force.
    impl_->IndexKeys(*s);
    return true;
}

bool ProfileFile::DeleteSection(std::string_view section) {
    auto found = impl_->index.find(Lower(TrimBlanks(section)));
    if (found == impl_->index.end())
        return false;
    impl_->sections.erase(impl_->sections.begin() + static_cast<std::ptrdiff_t>(found->second));
    impl_->Reindex();
    return true;
}

std::string ProfileFile::Text() const {
    std::string text;
    for (const auto& section : impl_->sections) {
        if (!section.header.empty())
            text += section.header + "\r\n";
        for (const auto& line : section.lines)
            text += line + "\r\n";
    }
    return text;
}

bool ProfileFile::Save(const std::string& path) const {
    return WriteFileBytesAtomic(path, TextEncoding::Utf8ToCp1252(Text()));
}
