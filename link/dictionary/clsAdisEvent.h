#pragma once

#include "clsAdisItems.h"
#include "clsAdisKeyItems.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class AdisValueLineLayout;
class clsAdisDataDict;
class clsAdisItemValues;
class clsAdisSearchItems;

// One event definition of a dictionary, or one request (R-line) of a file with
// its search items. The collections are created empty when first read while
// unset; setting one shares the given collection object.
class clsAdisEvent {
public:
    std::string Key;
    std::int32_t EventNo = 0;
    // For a request: how many further requests of the same event number follow.
    std::int16_t SubItems = 0;

    clsAdisEvent();
    ~clsAdisEvent();

    // At least six digits, zero-filled.
    std::string EventNoStr() const;

    const std::shared_ptr<clsAdisItems>& Items() const;
    void SetItems(std::shared_ptr<clsAdisItems> items);
    const std::shared_ptr<clsAdisKeyItems>& KeyItems() const;
    void SetKeyItems(std::shared_ptr<clsAdisKeyItems> keyItems) { keyItems_ = std::move(keyItems); }
    const std::shared_ptr<clsAdisSearchItems>& SearchItems() const;
    void SetSearchItems(std::shared_ptr<clsAdisSearchItems> searchItems);
    bool HasSearchItems() const { return searchItems_ != nullptr || keptSearch_ != nullptr; }
    // Whether it has search items and at least one.
    bool HasAnySearchItem() const;

    // Items from the definition groups of a request line, typed from the
    // dictionary (-1 for DD numbers it lacks); false when the line is unreadable.
    // The items are made from the line's layout when they are first asked for:
    // a request of many groups then holds each group once, as a definition does.
    bool AddReqLineItems(const clsAdisDataDict& dataDict, std::string_view requestLine);
    // The layout of the request line the items come from while they are not
    // made, else nothing.
    const AdisValueLineLayout* RequestLayout() const { return items_ ? nullptr : request_.get(); }
    // Search items from a search line typed by the dictionary's items; false when
    // the line is unreadable. The line is checked now and kept with the types of
    // its groups; the items are made when they are first asked for (a search
    // line may name hundreds of thousands of DD numbers).
    bool AddSearchLineItems(const clsAdisDataDict& dataDict, std::string_view searchLine);
    // Whether a value line satisfies the search items (true without search items).
    bool InSearchRange(const clsAdisItemValues& itemValues) const;
    // Line type, status, event number and the definition group of every item:
    // ("R", "N") -> "RN05502100900080160".
    std::string LineString(std::string_view lineType, std::string_view status) const;

private:
    std::shared_ptr<const AdisValueLineLayout> request_;
    mutable std::shared_ptr<clsAdisItems> items_;
    mutable std::shared_ptr<clsAdisKeyItems> keyItems_;
    mutable std::shared_ptr<clsAdisSearchItems> searchItems_;
    struct KeptSearch {
        std::string line;
        std::vector<std::int16_t> types; // of its groups
    };
    mutable std::shared_ptr<const KeptSearch> keptSearch_; // while the items are not made
};
