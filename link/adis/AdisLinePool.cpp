#include "AdisLinePool.h"

#include "AdisValueLineLayout.h"
#include "clsAdisDataLine.h"
#include "common/Platform.h"
#include "dictionary/clsAdisEvent.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Blocks hold pointers and 64-bit values.
constexpr std::size_t kAlign = 8;
static_assert(alignof(clsAdisDataLine) <= kAlign);

constexpr std::size_t Aligned(std::size_t bytes) {
    return (bytes + kAlign - 1) & ~(kAlign - 1);
}

constexpr std::size_t WholeLargePages(std::size_t bytes) {
    return (bytes + Platform::LargePageSize - 1) / Platform::LargePageSize *
           Platform::LargePageSize;
}

} // namespace

AdisLinePool::~AdisLinePool() {
    // Lines whose values or key moved to storage of their own free it here.
    for (Chunk& chunk : chunks_) {
        std::byte* at = chunk.bytes.get();
        std::byte* const end = at + chunk.used;
        while (at < end) {
            auto* line = std::launder(reinterpret_cast<clsAdisDataLine*>(at));
            const std::size_t bytes = line->poolBytes_;
            line->~clsAdisDataLine();
            at += bytes;
        }
    }
}

void AdisLinePool::ChunkDelete::operator()(std::byte* bytes) const {
    ::operator delete[](bytes, std::align_val_t(alignment));
}

AdisLinePool::Chunk AdisLinePool::MakeChunk(std::size_t size) {
    // A chunk of whole large pages starts on one, so that the system can back it
    // with them: a large file's lines then cost a page fault per 2 MB, not per 4 KB.
    const bool large = size % Platform::LargePageSize == 0;
    const std::size_t alignment = large ? Platform::LargePageSize : kAlign;
    Chunk chunk;
    chunk.bytes = std::unique_ptr<std::byte[], ChunkDelete>(
        static_cast<std::byte*>(::operator new[](size, std::align_val_t(alignment))),
        ChunkDelete{alignment});
    chunk.size = size;
    if (large)
        Platform::AdviseLargePages(chunk.bytes.get(), size);
    return chunk;
}

std::byte* AdisLinePool::Allocate(std::size_t bytes) {
    if (chunks_.empty() || chunks_.back().size - chunks_.back().used < bytes) {
        std::size_t next = bytes;
        if (!chunks_.empty()) {
            next = std::max(chunkBytes_ / kGrowthShare, kSecondChunk);
            if (chunkBytes_ >= kLargeChunksFrom)
                next = std::min(WholeLargePages(next), kLargestChunk);
        }
        chunks_.push_back(MakeChunk(std::max(next, bytes)));
        chunkBytes_ += chunks_.back().size;
    }
    Chunk& chunk = chunks_.back();
    std::byte* const at = chunk.bytes.get() + chunk.used;
    chunk.used += bytes;
    return at;
}

clsAdisDataLine* AdisLinePool::MakeLine(std::string_view key, std::size_t values,
                                        std::size_t textBytes) {
    // Texts need no alignment: only the block as a whole is aligned.
    const std::size_t head = Aligned(sizeof(clsAdisDataLine));
    const std::size_t valueBytes = clsAdisItemValues::BlockBytes(values, textBytes);
    const std::size_t bytes = Aligned(head + valueBytes + key.size());
    std::byte* const block = Allocate(bytes);
    auto* line = new (block) clsAdisDataLine();
    line->poolBytes_ = static_cast<std::uint32_t>(bytes);
    line->ItemValues.BorrowBlock(block + head, values, textBytes);
    char* const keyText = reinterpret_cast<char*>(block + head + valueBytes);
    if (!key.empty())
        std::memcpy(keyText, key.data(), key.size());
    line->Key.Borrow(keyText, key.size());
    return line;
}

clsAdisDataLine*
AdisLinePool::MakeLineAsRead(std::string_view key,
                             const std::shared_ptr<const AdisValueLineLayout>& layout,
                             std::string_view fields, std::optional<std::size_t> keyInFields) {
    if (layouts_.empty() || layouts_.back() != layout)
        layouts_.push_back(layout);
    const std::size_t head = Aligned(sizeof(clsAdisDataLine));
    const std::size_t bytes = Aligned(head + fields.size() + (keyInFields ? 0 : key.size()));
    std::byte* const block = Allocate(bytes);
    auto* line = new (block) clsAdisDataLine();
    line->poolBytes_ = static_cast<std::uint32_t>(bytes);
    char* const fieldText = reinterpret_cast<char*>(block + head);
    if (!fields.empty())
        std::memcpy(fieldText, fields.data(), fields.size());
    line->ItemValues.BorrowFields(*layout, fieldText);
    if (keyInFields) {
        line->Key.Borrow(fieldText + *keyInFields, key.size());
        return line;
    }
    char* const keyText = fieldText + fields.size();
    if (!key.empty())
        std::memcpy(keyText, key.data(), key.size());
    line->Key.Borrow(keyText, key.size());
    return line;
}

void AdisLinePool::GiveBack(clsAdisDataLine* line) {
    if (chunks_.empty())
        return;
    Chunk& chunk = chunks_.back();
    auto* const block = reinterpret_cast<std::byte*>(line);
    if (block + line->poolBytes_ != chunk.bytes.get() + chunk.used)
        return;
    chunk.used -= line->poolBytes_;
    line->~clsAdisDataLine();
}

const std::vector<int>&
AdisLinePool::WorkSpace::KeyFields(const std::shared_ptr<AdisValueLineLayout>& layout,
                                   const clsAdisEvent& keyEvent) {
    const auto& keyItems = keyEvent.KeyItems();
    if (layout == keyLayout_ && &keyEvent == keyEvent_ && keyItems == keyItems_ &&
        keyItems->Count() == keyItemCount_)
        return keyFields_;
    keyLayout_ = layout;
    keyEvent_ = &keyEvent;
    keyItems_ = keyItems;
    keyItemCount_ = keyItems->Count();
    layout->FindKeyFields(*keyItems, keyFields_);
    return keyFields_;
}
