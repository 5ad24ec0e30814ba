#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

// The index of a keyed collection: an open-addressing table of 32-bit positions
// into the collection's sequence, each beside the low 32 bits of its key's hash.
// The keys stay in the elements (the table keeps no copy, and costs 16 to 32
// bytes an element); probes compare the hash bits before they ask for a key, and
// the table grows without hashing the keys again. At most half full. It counts
// its entries, so that a collection may index only its first elements.
class KeyTable {
public:
    static constexpr std::size_t kNoEntry = SIZE_MAX;
    // The most elements a table indexes.
    static constexpr std::size_t kMostElements = UINT32_MAX - 1;

    KeyTable() = default;
    KeyTable(const KeyTable& other) { *this = other; }
    KeyTable(KeyTable&& other) noexcept { *this = std::move(other); }
    KeyTable& operator=(KeyTable&& other) noexcept {
        entries_ = std::move(other.entries_);
        count_ = std::exchange(other.count_, 0);
        sizeBits_ = std::exchange(other.sizeBits_, 0);
        return *this;
    }
    KeyTable& operator=(const KeyTable& other) {
        if (this == &other)
            return *this;
        Clear();
        if (other.entries_) {
            Allocate(other.Size());
            std::copy_n(other.entries_.get(), other.Size(), entries_.get());
            count_ = other.count_;
        }
        return *this;
    }

    static std::uint32_t HashOf(std::string_view key) {
        return static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    }

    // The entry of the key, or kNoEntry; keyAt(position) gives an element's key.
    template <class KeyAt>
    std::size_t Find(std::string_view key, std::uint32_t hash, KeyAt&& keyAt) const {
        if (!entries_)
            return kNoEntry;
        const Probe probe = ProbeFor(key, hash, keyAt);
        return probe.found ? probe.entry : kNoEntry;
    }
    // For adding: with room made for `count` elements, the free entry a new key
    // takes, or kNoEntry when the key is present.
    template <class KeyAt>
    std::size_t FreeEntryUnlessPresent(std::string_view key, std::uint32_t hash, std::size_t count,
                                       KeyAt&& keyAt) {
        MakeRoom(count);
        const Probe probe = ProbeFor(key, hash, keyAt);
        return probe.found ? kNoEntry : probe.entry;
    }
    std::uint32_t PositionAt(std::size_t entry) const { return entries_[entry].position; }
    void Put(std::size_t entry, std::uint32_t position, std::uint32_t hash) {
        entries_[entry] = {position, hash};
        ++count_;
    }
    // Adds the position of a key known to be absent (room made for it).
    void Insert(std::uint32_t position, std::uint32_t hash) {
        entries_[FreeEntry(hash)] = {position, hash};
        ++count_;
    }
    // How many positions it holds.
    std::size_t Count() const { return count_; }

    // Frees an entry; the entries of its probe run behind it move up so that
    // every key stays reachable from its home entry.
    void Erase(std::size_t hole) {
        const std::size_t mask = Size() - 1;
        for (std::size_t i = (hole + 1) & mask; entries_[i].position != kFree; i = (i + 1) & mask) {
            const std::size_t home = entries_[i].hash & mask;
            // The entry stays when its home lies in the cyclic range (hole, i].
            const bool stays = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
            if (!stays) {
                entries_[hole] = entries_[i];
                hole = i;
            }
        }
        entries_[hole] = Entry{kFree, 0};
        --count_;
    }

    // Room for `count` elements: the table doubles when they would fill more
    // than half of it.
    void MakeRoom(std::size_t count) {
        if (count * 2 > Size())
            Grow(std::max(entries_ ? Size() * 2 : kSmallest, RoomFor(count)));
    }
    // After positions moved: every position is placed again by hashAt(position).
    template <class HashAt> void Rebuild(std::size_t count, HashAt&& hashAt) {
        Allocate(std::max(Size(), RoomFor(count)));
        for (std::size_t position = 0; position < count; ++position)
            Insert(static_cast<std::uint32_t>(position), hashAt(position));
    }
    void Clear() {
        entries_.reset();
        sizeBits_ = 0;
        count_ = 0;
    }

    // The table as the index of a sequence (a vector of elements, or one with
    // insert_at and erase_at) in which
    // keyOf(element) gives each element's key.
    static constexpr std::size_t kNoPosition = SIZE_MAX;
    // The position of the key in the sequence, or kNoPosition.
    template <class Elements, class KeyOf>
    std::size_t PositionOf(std::string_view key, const Elements& elements, KeyOf keyOf) const {
        const std::size_t entry = Find(key, HashOf(key), KeyAtIn(elements, keyOf));
        return entry == kNoEntry ? kNoPosition : PositionAt(entry);
    }
    // Puts an element of an absent key at `position` (at most the size) of the
    // sequence; appending touches only its own entry.
    template <class Elements, class Element, class KeyOf>
    void InsertInto(Elements& elements, std::size_t position, Element element, KeyOf keyOf) {
        if (position == elements.size()) {
            MakeRoom(elements.size() + 1);
            Insert(static_cast<std::uint32_t>(position), HashOf(keyOf(element)));
            elements.push_back(std::move(element));
            return;
        }
        InsertAt(elements, position, std::move(element));
        RebuildFor(elements, keyOf);
    }
    // Takes the element at `position` out of the sequence; removing the last
    // frees only its own entry.
    template <class Elements, class KeyOf>
    void EraseFrom(Elements& elements, std::size_t position, KeyOf keyOf) {
        if (position + 1 == elements.size()) {
            const std::string_view key = keyOf(elements[position]);
            Erase(Find(key, HashOf(key), KeyAtIn(elements, keyOf)));
            elements.pop_back();
            return;
        }
        EraseAt(elements, position);
        RebuildFor(elements, keyOf);
    }

    // Starts loading the home entry of a hash, for a lookup to come.
    void Prefetch(std::uint32_t hash) const {
        if (entries_)
            __builtin_prefetch(entries_.get() + (hash & (Size() - 1)));
    }

private:
    static constexpr std::uint32_t kFree = UINT32_MAX;

    template <class Elements, class Element>
    static void InsertAt(Elements& elements, std::size_t position, Element element) {
        if constexpr (requires { elements.insert_at(position, std::move(element)); })
            elements.insert_at(position, std::move(element));
        else
            elements.insert(elements.begin() + static_cast<std::ptrdiff_t>(position),
                            std::move(element));
    }
    template <class Elements> static void EraseAt(Elements& elements, std::size_t position) {
        if constexpr (requires { elements.erase_at(position); })
            elements.erase_at(position);
        else
            elements.erase(elements.begin() + static_cast<std::ptrdiff_t>(position));
    }

    template <class Elements, class KeyOf>
    static auto KeyAtIn(const Elements& elements, KeyOf& keyOf) {
        return [&elements, &keyOf](std::uint32_t position) -> std::string_view {
            return keyOf(elements[position]);
        };
    }
    template <class Elements, class KeyOf> void RebuildFor(const Elements& elements, KeyOf& keyOf) {
        Rebuild(elements.size(),
                [&](std::size_t position) { return HashOf(keyOf(elements[position])); });
    }
    // Small, as a file may hold many collections of an element or two.
    static constexpr std::size_t kSmallest = 2;

    struct Entry {
        std::uint32_t position;
        std::uint32_t hash;
    };

    // The entry of the key, or the free entry that ends its probe run.
    struct Probe {
        std::size_t entry;
        bool found;
    };
    template <class KeyAt>
    Probe ProbeFor(std::string_view key, std::uint32_t hash, KeyAt& keyAt) const {
        const std::size_t mask = Size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Entry& entry = entries_[i];
            if (entry.position == kFree)
                return {i, false};
            if (entry.hash == hash && keyAt(entry.position) == key)
                return {i, true};
        }
    }
    static std::size_t RoomFor(std::size_t count) {
        std::size_t size = kSmallest;
        while (size < count * 2)
            size *= 2;
        return size;
    }
    std::size_t FreeEntry(std::uint32_t hash) const {
        const std::size_t mask = Size() - 1;
        std::size_t i = hash & mask;
        while (entries_[i].position != kFree)
            i = (i + 1) & mask;
        return i;
    }
    // A larger table for the same positions: the kept hashes place them. The
    // entries are first set aside packed and the old table freed, so that the
    // two tables are not held together (the packed entries take at most half
    // the old table's room).
    void Grow(std::size_t size) {
        const std::size_t held = count_;
        std::unique_ptr<Entry[]> packed;
        if (held > 0) {
            packed = std::make_unique_for_overwrite<Entry[]>(held);
            for (std::size_t i = 0, n = 0; n < held; ++i)
                if (entries_[i].position != kFree)
                    packed[n++] = entries_[i];
        }
        entries_.reset();
        Allocate(size);
        for (std::size_t i = 0; i < held; ++i)
            Insert(packed[i].position, packed[i].hash);
    }
    // Gives the table `size` free entries (a power of two); returns the old ones.
    std::unique_ptr<Entry[]> Allocate(std::size_t size) {
        auto entries = std::make_unique_for_overwrite<Entry[]>(size);
        std::fill_n(entries.get(), size, Entry{kFree, 0});
        std::swap(entries, entries_);
        sizeBits_ = static_cast<std::uint8_t>(std::countr_zero(size));
        count_ = 0;
        return entries;
    }
    std::size_t Size() const { return entries_ ? std::size_t{1} << sizeBits_ : 0; }

    std::unique_ptr<Entry[]> entries_; // a power of two of them, or none
    std::uint32_t count_ = 0;
    std::uint8_t sizeBits_ = 0;
};
