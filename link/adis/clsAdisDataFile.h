#pragma once

#include "clsAdisDataEvents.h"
#include "clsMessages.h"
#include "dictionary/clsAdisEvents.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class clsAdisDataDict;
class clsAdisSearchItem;

// One ADIS file in memory: its header values, the requests (R-lines with their
// search items) and the data events (D-lines with their value lines).
class clsAdisDataFile {
public:
    clsAdisDataFile();
    ~clsAdisDataFile();

    std::string FilePath;
    // The path the sender wants the answer written to (an O-line).
    std::string OutFilePath;
    std::shared_ptr<clsAdisDataDict> DataDict;
    // The sender and its version that the header of a written file names; empty:
    // this program.
    std::string WriterSender;
    std::string WriterSenderVersion;
    clsAdisEvents RequestEvents;
    clsAdisDataEvents DataEvents;

    // Header values of the file read last.
    const std::string& Version() const { return version_; }
    const std::string& NationalVersion() const { return nationalVersion_; }
    const std::string& ManufacturerVersion() const { return manufacturerVersion_; }
    const std::string& Sender() const { return sender_; }
    const std::string& SenderVersion() const { return senderVersion_; }
    const std::string& ProcessComputerType() const { return processComputerType_; }

    // Empties OutFilePath and DataEvents; header values, requests and the
    // dictionary stay.
    void Clear();
    // Adds the dictionary's own item of ddNo to the data event (created when
    // absent) and returns it. Raises LinkError when the DD number is already in
    // the event or the dictionary lacks it.
    std::shared_ptr<clsAdisItem> AddDataEventItem(std::int32_t eventNo, std::int32_t ddNo);
    // The search item of a request, or nothing.
    std::shared_ptr<clsAdisSearchItem> GetSearchItem(std::int32_t eventNo, std::int32_t ddNo) const;
    // Renumbers requests and data events; true when either changed.
    bool ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo);

    // Reads an ADIS file into the model, checking it against the dictionary and
    // adding one message per problem. `events` (nothing: the dictionary's events)
    // gives the key items of value lines; `checkEvents` skips definitions of events
    // the dictionary lacks; `requireHeader` rejects a file without header lines.
    // True when the file was read to its end; false when it was missing, empty or
    // rejected, or a failure stopped the reading (then reported with its line).
    bool Read(const std::string& filePath, clsMessages& messages,
              std::shared_ptr<clsAdisDataDict> dataDict, const clsAdisEvents* events,
              bool checkEvents, bool requireHeader);
    // Writes the data events (all, or those `events` names, in its order) to
    // outPath, else OutFilePath, else FilePath, replacing the file only when
    // complete. False on any failure; the target is then left as it was.
    bool WriteData(const clsAdisEvents* events, const std::string& outPath);

private:
    friend class AdisFileReader;
    // Takes the six header values from a "VH" line by the groups of a "DH" line.
    void SetHeaderValues(std::string_view defLine, std::string_view valueLine);

    std::string version_;
    std::string nationalVersion_;
    std::string manufacturerVersion_;
    std::string sender_;
    std::string senderVersion_;
    std::string processComputerType_;
};
