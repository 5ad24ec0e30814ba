#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class AdisValueLineLayout;
class clsAdisEvent;
class clsAdisKeyItems;
class clsAdisDataLine;

// The storage of the value lines a collection makes: each line in one block
// with its values and key, blocks taken one after another from large chunks.
// Lines live as long as the pool; the collection and the handles it gives out
// keep the pool alive.
class AdisLinePool {
public:
    AdisLinePool() = default;
    AdisLinePool(const AdisLinePool&) = delete;
    AdisLinePool& operator=(const AdisLinePool&) = delete;
    ~AdisLinePool();

    // A new line with the key and room for `values` values holding `textBytes`
    // bytes of text.
    clsAdisDataLine* MakeLine(std::string_view key, std::size_t values, std::size_t textBytes);
    // A new line with the key that keeps the field text of a value line read by
    // the layout (a line of plain ASCII from character 9); the pool keeps the
    // layout. A key that stands in the fields at `keyInFields` is not copied.
    clsAdisDataLine* MakeLineAsRead(std::string_view key,
                                    const std::shared_ptr<const AdisValueLineLayout>& layout,
                                    std::string_view fields,
                                    std::optional<std::size_t> keyInFields = std::nullopt);
    // Gives back the line made last, which no one holds; a line made earlier
    // stays until the pool ends.
    void GiveBack(clsAdisDataLine* line);

    // Work space of the collections that make lines in the pool (a file's
    // collections share one pool; lines are made one at a time).
    struct WorkSpace {
        std::vector<std::string_view> fields; // of a value line being cut
        std::string key;                      // of a value line being made
        // The layout last made for AddItemEx: all lines of a definition share it.
        std::shared_ptr<AdisValueLineLayout> layout;

        // AdisValueLineLayout::FindKeyFields of the layout and key event last
        // asked for (the lines of a definition come together).
        const std::vector<int>& KeyFields(const std::shared_ptr<AdisValueLineLayout>& layout,
                                          const clsAdisEvent& keyEvent);

    private:
        std::shared_ptr<AdisValueLineLayout> keyLayout_;
        const clsAdisEvent* keyEvent_ = nullptr;
        std::shared_ptr<clsAdisKeyItems> keyItems_; // of keyEvent_, as they were
        long keyItemCount_ = -1;
        std::vector<int> keyFields_;
    };
    WorkSpace& Work() { return work_; }

private:
    // Chunks grow from the size of the first line (a data event may have just
    // one), each an eighth of those before it, so that the unused end of the
    // last stays a small share of the lines. From kLargeChunksFrom on they are
    // whole large pages, backed by them where the system has them (a page fault
    // per 2 MB of lines instead of per 4 KB).
    static constexpr std::size_t kSecondChunk = 1024;
    static constexpr std::size_t kGrowthShare = 8;
    static constexpr std::size_t kLargeChunksFrom = 4 * 1024 * 1024;
    static constexpr std::size_t kLargestChunk = 4 * 1024 * 1024;
    struct ChunkDelete {
        std::size_t alignment;
        void operator()(std::byte* bytes) const;
    };
    struct Chunk {
        std::unique_ptr<std::byte[], ChunkDelete> bytes;
        std::size_t size = 0;
        std::size_t used = 0;
    };
    static Chunk MakeChunk(std::size_t size);

    std::byte* Allocate(std::size_t bytes);

    std::vector<Chunk> chunks_;
    std::size_t chunkBytes_ = 0;                                      // of all chunks
    std::vector<std::shared_ptr<const AdisValueLineLayout>> layouts_; // of lines kept as read
    WorkSpace work_;
};
