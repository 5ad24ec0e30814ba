#pragma once

#include "KeyTable.h"
#include "LinkError.h"
#include "PositionIterator.h"

#include <cstddef>
#include <string>
#include <string_view>

// The lookups and removals of a keyed collection, by key text of any form or by
// 1-based position, over what the collection (Derived) gives: IndexOfKey(key)
// (its 0-based position, or KeyTable::kNoPosition), ElementAt(index),
// RemoveIndex(index) and Count(); and adding an element unless its key is
// present, with the collection's Add. Item and Exists never fail; Remove raises
// LinkError on an absent key or position.
template <class Derived, class Element> class KeyedInterface {
    struct ByPosition {
        static Element At(const Derived& owner, std::size_t index) {
            return owner.ElementAt(index);
        }
    };

public:
    // An iterator that gives the element at each position, for a collection
    // whose elements are not stored as such (one that stores them gives its own
    // begin and end).
    using PositionalIterator = PositionIterator<Derived, Element, ByPosition>;
    PositionalIterator begin() const { return PositionalIterator(&Self(), 0); }
    PositionalIterator end() const {
        return PositionalIterator(&Self(), static_cast<std::size_t>(Self().Count()));
    }

    // Adds the element unless its key is present; gives nothing on a duplicate.
    Element AddIfAbsent(const Element& element) {
        if (!element || Self().IndexOfKey(element->Key) != KeyTable::kNoPosition)
            return nullptr;
        Self().Add(element);
        return element;
    }

    Element Item(std::string_view key) const {
        const std::size_t index = Self().IndexOfKey(key);
        return index == KeyTable::kNoPosition ? nullptr : Self().ElementAt(index);
    }
    Element Item(const char* key) const { return Item(std::string_view(key ? key : "")); }
    Element Item(const std::string& key) const { return Item(std::string_view(key)); }
    Element Item(long position) const {
        return Exists(position) ? Self().ElementAt(static_cast<std::size_t>(position - 1))
                                : nullptr;
    }
    Element Item(int position) const { return Item(static_cast<long>(position)); }

    bool Exists(std::string_view key) const {
        return Self().IndexOfKey(key) != KeyTable::kNoPosition;
    }
    bool Exists(const char* key) const { return Exists(std::string_view(key ? key : "")); }
    bool Exists(const std::string& key) const { return Exists(std::string_view(key)); }
    bool Exists(long position) const { return position >= 1 && position <= Self().Count(); }
    bool Exists(int position) const { return Exists(static_cast<long>(position)); }

    void Remove(std::string_view key) {
        const std::size_t index = Self().IndexOfKey(key);
        if (index == KeyTable::kNoPosition)
            RaiseInvalid();
        Self().RemoveIndex(index);
    }
    void Remove(const char* key) { Remove(std::string_view(key ? key : "")); }
    void Remove(const std::string& key) { Remove(std::string_view(key)); }
    void Remove(long position) {
        if (!Exists(position))
            RaiseInvalid();
        Self().RemoveIndex(static_cast<std::size_t>(position - 1));
    }
    void Remove(int position) { Remove(static_cast<long>(position)); }

protected:
    // Raises LinkError unless the element may be added: one, of an absent key.
    void CheckNew(const Element& element) const {
        if (!element)
            RaiseInvalid();
        if (Self().IndexOfKey(element->Key) != KeyTable::kNoPosition)
            throw LinkError(LinkErrors::DuplicateKey,
                            "This key is already associated with an element of this collection");
    }
    [[noreturn]] static void RaiseInvalid() {
        throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
    }

private:
    const Derived& Self() const { return static_cast<const Derived&>(*this); }
    Derived& Self() { return static_cast<Derived&>(*this); }
};
