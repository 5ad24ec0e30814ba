#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

// The index of a keyed collection: 32-bit positions into the collection's
// sequence, each beside the low 32 bits of its key's hash. The keys stay in the
// elements (the table keeps no copy); probes compare the hash bits before they
// ask for a key, and entries move without hashing a key again.
//
// The entries stand in pages, each an open-addressing table of its own. A small
// index is one page that doubles while it is at most half full. A page of
// kPageBits is split instead, by one more leading bit of the hash, and a
// directory indexed by the leading bits finds the page of a hash (extendible
// hashing). So a large index grows a page at a time: it never holds an old and
// a new copy of itself, and a page may be fuller than half. It counts its
// entries, so that a collection may index only its first elements.
class KeyTable {
    static_assert(sizeof(std::size_t) >= 8, "entries name their page in the upper 32 bits");

public:
    static constexpr std::size_t kNoEntry = SIZE_MAX;
    // The most elements a table indexes.
    static constexpr std::size_t kMostElements = UINT32_MAX - 1;

    KeyTable() = default;
    KeyTable(const KeyTable& other) { *this = other; }
    KeyTable(KeyTable&& other) noexcept { *this = std::move(other); }
    ~KeyTable() { Clear(); }
    KeyTable& operator=(KeyTable&& other) noexcept {
        if (this != &other) {
            Clear();
            root_ = std::exchange(other.root_, nullptr);
            count_ = std::exchange(other.count_, 0);
            depth_ = std::exchange(other.depth_, 0);
        }
        return *this;
    }
    KeyTable& operator=(const KeyTable& other) {
        if (this == &other)
            return *this;
        Clear();
        MakeRoom(other.count_);
        other.ForEachEntry([this](const Entry& entry) { Insert(entry.position, entry.hash); });
        return *this;
    }

    static std::uint32_t HashOf(std::string_view key) {
        return static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    }

    // The entry of the key, or kNoEntry; keyAt(position) gives an element's key.
    template <class KeyAt>
    std::size_t Find(std::string_view key, std::uint32_t hash, KeyAt&& keyAt) const {
        if (!root_)
            return kNoEntry;
        const Probe probe = ProbeFor(key, hash, keyAt);
        return probe.found ? probe.entry : kNoEntry;
    }
    // For adding: the free entry a new key takes (room made for it), or
    // kNoEntry when the key is present.
    template <class KeyAt>
    std::size_t FreeEntryUnlessPresent(std::string_view key, std::uint32_t hash, KeyAt&& keyAt) {
        MakeRoomFor(hash);
        const Probe probe = ProbeFor(key, hash, keyAt);
        return probe.found ? kNoEntry : probe.entry;
    }
    std::uint32_t PositionAt(std::size_t entry) const { return EntryAt(entry).position; }
    // Fills the entry FreeEntryUnlessPresent gave (nothing added in between).
    void Put(std::size_t entry, std::uint32_t position, std::uint32_t hash) {
        EntryAt(entry) = {position, hash};
        ++PageCount(PageOfEntry(entry));
        ++count_;
    }
    // Adds the position of a key known to be absent.
    void Insert(std::uint32_t position, std::uint32_t hash) {
        MakeRoomFor(hash);
        const Page page = PageAt(DirectoryIndex(hash));
        Slots(page)[FreeSlot(page, hash)] = {position, hash};
        ++PageCount(page);
        ++count_;
    }
    // How many positions it holds.
    std::size_t Count() const { return count_; }

    // Frees an entry; the entries of its probe run behind it move up so that
    // every key stays reachable from its home entry.
    void Erase(std::size_t entry) {
        const Page page = PageOfEntry(entry);
        Entry* const slots = Slots(page);
        const std::size_t mask = Mask(page);
        std::size_t hole = entry & kSlotMask;
        for (std::size_t i = (hole + 1) & mask; slots[i].position != kFree; i = (i + 1) & mask) {
            const std::size_t home = slots[i].hash & mask;
            // The entry stays when its home lies in the cyclic range (hole, i].
            const bool stays = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
            if (!stays) {
                slots[hole] = slots[i];
                hole = i;
            }
        }
        slots[hole] = Entry{kFree, 0};
        --PageCount(page);
        --count_;
    }

    // Room for `count` elements at once, while they fit in one page (a larger
    // index grows a page at a time as entries come).
    void MakeRoom(std::size_t count) {
        if (count == 0)
            return;
        if (!root_)
            root_ = NewPage(BitsFor(count), 0);
        else if (depth_ == 0 && BitsOf(RootPage()) < BitsFor(count))
            Regrow(0, RootPage(), BitsFor(count));
    }
    // After positions moved: every position is placed again by hashAt(position).
    template <class HashAt> void Rebuild(std::size_t count, HashAt&& hashAt) {
        Clear();
        MakeRoom(count);
        for (std::size_t position = 0; position < count; ++position)
            Insert(static_cast<std::uint32_t>(position), hashAt(position));
    }
    void Clear() {
        ForEachPage([](Page page) { FreePage(page); });
        if (depth_ > 0)
            std::default_delete<Place[]>()(Directory());
        root_ = nullptr;
        depth_ = 0;
        count_ = 0;
    }

    // The table as the index of a sequence (a vector of elements, or one with
    // insert_at and erase_at) in which keyOf(element) gives each element's key.
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

    // Starts loading the home entry of a hash (and its page's header), for a
    // lookup to come. Always inlined: GCC finds a function that only loads and
    // prefetches pure, and drops a call to it.
    [[gnu::always_inline]] void Prefetch(std::uint32_t hash) const {
        if (!root_)
            return;
        if (depth_ == 0) {
            const Page page = RootPage();
            __builtin_prefetch(Slots(page) + (hash & Mask(page)));
            return;
        }
        const Place& place = Directory()[DirectoryIndex(hash)];
        __builtin_prefetch(place.page);
        __builtin_prefetch(Slots(place.page) + (hash & place.mask));
    }

private:
    struct Entry {
        std::uint32_t position;
        std::uint32_t hash;
    };
    // A page is its header entry, {count, size bits | depth << 8}, followed by
    // its 2^(size bits) slots. Its depth is how many leading hash bits all its
    // keys share.
    using Page = Entry*;

    static constexpr std::uint32_t kFree = UINT32_MAX;
    // Small, as a file may hold many collections of an element or two.
    static constexpr unsigned kSmallestBits = 1;
    // Pages of 512 entries (4 KB) are split rather than doubled.
    static constexpr unsigned kPageBits = 9;
    // A full-sized page is split once it is three quarters full.
    static constexpr std::size_t kSplitAt = (std::size_t{3} << kPageBits) / 4;
    // Past this depth a page doubles instead (keys whose hashes share their
    // leading bits cannot be told apart by a split).
    static constexpr unsigned kDeepest = 20;
    static constexpr std::size_t kSlotMask = UINT32_MAX;

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

    // Pages.
    static Page NewPage(unsigned bits, unsigned depth) {
        const std::size_t size = std::size_t{1} << bits;
        Page page = std::make_unique_for_overwrite<Entry[]>(size + 1).release();
        page[0] = Entry{0, bits | depth << 8};
        std::fill_n(page + 1, size, Entry{kFree, 0});
        return page;
    }
    static void FreePage(Page page) { std::default_delete<Entry[]>()(page); }
    static std::uint32_t& PageCount(Page page) { return page[0].position; }
    static unsigned BitsOf(Page page) { return page[0].hash & 0xff; }
    static unsigned DepthOf(Page page) { return page[0].hash >> 8; }
    static std::size_t Mask(Page page) { return (std::size_t{1} << BitsOf(page)) - 1; }
    static Entry* Slots(Page page) { return page + 1; }
    // The size bits of a page at most half full with `count` entries.
    static unsigned BitsFor(std::size_t count) {
        unsigned bits = kSmallestBits;
        while (bits < kPageBits && (std::size_t{1} << bits) < count * 2)
            ++bits;
        return bits;
    }
    static std::size_t FreeSlot(Page page, std::uint32_t hash) {
        const Entry* const slots = Slots(page);
        const std::size_t mask = Mask(page);
        std::size_t i = hash & mask;
        while (slots[i].position != kFree)
            i = (i + 1) & mask;
        return i;
    }

    // The directory: 2^depth_ pages, found by the leading bits of a hash; a
    // page of depth d stands in 2^(depth_ - d) neighbouring places. Without
    // depth, root_ is the only page.
    // A place of the directory holds its page's mask as well, so that a probe
    // (and a prefetch) need not wait for the page's header.
    struct Place {
        Page page;
        std::size_t mask;
    };
    Place* Directory() const { return static_cast<Place*>(root_); }
    Page RootPage() const { return static_cast<Page>(root_); }
    Place PlaceAt(std::size_t index) const {
        return depth_ == 0 ? Place{RootPage(), Mask(RootPage())} : Directory()[index];
    }
    std::size_t DirectoryIndex(std::uint32_t hash) const {
        return depth_ == 0 ? 0 : hash >> (32 - depth_);
    }
    Page PageAt(std::size_t index) const {
        return depth_ == 0 ? RootPage() : Directory()[index].page;
    }
    // The first of the places of the page at `index`, and how many it has.
    std::pair<std::size_t, std::size_t> PlacesOf(std::size_t index, Page page) const {
        const unsigned shared = depth_ - DepthOf(page);
        return {index >> shared << shared, std::size_t{1} << shared};
    }
    void SetPlaces(std::size_t first, std::size_t count, Page page) {
        if (depth_ == 0)
            root_ = page;
        else
            std::fill_n(Directory() + first, count, Place{page, Mask(page)});
    }
    template <class F> void ForEachPage(F&& f) const {
        if (depth_ == 0) {
            if (root_)
                f(RootPage());
            return;
        }
        for (std::size_t index = 0; index < (std::size_t{1} << depth_);) {
            const Page page = Directory()[index].page;
            index += PlacesOf(index, page).second;
            f(page);
        }
    }
    template <class F> static void ForEachEntryIn(Page page, F&& f) {
        for (std::size_t i = 0; i <= Mask(page); ++i)
            if (Slots(page)[i].position != kFree)
                f(Slots(page)[i]);
    }
    template <class F> void ForEachEntry(F&& f) const {
        ForEachPage([&f](Page page) { ForEachEntryIn(page, f); });
    }

    // Entries name their page's place and their slot.
    Page PageOfEntry(std::size_t entry) const { return PageAt(entry >> 32); }
    Entry& EntryAt(std::size_t entry) const { return Slots(PageOfEntry(entry))[entry & kSlotMask]; }

    // The entry of the key, or the free entry that ends its probe run.
    struct Probe {
        std::size_t entry;
        bool found;
    };
    template <class KeyAt>
    Probe ProbeFor(std::string_view key, std::uint32_t hash, KeyAt& keyAt) const {
        const std::size_t index = DirectoryIndex(hash);
        const Place place = PlaceAt(index);
        const Entry* const slots = Slots(place.page);
        const std::size_t mask = place.mask;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Entry& entry = slots[i];
            if (entry.position == kFree)
                return {index << 32 | i, false};
            if (entry.hash == hash && keyAt(entry.position) == key)
                return {index << 32 | i, true};
        }
    }

    // Room for one more entry in the page of the hash: a small page doubles
    // when it would be more than half full, a full-sized one is split (or
    // doubles when a split would not share its keys out).
    void MakeRoomFor(std::uint32_t hash) {
        if (!root_)
            root_ = NewPage(kSmallestBits, 0);
        for (;;) {
            const std::size_t index = DirectoryIndex(hash);
            const Page page = PageAt(index);
            const unsigned bits = BitsOf(page);
            const std::size_t count = PageCount(page) + std::size_t{1};
            if (bits < kPageBits ? count * 2 <= (std::size_t{1} << bits)
                                 : count <= (kSplitAt << (bits - kPageBits)))
                return;
            if (bits < kPageBits || !Split(index, page))
                Regrow(index, page, bits + 1);
        }
    }
    // Moves the entries of a page into a new one of `bits`.
    void Regrow(std::size_t index, Page page, unsigned bits) {
        const Page grown = NewPage(bits, DepthOf(page));
        MoveEntries(page, [grown](const Entry&) { return grown; });
        const auto [first, count] = PlacesOf(index, page);
        SetPlaces(first, count, grown);
        FreePage(page);
    }
    // Splits a page into two by the next leading bit of its keys' hashes; false
    // (and no change) when either would get less than a quarter of the keys, or
    // the directory would have to grow past an eighth of the entries. Keys whose
    // hashes share many leading bits (chosen to do so, or too few to tell apart)
    // so cost a larger page, never a page or a directory place per few keys.
    bool Split(std::size_t index, Page page) {
        const unsigned depth = DepthOf(page);
        if (depth >= kDeepest)
            return false;
        const std::uint32_t bit = std::uint32_t{1} << (31 - depth);
        std::size_t highCount = 0;
        ForEachEntryIn(page, [&](const Entry& entry) { highCount += (entry.hash & bit) != 0; });
        const std::size_t quarter = PageCount(page) / 4;
        if (highCount < quarter || PageCount(page) - highCount < quarter)
            return false;
        if (depth == depth_) {
            if ((std::size_t{2} << depth_) > std::max<std::size_t>(count_ / 8, 2))
                return false;
            DoubleDirectory();
            index *= 2;
        }
        const Page low = NewPage(BitsOf(page), depth + 1);
        const Page high = NewPage(BitsOf(page), depth + 1);
        MoveEntries(page, [=](const Entry& entry) { return entry.hash & bit ? high : low; });
        const auto [first, count] = PlacesOf(index, page);
        SetPlaces(first, count / 2, low);
        SetPlaces(first + count / 2, count / 2, high);
        FreePage(page);
        return true;
    }
    template <class PageFor> static void MoveEntries(Page from, PageFor&& pageFor) {
        ForEachEntryIn(from, [&](const Entry& entry) {
            const Page to = pageFor(entry);
            Slots(to)[FreeSlot(to, entry.hash)] = entry;
            ++PageCount(to);
        });
    }
    void DoubleDirectory() {
        const std::size_t size = std::size_t{1} << depth_;
        auto doubled = std::make_unique_for_overwrite<Place[]>(size * 2);
        for (std::size_t i = 0; i < size; ++i)
            doubled[2 * i] = doubled[2 * i + 1] = PlaceAt(i);
        if (depth_ > 0)
            std::default_delete<Place[]>()(Directory());
        root_ = doubled.release();
        ++depth_;
    }

    // The only page while depth_ is 0, else the directory.
    void* root_ = nullptr;
    std::uint32_t count_ = 0;
    std::uint8_t depth_ = 0;
};
