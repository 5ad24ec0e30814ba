#pragma once

#include "KeyTable.h"
#include "KeyedInterface.h"
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
template <class T>
class KeyedCollection : public KeyedInterface<KeyedCollection<T>, std::shared_ptr<T>> {
public:
    using Element = std::shared_ptr<T>;
    using const_iterator = typename std::vector<Element>::const_iterator;

    // Stores the element under element->Key, at the end or before/after the element
    // stored under the given key. Raises on a duplicate key or an absent anchor.
    bool Add(const Element& element, std::string_view before = {}, std::string_view after = {}) {
        this->CheckNew(element);
        std::size_t position = elements_.size();
        if (!before.empty() || !after.empty()) {
            const std::size_t anchor = IndexOfKey(before.empty() ? after : before);
            if (anchor == kAbsent)
                throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
            position = anchor + (before.empty() ? 1 : 0);
        }
        if (elements_.size() >= KeyTable::kMostElements)
            throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
        index_.InsertInto(elements_, position, element, KeyOf);
        return true;
    }

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
    friend class KeyedInterface<KeyedCollection, Element>;
    static constexpr std::size_t kAbsent = KeyTable::kNoPosition;

    static std::string_view KeyOf(const Element& element) { return element->Key; }
    // The position of the key, or kAbsent.
    std::size_t IndexOfKey(std::string_view key) const {
        return index_.PositionOf(key, elements_, KeyOf);
    }
    const Element& ElementAt(std::size_t index) const { return elements_[index]; }
    void RemoveIndex(std::size_t position) { index_.EraseFrom(elements_, position, KeyOf); }

    std::vector<Element> elements_;
    KeyTable index_;
};
