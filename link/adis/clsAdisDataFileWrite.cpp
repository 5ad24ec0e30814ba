#include "clsAdisDataFile.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"
#include "modADIS.h"
#include "modADISFiles.h"

#include <exception>
#include <unordered_set>
#include <vector>

namespace {

// Collects lines in windows-1252 with CR LF and writes them in large blocks.
class BlockWriter {
public:
    explicit BlockWriter(AtomicTextWriter& stream) : stream_(stream) {
        block_.reserve(kBlockSize + 4096);
    }

    // The text the next line is formatted into (UTF-8 until EndLine).
    std::string& Text() { return block_; }
    std::size_t Mark() const { return block_.size(); }
    // Ends the line begun at `start`: converts it when it is not plain ASCII (nearly
    // all are) and writes the block when it is full.
    bool EndLine(std::size_t start) {
        if (!AdisText::IsAscii(std::string_view(block_).substr(start))) {
            const std::string converted =
                TextEncoding::Utf8ToCp1252(std::string_view(block_).substr(start));
            block_.resize(start);
            block_ += converted;
        }
        block_ += "\r\n";
        return block_.size() < kBlockSize || Flush();
    }
    bool Line(std::string_view utf8Text) {
        const std::size_t start = Mark();
        block_ += utf8Text;
        return EndLine(start);
    }
    bool Flush() {
        const bool ok = stream_.WriteBytes(block_);
        block_.clear();
        return ok;
    }

private:
    static constexpr std::size_t kBlockSize = 1 << 20;
    AtomicTextWriter& stream_;
    std::string block_;
};

// The event number as FormatEventNo gives it, without a temporary text.
void AppendEventNo(std::string& text, std::int32_t eventNo) {
    if (eventNo >= 0 && eventNo <= 999999) {
        char digits[6];
        for (int i = 5; i >= 0; --i, eventNo /= 10)
            digits[i] = static_cast<char>('0' + eventNo % 10);
        text.append(digits, 6);
    } else {
        text += modADIS::FormatEventNo(eventNo);
    }
}

struct FieldFormat {
    std::int32_t ddNo;
    std::int16_t length;
    std::int16_t resolution;
};

// The format of a value: the event's item of its DD number, looked up by
// position first (values follow the items).
const FieldFormat* FormatOf(const std::vector<FieldFormat>& formats, std::size_t index,
                            std::int32_t ddNo) {
    if (index < formats.size() && formats[index].ddNo == ddNo)
        return &formats[index];
    const FieldFormat* format = nullptr;
    for (const auto& candidate : formats)
        if (candidate.ddNo == ddNo)
            format = &candidate;
    return format;
}

// The value line as clsAdisDataLine::LineString makes it.
bool AppendValueLine(std::string& text, const clsAdisDataLine& line,
                     const std::vector<FieldFormat>& formats) {
    text += line.LineType;
    text += line.Status;
    AppendEventNo(text, line.EventNo);
    std::size_t index = 0;
    bool complete = true;
    line.ItemValues.ForEachValue([&](std::int32_t ddNo, const AdisValue& value) {
        const FieldFormat* format = FormatOf(formats, index++, ddNo);
        if (!format) {
            complete = false; // a value the definition cannot place
            return;
        }
        modADIS::AppendValueField(text, value, format->length, format->resolution);
    });
    return complete;
}

// AppendValueLine of a line whose fields are all plain ASCII (nearly all),
// put together in `room`, which holds the longest line of the formats. False
// (nothing appended) when a field needs AppendValueLine.
bool AppendPlainValueLine(std::string& text, const clsAdisDataLine& line,
                          const std::vector<FieldFormat>& formats, std::string& room) {
    if (line.EventNo < 0 || line.EventNo > 999999)
        return false;
    char* const start = room.data();
    char* at = start;
    *at++ = line.LineType;
    *at++ = line.Status;
    for (int i = 5, eventNo = line.EventNo; i >= 0; --i, eventNo /= 10)
        at[i] = static_cast<char>('0' + eventNo % 10);
    at += 6;
    std::size_t index = 0;
    line.ItemValues.ForEachValue([&](std::int32_t ddNo, const AdisValue& value) {
        const FieldFormat* format = FormatOf(formats, index++, ddNo);
        if (at && format)
            at = modADIS::PutPlainValueField(at, value, format->length, format->resolution);
        else
            at = nullptr;
    });
    if (!at)
        return false;
    text.append(start, static_cast<std::size_t>(at - start));
    return true;
}

// The event block: "TN", the "DN" definition once before the first line that is
// not "F", a "DF" definition before every "F" line, and the value lines. Value
// fields take the lengths of the event's own items, which are the groups of the
// definition written with them, so every value line matches its definition.
bool WriteEventBlock(AtomicTextWriter& stream, const clsAdisDataEvent& event) {
    std::vector<FieldFormat> formats;
    std::size_t longestLine = 8; // line type, status, event number
    for (const auto& item : *event.Items()) {
        formats.push_back({item->DDNo, item->Length, item->Resolution});
        longestLine += item->Length > 0 ? static_cast<std::size_t>(item->Length) : 0;
    }
    std::string room(longestLine, ' ');
    BlockWriter out(stream);
    bool ok = out.Line("TN");
    bool definitionWritten = false;
    std::string definitionF;
    for (const auto& line : *event.DataLines()) {
        if (!ok)
            break;
        if (line->EventNo != event.EventNo)
            continue;
        if (line->Status == 'F') {
            if (definitionF.empty())
                definitionF = event.LineString("D", "F");
            ok = out.Line(definitionF);
        } else if (!definitionWritten) {
            ok = out.Line(event.LineString("D", "N"));
            definitionWritten = true;
        }
        const std::size_t start = out.Mark();
        ok = ok &&
             (AppendPlainValueLine(out.Text(), *line, formats, room) ||
              AppendValueLine(out.Text(), *line, formats)) &&
             out.EndLine(start);
    }
    return ok && out.Flush();
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
