#pragma once

#include "modADIS.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class clsAdisDataDict;
class clsAdisEvent;
class clsAdisItems;
class clsAdisKeyItems;

// How the value lines of one definition line are decoded, worked out once for
// all of them: the definition's groups (walked from character 9 while 11
// characters remain, the DD number as its leading number) typed by the data
// event's items, and for a key event, the groups whose fields give its key.
// Lines read with the layout keep their field text and decode a value when it
// is asked for, so a layout lives as long as its lines (their pool keeps it).
class AdisValueLineLayout {
public:
    struct Group {
        std::int32_t ddNo;
        std::int16_t length;
        std::int16_t resolution;
        std::int16_t dataType; // of the DD number's entry in the items; -1 when none
        bool kept;             // the first group of its DD number: the line keeps its value
        std::uint32_t offset;  // of its field from character 9 of a line of plain ASCII
    };

    // Typed by the items of the event that defined the line.
    AdisValueLineLayout(std::string_view defLine, const clsAdisItems& items);
    // Typed by the dictionary (-1 for DD numbers it lacks), for a definition
    // read from a file; the data event then makes its items from the layout.
    AdisValueLineLayout(std::string_view defLine, const clsAdisDataDict& dict);
    AdisValueLineLayout(const AdisValueLineLayout&) = delete;
    AdisValueLineLayout& operator=(const AdisValueLineLayout&) = delete;
    ~AdisValueLineLayout();

    // The items of the definition: one for each DD number, from its first
    // group, as clsAdisDataEvent::AddDefLineItems makes them.
    std::shared_ptr<clsAdisItems> MakeItems() const;
    // 8 plus the lengths of the items.
    std::size_t ValueLineLength() const { return modADIS::LineFrameLength + keptLength_; }

    std::span<const Group> Groups() const { return {groups_.get(), groupCount_}; }
    // Values a line keeps: one for each DD number.
    std::size_t Values() const { return values_; }
    // For each value a line keeps, in order, its group and its DD number.
    std::size_t ValueGroup(std::size_t value) const {
        return everyGroupKept_ ? value : static_cast<std::size_t>(valueIndex_[values_ + value]);
    }
    std::span<const std::int32_t> ValueDDNos() const { return {valueIndex_.get(), values_}; }
    // Characters of the fields of a value line: its length less the frame.
    std::size_t FieldLength() const { return fieldLength_; }
    // Whether the formats are the groups' DD numbers, lengths and resolutions, in
    // order, and each group gives a value of its own (the fields of a line then
    // stand where the formats write them).
    bool IsWrittenBy(std::span<const modADIS::FieldFormat> formats) const;
    // The groups whose fields a writer checks before it writes them as they were
    // read: numbers of at most 16 characters at a resolution a number can have
    // (checked a word at a time), and the other numbers, dates and times.
    struct NumberField {
        std::uint32_t offset;
        std::uint16_t width;
        std::int16_t resolution;
    };
    // Worked out when a writer first asks: most layouts are never written as read.
    const std::vector<NumberField>& PlainNumberFields() const { return Checked().plainNumbers; }
    const std::vector<std::uint32_t>& OtherCheckedGroups() const { return Checked().otherChecked; }
    // Whether the definition's groups are this layout's.
    bool HasGroupsOf(std::string_view defLine) const;
    // Whether the layout was made for this definition and these items as they are.
    bool IsFor(std::string_view defLine, const clsAdisItems& items) const;

    // For each key item, in order, the group whose field gives its value, or -1
    // when the definition lacks the DD number (the key takes "Empty").
    void FindKeyFields(const clsAdisKeyItems& keyItems, std::vector<int>& keyFields) const;

private:
    // Reads the groups of the definition, each typed by typeOf(ddNo).
    template <class TypeOf> void ReadGroups(std::string_view defLine, TypeOf typeOf);
    // Marks the first group of each DD number kept (files may hold hundreds of
    // thousands of groups: sorted, not hashed, and nothing kept per group).
    void MarkKeptGroups();

    struct CheckedFields {
        std::vector<NumberField> plainNumbers;
        std::vector<std::uint32_t> otherChecked;
    };
    const CheckedFields& Checked() const;

    // A file may hold a layout for each of hundreds of thousands of small
    // definitions: the layout keeps only what reading its lines needs, in
    // arrays of their exact sizes.
    // The items the layout was typed by (AddItemEx compares them), or none.
    const clsAdisItems* items_ = nullptr;
    std::uint32_t itemCount_ = 0;
    std::uint32_t keptLength_ = 0;
    std::uint32_t values_ = 0;
    std::uint32_t fieldLength_ = 0;
    std::uint32_t groupCount_ = 0;
    bool everyGroupKept_ = true; // then value i stands in group i
    std::unique_ptr<Group[]> groups_;
    // The DD numbers of the values, then (unless every group is kept) their groups.
    std::unique_ptr<std::int32_t[]> valueIndex_;
    // Made once by whichever writer asks first (lines of one layout may be
    // written from more than one file).
    mutable std::atomic<const CheckedFields*> checked_{nullptr};
};

// The layouts made last, the latest first: a definition equal to a recent one
// shares its layout (files repeat the definition of an event before each run
// of its lines).
class AdisRecentLayouts {
public:
    // The layout of the definition, typed by the dictionary.
    std::shared_ptr<AdisValueLineLayout> Of(std::string_view defLine, const clsAdisDataDict& dict);

private:
    std::array<std::shared_ptr<AdisValueLineLayout>, 8> layouts_;
};
