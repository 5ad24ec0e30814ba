#include "clsAdisDataFile.h"

#include "AdisKeptDefinitions.h"
#include "AdisLinePool.h"
#include "AdisText.h"
#include "clsAdisSearchItems.h"
#include "common/CommandLineMode.h"
#include "common/LanguageResources.h"
#include "common/LinkError.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"
#include "common/UserInterface.h"
#include "dictionary/clsAdisDataDict.h"
#include "modADIS.h"
#include "modADISFiles.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <optional>
#include <utility>

namespace {

bool StartsWith(std::string_view line, std::string_view start) {
    return line.substr(0, start.size()) == start;
}

// The line as UTF-8; lines of plain ASCII (nearly all) are taken as they are.
std::string_view AsUtf8(const std::string& bytes, std::string& converted) {
    if (AdisText::IsAscii(bytes))
        return bytes;
    converted = TextEncoding::Cp1252ToUtf8(bytes);
    return converted;
}

// The event number of characters 3 to 8; 0 when not a number.
std::int32_t FrameEventNo(std::string_view line) {
    if (line.size() <= 2)
        return 0;
    const auto number = AdisText::ParseWholeNumber(line.substr(2, 6));
    if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
        *number > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(*number);
}

} // namespace

// One pass over an ADIS file with the state carried from line to line.
class AdisFileReader {
public:
    AdisFileReader(clsAdisDataFile& file, clsMessages& messages,
                   std::shared_ptr<clsAdisDataDict> dict, const clsAdisEvents* events,
                   bool checkEvents)
        : file_(file), messages_(messages), dict_(std::move(dict)), events_(events),
          checkEvents_(checkEvents) {
        if (!dict_)
            dict_ = std::make_shared<clsAdisDataDict>();
        if (!events_)
            events_ = &dict_->Events();
    }

    bool Run(const std::string& path, bool requireHeader) {
        std::optional<TextStreamReader> stream;
        try {
            stream.emplace(path);
        } catch (const std::exception&) {
            ReportFileProblem("File not found: ", 170, path);
            return false;
        }
        stream_ = &*stream;
        try {
            if (stream_->AtEndOfStream())
                return false;
            return ReadLines(path, requireHeader);
        } catch (const LinkError& error) {
            Stop(std::to_string(error.Number()) + " " + error.Description());
        } catch (const std::bad_alloc&) {
            Stop("7 Out of memory");
        } catch (const std::exception& error) {
            Stop(error.what());
        }
        return false;
    }

private:
    // Reads the next line; false at the end of the file.
    bool Next() {
        failLine_ = stream_->Line() + 1;
        if (!stream_->ReadLineBytes(raw_))
            return false;
        lineNo_ = stream_->Line();
        failLine_ = lineNo_;
        return true;
    }

    static bool EndsReading(const std::string& line) {
        return line.empty() || StartsWith(line, "ZN");
    }

    bool ReadLines(const std::string& path, bool requireHeader) {
        const bool result = ReadAllLines(path, requireHeader);
        SettleLines();
        SealKept();
        return result;
    }

    bool ReadAllLines(const std::string& path, bool requireHeader) {
        bool have = Next();
        bool headerFound = false;
        std::string headerDef;
        while (have &&
               (StartsWith(raw_, "CN") || StartsWith(raw_, "DH") || StartsWith(raw_, "VH"))) {
            if (raw_[0] == 'D') {
                headerDef = TextEncoding::Cp1252ToUtf8(raw_);
                headerFound = true;
            } else if (raw_[0] == 'V') {
                headerFound = true;
                file_.SetHeaderValues(headerDef, TextEncoding::Cp1252ToUtf8(raw_));
            }
            have = Next();
        }
        if (requireHeader && !headerFound) {
            ReportFileProblem("Invalid ADIS file: ", 177, path);
            return false;
        }
        file_.DataDict = dict_;
        // The lines of all events share one pool: a file of many small events
        // would otherwise cost a pool each.
        linePool_ = std::make_shared<AdisLinePool>();
        kept_ = std::make_shared<AdisKeptDefinitions>(dict_, linePool_);
        file_.DataEvents.UseKept(kept_);
        file_.RequestEvents.UseKept(kept_);

        while (have && !EndsReading(raw_)) {
            pendingSearch_.reset();
            if (raw_[0] == 'O') {
                file_.OutFilePath = TextEncoding::Cp1252ToUtf8(
                    raw_.size() > 2 ? std::string_view(raw_).substr(2) : std::string_view());
            } else {
                if (raw_[0] == 'S') {
                    pendingSearch_ = TextEncoding::Cp1252ToUtf8(raw_);
                    searchLineNo_ = lineNo_;
                    do
                        have = Next();
                    while (have && StartsWith(raw_, "CN"));
                    // The end-of-data line ends the reading here as well.
                    if (!have || EndsReading(raw_))
                        return true;
                }
                switch (raw_[0]) {
                case 'R':
                    RequestLine();
                    break;
                case 'D':
                    DefinitionLine();
                    break;
                case 'V':
                    ValueLine();
                    break;
                default:
                    break;
                }
            }
            have = Next();
        }
        return true;
    }

    void RequestLine() {
        const std::string_view line = AsUtf8(raw_, converted_);
        const std::int32_t eventNo = FrameEventNo(line);
        if (!dict_->Events().ItemOf(eventNo)) {
            Note(lineNo_, " Not supported Event number", eventNo);
            return;
        }
        auto& requests = file_.RequestEvents;
        // Nothing when a request of that key is left from an earlier file.
        const auto position = requests.AddRead(eventNo);
        if (!position) {
            Error(lineNo_, " Syntax error. Can't read the R-line, line skipped.");
            return;
        }
        std::optional<std::vector<std::int16_t>> searchTypes;
        if (pendingSearch_) {
            searchTypes = modADIS::SearchLineTypes(*pendingSearch_, dict_->Items());
            if (!searchTypes) {
                Error(searchLineNo_,
                      " Error in SN line. This line and successive RN-line skipped.");
                requests.RemoveRead();
                return;
            }
        }
        if (!modADIS::HasReadableDefGroups(line)) {
            Error(lineNo_, " Syntax error. Can't read the R-line, line skipped.");
            if (searchTypes && !searchTypes->empty())
                Error(lineNo_, " No legal RN-line follow the SN-line. SN- and RN-lines skipped");
            requests.RemoveRead();
            return;
        }
        // A small request is kept as text until it is asked for.
        const std::string_view search = pendingSearch_ ? *pendingSearch_ : std::string_view();
        if (line.size() + search.size() + 4 > AdisKeptDefinitions::kMostBytes) {
            CheckItems(*requests.MakeReadFrom(*position, line, search)->RequestLayout());
            return;
        }
        CheckItems(*recentLayouts_.Of(line, *dict_));
        AdisKeptDefinitions::RequestBytes(line, search, requestBytes_);
        if (const auto place = kept_->Keep(requestBytes_))
            requests.KeepRead(*position, *place, static_cast<std::uint16_t>(requestBytes_.size()));
        else // the store is full
            requests.MakeReadFrom(*position, line, search);
    }

    void DefinitionLine() {
        SettleLines();
        SealKept();
        defLineError_ = false;
        const std::string_view currentDef = AsUtf8(raw_, converted_);
        current_.reset();
        valueLineLength_.reset();
        layout_.reset();
        const std::int32_t eventNo = FrameEventNo(currentDef);
        if (checkEvents_ && eventNo != 0 && !dict_->Events().ItemOf(eventNo)) {
            Note(lineNo_, " Not supported Event number", eventNo);
            return;
        }
        auto& dataEvents = file_.DataEvents;
        const auto position = dataEvents.AddRead(eventNo);
        if (!position || !modADIS::IsDataDefinition(currentDef)) {
            Error(lineNo_, " Syntax error. Can't read the D-line. Line skipped.");
            defLineError_ = true;
            if (position)
                dataEvents.RemoveRead();
            return;
        }
        layout_ = recentLayouts_.Of(currentDef, *dict_);
        CheckItems(*layout_);
        // An event's lines are made with its first value line: a file of bare
        // definitions costs no more than their definitions.
        currentLines_ = nullptr;
        if (currentDef.size() + 2 <= AdisKeptDefinitions::kMostBytes) {
            keptPosition_ = *position;
            draft_.Start(currentDef);
            return;
        }
        current_ = dataEvents.MadeAt(*position);
        current_->SetDefinition(layout_);
    }

    // A small definition is kept as text with its lines; the data event is made
    // when it is asked for, or here once the text grows too large. False when
    // the line does not fit the text kept.
    bool KeepLine(std::string_view line) {
        auto& work = linePool_->Work();
        const auto& keyFields = work.KeyFields(layout_, *lineKeyEvent_);
        const bool numbered = keyFields.empty();
        std::optional<std::size_t> keyInFields;
        if (numbered) {
            draft_.NextNumber(keptKey_);
        } else {
            keyInFields =
                clsAdisDataLines::KeyOfLine(*layout_, keyFields, line, keptKey_, work.fields);
            if (draft_.HasKey(keptKey_)) {
                Note(lineNo_, " Key item is not unique, line skipped.");
                return true;
            }
        }
        return draft_.AddLine(line, keptKey_, keyInFields, numbered);
    }

    // Makes the event of the definition kept now, with its lines so far.
    void MakeKept() {
        const std::size_t position = *keptPosition_;
        keptPosition_.reset();
        current_ = file_.DataEvents.MakeReadFrom(position, draft_.Bytes());
        layout_ = current_->Definition();
    }

    // Keeps the text of the definition read now, if it is kept.
    void SealKept() {
        if (!keptPosition_)
            return;
        const std::size_t position = *keptPosition_;
        keptPosition_.reset();
        const std::string_view bytes = draft_.Bytes();
        if (const auto place = kept_->Keep(bytes))
            file_.DataEvents.KeepRead(position, *place, static_cast<std::uint16_t>(bytes.size()));
        else // the store is full
            file_.DataEvents.MakeReadFrom(position, bytes);
    }

    void ValueLine() {
        if (defLineError_) {
            Error(lineNo_, " Error in preceding D-line. V-line skipped!");
            return;
        }
        if (!current_ && !keptPosition_)
            return;
        if (!valueLineLength_) // checked not to overflow
            valueLineLength_ = static_cast<std::int16_t>(layout_->ValueLineLength());
        // Every windows-1252 byte is one character.
        if (raw_.size() != static_cast<std::size_t>(*valueLineLength_)) {
            Error(lineNo_, " String length in D- and V-lines don't match.");
            return;
        }
        const std::string_view line = AsUtf8(raw_, converted_);
        // As AddItemEx, with the definition's layout and the key event of the
        // line's event number kept from line to line.
        const std::string_view eventField = line.data() == raw_.data() // plain ASCII
                                                ? line.substr(2, 6)
                                                : clsAdisDataLines::EventField(line);
        if (eventField != lineEventField_) {
            lineEventField_ = eventField;
            lineEventNo_ = clsAdisDataLines::LineEventNo(eventField);
            lineKeyEvent_ = events_->Item(modADIS::FormatEventNo(lineEventNo_));
        }
        if (!lineKeyEvent_) {
            Note(lineNo_, " Key item is not unique, line skipped.");
            return;
        }
        if (keptPosition_) {
            if (KeepLine(line))
                return;
            MakeKept();
        }
        // The line is stored when the next one is made (or before anything else
        // happens), so that its index entry is loaded meanwhile.
        if (!currentLines_) {
            currentLines_ = current_->DataLines().get();
            currentLines_->SharePool(linePool_);
        }
        const bool previousStored =
            currentLines_->AddValueLineLater(layout_, *lineKeyEvent_, lineEventNo_, line);
        const long previousLineNo = pendingLineNo_;
        pendingLines_ = currentLines_;
        pendingLineNo_ = lineNo_;
        if (!previousStored)
            Note(previousLineNo, " Key item is not unique, line skipped.");
    }

    // Stores the value line made last, noting it when its key was present.
    void SettleLines() {
        clsAdisDataLines* const lines = std::exchange(pendingLines_, nullptr);
        if (lines && !lines->SettleValueLine())
            Note(pendingLineNo_, " Key item is not unique, line skipped.");
    }

    // Each DD number of a definition or request line, once.
    void CheckItems(const AdisValueLineLayout& layout) {
        for (const auto& group : layout.Groups())
            if (group.kept)
                CheckItem(group.ddNo, group.dataType);
    }
    void CheckItem(std::int32_t ddNo, std::int16_t dataType) {
        if (dataType == modADIS::TypeUnknown)
            Warning(lineNo_, " Unknown DD-number", ddNo);
        else if (dict_->NotSupported(ddNo))
            Note(lineNo_, " Not supported DD-number", ddNo);
    }

    // Messages come in line order: a value line still to be stored first.
    void Error(long lineNo, std::string_view text) {
        SettleLines();
        messages_.AddLine(modADIS::ErrorPrefix, lineNo, text);
    }
    // The text followed by " <number>".
    void Warning(long lineNo, std::string_view text, std::int32_t number) {
        SettleLines();
        messages_.AddLine(modADIS::WarningPrefix, lineNo, text, number);
    }
    void Note(long lineNo, std::string_view text) {
        SettleLines();
        messages_.AddLine(modADIS::NotePrefix, lineNo, text);
    }
    void Note(long lineNo, std::string_view text, std::int32_t number) {
        SettleLines();
        messages_.AddLine(modADIS::NotePrefix, lineNo, text, number);
    }

    // A failure that ends the reading is never silent.
    // The definition kept now keeps what was read of it.
    void Stop(const std::string& reason) {
        Error(failLine_, " Reading stopped: " + reason);
        try {
            SealKept();
        } catch (const std::exception&) { // out of memory again: the event stays bare
        }
    }

    void ReportFileProblem(std::string_view text, long resourceNo, const std::string& path) {
        if (modCommon::CommandLineMode()) {
            messages_.Add(std::string(text) + path);
            return;
        }
        LinkUi::Ui().MessageBox(modCommon::ResString(resourceNo) + "\n" + path, LinkUi::Buttons::Ok,
                                LinkUi::Icon::Critical, modCommon::ResString(168));
    }

    clsAdisDataFile& file_;
    clsMessages& messages_;
    std::shared_ptr<clsAdisDataDict> dict_;
    const clsAdisEvents* events_;
    bool checkEvents_;

    TextStreamReader* stream_ = nullptr;
    std::string raw_;
    std::string converted_;
    long lineNo_ = 0;
    long failLine_ = 1;
    std::optional<std::string> pendingSearch_;
    long searchLineNo_ = 0;
    std::shared_ptr<clsAdisDataEvent> current_;
    clsAdisDataLines* currentLines_ = nullptr;
    std::shared_ptr<AdisLinePool> linePool_;
    std::shared_ptr<AdisKeptDefinitions> kept_;
    AdisKeptDefinitions::Draft draft_;
    std::optional<std::size_t> keptPosition_; // of the definition read now while kept as text
    std::string keptKey_;
    std::string requestBytes_;
    std::optional<std::int16_t> valueLineLength_;
    std::shared_ptr<AdisValueLineLayout> layout_; // of the current definition
    AdisRecentLayouts recentLayouts_;
    std::string lineEventField_; // of the last value line
    std::int32_t lineEventNo_ = 0;
    std::shared_ptr<clsAdisEvent> lineKeyEvent_;
    clsAdisDataLines* pendingLines_ = nullptr; // holds a value line still to be stored
    long pendingLineNo_ = 0;
    bool defLineError_ = false;
};

void clsAdisDataFile::SetHeaderValues(std::string_view defLine, std::string_view valueLine) {
    sender_ = modADIS::GetHeaderValue(defLine, 900006, valueLine);
    senderVersion_ = modADIS::GetHeaderValue(defLine, 900008, valueLine);
    processComputerType_ = modADIS::GetHeaderValue(defLine, 900011, valueLine);
    version_ = modADIS::GetHeaderValue(defLine, 900002, valueLine);
    nationalVersion_ = modADIS::GetHeaderValue(defLine, 900009, valueLine);
    manufacturerVersion_ = modADIS::GetHeaderValue(defLine, 900012, valueLine);
}

bool clsAdisDataFile::Read(const std::string& filePath, clsMessages& messages,
                           std::shared_ptr<clsAdisDataDict> dataDict, const clsAdisEvents* events,
                           bool checkEvents, bool requireHeader) {
    Clear();
    FilePath = filePath;
    AdisFileReader reader(*this, messages, std::move(dataDict), events, checkEvents);
    return reader.Run(filePath, requireHeader);
}
