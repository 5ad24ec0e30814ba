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
    const std::shared_ptr<clsAdisDataLines>& DataLines() const;
    void SetDataLines(std::shared_ptr<clsAdisDataLines> dataLines) {
        dataLines_ = std::move(dataLines);
    }

    // Line type, status, event number, then the definition group of every item.
    std::string LineString(std::string_view lineType, std::string_view status) const;
    // Items from the definition groups of the line, typed from the dictionary (-1
    // for DD numbers it lacks); false when the line is unreadable.
    bool AddDefLineItems(const clsAdisDataDict& dataDict, std::string_view defLine);
    // 8 plus the lengths of all items. Raises LinkError (overflow) above 32767.
    std::int16_t GetValueLineLength() const;

private:
    mutable std::shared_ptr<clsAdisItems> items_;
    mutable std::shared_ptr<clsAdisDataLines> dataLines_;
};
