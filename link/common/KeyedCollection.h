#pragma once

#include "KeyTable.h"
#include "LinkError.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An insertion-ordered collection of shared elements, each stored under the text
// of its public member `Key`, which must not change while it is stored. Lookup
// by key is O(1) and by 1-based position O(1).
// Item and Exists never fail; Add and Remove raise LinkError on a duplicate or an
// absent key or position.
template <class T> class KeyedCollection {
public:
    using Element = std::shared_ptr<T>;
    using const_iterator = typename std::vector<Element>::const_iterator;

    // Stores the element under element->Key, at the end or before/after the element
    // stored under the given key. Raises on a duplicate key or an absent anchor.
    bool Add(const Element& element, std::string_view before = {}, std::string_view after = {}) {
        if (!element)
            throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
        if (Find(element->Key) != kAbsent)
            throw LinkError(LinkErrors::DuplicateKey,
                            "This key is already associated with an element of this collection");
        std::size_t position = elements_.size();
        if (!before.empty() || !after.empty()) {
            const std::size_t anchor = Find(before.empty() ? after : before);
            if (anchor == kAbsent)
                throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
            position = anchor + (before.empty() ? 1 : 0);
        }
        if (elements_.size() >= KeyTable::kMostElements)
            throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
        index_.InsertInto(elements_, position, element, KeyOf);
        return true;
    }

    // Adds the element unless its key is present; gives nothing on a duplicate.
    Element AddIfAbsent(const Element& element) {
        if (!element || Find(element->Key) != kAbsent)
            return nullptr;
        Add(element);
        return element;
    }

    Element Item(std::string_view key) const {
        const std::size_t position = Find(key);
        return position == kAbsent ? nullptr : elements_[position];
    }
    Element Item(const char* key) const { return Item(std::string_view(key ? key : "")); }
    Element Item(const std::string& key) const { return Item(std::string_view(key)); }
    // 1-based position in insertion order.
    Element Item(long position) const {
        if (position < 1 || static_cast<std::size_t>(position) > elements_.size())
            return nullptr;
        return elements_[static_cast<std::size_t>(position - 1)];
    }
    Element Item(int position) const { return Item(static_cast<long>(position)); }

    bool Exists(std::string_view key) const { return Find(key) != kAbsent; }
    bool Exists(const char* key) const { return Exists(std::string_view(key ? key : "")); }
    bool Exists(const std::string& key) const { return Exists(std::string_view(key)); }
    bool Exists(long position) const { return Item(position) != nullptr; }
    bool Exists(int position) const { return Exists(static_cast<long>(position)); }

    void Remove(std::string_view key) {
        const std::size_t position = Find(key);
        if (position == kAbsent)
            throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
        RemoveAt(position);
    }
    void Remove(const char* key) { Remove(std::string_view(key ? key : "")); }
    void Remove(const std::string& key) { Remove(std::string_view(key)); }
    void Remove(long position) {
        if (position < 1 || static_cast<std::size_t>(position) > elements_.size())
            throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
        RemoveAt(static_cast<std::size_t>(position - 1));
    }
    void Remove(int position) { Remove(static_cast<long>(position)); }

    void Clear() {
        elements_.clear();
        index_.Clear();
    }
    long Count() const { return static_cast<long>(elements_.size()); }
    void Reserve(std::size_t n) {
        elements_.reserve(n);
        index_.MakeRoom(n);
    }

    const_iterator begin() const { return elements_.begin(); }
    const_iterator end() const { return elements_.end(); }

private:
    static constexpr std::size_t kAbsent = KeyTable::kNoPosition;

    static std::string_view KeyOf(const Element& element) { return element->Key; }
    // The position of the key, or kAbsent.
    std::size_t Find(std::string_view key) const {
        return index_.PositionOf(key, elements_, KeyOf);
    }
    void RemoveAt(std::size_t position) { index_.EraseFrom(elements_, position, KeyOf); }

    std::vector<Element> elements_;
    KeyTable index_;
};
