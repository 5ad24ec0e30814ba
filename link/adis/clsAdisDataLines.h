#pragma once

#include "AdisValueLineLayout.h"
#include "CompactKeyedCollection.h"
#include "clsAdisDataLine.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class AdisLinePool;
class clsAdisEvent;
class clsAdisEvents;
class clsAdisItems;

// The value lines of a data event, keyed by the values of the event's key
// items. The lines the collection makes are kept in a pool, each in one block
// with its values and key; the handles it gives out share the pool.
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

    // AddItemEx for a reader that has prepared the definition's layout and found
    // the key event of the line's event number (eventNo): the stored line, or
    // nullptr when the key is present. `valueLine` is UTF-8 text.
    clsAdisDataLine* AddValueLine(const std::shared_ptr<AdisValueLineLayout>& layout,
                                  const clsAdisEvent& keyEvent, std::int32_t eventNo,
                                  std::string_view valueLine);
    // AddValueLine in two steps, for reading many lines: the line is made and its
    // index entry loaded now, and it is stored (or, when its key is present,
    // dropped) by the next AddValueLineLater or by SettleValueLine, which
    // a reader calls before it does anything else with the collection. Both give
    // whether the line made before was stored (true when there was none).
    bool AddValueLineLater(const std::shared_ptr<AdisValueLineLayout>& layout,
                           const clsAdisEvent& keyEvent, std::int32_t eventNo,
                           std::string_view valueLine);
    bool SettleValueLine();

    // The key a value line (UTF-8 text) takes from its key fields (as
    // AdisLinePool::WorkSpace::KeyFields gives them; at least one), into `key`,
    // its fields cut into `fields` unless it is kept as read; and where the key
    // stands in the fields of a line kept as read when it is one text field as
    // it stands (the line then keeps it there).
    static std::optional<std::size_t> KeyOfLine(const AdisValueLineLayout& layout,
                                                const std::vector<int>& keyFields,
                                                std::string_view valueLine, std::string& key,
                                                std::vector<std::string_view>& fields);
    // Stores a value line under the key it took when it was read, which is not
    // present; `numbered`: a key numbered in arrival order ("#1", "#2", ...),
    // after which the numbering goes on.
    void AddReadLine(const std::shared_ptr<AdisValueLineLayout>& layout, std::string_view key,
                     std::optional<std::size_t> keyInFields, std::string_view valueLine,
                     bool numbered);

    // The event number of characters 3 to 8 of a value line: six digits as they
    // stand, else the whole number they hold; -1 when there is none.
    static std::int32_t LineEventNo(std::string_view eventField);
    // Characters 3 to 8 of a value line (UTF-8 text).
    static std::string_view EventField(std::string_view valueLine);

    // Makes its lines in `pool`, which other collections may share (a file's
    // do), unless it has made lines already.
    void SharePool(std::shared_ptr<AdisLinePool> pool);

    // Calls f(line) for every line in order, without handles.
    template <class F> void ForEachLine(F&& f) const { ForEachElement(std::forward<F>(f)); }

private:
    AdisLinePool& Pool();
    // Cuts the fields of the layout's groups from the line (characters counted
    // unless the line is plain ASCII); a short line gives short fields.
    static void CutFields(const AdisValueLineLayout& layout, std::string_view valueLine,
                          std::vector<std::string_view>& fields);
    static void AppendKeyField(const AdisValueLineLayout::Group& group, std::string_view field,
                               std::string& key);
    static bool AppendDigitsKey(std::int16_t dataType, std::string_view field, std::string& key);
    // The key of the key fields, field(group) giving a group's field text.
    template <class Field>
    static void AppendFieldsKey(const AdisValueLineLayout& layout,
                                const std::vector<int>& keyFields, Field field, std::string& key);
    // Where a key of one text field as it stands stands in the fields.
    template <class Field>
    static std::optional<std::size_t> KeyInFields(const AdisValueLineLayout& layout,
                                                  const std::vector<int>& keyFields, Field field,
                                                  std::string_view key);
    // Whether a value line is kept as read (plain ASCII that fits the layout);
    // the fields of any other are cut into `fields`.
    static bool CutUnlessAsRead(const AdisValueLineLayout& layout, std::string_view valueLine,
                                std::vector<std::string_view>& fields);
    // A line under the key worked out from it: one kept as read keeps its field
    // text, any other is decoded now from the fields cut into the pool's work space.
    clsAdisDataLine* MakeLineOf(const std::shared_ptr<AdisValueLineLayout>& layout,
                                std::string_view key, std::optional<std::size_t> keyInFields,
                                std::int32_t eventNo, std::string_view valueLine, bool asRead);
    // Makes the line (not stored yet); its key's hash in `hash`, or keyIsNew
    // when its key is known to be absent (then unhashed, for AppendNew).
    clsAdisDataLine* MakeValueLine(const std::shared_ptr<AdisValueLineLayout>& layout,
                                   const clsAdisEvent& keyEvent, std::int32_t eventNo,
                                   std::string_view valueLine, std::uint32_t& hash, bool& keyIsNew);
    // Stores a line made by MakeValueLine unless its key is present.
    bool StoreValueLine(clsAdisDataLine* line, std::uint32_t hash);

    std::uint32_t pendingHash_ = 0; // first, in the padding of the collection
    long nextOrdinal_ = 1;
    clsAdisDataLine* pending_ = nullptr; // made by AddValueLineLater, not stored yet
};
