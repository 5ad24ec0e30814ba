#pragma once

#include "AdisValue.h"
#include "clsAdisItemValue.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The values of one value line, keyed by the decimal text of their DD number.
// Value lines are read by the million, so the values are kept compact: one
// 16-byte slot per value (DD number, kind, payload) and one shared text buffer
// per line. Lookup walks the few slots. Elements are handed out as read-only
// copies (clsAdisItemValue); a stored value is changed with SetValue, its DD
// number with ChangeDDNo.
class clsAdisItemValues {
public:
    class const_iterator {
    public:
        using value_type = clsAdisItemValue;
        using difference_type = std::ptrdiff_t;
        const_iterator(const clsAdisItemValues* owner, std::size_t index)
            : owner_(owner), index_(index) {}
        const clsAdisItemValue operator*() const { return owner_->ElementAt(index_); }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.index_ == b.index_;
        }

    private:
        const clsAdisItemValues* owner_;
        std::size_t index_;
    };

    // Stores the element under its Key (which must be the decimal text of its
    // DDNo; an empty Key means exactly that) at the end or before/after the value
    // of the given key. Raises LinkError on a duplicate, a bad key or an absent anchor.
    bool Add(const clsAdisItemValue& element, std::string_view before = {},
             std::string_view after = {});
    // False (and no change) when the DD number is already present.
    bool AddItem(std::int32_t ddNo, AdisValue value);
    // AddItem of a text value without building the value first (line decoding).
    bool AddItemText(std::int32_t ddNo, std::string_view text);

    // AddItem and AddItemText for a DD number the caller knows to be absent.
    void AppendItem(std::int32_t ddNo, const AdisValue& value);
    void AppendItemText(std::int32_t ddNo, std::string_view text);

    // A read-only copy of the element, or nothing. A text selects by key, a
    // number by 1-based position. (Changing a copy would change nothing stored.)
    std::optional<const clsAdisItemValue> Item(std::string_view key) const;
    std::optional<const clsAdisItemValue> Item(const char* key) const {
        return Item(std::string_view(key ? key : ""));
    }
    std::optional<const clsAdisItemValue> Item(const std::string& key) const {
        return Item(std::string_view(key));
    }
    std::optional<const clsAdisItemValue> Item(long position) const;
    std::optional<const clsAdisItemValue> Item(int position) const {
        return Item(static_cast<long>(position));
    }
    bool Exists(std::string_view key) const { return IndexOfKey(key).has_value(); }
    bool Exists(const char* key) const { return Exists(std::string_view(key ? key : "")); }
    bool Exists(const std::string& key) const { return Exists(std::string_view(key)); }
    bool Exists(long position) const { return position >= 1 && position <= Count(); }
    bool Exists(int position) const { return Exists(static_cast<long>(position)); }

    // The value of a DD number, or nothing when the line has none.
    std::optional<AdisValue> ValueOf(std::int32_t ddNo) const;
    // Appends the value's text as a part of a line key (AdisValues::KeyText);
    // false (and nothing appended) when the line has no value of the DD number.
    bool AppendKeyText(std::int32_t ddNo, std::string& out) const;
    // Replaces the value of a DD number; false when the line has none.
    bool SetValue(std::int32_t ddNo, const AdisValue& value);
    // Gives the value of oldDDNo the DD number newDDNo in its place; false (and
    // no change) when oldDDNo is absent or newDDNo present.
    bool ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo);
    // The value for the field of a DD number that stands at `position` (0-based)
    // of a definition: looked for at that position first, as the values of a line
    // read from a file follow their definition; Empty when the line has none.
    AdisValue FieldValue(std::size_t position, std::int32_t ddNo) const;

    // Raise LinkError for an absent key or position.
    void Remove(std::string_view key);
    void Remove(const char* key) { Remove(std::string_view(key ? key : "")); }
    void Remove(const std::string& key) { Remove(std::string_view(key)); }
    void Remove(long position);
    void Remove(int position) { Remove(static_cast<long>(position)); }

    // Calls f(ddNo, value) for every value in order, without building elements.
    template <class F> void ForEachValue(F&& f) const {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            f(slots_[i].ddNo, ValueAt(i));
    }

    void Clear();
    long Count() const { return static_cast<long>(slots_.size()); }
    // Room for n values holding textBytes bytes of text in all.
    void Reserve(std::size_t n, std::size_t textBytes = 0) {
        slots_.reserve(n);
        texts_.reserve(textBytes);
    }

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, slots_.size()); }

private:
    struct Slot {
        std::int32_t ddNo;
        AdisValueKind kind;
        std::uint8_t scale;
        std::uint64_t payload; // mantissa, date, time, or text offset (low) and length (high)
    };

    Slot MakeSlot(std::int32_t ddNo, const AdisValue& value);
    AdisValue ValueAt(std::size_t index) const;
    clsAdisItemValue ElementAt(std::size_t index) const;
    std::optional<std::size_t> IndexOf(std::int32_t ddNo) const;
    std::optional<std::size_t> IndexOfKey(std::string_view key) const;
    void InsertAt(std::size_t index, const Slot& slot);

    std::vector<Slot> slots_;
    std::string texts_;
};
