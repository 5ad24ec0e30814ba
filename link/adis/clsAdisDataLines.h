#pragma once

#include "CompactKeyedCollection.h"
#include "clsAdisDataLine.h"

#include <memory>
#include <string_view>
#include <vector>

class clsAdisEvents;
class clsAdisItem;
class clsAdisItems;

// The value lines of a data event, keyed by the values of the event's key items.
class clsAdisDataLines : public CompactKeyedCollection<clsAdisDataLine> {
public:
    // The new line, or nothing when the key is present. LineType and Status are
    // the first character of their texts (a blank for an empty text). The line
    // takes over `itemValues` (values are changed through the stored line:
    // line->ItemValues.SetValue).
    std::shared_ptr<clsAdisDataLine> AddItem(std::string_view key, std::string_view lineType,
                                             std::string_view status, std::int32_t eventNo);
    std::shared_ptr<clsAdisDataLine> AddItem(std::string_view key, std::string_view lineType,
                                             std::string_view status, std::int32_t eventNo,
                                             clsAdisItemValues&& itemValues);

    // Gives the line of oldKey the key newKey, keeping its place; false (and no
    // change) when oldKey is absent or newKey present.
    bool ChangeKey(std::string_view oldKey, std::string newKey);

    // Decodes a value line by the groups of its definition line and stores it
    // under the key built from the key items that `events` defines for the line's
    // event number: the key values' texts ("Empty", "Null" or the text form)
    // joined by "#". Lines of an event without key items are keyed "#1", "#2", ...
    // in the order they arrive, so none is lost. Nothing when `events` lacks the
    // event or the key is already present.
    std::shared_ptr<clsAdisDataLine> AddItemEx(const clsAdisEvents& events,
                                               const clsAdisItems& items, std::string_view defLine,
                                               std::string_view valueLine);

private:
    struct FieldGroup {
        std::int32_t ddNo;
        std::int16_t length;
        std::int16_t resolution;
        std::shared_ptr<clsAdisItem> item; // the group's entry of the items, if any
    };
    const std::vector<FieldGroup>& GroupsOf(std::string_view defLine, const clsAdisItems& items);
    static std::int16_t DataTypeOf(const FieldGroup& group);
    static bool IsPlainText(std::int16_t dataType, std::string_view field);
    void AppendKeyField(std::int32_t ddNo, const std::vector<FieldGroup>& groups);

    // The definition line last decoded with the items it was typed by, kept
    // because all value lines of a data event share them.
    std::string cachedDefLine_;
    const clsAdisItems* cachedItems_ = nullptr;
    long cachedItemCount_ = -1;
    std::vector<FieldGroup> cachedGroups_;
    bool cachedUnique_ = true;             // no DD number is repeated in the groups
    std::vector<std::string_view> fields_; // scratch space of AddItemEx
    clsAdisItemValues values_;             // scratch space of AddItemEx
    std::string key_;                      // scratch space of AddItemEx
    long nextOrdinal_ = 1;
};
