#include "clsAdisDataFile.h"

#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"
#include "modADIS.h"
#include "modADISFiles.h"

#include <exception>
#include <unordered_set>
#include <vector>

namespace {

// Lines of plain ASCII (nearly all) need no conversion to windows-1252.
bool WriteLineFast(AtomicTextWriter& stream, const std::string& line) {
    for (const char c : line)
        if (static_cast<unsigned char>(c) >= 0x80)
            return stream.WriteLine(line);
    return stream.WriteLineBytes(line);
}

// The value line as clsAdisDataLine::LineString makes it, with the field
// formats of the event looked up by position first (values follow the items).
struct FieldFormat {
    std::int32_t ddNo;
    std::int16_t length;
    std::int16_t resolution;
};

bool AppendValueLine(std::string& text, const clsAdisDataLine& line,
                     const std::vector<FieldFormat>& formats) {
    text.clear();
    text += line.LineType;
    text += line.Status;
    text += line.EventNoStr();
    std::size_t index = 0;
    bool complete = true;
    line.ItemValues.ForEachValue([&](std::int32_t ddNo, const AdisValue& value) {
        const FieldFormat* format = nullptr;
        if (index < formats.size() && formats[index].ddNo == ddNo)
            format = &formats[index];
        else
            for (const auto& candidate : formats)
                if (candidate.ddNo == ddNo)
                    format = &candidate;
        ++index;
        if (!format) {
            complete = false; // a value the definition cannot place
            return;
        }
        text += modADIS::FormatValueField(value, format->length, format->resolution);
    });
    return complete;
}

// The event block: "TN", the "DN" definition once before the first line that is
// not "F", a "DF" definition before every "F" line, and the value lines. Value
// fields take the lengths of the event's own items, which are the groups of the
// definition written with them, so every value line matches its definition.
bool WriteEventBlock(AtomicTextWriter& stream, const clsAdisDataEvent& event) {
    std::vector<FieldFormat> formats;
    for (const auto& item : *event.Items())
        formats.push_back({item->DDNo, item->Length, item->Resolution});
    bool ok = stream.WriteLine("TN");
    bool definitionWritten = false;
    std::string definitionF;
    std::string text;
    for (const auto& line : *event.DataLines()) {
        if (!ok)
            break;
        if (line->EventNo != event.EventNo)
            continue;
        if (line->Status == 'F') {
            if (definitionF.empty())
                definitionF = event.LineString("D", "F");
            ok = stream.WriteLine(definitionF);
        } else if (!definitionWritten) {
            ok = stream.WriteLine(event.LineString("D", "N"));
            definitionWritten = true;
        }
        ok = ok && AppendValueLine(text, *line, formats) && WriteLineFast(stream, text);
    }
    return ok;
}

} // namespace

bool clsAdisDataFile::WriteData(const clsAdisEvents* events, const std::string& outPath) {
    const std::string& target = !outPath.empty()       ? outPath
                                : !OutFilePath.empty() ? OutFilePath
                                                       : FilePath;
    if (target.empty())
        return false;
    // With no event list every data event is written in its order, further
    // definitions of one event number ("055021#1") as blocks of their own; an
    // event list selects and orders events by their six-digit number.
    std::vector<std::shared_ptr<clsAdisDataEvent>> blocks;
    if (!events) {
        blocks.assign(DataEvents.begin(), DataEvents.end());
    } else {
        std::unordered_set<std::string> listed;
        for (const auto& event : *events) {
            const std::string key = event->EventNoStr();
            if (!listed.insert(key).second)
                continue;
            if (auto dataEvent = DataEvents.Item(key))
                blocks.push_back(std::move(dataEvent));
        }
    }
    try {
        AtomicTextWriter stream(target);
        static const std::string none;
        bool ok = modADIS::WriteHeader(stream, DataDict ? DataDict->Version : none,
                                       DataDict ? DataDict->NationalVersion : none,
                                       DataDict ? DataDict->ManufacturerVersion : none);
        for (const auto& event : blocks) {
            if (!ok)
                break;
            if (event->DataLines()->Count() >= 1)
                ok = WriteEventBlock(stream, *event);
        }
        ok = ok && stream.WriteLine("EN") && stream.WriteLine("ZN");
        return ok && stream.Commit();
    } catch (const std::exception&) {
        return false;
    }
}
