// Loading and saving of a dictionary as a profile file: section "Data
// Dictionary" with the versions and items, "Events" with one section per event,
// "CodeSets" with one section per code set.

#include "adis/AdisNumber.h"
#include "adis/AdisText.h"
#include "clsAdisDataDict.h"
#include "common/LinkError.h"
#include "common/ProfileFile.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace {

constexpr const char* kDictionarySection = "Data Dictionary";
constexpr const char* kEventsSection = "Events";
constexpr const char* kCodeSetsSection = "CodeSets";
constexpr std::int32_t kMaxCount = 32767;

[[noreturn]] void RaiseMalformed(const std::string& what) {
    throw LinkError(13, "Type mismatch: " + what);
}

std::string KeyName(const char* name, long n) {
    return name + std::to_string(n);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The numbers n from 1 to count, in order, for which the section holds the key
// name + n ("Item3"). Taken from the keys the section holds, so that a count far
// above them costs nothing: a load takes time in proportion to the file.
std::vector<long> NumberedKeys(const ProfileFile& file, std::string_view section,
                               std::string_view name, std::int32_t count) {
    std::vector<long> numbers;
    for (const std::string& key : file.Keys(section)) {
        if (key.size() <= name.size() || !EqualsIgnoringCase(key.substr(0, name.size()), name))
            continue;
        const auto number = AdisText::ParseKeyNumber(std::string_view(key).substr(name.size()));
        if (number && *number >= 1 && *number <= count)
            numbers.push_back(*number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::int32_t ReadCount(const ProfileFile& file, std::string_view section, std::string_view key) {
    const std::int32_t count = file.GetInt(section, key, 0);
    if (count > kMaxCount)
        throw LinkError(
            6, std::string("Overflow: ").append(key).append(" ").append(std::to_string(count)));
    return count;
}

std::int16_t ReadShort(const ProfileFile& file, std::string_view section, const std::string& key) {
    const std::int32_t value = file.GetInt(section, key, 0);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw LinkError(6, "Overflow: " + key);
    return static_cast<std::int16_t>(value);
}

// A whole number that the type can hold; anything else is a malformed file.
template <class Whole> Whole ToWhole(const std::string& text, const char* what) {
    const auto value = AdisText::ParseWholeNumber(text);
    if (!value || *value < std::numeric_limits<Whole>::min() ||
        *value > std::numeric_limits<Whole>::max())
        RaiseMalformed(what + (" \"" + text + "\""));
    return static_cast<Whole>(*value);
}

std::int32_t ToDDNo(const std::string& text) {
    return ToWhole<std::int32_t>(text, "DD number");
}

std::int32_t ToEventNo(const std::string& text) {
    const auto number = AdisNumber::Parse(text);
    if (!number)
        RaiseMalformed("event number \"" + text + "\"");
    const double value = std::trunc(number->ToDouble());
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw LinkError(6, "Overflow: event number \"" + text + "\"");
    return static_cast<std::int32_t>(value);
}

std::int16_t ToCode(const std::string& text) {
    return ToWhole<std::int16_t>(text, "code");
}

// Collects "Key=Value" lines; values are written unchanged except that line
// breaks, which would split the value, become blanks.
class ProfileText {
public:
    void Section(std::string_view name) { text_.append("[").append(name).append("]\r\n"); }
    void Value(std::string_view key, std::string_view value) {
        text_.append(key).append("=");
        for (char c : value)
            text_ += c == '\r' || c == '\n' ? ' ' : c;
        text_.append("\r\n");
    }
    void Value(std::string_view key, long value) { Value(key, std::to_string(value)); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

} // namespace

bool clsAdisDataDict::Load(const std::string& fileName, const std::string& version,
                           const std::string& nationalVersion,
                           const std::string& manufacturerVersion) {
    ClearContents();
    ProfileFile file;
    if (!file.Load(fileName))
        return false;
    try {
        const std::string fileVersion = file.GetString(kDictionarySection, "Version");
        if (!fileVersion.empty()) {
            Version = fileVersion;
            if (!version.empty() && version != Version)
                return false;
            NationalVersion = file.GetString(kDictionarySection, "NationalVersion");
            if (!nationalVersion.empty() && nationalVersion != NationalVersion)
                return false;
            ManufacturerVersion = file.GetString(kDictionarySection, "ManufacturerVersion");
            if (!manufacturerVersion.empty() && manufacturerVersion != ManufacturerVersion)
                return false;
            const std::int32_t itemCount = ReadCount(file, kDictionarySection, "ItemCount");
            for (const long n : NumberedKeys(file, kDictionarySection, "Item", itemCount)) {
                const std::string ddText = file.GetString(kDictionarySection, KeyName("Item", n));
                if (ddText.empty())
                    continue;
                const std::int32_t ddNo = ToDDNo(ddText);
                const auto dataType = ReadShort(file, kDictionarySection, KeyName("Type", n));
                const auto length = ReadShort(file, kDictionarySection, KeyName("Length", n));
                const auto resolution =
                    ReadShort(file, kDictionarySection, KeyName("Resolution", n));
                items_.AddItem(ddNo, dataType, length, resolution);
            }
        }

        const std::int32_t eventCount = ReadCount(file, kEventsSection, "EventCount");
        // An event text given again names the same section and the same event,
        // which its first reading added or refused: it is not read again.
        std::set<std::string> eventTexts;
        for (long m = 1; m <= eventCount; ++m) {
            const std::string eventText = file.GetString(kEventsSection, KeyName("Event", m), "0");
            if (!eventTexts.insert(eventText).second)
                continue;
            const std::string section = "Event" + eventText;
            auto items = std::make_shared<clsAdisItems>();
            const std::int32_t itemCount = ReadCount(file, section, "ItemCount");
            for (const long i : NumberedKeys(file, section, "Item", itemCount)) {
                const std::string ddText = file.GetString(section, KeyName("Item", i));
                if (ddText.empty())
                    continue;
                const auto item = items_.Item(ddText);
                if (!item)
                    RaiseMalformed("event item \"" + ddText + "\" is not a dictionary item");
                items->AddItem(ToDDNo(ddText), item->DataType, item->Length, item->Resolution);
            }
            auto keyItems = std::make_shared<clsAdisKeyItems>();
            const std::int32_t keyItemCount = ReadCount(file, section, "KeyItemCount");
            for (const long k : NumberedKeys(file, section, "KeyItem", keyItemCount)) {
                const std::string ddText = file.GetString(section, KeyName("KeyItem", k));
                if (!ddText.empty())
                    keyItems->AddItem(ToDDNo(ddText));
            }
            events_.AddItem(ToEventNo(eventText), std::move(keyItems), 0, std::move(items));
        }

        const std::int32_t codeSetCount = ReadCount(file, kCodeSetsSection, "CodeSetCount");
        for (long c = 1; c <= codeSetCount; ++c) {
            const std::string setKey = file.GetString(kCodeSetsSection, KeyName("CodeSet", c), "0");
            const std::string section = "CodeSet" + setKey;
            auto set = std::make_shared<clsCodeSetItems>();
            const std::int32_t itemCount = ReadCount(file, section, "ItemCount");
            for (const long i : NumberedKeys(file, section, "Code", itemCount)) {
                const std::string code = file.GetString(section, KeyName("Code", i));
                const std::string shortText = file.GetString(section, KeyName("ShortText", i));
                const std::string longText = file.GetString(section, KeyName("LongText", i));
                if (!code.empty() && !shortText.empty() && !longText.empty())
                    set->AddItem(ToCode(code), shortText, longText);
            }
            codeSets_.AddItem(setKey, std::move(set));
        }
    } catch (const LinkError&) {
        return false;
    }
    return true;
}

bool clsAdisDataDict::Save(const std::string& fileName) const {
    ProfileText out;
    out.Section(kDictionarySection);
    out.Value("Version", Version);
    out.Value("NationalVersion", NationalVersion);
    out.Value("ManufacturerVersion", ManufacturerVersion);
    out.Value("ItemCount", items_.Count());
    long n = 0;
    for (const auto& item : items_) {
        ++n;
        out.Value(KeyName("Item", n), item->DDNoStr());
        out.Value(KeyName("Type", n), item->DataType);
        out.Value(KeyName("Length", n), item->Length);
        out.Value(KeyName("Resolution", n), item->Resolution);
    }
    out.Section(kEventsSection);
    out.Value("EventCount", events_.Count());
    long m = 0;
    for (const auto& event : events_)
        out.Value(KeyName("Event", ++m), event->EventNoStr());
    for (const auto& event : events_) {
        out.Section("Event" + event->EventNoStr());
        const auto& items = *event->Items();
        out.Value("ItemCount", items.Count());
        long i = 0;
        for (const auto& item : items)
            out.Value(KeyName("Item", ++i), item->DDNoStr());
        const auto& keyItems = *event->KeyItems();
        out.Value("KeyItemCount", keyItems.Count());
        long k = 0;
        for (const auto& keyItem : keyItems)
            out.Value(KeyName("KeyItem", ++k), keyItem->DDNoStr());
    }
    out.Section(kCodeSetsSection);
    out.Value("CodeSetCount", codeSets_.Count());
    long c = 0;
    for (const auto& set : codeSets_)
        out.Value(KeyName("CodeSet", ++c), set->Key);
    for (const auto& set : codeSets_) {
        out.Section("CodeSet" + set->Key);
        out.Value("ItemCount", set->Count());
        long i = 0;
        for (const auto& code : *set) {
            ++i;
            out.Value(KeyName("Code", i), code->Code);
            out.Value(KeyName("ShortText", i), code->ShortText);
            out.Value(KeyName("LongText", i), code->LongText);
        }
    }
    return WriteFileBytesAtomic(fileName, TextEncoding::Utf8ToCp1252(out.Text()));
}
