#include "AdisJson.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"
#include "common/TextEncoding.h"

#include <cstdio>

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

namespace {

// Builds one JSON object member by member (appending, never concatenating
// temporaries).
class JsonObject {
public:
    JsonObject& Member(std::string_view name, std::string_view json) {
        out_.append(first_ ? "" : ", ").append(JsonString(name)).append(": ").append(json);
        first_ = false;
        return *this;
    }
    JsonObject& Member(std::string_view name, long long number) {
        return Member(name, std::to_string(number));
    }
    std::string Text() const { return std::string(out_).append("}"); }

private:
    std::string out_ = "{";
    bool first_ = true;
};

std::string Tagged(std::string_view tag, const char* text) {
    std::string out = "{";
    out.append(JsonString(tag)).append(": ").append(JsonString(text)).append("}");
    return out;
}

std::string JsonValue(const AdisValue& value) {
    char buffer[32];
    switch (KindOf(value)) {
    case AdisValueKind::Empty:
        return "{\"empty\": true}";
    case AdisValueKind::Null:
        return "null";
    case AdisValueKind::Number:
        return std::get<AdisNumber>(value).ToText();
    case AdisValueKind::Date: {
        const auto& date = std::get<AdisDate>(value);
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
        return Tagged("date", buffer);
    }
    case AdisValueKind::Time: {
        const auto& time = std::get<AdisTime>(value);
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", time.Hour, time.Minute, time.Second);
        return Tagged("time", buffer);
    }
    case AdisValueKind::Text:
        return JsonString(std::get<std::string>(value));
    }
    return "null";
}

// The elements as a JSON array, each on a line of its own after `indent` when
// it is not empty.
template <class Range, class ToJson>
std::string Array(const Range& range, ToJson toJson, std::string_view indent = {}) {
    std::string out = "[";
    bool first = true;
    for (const auto& element : range) {
        out.append(first ? "" : ",");
        if (!indent.empty())
            out.append("\n").append(indent);
        else if (!first)
            out.append(" ");
        first = false;
        out.append(toJson(element));
    }
    return out.append("]");
}

std::string ItemsJson(const clsAdisItems& items) {
    return Array(items, [](const auto& item) {
        return JsonObject()
            .Member("ddNo", item->DDNo)
            .Member("dataType", item->DataType)
            .Member("length", item->Length)
            .Member("resolution", item->Resolution)
            .Text();
    });
}

std::string RequestJson(const std::shared_ptr<clsAdisEvent>& event) {
    static const clsAdisSearchItems noSearch;
    const auto& search = event->HasSearchItems() ? *event->SearchItems() : noSearch;
    return JsonObject()
        .Member("key", JsonString(event->Key))
        .Member("eventNo", event->EventNo)
        .Member("subItems", event->SubItems)
        .Member("keyItems",
                Array(*event->KeyItems(),
                      [](const auto& keyItem) { return std::to_string(keyItem->DDNo); }))
        .Member("items", ItemsJson(*event->Items()))
        .Member("searchItems", Array(search,
                                     [](const auto& item) {
                                         return JsonObject()
                                             .Member("ddNo", item->DDNo)
                                             .Member("low", JsonValue(item->LowValue))
                                             .Member("high", JsonValue(item->HighValue))
                                             .Text();
                                     }))
        .Member("maxRecords", JsonValue(search.MaxRecords))
        .Text();
}

// A line's type or status character (its windows-1252 byte) as UTF-8 text.
std::string Character(char cp1252) {
    return TextEncoding::Cp1252ToUtf8(std::string_view(&cp1252, 1));
}

std::string LineJson(const std::shared_ptr<clsAdisDataLine>& line) {
    return JsonObject()
        .Member("key", JsonString(line->Key))
        .Member("lineType", JsonString(Character(line->LineType)))
        .Member("status", JsonString(Character(line->Status)))
        .Member("eventNo", line->EventNo)
        .Member("values", Array(line->ItemValues,
                                [](const clsAdisItemValue& value) {
                                    return JsonObject()
                                        .Member("ddNo", value.DDNo)
                                        .Member("value", JsonValue(value.Value))
                                        .Text();
                                }))
        .Text();
}

std::string DataEventJson(const std::shared_ptr<clsAdisDataEvent>& event) {
    return JsonObject()
        .Member("key", JsonString(event->Key))
        .Member("eventNo", event->EventNo)
        .Member("subItems", event->SubItems)
        .Member("items", ItemsJson(*event->Items()))
        .Member("lines", Array(*event->DataLines(), LineJson, "    "))
        .Text();
}

} // namespace

std::string AdisFileJson(const clsAdisDataFile& file, const clsMessages& messages, bool result) {
    const std::string header =
        JsonObject()
            .Member("Version", JsonString(file.Version()))
            .Member("NationalVersion", JsonString(file.NationalVersion()))
            .Member("ManufacturerVersion", JsonString(file.ManufacturerVersion()))
            .Member("Sender", JsonString(file.Sender()))
            .Member("SenderVersion", JsonString(file.SenderVersion()))
            .Member("ProcessComputerType", JsonString(file.ProcessComputerType()))
            .Text();
    std::string out =
        JsonObject()
            .Member("header", header)
            .Member("outFilePath", JsonString(file.OutFilePath))
            .Member("requestEvents", Array(file.RequestEvents, RequestJson, "  "))
            .Member("dataEvents", Array(file.DataEvents, DataEventJson, "  "))
            .Member("messages", Array(messages, [](const std::string& m) { return JsonString(m); }))
            .Member("result", result ? "true" : "false")
            .Text();
    return out.append("\n");
}
