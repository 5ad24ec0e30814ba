#pragma once

#include "clsAdisDataEvents.h"
#include "clsMessages.h"
#include "dictionary/clsAdisEvents.h"

#include <cstdint>
#include <memory>
#include <string>

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

    // Reading and writing of ADIS files (see the reader and writer sources).
    bool Read(const std::string& filePath, clsMessages& messages,
              std::shared_ptr<clsAdisDataDict> dataDict, const clsAdisEvents* events,
              bool checkEvents, bool requireHeader);
    bool WriteData(const clsAdisEvents* events, const std::string& outPath);

private:
    std::string version_;
    std::string nationalVersion_;
    std::string manufacturerVersion_;
    std::string sender_;
    std::string senderVersion_;
    std::string processComputerType_;
};
