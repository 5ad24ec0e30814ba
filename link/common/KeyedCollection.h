#pragma once

#include "LinkError.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An insertion-ordered collection of shared elements, each stored under the text
// of its public member `Key`. Lookup by key is O(1) and by 1-based position O(1).
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
        if (index_.count(element->Key))
            throw LinkError(LinkErrors::DuplicateKey,
                            "This key is already associated with an element of this collection");
        std::size_t position = elements_.size();
        if (!before.empty() || !after.empty()) {
            auto anchor = index_.find(std::string(before.empty() ? after : before));
            if (anchor == index_.end())
                throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
            position = anchor->second + (before.empty() ? 1 : 0);
        }
        elements_.insert(elements_.begin() + static_cast<std::ptrdiff_t>(position), element);
        index_.emplace(element->Key, position);
        if (position + 1 != elements_.size())
            Reindex(position + 1);
        return true;
    }

    // Adds the element unless its key is present; gives nothing on a duplicate.
    Element AddIfAbsent(const Element& element) {
        if (!element || index_.count(element->Key))
            return nullptr;
        Add(element);
        return element;
    }

    Element Item(std::string_view key) const {
        auto found = index_.find(std::string(key));
        return found == index_.end() ? nullptr : elements_[found->second];
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

    bool Exists(std::string_view key) const { return index_.count(std::string(key)) != 0; }
    bool Exists(const char* key) const { return Exists(std::string_view(key ? key : "")); }
    bool Exists(const std::string& key) const { return Exists(std::string_view(key)); }
    bool Exists(long position) const { return Item(position) != nullptr; }
    bool Exists(int position) const { return Exists(static_cast<long>(position)); }

    void Remove(std::string_view key) {
        auto found = index_.find(std::string(key));
        if (found == index_.end())
            throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
        RemoveAt(found->second);
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
        index_.clear();
    }
    long Count() const { return static_cast<long>(elements_.size()); }
    void Reserve(std::size_t n) {
        elements_.reserve(n);
        index_.reserve(n);
    }

    const_iterator begin() const { return elements_.begin(); }
    const_iterator end() const { return elements_.end(); }

private:
    void RemoveAt(std::size_t position) {
        index_.erase(elements_[position]->Key);
        elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(position));
        Reindex(position);
    }
    void Reindex(std::size_t from) {
        for (std::size_t i = from; i < elements_.size(); ++i)
            index_[elements_[i]->Key] = i;
    }

    std::vector<Element> elements_;
    std::unordered_map<std::string, std::size_t> index_;
};
