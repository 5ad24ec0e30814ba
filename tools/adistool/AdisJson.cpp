#include "AdisJson.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"

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
        return std::string("{\"date\": \"") + buffer + "\"}";
    }
    case AdisValueKind::Time: {
        const auto& time = std::get<AdisTime>(value);
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", time.Hour, time.Minute, time.Second);
        return std::string("{\"time\": \"") + buffer + "\"}";
    }
    case AdisValueKind::Text:
        return JsonString(std::get<std::string>(value));
    }
    return "null";
}

std::string Member(std::string_view name, const std::string& json) {
    return JsonString(name) + ": " + json;
}

// Joins the pieces as a JSON array.
template <class Range, class ToJson> std::string Array(const Range& range, ToJson toJson) {
    std::string out = "[";
    bool first = true;
    for (const auto& element : range) {
        if (!first)
            out += ", ";
        first = false;
        out += toJson(element);
    }
    return out + "]";
}

std::string ItemsJson(const clsAdisItems& items) {
    return Array(items, [](const auto& item) {
        return "{" + Member("ddNo", std::to_string(item->DDNo)) + ", " +
               Member("dataType", std::to_string(item->DataType)) + ", " +
               Member("length", std::to_string(item->Length)) + ", " +
               Member("resolution", std::to_string(item->Resolution)) + "}";
    });
}

std::string RequestJson(const clsAdisEvent& event) {
    std::string out = "{" + Member("key", JsonString(event.Key)) + ", " +
                      Member("eventNo", std::to_string(event.EventNo)) + ", " +
                      Member("subItems", std::to_string(event.SubItems)) + ", ";
    out += Member("keyItems", Array(*event.KeyItems(), [](const auto& keyItem) {
                      return std::to_string(keyItem->DDNo);
                  }));
    out += ", " + Member("items", ItemsJson(*event.Items()));
    static const clsAdisSearchItems noSearch;
    const auto& search = event.HasSearchItems() ? *event.SearchItems() : noSearch;
    out += ", " + Member("searchItems", Array(search, [](const auto& item) {
                             return "{" + Member("ddNo", std::to_string(item->DDNo)) + ", " +
                                    Member("low", JsonValue(item->LowValue)) + ", " +
                                    Member("high", JsonValue(item->HighValue)) + "}";
                         }));
    out += ", " + Member("maxRecords", JsonValue(search.MaxRecords)) + "}";
    return out;
}

std::string LineJson(const clsAdisDataLine& line) {
    return "{" + Member("key", JsonString(line.Key)) + ", " +
           Member("lineType", JsonString(std::string(1, line.LineType))) + ", " +
           Member("status", JsonString(std::string(1, line.Status))) + ", " +
           Member("eventNo", std::to_string(line.EventNo)) + ", " +
           Member("values", Array(line.ItemValues,
                                  [](const clsAdisItemValue& value) {
                                      return "{" + Member("ddNo", std::to_string(value.DDNo)) +
                                             ", " + Member("value", JsonValue(value.Value)) + "}";
                                  })) +
           "}";
}

std::string DataEventJson(const clsAdisDataEvent& event) {
    std::string out = "{" + Member("key", JsonString(event.Key)) + ", " +
                      Member("eventNo", std::to_string(event.EventNo)) + ", " +
                      Member("subItems", std::to_string(event.SubItems)) + ", " +
                      Member("items", ItemsJson(*event.Items())) + ",\n   \"lines\": [";
    bool first = true;
    for (const auto& line : *event.DataLines()) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += LineJson(*line);
    }
    return out + "]}";
}

} // namespace

std::string AdisFileJson(const clsAdisDataFile& file, const clsMessages& messages, bool result) {
    std::string out = "{\"header\": {";
    out += Member("Version", JsonString(file.Version())) + ", ";
    out += Member("NationalVersion", JsonString(file.NationalVersion())) + ", ";
    out += Member("ManufacturerVersion", JsonString(file.ManufacturerVersion())) + ", ";
    out += Member("Sender", JsonString(file.Sender())) + ", ";
    out += Member("SenderVersion", JsonString(file.SenderVersion())) + ", ";
    out += Member("ProcessComputerType", JsonString(file.ProcessComputerType())) + "},\n";
    out += " " + Member("outFilePath", JsonString(file.OutFilePath)) + ",\n";
    out += " \"requestEvents\": [";
    bool first = true;
    for (const auto& event : file.RequestEvents) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += RequestJson(*event);
    }
    out += "],\n \"dataEvents\": [";
    first = true;
    for (const auto& event : file.DataEvents) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += DataEventJson(*event);
    }
    out += "],\n " +
           Member("messages", Array(messages, [](const std::string& m) { return JsonString(m); }));
    out += ",\n " + Member("result", result ? "true" : "false") + "}\n";
    return out;
}
