#include "adis/clsMessages.h"

#include "adis/modADISFiles.h"

#include <algorithm>

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
// How many of the newest texts a new message is compared with.
constexpr std::size_t kRecentTexts = 8;

} // namespace

namespace {

std::string Numbered(std::string_view text, std::int32_t number) {
    std::string numbered(text);
    numbered.append(" <").append(std::to_string(number)).append(">");
    return numbered;
}

bool HasLineNumber(long lineNo, std::uint32_t none) {
    return lineNo >= 0 && static_cast<unsigned long long>(lineNo) < none;
}

} // namespace

void clsMessages::Add(std::string_view text) {
    entries_.push_back({StoreText({}, text), kNoLine, 0});
}

void clsMessages::AddLine(std::string_view prefix, long lineNo, std::string_view text) {
    if (!HasLineNumber(lineNo, kNoLine)) {
        Add(modADIS::LineMessage(prefix, lineNo, text));
        return;
    }
    entries_.push_back({StoreText(prefix, text), static_cast<std::uint32_t>(lineNo), 0});
}

void clsMessages::AddLine(std::string_view prefix, long lineNo, std::string_view text,
                          std::int32_t number) {
    if (!HasLineNumber(lineNo, kNoLine)) {
        Add(modADIS::LineMessage(prefix, lineNo, Numbered(text, number)));
        return;
    }
    entries_.push_back({StoreText(prefix, text, true), static_cast<std::uint32_t>(lineNo), number});
}

std::string clsMessages::Item(long position) const {
    if (position < 1 || position > Count())
        return {};
    return Text(static_cast<std::size_t>(position - 1));
}

void clsMessages::Clear() {
    entries_.clear();
    texts_.clear();
    blocks_.clear();
    prefixes_.clear();
}

std::uint32_t clsMessages::PrefixIndex(std::string_view prefix) {
    const auto found = std::find(prefixes_.begin(), prefixes_.end(), prefix);
    if (found != prefixes_.end())
        return static_cast<std::uint32_t>(found - prefixes_.begin());
    prefixes_.emplace_back(prefix);
    return static_cast<std::uint32_t>(prefixes_.size() - 1);
}

std::uint32_t clsMessages::StoreText(std::string_view prefix, std::string_view text,
                                     bool numbered) {
    const std::uint32_t prefixIndex = PrefixIndex(prefix);
    const std::size_t recent = std::min(texts_.size(), kRecentTexts);
    for (std::size_t back = 1; back <= recent; ++back) {
        const StoredText& stored = texts_[texts_.size() - back];
        if (stored.prefix == prefixIndex && stored.numbered == numbered && TextOf(stored) == text)
            return static_cast<std::uint32_t>(texts_.size() - back);
    }
    if (blocks_.empty() || blocks_.back().size() + text.size() > blocks_.back().capacity()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(kBlockBytes, text.size()));
    }
    std::string& block = blocks_.back();
    texts_.push_back({static_cast<std::uint32_t>(blocks_.size() - 1),
                      static_cast<std::uint32_t>(block.size()),
                      static_cast<std::uint32_t>(text.size()), prefixIndex, numbered});
    block.append(text);
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

std::string_view clsMessages::TextOf(const StoredText& stored) const {
    return std::string_view(blocks_[stored.block]).substr(stored.offset, stored.length);
}

std::string clsMessages::Text(std::size_t index) const {
    const Entry& entry = entries_[index];
    const StoredText& stored = texts_[entry.text];
    const std::string_view text = TextOf(stored);
    const std::string& prefix = prefixes_[stored.prefix];
    if (entry.lineNo == kNoLine)
        return std::string(text);
    if (stored.numbered)
        return modADIS::LineMessage(prefix, entry.lineNo, Numbered(text, entry.number));
    return modADIS::LineMessage(prefix, entry.lineNo, text);
}
