#include "AdisSummary.h"

#include "ItemLabels.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/clsMessages.h"
#include "adis/modADIS.h"
#include "common/modUtils.h"

#include <algorithm>
#include <vector>

namespace {

std::string Trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

std::string Shown(const AdisValue& value) {
    if (IsNull(value))
        return "?";
    return Trimmed(AdisValues::ToText(value));
}

long Width(const std::string& text) {
    // Characters, not bytes: the table lines up Swedish letters too.
    return static_cast<long>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string EventTitle(std::int32_t eventNo) {
    const std::string label = EventLabel(eventNo);
    return modADIS::FormatEventNo(eventNo) + (label.empty() ? "" : " " + label);
}

void AppendTable(std::string& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<long> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.push_back(0);
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += modUtils::PadRightTo(row[i], widths[i]) + "  ";
        line.erase(line.find_last_not_of(' ') + 1);
        out += "    " + line + "\n";
    }
}

void AppendRequests(std::string& out, const clsAdisDataFile& file) {
    if (file.RequestEvents.Count() == 0)
        return;
    out += "Requested:\n";
    for (const auto& request : file.RequestEvents) {
        std::string items;
        for (const auto& item : *request->Items())
            items += (items.empty() ? "" : ", ") + ItemLabel(item->DDNo);
        out += "  " + EventTitle(request->EventNo) + ": " + items + "\n";
        if (!request->HasSearchItems())
            continue;
        for (const auto& search : *request->SearchItems())
            out += "      where " + ItemLabel(search->DDNo) + " from " + Shown(search->LowValue) +
                   " to " + Shown(search->HighValue) + "\n";
    }
}

void AppendData(std::string& out, const clsAdisDataFile& file, int lines) {
    if (file.DataEvents.Count() == 0) {
        out += "No data events.\n";
        return;
    }
    for (const auto& event : file.DataEvents) {
        const long count = event->DataLines()->Count();
        out += "  " + EventTitle(event->EventNo) + ": " + std::to_string(count) +
               (count == 1 ? " line\n" : " lines\n");
        std::vector<std::vector<std::string>> rows(1);
        for (const auto& item : *event->Items())
            rows[0].push_back(ItemLabel(item->DDNo));
        long shown = 0;
        for (const auto& line : *event->DataLines()) {
            if (shown++ == lines)
                break;
            std::vector<std::string> row;
            for (const auto& item : *event->Items())
                row.push_back(
                    Shown(line->ItemValues.ValueOf(item->DDNo).value_or(AdisValue(AdisEmpty{}))));
            rows.push_back(std::move(row));
        }
        if (count > 0)
            AppendTable(out, rows);
        if (count > lines)
            out += "    ... " + std::to_string(count - lines) + " more\n";
    }
}

} // namespace

std::string AdisSummary(const clsAdisDataFile& file, const clsMessages& messages, bool read,
                        int lines) {
    std::string out = "File: " + file.FilePath + (read ? "" : " (not read to its end)") + "\n";
    if (!Trimmed(file.Sender()).empty())
        out += "From: " + Trimmed(file.Sender()) + " " + Trimmed(file.SenderVersion()) +
               ", dictionary " + Trimmed(file.ManufacturerVersion()) + "\n";
    AppendRequests(out, file);
    if (file.RequestEvents.Count() == 0 || file.DataEvents.Count() > 0)
        AppendData(out, file, lines);
    for (const auto& message : messages)
        out += message + "\n";
    return out;
}
