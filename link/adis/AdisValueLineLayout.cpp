#include "AdisValueLineLayout.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisDataDict.h"
#include "dictionary/clsAdisEvent.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// Walks the definition groups of a D-line from character 9 while 11
// characters remain: f(ddNo, length, resolution), each its leading number, until
// f gives false. False when it stopped.
template <class F> bool ForEachGroup(std::string_view defLine, F&& f) {
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(modADIS::LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    for (; remaining >= modADIS::DefGroupLength; remaining -= modADIS::DefGroupLength) {
        const auto ddNo = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 8));
        const auto length = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 2));
        const auto resolution = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 1));
        if (!f(static_cast<std::int32_t>(ddNo), static_cast<std::int16_t>(length < 0 ? 0 : length),
               static_cast<std::int16_t>(resolution)))
            return false;
    }
    return true;
}

} // namespace

AdisValueLineLayout::AdisValueLineLayout(std::string_view defLine, const clsAdisItems& items)
    : items_(&items), itemCount_(static_cast<std::uint32_t>(items.Count())) {
    ReadGroups(defLine, [&](std::int32_t ddNo) {
        const auto item = items.ItemOf(ddNo);
        return item ? item->DataType : modADIS::TypeUnknown;
    });
}

AdisValueLineLayout::AdisValueLineLayout(std::string_view defLine, const clsAdisDataDict& dict) {
    ReadGroups(defLine, [&](std::int32_t ddNo) {
        const auto item = dict.Items().ItemOf(ddNo);
        return item ? item->DataType : modADIS::TypeUnknown;
    });
}

template <class TypeOf>
void AdisValueLineLayout::ReadGroups(std::string_view defLine, TypeOf typeOf) {
    // As many groups as ForEachGroup walks: whole groups after the frame.
    const std::size_t chars = TextEncoding::CharCount(defLine);
    const std::size_t count = chars > modADIS::LineFrameLength
                                  ? (chars - modADIS::LineFrameLength) / modADIS::DefGroupLength
                                  : 0;
    groups_ = std::make_unique_for_overwrite<Group[]>(count);
    ForEachGroup(defLine, [&](std::int32_t ddNo, std::int16_t width, std::int16_t resolution) {
        groups_[groupCount_++] = {ddNo, width, resolution, typeOf(ddNo), false, fieldLength_};
        fieldLength_ += static_cast<std::uint32_t>(width);
        return groupCount_ < count;
    });
    MarkKeptGroups();
    for (const Group& group : Groups())
        if (group.kept) {
            ++values_;
            keptLength_ += static_cast<std::uint32_t>(group.length);
        }
    everyGroupKept_ = values_ == groupCount_;
    valueIndex_ = std::make_unique_for_overwrite<std::int32_t[]>(
        everyGroupKept_ ? values_ : 2 * std::size_t{values_});
    for (std::uint32_t i = 0, value = 0; i < groupCount_; ++i)
        if (groups_[i].kept) {
            valueIndex_[value] = groups_[i].ddNo;
            if (!everyGroupKept_)
                valueIndex_[values_ + value] = static_cast<std::int32_t>(i);
            ++value;
        }
}

AdisValueLineLayout::~AdisValueLineLayout() {
    std::unique_ptr<const CheckedFields> checked(checked_.load());
}

const AdisValueLineLayout::CheckedFields& AdisValueLineLayout::Checked() const {
    if (const CheckedFields* checked = checked_.load(std::memory_order_acquire))
        return *checked;
    auto checked = std::make_unique<CheckedFields>();
    for (std::size_t i = 0; i < groupCount_; ++i) {
        const Group& group = groups_[i];
        const auto type = group.dataType;
        if (type == modADIS::TypeNumber && group.length >= 1 && group.length <= 16 &&
            group.resolution >= 0 && group.resolution <= AdisNumber::MaxScale)
            checked->plainNumbers.push_back(
                {group.offset, static_cast<std::uint16_t>(group.length), group.resolution});
        else if (type == modADIS::TypeNumber || type == modADIS::TypeDate ||
                 type == modADIS::TypeTime)
            checked->otherChecked.push_back(static_cast<std::uint32_t>(i));
    }
    const CheckedFields* expected = nullptr;
    if (checked_.compare_exchange_strong(expected, checked.get(), std::memory_order_acq_rel))
        return *checked.release();
    return *expected; // another thread's came first
}

void AdisValueLineLayout::MarkKeptGroups() {
    // Nearly every definition names each DD number once: checked in one pass
    // over the sorted numbers before anything is sorted by group.
    std::vector<std::pair<std::int32_t, std::uint32_t>> byNumber;
    byNumber.reserve(groupCount_);
    for (std::size_t i = 0; i < groupCount_; ++i)
        byNumber.emplace_back(groups_[i].ddNo, static_cast<std::uint32_t>(i));
    std::sort(byNumber.begin(), byNumber.end());
    for (std::size_t i = 0; i < byNumber.size(); ++i)
        if (i == 0 || byNumber[i].first != byNumber[i - 1].first)
            groups_[byNumber[i].second].kept = true;
}

bool AdisValueLineLayout::HasGroupsOf(std::string_view defLine) const {
    // Up to the first group that differs: the reader asks this of several
    // recent layouts for every definition.
    std::size_t i = 0;
    const bool same =
        ForEachGroup(defLine, [&](std::int32_t ddNo, std::int16_t width, std::int16_t resolution) {
            const bool equal = i < groupCount_ && groups_[i].ddNo == ddNo &&
                               groups_[i].length == width && groups_[i].resolution == resolution;
            ++i;
            return equal;
        });
    return same && i == groupCount_;
}

std::shared_ptr<clsAdisItems> AdisValueLineLayout::MakeItems() const {
    auto items = std::make_shared<clsAdisItems>();
    items->Reserve(values_);
    for (const Group& group : Groups())
        if (group.kept)
            items->AddItem(group.ddNo, group.dataType, group.length, group.resolution);
    return items;
}

bool AdisValueLineLayout::IsWrittenBy(std::span<const modADIS::FieldFormat> formats) const {
    if (!everyGroupKept_ || formats.size() != groupCount_)
        return false;
    for (std::size_t i = 0; i < formats.size(); ++i)
        if (formats[i].ddNo != groups_[i].ddNo || formats[i].length != groups_[i].length ||
            formats[i].resolution != groups_[i].resolution)
            return false;
    return true;
}

bool AdisValueLineLayout::IsFor(std::string_view defLine, const clsAdisItems& items) const {
    return &items == items_ && items.Count() == static_cast<long>(itemCount_) &&
           HasGroupsOf(defLine);
}

void AdisValueLineLayout::FindKeyFields(const clsAdisKeyItems& keyItems,
                                        std::vector<int>& keyFields) const {
    keyFields.clear();
    // A value line is at least as long as the groups are many, so a walk over
    // them for each key event a line names stays within the reading of the line.
    for (const auto& keyItem : keyItems) {
        int found = -1;
        for (std::size_t i = 0; i < groupCount_ && found < 0; ++i)
            if (groups_[i].kept && groups_[i].ddNo == keyItem->DDNo)
                found = static_cast<int>(i);
        keyFields.push_back(found);
    }
}

std::shared_ptr<AdisValueLineLayout> AdisRecentLayouts::Of(std::string_view defLine,
                                                           const clsAdisDataDict& dict) {
    for (auto& recent : layouts_)
        if (recent && recent->HasGroupsOf(defLine)) {
            std::swap(recent, layouts_.front());
            return layouts_.front();
        }
    std::move_backward(layouts_.begin(), layouts_.end() - 1, layouts_.end());
    layouts_.front() = std::make_shared<AdisValueLineLayout>(defLine, dict);
    return layouts_.front();
}
