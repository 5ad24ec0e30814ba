#pragma once

#include "clsAdisDataLines.h"
#include "dictionary/clsAdisItems.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class clsAdisDataDict;

// One definition (D-line) of an event number with its value lines. Items and
// DataLines are created empty when first read while unset; setting one shares
// the given collection.
class clsAdisDataEvent {
public:
    std::string Key;
    std::int32_t EventNo = 0;
    // How many further definitions of the same event number follow in the file.
    std::int16_t SubItems = 0;

    std::string EventNoStr() const;

    const std::shared_ptr<clsAdisItems>& Items() const;
    void SetItems(std::shared_ptr<clsAdisItems> items) { items_ = std::move(items); }
    // The layout of the definition line the event was read from (nothing for
    // an event built in code).
    const std::shared_ptr<AdisValueLineLayout>& Definition() const { return definition_; }
    const std::shared_ptr<clsAdisDataLines>& DataLines() const;
    void SetDataLines(std::shared_ptr<clsAdisDataLines> dataLines) {
        dataLines_ = std::move(dataLines);
    }

    // Line type, status, event number, then the definition group of every item.
    std::string LineString(std::string_view lineType, std::string_view status) const;
    // Items from the definition groups of the line, typed from the dictionary (-1
    // for DD numbers it lacks); false when the line is unreadable, has no group
    // or a group of length 0, or its value lines would be longer than 32767
    // characters.
    bool AddDefLineItems(const clsAdisDataDict& dataDict, std::string_view defLine);
    // AddDefLineItems for a reader that has checked the line and made (or kept
    // from an equal definition) its layout, typed by the dictionary.
    void SetDefinition(std::shared_ptr<AdisValueLineLayout> layout);
    // 8 plus the lengths of all items. Raises LinkError (overflow) above 32767.
    std::int16_t GetValueLineLength() const;
    // Gives the item of oldDDNo and the value of oldDDNo in every value line the
    // DD number newDDNo, in their places, so that the event is written with the
    // new number. The item is replaced by a renumbered copy in a collection of
    // the event's own: item objects and collections shared with a dictionary or
    // another event stay as they are. False (and no change) when the event has no
    // item oldDDNo, already has an item newDDNo, or a line already holds a value
    // of newDDNo.
    bool ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo);

private:
    std::shared_ptr<AdisValueLineLayout> definition_;
    mutable std::shared_ptr<clsAdisItems> items_;
    mutable std::shared_ptr<clsAdisDataLines> dataLines_;
};
