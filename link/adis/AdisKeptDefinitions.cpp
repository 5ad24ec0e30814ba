#include "AdisKeptDefinitions.h"

#include "AdisLinePool.h"
#include "clsAdisDataEvent.h"
#include "dictionary/clsAdisDataDict.h"
#include "dictionary/clsAdisEvent.h"
#include "dictionary/clsAdisEvents.h"

#include <algorithm>
#include <cstring>
#include <limits>

// A draft is its definition line, then each value line:
//   length (2 bytes), the line, the key's length (2), where the key stands
//   (2: its offset in the fields, kKeyFollows, or kNumbered), then the key
//   unless it stands in the fields.
namespace {

constexpr std::uint16_t kKeyFollows = 0xffff;
constexpr std::uint16_t kNumbered = 0xfffe;

void PutNumber(std::string& bytes, std::size_t number) {
    bytes.push_back(static_cast<char>(number & 0xff));
    bytes.push_back(static_cast<char>(number >> 8));
}

std::uint16_t TakeNumber(std::string_view bytes, std::size_t& pos) {
    const auto low = static_cast<unsigned char>(bytes[pos]);
    const auto high = static_cast<unsigned char>(bytes[pos + 1]);
    pos += 2;
    return static_cast<std::uint16_t>(low | high << 8);
}

std::string_view TakeText(std::string_view bytes, std::size_t& pos, std::size_t length) {
    const std::string_view text = bytes.substr(pos, length);
    pos += length;
    return text;
}

struct KeptLine {
    std::string_view line;
    std::string_view key;
    std::optional<std::size_t> keyInFields;
    bool numbered;
};

// Calls f(line) for each value line of a draft, after its definition.
template <class F> void ForEachKeptLine(std::string_view bytes, F&& f) {
    std::size_t pos = 0;
    TakeText(bytes, pos, TakeNumber(bytes, pos));
    while (pos < bytes.size()) {
        KeptLine kept{};
        kept.line = TakeText(bytes, pos, TakeNumber(bytes, pos));
        const std::uint16_t keyLength = TakeNumber(bytes, pos);
        const std::uint16_t keyAt = TakeNumber(bytes, pos);
        kept.numbered = keyAt == kNumbered;
        if (keyAt == kKeyFollows || kept.numbered) {
            kept.key = TakeText(bytes, pos, keyLength);
        } else {
            kept.keyInFields = keyAt;
            kept.key = kept.line.substr(8 + keyAt, keyLength);
        }
        f(kept);
    }
}

std::string_view DefinitionOf(std::string_view bytes) {
    std::size_t pos = 0;
    return TakeText(bytes, pos, TakeNumber(bytes, pos));
}

} // namespace

void AdisKeptDefinitions::Draft::Start(std::string_view defLine) {
    bytes_.clear();
    PutNumber(bytes_, defLine.size());
    bytes_.append(defLine);
    nextNumber_ = 1;
    onlyNumbered_ = true;
}

void AdisKeptDefinitions::Draft::NextNumber(std::string& key) {
    do
        key.assign(1, '#').append(std::to_string(nextNumber_++));
    while (!onlyNumbered_ && HasKey(key));
}

bool AdisKeptDefinitions::Draft::AddLine(std::string_view valueLine, std::string_view key,
                                         std::optional<std::size_t> keyInFields, bool numbered) {
    const bool keyFollows = numbered || !keyInFields;
    const std::size_t bytes = 6 + valueLine.size() + (keyFollows ? key.size() : 0);
    if (bytes_.size() + bytes > kMostBytes)
        return false;
    bytes_.reserve(bytes_.size() + bytes); // nothing below fails
    PutNumber(bytes_, valueLine.size());
    bytes_.append(valueLine);
    PutNumber(bytes_, key.size());
    PutNumber(bytes_, numbered ? kNumbered : keyInFields ? *keyInFields : kKeyFollows);
    if (keyFollows)
        bytes_.append(key);
    onlyNumbered_ = onlyNumbered_ && numbered;
    return true;
}

bool AdisKeptDefinitions::Draft::HasKey(std::string_view key) const {
    bool found = false;
    ForEachKeptLine(bytes_, [&](const KeptLine& line) { found = found || line.key == key; });
    return found;
}

AdisKeptDefinitions::AdisKeptDefinitions(std::shared_ptr<const clsAdisDataDict> dict,
                                         std::shared_ptr<AdisLinePool> pool)
    : dict_(std::move(dict)), pool_(std::move(pool)) {}

std::optional<std::uint32_t> AdisKeptDefinitions::Keep(std::string_view bytes) {
    if (bytes.size() > kMostBytes)
        return std::nullopt;
    if (chunks_.empty() || used_ + bytes.size() > chunkSize_) {
        if (chunks_.size() >= kMostChunks)
            return std::nullopt;
        // Chunks grow with what is kept, so that a small file keeps a small one.
        const std::size_t size = std::clamp(kept_ / 8, kSmallestChunk, kLargestChunk);
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        chunkSize_ = size;
        used_ = 0;
    }
    std::memcpy(chunks_.back().get() + used_, bytes.data(), bytes.size());
    const auto place = static_cast<std::uint32_t>((chunks_.size() - 1) << 16 | used_);
    used_ += bytes.size();
    kept_ += bytes.size();
    return place;
}

std::string_view AdisKeptDefinitions::BytesAt(std::uint32_t place, std::uint16_t length) const {
    return std::string_view(chunks_[place >> 16].get() + (place & 0xffff), length);
}

void AdisKeptDefinitions::RequestBytes(std::string_view requestLine, std::string_view searchLine,
                                       std::string& bytes) {
    bytes.clear();
    PutNumber(bytes, requestLine.size());
    bytes.append(requestLine);
    PutNumber(bytes, searchLine.size());
    bytes.append(searchLine);
}

void AdisKeptDefinitions::MakeFrom(clsAdisEvent& request, std::int16_t subItem,
                                   std::string_view bytes) const {
    std::size_t pos = 0;
    const std::string_view requestLine = TakeText(bytes, pos, TakeNumber(bytes, pos));
    const std::string_view searchLine = TakeText(bytes, pos, TakeNumber(bytes, pos));
    MakeFrom(request, subItem, requestLine, searchLine);
}

void AdisKeptDefinitions::MakeFrom(clsAdisEvent& request, std::int16_t subItem,
                                   std::string_view requestLine,
                                   std::string_view searchLine) const {
    if (subItem == 0)
        if (const auto event = dict_->Events().ItemOf(request.EventNo))
            request.SetKeyItems(event->KeyItems());
    // Both lines were checked when they were read.
    if (!searchLine.empty())
        request.AddSearchLineItems(*dict_, searchLine);
    request.AddReqLineItems(*dict_, requestLine);
}

void AdisKeptDefinitions::MakeFrom(clsAdisDataEvent& event, std::int16_t,
                                   std::string_view bytes) const {
    auto layout = recentLayouts_.Of(DefinitionOf(bytes), *dict_);
    event.SetDefinition(layout);
    ForEachKeptLine(bytes, [&](const KeptLine& kept) {
        auto& lines = *event.DataLines();
        lines.SharePool(pool_);
        lines.AddReadLine(layout, kept.key, kept.keyInFields, kept.line, kept.numbered);
    });
}
