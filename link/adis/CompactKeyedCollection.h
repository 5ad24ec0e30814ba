#pragma once

#include "common/ChunkedSequence.h"
#include "common/KeyTable.h"
#include "common/KeyedInterface.h"
#include "common/LinkError.h"
#include "common/PositionIterator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The interface of KeyedCollection for collections of millions of elements.
// Elements are kept as plain pointers: those the derived collection makes live
// in storage owned by `owner` (a pool), and every handle given out shares that
// owner; an element added from elsewhere is kept alive by its own handle. The
// key is kept only in the element's `Key` (not copied into an index), and the
// index is an open-addressing table of 32-bit positions (each with its key's
// hash bits) without a node per element. An element's Key must not change while
// it is stored (ChangeKeyWith moves it). A collection of a few elements has no
// table (its keys are compared in turn), and elements the derived collection
// knows to have new keys (numbered in arrival order) are indexed only once a key
// is looked for: a lookup may index (a collection is read from one thread).
template <class T>
class CompactKeyedCollection
    : public KeyedInterface<CompactKeyedCollection<T>, std::shared_ptr<T>> {
public:
    using Element = std::shared_ptr<T>;
    using const_iterator =
        typename KeyedInterface<CompactKeyedCollection, Element>::PositionalIterator;

    // Stores the element at the end or before/after the element of the given key.
    // Raises LinkError on a duplicate key or an absent anchor.
    bool Add(const Element& element, std::string_view before = {}, std::string_view after = {}) {
        this->CheckNew(element);
        std::size_t position = elements_.size();
        if (!before.empty() || !after.empty()) {
            const std::size_t anchor = IndexOfKey(before.empty() ? after : before);
            if (anchor == kAbsent)
                this->RaiseInvalid();
            position = anchor + (before.empty() ? 1 : 0);
        }
        if (elements_.size() >= KeyTable::kMostElements)
            this->RaiseInvalid();
        if (!SharesOwner(element))
            Foreign().emplace(element.get(), element);
        onlyNew_ = false;
        if (Unindexed(elements_.size() + 1)) {
            elements_.insert_at(position, element.get());
            return true;
        }
        IndexAll();
        table_.InsertInto(elements_, position, element.get(), KeyOf);
        return true;
    }

    void Clear() {
        elements_.clear();
        table_.Clear();
        onlyNew_ = true;
        foreign_.reset();
        owner_.reset(); // stays alive while handles to its elements do
    }
    long Count() const { return static_cast<long>(elements_.size()); }
    void Reserve(std::size_t n) {
        elements_.reserve(n);
        table_.MakeRoom(n);
    }

    // Calls f(element) for every element in order, without handles.
    template <class F> void ForEachElement(F&& f) const {
        elements_.ForEach([&f](const T* element) { f(*element); });
    }

protected:
    static constexpr std::size_t kNoEntry = KeyTable::kNoEntry;

    static std::uint32_t HashOf(std::string_view key) { return KeyTable::HashOf(key); }

    // The owner of the elements the derived collection makes; set once it
    // makes the first.
    const std::shared_ptr<void>& Owner() const { return owner_; }
    void SetOwner(std::shared_ptr<void> owner) { owner_ = std::move(owner); }

    // The handle of an element the derived collection made.
    Element Handle(T* element) const { return Element(owner_, element); }

    // Adding in two steps, for elements made only once their key proved new:
    // EntryForNew gives the free table entry of the key (after making room for
    // one more element), or kNoEntry when the key is present; StoreAt stores
    // the element there (nothing may be added in between).
    std::size_t EntryForNew(std::string_view key, std::uint32_t hash) {
        if (elements_.size() >= KeyTable::kMostElements)
            this->RaiseInvalid();
        if (Unindexed(elements_.size() + 1))
            return IndexOfKey(key) == kAbsent ? kAppendEntry : kNoEntry;
        IndexAll();
        return table_.FreeEntryUnlessPresent(key, hash, KeyAt());
    }
    void StoreAt(std::size_t entry, T* element, std::uint32_t hash) {
        onlyNew_ = false;
        if (entry != kAppendEntry)
            table_.Put(entry, static_cast<std::uint32_t>(elements_.size()), hash);
        elements_.push_back(element);
    }
    // True while every element came from AppendNew (since the collection was
    // last empty).
    bool OnlyNewKeys() const { return onlyNew_; }
    // Appends an element whose key the derived collection knows to be absent,
    // without indexing it; only while OnlyNewKeys().
    void AppendNew(T* element) {
        if (elements_.size() >= KeyTable::kMostElements)
            this->RaiseInvalid();
        elements_.push_back(element);
    }

    // Starts loading the table entry of a hash, for an EntryForNew to come.
    [[gnu::always_inline]] void Prefetch(std::uint32_t hash) const { table_.Prefetch(hash); }

    // Gives the element of oldKey the key newKey in its place: setKey(element,
    // newKey) changes the element's Key. False (and no change) when oldKey is
    // absent or newKey present.
    template <class SetKey>
    bool ChangeKeyWith(std::string_view oldKey, std::string_view newKey, SetKey setKey) {
        const std::size_t position = IndexOfKey(oldKey);
        if (position == kAbsent || IndexOfKey(newKey) != kAbsent)
            return false;
        onlyNew_ = false;
        if (table_.Count() == 0) {
            setKey(*elements_[position], newKey);
            return true;
        }
        table_.Erase(table_.Find(oldKey, HashOf(oldKey), KeyAt()));
        setKey(*elements_[position], newKey);
        table_.Insert(static_cast<std::uint32_t>(position), HashOf(newKey));
        return true;
    }

private:
    friend class KeyedInterface<CompactKeyedCollection, Element>;
    static constexpr std::size_t kAbsent = KeyTable::kNoPosition;
    // The entry EntryForNew gives for a key that is appended without a table.
    static constexpr std::size_t kAppendEntry = KeyTable::kNoEntry - 1;
    // The most elements kept without a table.
    static constexpr std::size_t kFewest = 4;

    static std::string_view KeyOf(const T* element) { return element->Key; }
    auto KeyAt() const {
        return [this](std::uint32_t position) { return KeyOf(elements_[position]); };
    }

    bool SharesOwner(const Element& element) const {
        return owner_ && !element.owner_before(owner_) && !owner_.owner_before(element);
    }
    Element ElementAt(std::size_t position) const {
        T* const element = elements_[position];
        if (foreign_)
            if (const auto found = foreign_->find(element); found != foreign_->end())
                return found->second;
        return Handle(element);
    }

    // True when `count` elements are kept without a table: nothing is indexed
    // yet and they are few.
    bool Unindexed(std::size_t count) const { return table_.Count() == 0 && count <= kFewest; }

    // The position of the key, or kAbsent.
    std::size_t IndexOfKey(std::string_view key) const {
        if (Unindexed(elements_.size())) {
            for (std::size_t position = 0; position < elements_.size(); ++position)
                if (KeyOf(elements_[position]) == key)
                    return position;
            return kAbsent;
        }
        IndexAll();
        return table_.PositionOf(key, elements_, KeyOf);
    }
    void RemoveIndex(std::size_t position) {
        if (foreign_)
            foreign_->erase(elements_[position]);
        if (table_.Count() == 0) {
            elements_.erase_at(position);
        } else {
            IndexAll();
            table_.EraseFrom(elements_, position, KeyOf);
        }
        if (elements_.empty()) {
            table_.Clear();
            onlyNew_ = true;
        }
    }
    // Indexes the elements after those the table holds.
    void IndexAll() const {
        const std::size_t count = elements_.size();
        if (table_.Count() == count)
            return;
        table_.MakeRoom(count);
        for (std::size_t position = table_.Count(); position < count; ++position)
            table_.Insert(static_cast<std::uint32_t>(position), HashOf(KeyOf(elements_[position])));
    }

    ChunkedSequence<T*> elements_;
    // Holds the positions of the first elements: of all but those that came from
    // AppendNew since the last lookup, or of none while they are few.
    mutable KeyTable table_;
    std::shared_ptr<void> owner_;
    using ForeignElements = std::unordered_map<const T*, Element>;
    ForeignElements& Foreign() {
        if (!foreign_)
            foreign_ = std::make_unique<ForeignElements>();
        return *foreign_;
    }
    // Elements kept alive by their own handles; made for the first (a file's
    // many small collections have none).
    std::unique_ptr<ForeignElements> foreign_;
    bool onlyNew_ = true; // last, so that a derived class may use the padding
};
