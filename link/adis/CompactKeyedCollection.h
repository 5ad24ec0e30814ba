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
// index is an open-addressing table of 32-bit positions without a node per
// element. An element's Key must not change while it is stored.
template <class T> class CompactKeyedCollection {
public:
    using Element = std::shared_ptr<T>;
    using const_iterator = typename std::vector<Element>::const_iterator;

    // Stores the element at the end or before/after the element of the given key.
    // Raises LinkError on a duplicate key or an absent anchor.
    bool Add(const Element& element, std::string_view before = {}, std::string_view after = {}) {
        if (!element)
            RaiseInvalid();
        if (Find(element->Key) != kFree)
            throw LinkError(LinkErrors::DuplicateKey,
                            "This key is already associated with an element of this collection");
        std::size_t position = elements_.size();
        if (!before.empty() || !after.empty()) {
            const std::uint32_t anchor = Find(before.empty() ? after : before);
            if (anchor == kFree)
                RaiseInvalid();
            position = anchor + (before.empty() ? 1 : 0);
        }
        if (elements_.size() >= kFree - 1)
            RaiseInvalid();
        elements_.insert(elements_.begin() + static_cast<std::ptrdiff_t>(position), element);
        if (elements_.size() * 2 > table_.size())
            Rebuild(table_.empty() ? 16 : table_.size() * 2);
        else if (position + 1 != elements_.size())
            Rebuild(table_.size()); // the positions behind the new element moved
        else
            Insert(static_cast<std::uint32_t>(position));
        return true;
    }

    Element AddIfAbsent(const Element& element) {
        if (!element || Find(element->Key) != kFree)
            return nullptr;
        Add(element);
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
            Rebuild(capacity);
    }

    const_iterator begin() const { return elements_.begin(); }
    const_iterator end() const { return elements_.end(); }

private:
    static constexpr std::uint32_t kFree = UINT32_MAX;

    [[noreturn]] static void RaiseInvalid() {
        throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
    }
    static std::size_t HashOf(std::string_view key) { return std::hash<std::string_view>{}(key); }

    std::uint32_t Find(std::string_view key) const {
        if (table_.empty())
            return kFree;
        const std::size_t mask = table_.size() - 1;
        for (std::size_t i = HashOf(key) & mask;; i = (i + 1) & mask) {
            const std::uint32_t position = table_[i];
            if (position == kFree || elements_[position]->Key == key)
                return position;
        }
    }
    void Insert(std::uint32_t position) {
        const std::size_t mask = table_.size() - 1;
        std::size_t i = HashOf(elements_[position]->Key) & mask;
        while (table_[i] != kFree)
            i = (i + 1) & mask;
        table_[i] = position;
    }
    void Rebuild(std::size_t capacity) {
        table_.assign(capacity, kFree);
        for (std::size_t position = 0; position < elements_.size(); ++position)
            Insert(static_cast<std::uint32_t>(position));
    }
    void RemoveAt(std::size_t position) {
        elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(position));
        Rebuild(table_.size());
    }

    std::vector<Element> elements_;
    std::vector<std::uint32_t> table_; // size 0 or a power of two, at most half full
};
