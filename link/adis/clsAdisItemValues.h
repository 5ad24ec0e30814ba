#pragma once

#include "AdisValue.h"
#include "MaybeOwned.h"
#include "clsAdisItemValue.h"
#include "common/PositionIterator.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class AdisValueLineLayout;
namespace modADIS {
struct FieldFormat;
}

// The values of one value line, keyed by the decimal text of their DD number.
// Value lines are read by the million, so the values are kept compact. A line
// read from a file keeps its field text (in its pooled block) and decodes a
// value when it is asked for, by the layout of its definition. Values built
// in code, or changed, are kept decoded: per value a 64-bit payload (number
// mantissa, date, time, or the place of a text), the DD number, the kind and
// the number's scale, in parallel arrays, followed by the texts, all in one
// block; the first change of a line's values decodes them all into such a
// block of its own. Lookup walks the few DD numbers. Elements are handed out as
// read-only copies (clsAdisItemValue); a stored value is changed with SetValue,
// its DD number with ChangeDDNo.
class clsAdisItemValues {
    struct Access {
        static const clsAdisItemValue At(const clsAdisItemValues& owner, std::size_t index) {
            return owner.ElementAt(index);
        }
    };

public:
    using const_iterator = PositionIterator<clsAdisItemValues, const clsAdisItemValue, Access>;

    clsAdisItemValues() = default;
    clsAdisItemValues(const clsAdisItemValues& other);
    clsAdisItemValues& operator=(const clsAdisItemValues& other);
    // Takes over storage of its own; borrowed storage is copied.
    clsAdisItemValues(clsAdisItemValues&& other);
    clsAdisItemValues& operator=(clsAdisItemValues&& other);
    ~clsAdisItemValues() = default;

    // Stores the element under its Key (which must be the decimal text of its
    // DDNo; an empty Key means exactly that) at the end or before/after the value
    // of the given key. Raises LinkError on a duplicate, a bad key or an absent anchor.
    bool Add(const clsAdisItemValue& element, std::string_view before = {},
             std::string_view after = {});
    // False (and no change) when the DD number is already present.
    bool AddItem(std::int32_t ddNo, const AdisValue& value);
    // AddItem of a text value without building the value first (line decoding).
    bool AddItemText(std::int32_t ddNo, std::string_view text);

    // AddItem and AddItemText for a DD number the caller knows to be absent.
    void AppendItem(std::int32_t ddNo, const AdisValue& value);
    void AppendItemText(std::int32_t ddNo, std::string_view text);
    // Appends the value of a value-line field (line decoding): "?" throughout is
    // Null, "|" throughout Empty, else the field read by the data type. For a DD
    // number the caller knows to be absent.
    void AppendField(std::int32_t ddNo, std::string_view field, std::int16_t dataType,
                     std::int16_t resolution);

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
    // AppendKeyText of the value at a 0-based position.
    void AppendKeyTextAt(std::size_t position, std::string& out) const;
    // Bytes of text the values hold.
    std::size_t TextBytes() const;
    // Replaces the value of a DD number; false when the line has none.
    bool SetValue(std::int32_t ddNo, const AdisValue& value);
    // Gives the value of oldDDNo the DD number newDDNo in its place; false (and
    // no change) when oldDDNo is absent or newDDNo present.
    bool ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo);
    // The value for the field of a DD number that stands at `position` (0-based)
    // of a definition: looked for at that position first, as the values of a line
    // read from a file follow their definition; Empty when the line has none.
    AdisValue FieldValue(std::size_t position, std::int32_t ddNo) const;
    // Appends one field for each format, in their order: the value of its DD
    // number (Empty when the line has none) in its length and resolution, as
    // modADIS::AppendValueField writes it. Values of other DD numbers are not
    // written.
    void AppendFields(std::string& out, std::span<const modADIS::FieldFormat> formats) const;

    // Raise LinkError for an absent key or position.
    void Remove(std::string_view key);
    void Remove(const char* key) { Remove(std::string_view(key ? key : "")); }
    void Remove(const std::string& key) { Remove(std::string_view(key)); }
    void Remove(long position);
    void Remove(int position) { Remove(static_cast<long>(position)); }

    // Calls f(ddNo, value) for every value in order.
    template <class F> void ForEachValue(F&& f) const {
        for (std::size_t i = 0; i < count_; ++i)
            f(DDNoAt(i), ValueAt(i));
    }

    void Clear();
    long Count() const { return static_cast<long>(count_); }
    // Room for n values holding textBytes bytes of text in all.
    void Reserve(std::size_t n, std::size_t textBytes = 0);

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, count_); }

private:
    friend class AdisLinePool;
    static constexpr std::size_t kBytesPerValue = 8 + 4 + 1 + 1;
    // The most bytes of text a line's values hold.
    static constexpr std::size_t kMostTextBytes = INT32_MAX;

    // Bytes of a block for `values` values and `textBytes` bytes of text.
    static std::size_t BlockBytes(std::size_t values, std::size_t textBytes) {
        return values * kBytesPerValue + textBytes;
    }
    // Values kept in a block that outlives this object (a pooled line's), with
    // room for `values` values and `textBytes` bytes of text.
    void BorrowBlock(std::byte* block, std::size_t values, std::size_t textBytes);
    // The values of a line of plain ASCII read by the layout: its field text (from
    // character 9) in a block that outlives this object.
    void BorrowFields(const AdisValueLineLayout& layout, const char* fields);

    bool KeepsFields() const { return keepsFields_; }
    // The layout of the fields while they are kept as read, else nothing.
    const AdisValueLineLayout* FieldLayout() const { return keepsFields_ ? room_.layout : nullptr; }
    void KeepFieldsOf(const AdisValueLineLayout& layout) {
        room_.layout = &layout;
        keepsFields_ = true;
    }
    // The room of the block for values and their texts (none while the fields
    // are kept as read).
    std::uint32_t Capacity() const { return keepsFields_ ? 0 : room_.block.values; }
    std::uint32_t TextCapacity() const { return keepsFields_ ? 0 : room_.block.textBytes; }
    void SetRoom(std::uint32_t values, std::uint32_t textBytes) {
        room_.block = {values, textBytes};
        keepsFields_ = false;
    }
    std::int32_t DDNoAt(std::size_t index) const;
    // The field text of a value kept as read.
    std::string_view FieldAt(std::size_t index) const;
    // Decodes values kept as read into a block of its own.
    void DecodeFields();
    // AppendFields of a line kept as read, its fields where the layout has them.
    bool AppendFieldsAsRead(std::string& out, std::span<const modADIS::FieldFormat> formats) const;

    // The parallel arrays and the texts in the block.
    std::uint64_t* Payloads() const { return reinterpret_cast<std::uint64_t*>(block_.get()); }
    // (Only for values kept decoded.)
    std::size_t BlockValues() const { return room_.block.values; }
    std::int32_t* DDNos() const {
        return reinterpret_cast<std::int32_t*>(block_.get() + BlockValues() * 8);
    }
    AdisValueKind* Kinds() const {
        return reinterpret_cast<AdisValueKind*>(block_.get() + BlockValues() * 12);
    }
    std::uint8_t* Scales() const {
        return reinterpret_cast<std::uint8_t*>(block_.get() + BlockValues() * 13);
    }
    char* Texts() const { return reinterpret_cast<char*>(block_.get() + BlockValues() * 14); }
    std::string_view TextAt(std::size_t index) const;

    // Room for `values` values and `textBytes` more bytes of text; a larger block
    // of its own when needed (the texts in use moved together).
    void MakeRoom(std::size_t values, std::size_t textBytes);
    void Regrow(std::size_t capacity, std::size_t textCapacity);
    // Writes the value into position `index` (its text appended to the texts).
    void Put(std::size_t index, std::int32_t ddNo, const AdisValue& value);
    void PutText(std::size_t index, std::int32_t ddNo, std::string_view text);
    void PutRaw(std::size_t index, std::int32_t ddNo, AdisValueKind kind, std::uint8_t scale,
                std::uint64_t payload);
    // A field of plain digits put straight into position `index`: a number of
    // blanks, a sign and up to 18 digits, a date of 8 digits, a time of 6; false
    // when the field is none of these.
    bool PutPlainDigits(std::size_t index, std::int32_t ddNo, std::string_view field,
                        std::int16_t dataType, std::int16_t resolution);
    void InsertAt(std::size_t index, std::int32_t ddNo, const AdisValue& value);
    void EraseAt(std::size_t index);
    AdisValue ValueAt(std::size_t index) const;
    clsAdisItemValue ElementAt(std::size_t index) const;
    std::optional<std::size_t> IndexOf(std::int32_t ddNo) const;
    std::optional<std::size_t> IndexOfKey(std::string_view key) const;
    // A plain field of the value at `index` written to `at` (exactly `length`
    // bytes), or nullptr when it needs modADIS::AppendValueField.
    char* PutPlainField(char* at, std::size_t index, std::int16_t length,
                        std::int16_t resolution) const;

    MaybeOwned<std::byte> block_;
    // A line read from a file needs its layout, one with values decoded the room
    // of its block: never both (keepsFields_ tells which it holds).
    union Room {
        const AdisValueLineLayout* layout;
        struct {
            std::uint32_t values;
            std::uint32_t textBytes;
        } block;
    } room_{.block = {0, 0}};
    std::uint32_t count_ = 0;
    std::uint32_t textSize_ : 31 = 0;
    std::uint32_t keepsFields_ : 1 = false;
};
