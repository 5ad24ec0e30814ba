#pragma once

#include "clsAdisEvents.h"
#include "clsAdisItems.h"
#include "clsAdisKeyItems.h"
#include "clsCodeSets.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

// An ADED data dictionary: items with type, length and resolution, event
// definitions with their items and key items, code sets, and the DD numbers the
// system reads past without processing.
class clsAdisDataDict {
public:
    std::string Version;
    std::string NationalVersion;
    std::string ManufacturerVersion;

    clsAdisItems& Items() { return items_; }
    const clsAdisItems& Items() const { return items_; }
    clsAdisEvents& Events() { return events_; }
    const clsAdisEvents& Events() const { return events_; }
    clsCodeSets& CodeSets() { return codeSets_; }
    const clsCodeSets& CodeSets() const { return codeSets_; }

    // The AddItem of Items: nothing when the DD number is already defined.
    std::shared_ptr<clsAdisItem> AddItem(std::int32_t ddNo, std::int16_t dataType,
                                         std::int16_t length, std::int16_t resolution);
    // Adds a copy of the dictionary item to the event, creating the event. Raises
    // LinkError when the DD number is not a dictionary item.
    void AddEventDDNo(std::int32_t eventNo, std::int32_t ddNo);
    // Adds key items to the event in the given order, creating the event.
    void AddEventKeyDDNo(std::int32_t eventNo, const std::vector<std::int32_t>& ddNos);
    // Defines the item (a defined DD number keeps its first definition) and adds
    // it to the event, creating the event with the given key items.
    void AddEventItem(std::int32_t eventNo, std::shared_ptr<clsAdisKeyItems> keyItems,
                      std::int32_t ddNo, std::int16_t dataType, std::int16_t length,
                      std::int16_t resolution);
    // Adds a code to a code set, creating the set.
    void AddCodeSetItem(const std::string& codeSetKey, std::int16_t code,
                        const std::string& shortText, const std::string& longText);
    // Raises LinkError when the DD number is already on the list.
    void AddNotSupportedItem(std::int32_t ddNo);
    bool NotSupported(std::int32_t ddNo) const { return notSupported_.count(ddNo) != 0; }
    const std::set<std::int32_t>& NotSupportedItems() const { return notSupported_; }

    // True when `version` sorts at or before Version (by character codes) and
    // `nationalVersion` equals NationalVersion.
    bool Match(const std::string& version, const std::string& nationalVersion) const;

    // Fills the dictionary from a dictionary file. Empty version arguments mean
    // "any"; false when the file is missing, a version differs, or the file is
    // malformed (the dictionary then holds what was read before).
    bool Load(const std::string& fileName, const std::string& version,
              const std::string& nationalVersion, const std::string& manufacturerVersion);
    // Writes the whole dictionary file, replacing the old one only when complete.
    // Returns whether the file was written (callers may ignore it).
    bool Save(const std::string& fileName) const;

private:
    void ClearContents();

    clsAdisItems items_;
    clsAdisEvents events_;
    clsCodeSets codeSets_;
    std::set<std::int32_t> notSupported_;
};
