#pragma once

#include "common/LinkError.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The interface of KeyedCollection for collections of millions of elements: the
// key is kept only in the element's `Key` (not copied into an index), and the
// index is an open-addressing table of 32-bit positions (each with its key's
// hash bits) without a node per element. An element's Key must not change while it is stored.
template <class T> class CompactKeyedCollection {
public:
    using Element = std::shared_ptr<T>;
    using const_iterator = typename std::vector<Element>::const_iterator;

    // Stores the element at the end or before/after the element of the given key.
    // Raises LinkError on a duplicate key or an absent anchor.
    bool Add(const Element& element, std::string_view before = {}, std::string_view after = {}) {
        if (!element)
            RaiseInvalid();
        if (before.empty() && after.empty()) {
            if (!Append(element))
                throw LinkError(
                    LinkErrors::DuplicateKey,
                    "This key is already associated with an element of this collection");
            return true;
        }
        if (Find(element->Key) != kFree)
            throw LinkError(LinkErrors::DuplicateKey,
                            "This key is already associated with an element of this collection");
        const std::uint32_t anchor = Find(before.empty() ? after : before);
        if (anchor == kFree)
            RaiseInvalid();
        const std::size_t position = anchor + (before.empty() ? 1 : 0);
        if (elements_.size() >= kFree - 1)
            RaiseInvalid();
        elements_.insert(elements_.begin() + static_cast<std::ptrdiff_t>(position), element);
        if (elements_.size() * 2 > table_.size())
            Rebuild(table_.size() * 2);
        else
            Rebuild(table_.size()); // the positions behind the new element moved
        return true;
    }

    // Adds the element at the end unless its key is present; nothing on a duplicate.
    Element AddIfAbsent(const Element& element) {
        if (!element || !Append(element))
            return nullptr;
        return element;
    }
    // AddIfAbsent with the PrefetchKey hash of the element's key.
    Element AddIfAbsent(const Element& element, std::uint32_t keyHash) {
        if (!element || !Append(element, keyHash))
            return nullptr;
        return element;
    }

    Element Item(std::string_view key) const {
        const std::uint32_t position = Find(key);
        return position == kFree ? nullptr : elements_[position];
    }
    Element Item(const char* key) const { return Item(std::string_view(key ? key : "")); }
    Element Item(const std::string& key) const { return Item(std::string_view(key)); }
    Element Item(long position) const {
        if (position < 1 || static_cast<std::size_t>(position) > elements_.size())
            return nullptr;
        return elements_[static_cast<std::size_t>(position - 1)];
    }
    Element Item(int position) const { return Item(static_cast<long>(position)); }

    bool Exists(std::string_view key) const { return Find(key) != kFree; }
    bool Exists(const char* key) const { return Exists(std::string_view(key ? key : "")); }
    bool Exists(const std::string& key) const { return Exists(std::string_view(key)); }
    bool Exists(long position) const { return Item(position) != nullptr; }
    bool Exists(int position) const { return Exists(static_cast<long>(position)); }

    void Remove(std::string_view key) {
        const std::uint32_t position = Find(key);
        if (position == kFree)
            RaiseInvalid();
        RemoveAt(position);
    }
    void Remove(const char* key) { Remove(std::string_view(key ? key : "")); }
    void Remove(const std::string& key) { Remove(std::string_view(key)); }
    void Remove(long position) {
        if (position < 1 || static_cast<std::size_t>(position) > elements_.size())
            RaiseInvalid();
        RemoveAt(static_cast<std::size_t>(position - 1));
    }
    void Remove(int position) { Remove(static_cast<long>(position)); }

    void Clear() {
        elements_.clear();
        table_.clear();
    }
    long Count() const { return static_cast<long>(elements_.size()); }
    void Reserve(std::size_t n) {
        elements_.reserve(n);
        std::size_t capacity = table_.empty() ? 16 : table_.size();
        while (capacity < n * 2)
            capacity *= 2;
        if (capacity != table_.size())
            Grow(capacity);
    }

    // The hash the index keeps of a key, after starting to load the key's index
    // entry: a key about to be added or looked up with that hash finds it loaded
    // when other work came in between. (The hash is returned, which also keeps
    // the compiler from dropping the load as work without an effect.)
    std::uint32_t PrefetchKey(std::string_view key) const {
        const auto hash = static_cast<std::uint32_t>(HashOf(key));
        if (!table_.empty())
            __builtin_prefetch(table_.data() + (hash & (table_.size() - 1)));
        return hash;
    }

    const_iterator begin() const { return elements_.begin(); }
    const_iterator end() const { return elements_.end(); }

protected:
    // Gives the element of oldKey the key newKey in its place: setKey(element,
    // newKey) changes the element's Key. False (and no change) when oldKey is
    // absent or newKey present.
    template <class SetKey>
    bool ChangeKeyWith(std::string_view oldKey, std::string_view newKey, SetKey setKey) {
        const std::size_t entry = FindEntry(oldKey);
        if (entry == kNoEntry || Find(newKey) != kFree)
            return false;
        const std::uint32_t position = table_[entry].position;
        EraseEntry(entry);
        setKey(*elements_[position], newKey);
        Insert(position, static_cast<std::uint32_t>(HashOf(newKey)));
        return true;
    }

private:
    static constexpr std::uint32_t kFree = UINT32_MAX;
    static constexpr std::size_t kNoEntry = SIZE_MAX;

    [[noreturn]] static void RaiseInvalid() {
        throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
    }
    static std::size_t HashOf(std::string_view key) { return std::hash<std::string_view>{}(key); }

    // Each table entry keeps the low 32 bits of its key's hash beside the
    // position: probes compare those before they touch the element, and the table
    // grows without hashing the keys again.
    struct Entry {
        std::uint32_t position;
        std::uint32_t hash;
    };

    std::uint32_t Find(std::string_view key) const {
        const std::size_t entry = FindEntry(key);
        return entry == kNoEntry ? kFree : table_[entry].position;
    }
    // The table entry of the key, or kNoEntry.
    std::size_t FindEntry(std::string_view key) const {
        if (table_.empty())
            return kNoEntry;
        const auto hash = static_cast<std::uint32_t>(HashOf(key));
        const std::size_t mask = table_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Entry& entry = table_[i];
            if (entry.position == kFree)
                return kNoEntry;
            if (entry.hash == hash && elements_[entry.position]->Key == key)
                return i;
        }
    }
    // Frees a table entry; the entries of its probe run behind it move up so
    // that every key stays reachable from its home entry.
    void EraseEntry(std::size_t hole) {
        const std::size_t mask = table_.size() - 1;
        for (std::size_t i = (hole + 1) & mask; table_[i].position != kFree; i = (i + 1) & mask) {
            const std::size_t home = table_[i].hash & mask;
            // The entry stays when its home lies in the cyclic range (hole, i].
            const bool stays = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
            if (!stays) {
                table_[hole] = table_[i];
                hole = i;
            }
        }
        table_[hole] = Entry{kFree, 0};
    }
    // One probe sequence finds a duplicate or the free entry the new element takes.
    bool Append(const Element& element) {
        return Append(element, static_cast<std::uint32_t>(HashOf(element->Key)));
    }
    bool Append(const Element& element, std::uint32_t hash) {
        if (elements_.size() >= kFree - 1)
            RaiseInvalid();
        if ((elements_.size() + 1) * 2 > table_.size())
            Grow(table_.empty() ? 16 : table_.size() * 2);
        const std::size_t mask = table_.size() - 1;
        std::size_t i = hash & mask;
        for (;; i = (i + 1) & mask) {
            const Entry& entry = table_[i];
            if (entry.position == kFree)
                break;
            if (entry.hash == hash && elements_[entry.position]->Key == element->Key)
                return false;
        }
        elements_.push_back(element);
        table_[i] = {static_cast<std::uint32_t>(elements_.size() - 1), hash};
        return true;
    }
    void Insert(std::uint32_t position, std::uint32_t hash) {
        const std::size_t mask = table_.size() - 1;
        std::size_t i = hash & mask;
        while (table_[i].position != kFree)
            i = (i + 1) & mask;
        table_[i] = {position, hash};
    }
    // A larger table for the same positions: the kept hashes place them.
    void Grow(std::size_t capacity) {
        std::vector<Entry> old(capacity < 16 ? 16 : capacity, Entry{kFree, 0});
        old.swap(table_);
        for (const Entry& entry : old)
            if (entry.position != kFree)
                Insert(entry.position, entry.hash);
    }
    // After positions moved: every key is hashed again.
    void Rebuild(std::size_t capacity) {
        table_.assign(capacity < 16 ? 16 : capacity, Entry{kFree, 0});
        for (std::size_t position = 0; position < elements_.size(); ++position)
            Insert(static_cast<std::uint32_t>(position),
                   static_cast<std::uint32_t>(HashOf(elements_[position]->Key)));
    }
    void RemoveAt(std::size_t position) {
        elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(position));
        Rebuild(table_.size());
    }

    std::vector<Element> elements_;
    std::vector<Entry> table_; // size 0 or a power of two, at most half full
};
