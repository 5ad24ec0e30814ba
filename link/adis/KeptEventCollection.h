#pragma once

#include "common/ChunkedSequence.h"
#include "common/KeyTable.h"
#include "common/KeyedInterface.h"
#include "common/LinkError.h"
#include "common/PositionIterator.h"
#include "modADIS.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class AdisKeptDefinitions;

// The key of an event: its six-digit number, and for a further definition (or
// request) of the same number "#" and its count behind ("055021#2").
inline std::string EventKeyOf(std::int32_t eventNo, std::int16_t subItem) {
    std::string key = modADIS::FormatEventNo(eventNo);
    if (subItem > 0)
        key.append(1, '#').append(std::to_string(subItem));
    return key;
}

// Events keyed by EventKeyOf, with the interface of a keyed collection (lookup
// by key or 1-based position in O(1); Add and Remove raise LinkError on a
// duplicate or an absent key or position). T has the members Key, EventNo and
// SubItems.
//
// The events of lines a reader kept as text (AdisKeptDefinitions) are made when
// they are first asked for, by key, position or walk, and then stay; a lookup
// may make one (a collection is read from one thread). A copy makes them all
// first, so that it shares every event with the original.
template <class T>
class KeptEventCollection : public KeyedInterface<KeptEventCollection<T>, std::shared_ptr<T>> {
public:
    using Element = std::shared_ptr<T>;
    using const_iterator =
        typename KeyedInterface<KeptEventCollection, Element>::PositionalIterator;

    KeptEventCollection() = default;
    KeptEventCollection(const KeptEventCollection& other) { *this = other; }
    KeptEventCollection(KeptEventCollection&& other) noexcept = default;
    KeptEventCollection& operator=(const KeptEventCollection& other) {
        if (this == &other)
            return *this;
        other.MakeAll();
        made_ = other.made_;
        unmade_.clear();
        kept_ = other.kept_;
        index_ = other.index_;
        return *this;
    }
    KeptEventCollection& operator=(KeptEventCollection&& other) noexcept = default;
    ~KeptEventCollection() = default;

    // Stores the element under element->Key, at the end or before/after the
    // element stored under the given key.
    bool Add(const Element& element, std::string_view before = {}, std::string_view after = {}) {
        this->CheckNew(element);
        if (before.empty() && after.empty()) {
            Append(element, Unmade{});
            return true;
        }
        const std::size_t anchor = IndexOfKey(before.empty() ? after : before);
        if (anchor == kAbsent || made_.size() >= KeyTable::kMostElements)
            this->RaiseInvalid();
        MakeAll();
        index_.InsertInto(made_, anchor + (before.empty() ? 1 : 0), element, KeyOfMade);
        return true;
    }

    void Clear() {
        made_.clear();
        unmade_.clear();
        kept_.reset();
        index_.Clear();
    }
    long Count() const { return static_cast<long>(made_.size()); }
    void Reserve(std::size_t n) {
        made_.reserve(n);
        index_.MakeRoom(n);
    }

    // For a reader. Appends an event of the next line of eventNo, not made yet:
    // keyed by the event number, or for a further one by "#" and the count that
    // the first one's SubItems then holds (counted even when nothing is added).
    // Its position, or nothing when the count is at its limit or the key is
    // present.
    std::optional<std::size_t> AddRead(std::int32_t eventNo) {
        Unmade unmade;
        unmade.eventNo = eventNo;
        const std::size_t first = IndexOfKey(modADIS::FormatEventNo(eventNo));
        if (first != kAbsent) {
            std::int16_t& subItems =
                made_[first] ? made_[first]->SubItems : unmade_[first].subItems;
            if (subItems >= std::numeric_limits<std::int16_t>::max())
                return std::nullopt;
            unmade.subItem = ++subItems;
            if (IndexOfKey(EventKeyOf(eventNo, unmade.subItem)) != kAbsent)
                return std::nullopt;
        }
        Append(nullptr, unmade);
        return made_.size() - 1;
    }
    // Takes back the event added last by AddRead.
    void RemoveRead() { RemoveIndex(made_.size() - 1); }
    // Events read from now on are kept in `kept` (those kept elsewhere before
    // are made first).
    void UseKept(std::shared_ptr<const AdisKeptDefinitions> kept) {
        if (kept_ != kept)
            MakeAll();
        kept_ = std::move(kept);
    }
    // The event at `position` is made from the text kept at `place`.
    void KeepRead(std::size_t position, std::uint32_t place, std::uint16_t length) {
        unmade_[position].place = place;
        unmade_[position].length = length;
    }
    // Makes the event at `position` now from what a reader would have kept:
    // AdisKeptDefinitions::MakeFrom(event, subItem, text...).
    template <class... Text> Element MakeReadFrom(std::size_t position, const Text&... text) {
        const Element event = MadeAt(position);
        kept_->MakeFrom(*event, unmade_[position].subItem, text...);
        return event;
    }
    // The event at a 0-based position, made now if it was kept.
    Element MadeAt(std::size_t position) const {
        Element& made = made_[position];
        if (made)
            return made;
        const Unmade& unmade = unmade_[position];
        auto event = std::make_shared<T>();
        event->Key = EventKeyOf(unmade.eventNo, unmade.subItem);
        event->EventNo = unmade.eventNo;
        event->SubItems = unmade.subItems;
        if (unmade.length > 0)
            kept_->MakeFrom(*event, unmade.subItem, kept_->BytesAt(unmade.place, unmade.length));
        made = std::move(event);
        return made;
    }

private:
    friend class KeyedInterface<KeptEventCollection, Element>;
    static constexpr std::size_t kAbsent = KeyTable::kNoPosition;

    Element ElementAt(std::size_t position) const { return MadeAt(position); }

    // An event not made yet: its key's parts and where its text is kept (length
    // 0: none, the event is made bare).
    struct Unmade {
        std::int32_t eventNo = 0;
        std::int16_t subItem = 0;  // its place among the events of eventNo
        std::int16_t subItems = 0; // SubItems of the event
        std::uint32_t place = 0;
        std::uint16_t length = 0;
    };

    static std::string_view KeyOfMade(const Element& made) { return made->Key; }

    // The key of the element at a position; `buffer` holds a key made for it.
    std::string_view KeyAt(std::size_t position, std::string& buffer) const {
        if (const auto& made = made_[position])
            return made->Key;
        const Unmade& unmade = unmade_[position];
        buffer = EventKeyOf(unmade.eventNo, unmade.subItem);
        return buffer;
    }
    std::size_t IndexOfKey(std::string_view key) const {
        std::string buffer;
        const std::size_t entry =
            index_.Find(key, KeyTable::HashOf(key),
                        [&](std::uint32_t position) { return KeyAt(position, buffer); });
        return entry == KeyTable::kNoEntry ? kAbsent : index_.PositionAt(entry);
    }
    void Append(Element made, const Unmade& unmade) {
        if (made_.size() >= KeyTable::kMostElements)
            this->RaiseInvalid();
        if (!made && unmade_.empty())
            for (std::size_t position = 0; position < made_.size(); ++position)
                unmade_.push_back(Unmade{});
        if (!made || !unmade_.empty())
            unmade_.push_back(unmade);
        made_.push_back(std::move(made));
        std::string buffer;
        index_.Insert(static_cast<std::uint32_t>(made_.size() - 1),
                      KeyTable::HashOf(KeyAt(made_.size() - 1, buffer)));
    }
    // Makes every event, so that positions may move.
    void MakeAll() const {
        if (unmade_.empty())
            return;
        for (std::size_t position = 0; position < made_.size(); ++position)
            MadeAt(position);
        unmade_.clear();
    }
    void RemoveIndex(std::size_t position) {
        if (position + 1 == made_.size()) {
            std::string buffer;
            const std::string key(KeyAt(position, buffer));
            index_.Erase(index_.Find(key, KeyTable::HashOf(key),
                                     [&](std::uint32_t at) { return KeyAt(at, buffer); }));
            made_.pop_back();
            if (!unmade_.empty())
                unmade_.pop_back();
            return;
        }
        MakeAll();
        index_.EraseFrom(made_, position, KeyOfMade);
    }

    // An event for each position; nothing while it is not made.
    mutable std::vector<Element> made_;
    // While any event is unmade: one for each position.
    mutable ChunkedSequence<Unmade> unmade_;
    std::shared_ptr<const AdisKeptDefinitions> kept_;
    KeyTable index_;
};
