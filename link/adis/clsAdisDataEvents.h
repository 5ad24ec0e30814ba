#pragma once

#include "clsAdisDataEvent.h"
#include "common/ChunkedSequence.h"
#include "common/KeyTable.h"
#include "common/PositionIterator.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class AdisKeptDefinitions;

// Data events keyed by the six-digit event number; further definitions of the
// same number are keyed with "#" and their count ("055021#1"). The interface of
// a keyed collection (lookup by key or 1-based position in O(1); Add and Remove
// raise LinkError on a duplicate or an absent key or position).
//
// The events of definitions a reader kept as text (AdisKeptDefinitions) are made
// when they are first asked for, by key, position or walk, and then stay; a
// lookup may make one (a collection is read from one thread). A copy makes them
// all first, so that it shares every event with the original.
class clsAdisDataEvents {
public:
    using Element = std::shared_ptr<clsAdisDataEvent>;

private:
    struct Access {
        static Element At(const clsAdisDataEvents& owner, std::size_t position) {
            return owner.MadeAt(position);
        }
    };

public:
    using const_iterator = PositionIterator<clsAdisDataEvents, Element, Access>;

    clsAdisDataEvents() = default;
    clsAdisDataEvents(const clsAdisDataEvents& other);
    clsAdisDataEvents(clsAdisDataEvents&& other) noexcept = default;
    clsAdisDataEvents& operator=(const clsAdisDataEvents& other);
    clsAdisDataEvents& operator=(clsAdisDataEvents&& other) noexcept = default;
    ~clsAdisDataEvents();

    // Stores the element under element->Key, at the end or before/after the
    // element stored under the given key.
    bool Add(const Element& element, std::string_view before = {}, std::string_view after = {});
    // Adds the element unless its key is present; gives nothing on a duplicate.
    Element AddIfAbsent(const Element& element);

    Element Item(std::string_view key) const;
    Element Item(const char* key) const { return Item(std::string_view(key ? key : "")); }
    Element Item(const std::string& key) const { return Item(std::string_view(key)); }
    Element Item(long position) const;
    Element Item(int position) const { return Item(static_cast<long>(position)); }

    bool Exists(std::string_view key) const { return Find(key) != kAbsent; }
    bool Exists(const char* key) const { return Exists(std::string_view(key ? key : "")); }
    bool Exists(const std::string& key) const { return Exists(std::string_view(key)); }
    bool Exists(long position) const {
        return position >= 1 && static_cast<std::size_t>(position) <= made_.size();
    }
    bool Exists(int position) const { return Exists(static_cast<long>(position)); }

    void Remove(std::string_view key);
    void Remove(const char* key) { Remove(std::string_view(key ? key : "")); }
    void Remove(const std::string& key) { Remove(std::string_view(key)); }
    void Remove(long position);
    void Remove(int position) { Remove(static_cast<long>(position)); }

    void Clear();
    long Count() const { return static_cast<long>(made_.size()); }
    void Reserve(std::size_t n);

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, made_.size()); }

    // The new event (its own SubItems stays 0; subItems only forms the key), or
    // nothing when the key is present.
    Element AddItem(std::int32_t eventNo, std::int16_t subItems,
                    std::shared_ptr<clsAdisItems> items,
                    std::shared_ptr<clsAdisDataLines> dataLines);
    Element ItemOf(std::int32_t eventNo) const;
    // Renumbers the event of oldEventNo and its lines, sharing its items and
    // lines; false (and no change) unless the old exists and the new does not.
    bool ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo);

    // For a reader. Appends an event of the next definition of eventNo, not made
    // yet: keyed by the event number, or for a further definition by "#" and the
    // count that the first definition's SubItems then holds (counted even when
    // nothing is added). Its position, or nothing when the count is at its limit
    // or the key is present.
    std::optional<std::size_t> AddDefinitionRead(std::int32_t eventNo);
    // Takes back the definition added last by AddDefinitionRead.
    void RemoveDefinitionRead();
    // The definition at `position` is made from the text kept at `place`.
    void KeepDefinition(std::size_t position, std::shared_ptr<const AdisKeptDefinitions> kept,
                        std::uint32_t place, std::uint16_t length);
    // The event at a 0-based position, made now if it was kept.
    Element MadeAt(std::size_t position) const;

private:
    static constexpr std::size_t kAbsent = KeyTable::kNoPosition;

    // An event not made yet: its key's parts and where its text is kept (length
    // 0: none, the event is made bare).
    struct Unmade {
        std::int32_t eventNo = 0;
        std::int16_t subItem = 0;  // its place among the definitions of eventNo
        std::int16_t subItems = 0; // SubItems of the event
        std::uint32_t place = 0;
        std::uint16_t length = 0;
    };

    // The key of the element at a position; `buffer` holds a key made for it.
    std::string_view KeyAt(std::size_t position, std::string& buffer) const;
    std::size_t Find(std::string_view key) const;
    void Append(Element made, const Unmade& unmade);
    // Makes every event, so that positions may move.
    void MakeAll() const;
    void RemoveAt(std::size_t position);

    // An event for each position; nothing while it is not made.
    mutable std::vector<Element> made_;
    // While any event is unmade: one for each position.
    mutable ChunkedSequence<Unmade> unmade_;
    mutable std::shared_ptr<const AdisKeptDefinitions> kept_;
    KeyTable index_;
};
