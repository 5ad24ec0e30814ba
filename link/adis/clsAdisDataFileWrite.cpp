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
        Convert(start);
        block_ += "\r\n";
        return block_.size() < kBlockSize || Flush();
    }
    // EndLine of a value line formatted with two placeholder characters in front,
    // which become its line type and status (windows-1252 bytes).
    bool EndValueLine(std::size_t start, char lineType, char status) {
        Convert(start);
        block_[start] = AdisText::BlankControl(lineType);
        block_[start + 1] = AdisText::BlankControl(status);
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
    void Convert(std::size_t start) {
        if (AdisText::IsAscii(std::string_view(block_).substr(start)))
            return;
        const std::string converted =
            TextEncoding::Utf8ToCp1252(std::string_view(block_).substr(start));
        block_.resize(start);
        block_ += converted;
    }

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

// The value line as clsAdisDataLine::LineString makes it, with two placeholders
// for its line type and status (EndValueLine puts them in): one field for each
// item of the definition, in the definition's order.
void AppendValueLine(std::string& text, const clsAdisDataLine& line,
                     const std::vector<modADIS::FieldFormat>& formats, std::int32_t eventNo,
                     std::string_view eventNoText) {
    text += "  ";
    if (line.EventNo == eventNo)
        text += eventNoText;
    else
        AppendEventNo(text, line.EventNo);
    line.ItemValues.AppendFields(text, formats);
}

// The event block: "TN", the "DN" definition once before the first line that is
// not "F", a "DF" definition before every "F" line, and the value lines. Value
// fields take the order and lengths of the event's own items, which are the
// groups of the definition written with them, so every value line matches its
// definition: a value the line lacks is written Empty, and a value of a DD
// number the event lacks has no field and is not written.
bool WriteEventBlock(AtomicTextWriter& stream, const clsAdisDataEvent& event) {
    std::vector<modADIS::FieldFormat> formats;
    for (const auto& item : *event.Items())
        formats.push_back({item->DDNo, item->Length, item->Resolution});
    std::string eventNoText; // of nearly every line
    AppendEventNo(eventNoText, event.EventNo);
    BlockWriter out(stream);
    bool ok = out.Line("TN");
    bool definitionWritten = false;
    std::string definitionF;
    event.DataLines()->ForEachLine([&](const clsAdisDataLine& line) {
        if (!ok || line.EventNo != event.EventNo)
            return;
        if (line.Status == 'F') {
            if (definitionF.empty())
                definitionF = event.LineString("D", "F");
            ok = out.Line(definitionF);
        } else if (!definitionWritten) {
            ok = out.Line(event.LineString("D", "N"));
            definitionWritten = true;
        }
        const std::size_t start = out.Mark();
        AppendValueLine(out.Text(), line, formats, event.EventNo, eventNoText);
        ok = ok && out.EndValueLine(start, line.LineType, line.Status);
    });
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
                                       DataDict ? DataDict->ManufacturerVersion : none,
                                       WriterSender, WriterSenderVersion);
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
