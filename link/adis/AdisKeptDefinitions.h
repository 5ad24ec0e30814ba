#pragma once

#include "AdisValueLineLayout.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class AdisLinePool;
class clsAdisDataDict;
class clsAdisDataEvent;
class clsAdisEvent;

// The text of the small definitions a reader met with their value lines, and
// of its small requests with their search lines, kept until their event is
// first asked for: a file of many small definitions or requests costs little
// more than its text. Each value line is kept with the key it took when it was
// read, so that making the event later asks nothing of the key events (which
// may be gone by then). Making an event decodes its lines again by the
// dictionary the file was read with, which must not change meanwhile. A
// definition that grows larger is made while it is read: its text then
// outweighs the objects it costs.
class AdisKeptDefinitions {
public:
    // The most bytes a definition with its lines may keep.
    static constexpr std::size_t kMostBytes = 1024;

    // A definition being read, with the lines read so far.
    class Draft {
    public:
        void Start(std::string_view defLine);
        // Adds a value line (UTF-8 text) with its key and where the key stands
        // in the fields of a line kept as read; `numbered`: a key from NextNumber.
        // False (and nothing added) when the draft would grow too large.
        bool AddLine(std::string_view valueLine, std::string_view key,
                     std::optional<std::size_t> keyInFields, bool numbered);
        bool HasKey(std::string_view key) const;
        // The key of the next line numbered in arrival order, as the event's
        // lines would number it: numbers taken by other keys are skipped.
        void NextNumber(std::string& key);
        std::string_view Bytes() const { return bytes_; }

    private:
        std::string bytes_;
        long nextNumber_ = 1;
        bool onlyNumbered_ = true; // every line has a key from NextNumber
    };

    AdisKeptDefinitions(std::shared_ptr<const clsAdisDataDict> dict,
                        std::shared_ptr<AdisLinePool> pool);
    AdisKeptDefinitions(const AdisKeptDefinitions&) = delete;
    AdisKeptDefinitions& operator=(const AdisKeptDefinitions&) = delete;

    // Keeps a draft's bytes: where they stand, or nothing when the store is full.
    std::optional<std::uint32_t> Keep(std::string_view bytes);
    std::string_view BytesAt(std::uint32_t place, std::uint16_t length) const;
    // Gives the event the definition and value lines of a draft's bytes.
    void MakeFrom(clsAdisDataEvent& event, std::int16_t subItem, std::string_view bytes) const;

    // The bytes kept of a request line and its search line (empty for none).
    static void RequestBytes(std::string_view requestLine, std::string_view searchLine,
                             std::string& bytes);
    // Gives the request of such bytes its items, its search items and, as the
    // first of its event number (subItem 0), the key items of the dictionary's
    // event.
    void MakeFrom(clsAdisEvent& request, std::int16_t subItem, std::string_view bytes) const;
    // The same from the lines themselves.
    void MakeFrom(clsAdisEvent& request, std::int16_t subItem, std::string_view requestLine,
                  std::string_view searchLine) const;

private:
    // Kept bytes are named by their chunk (the upper 16 bits) and their offset.
    static constexpr std::size_t kLargestChunk = std::size_t{1} << 16;
    static constexpr std::size_t kSmallestChunk = 2 * kMostBytes;
    static constexpr std::size_t kMostChunks = std::size_t{1} << 16;

    std::shared_ptr<const clsAdisDataDict> dict_;
    std::shared_ptr<AdisLinePool> pool_;
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t chunkSize_ = 0; // of the last chunk
    std::size_t used_ = 0;      // of the last chunk
    std::size_t kept_ = 0;      // bytes in all chunks
    // Events made in turn share the layout of equal definitions, as the
    // reader's do.
    mutable AdisRecentLayouts recentLayouts_;
};
