#include "RequestWorld.h"

#include "adis/clsAdisSearchItems.h"
#include "adis/modADISFiles.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/modMirelCom.h"
#include "national/NationalDictionary.h"

RequestWorld::RequestWorld() {
    WriteFileBytesAtomic(TraceLogPath(), "");
    WriteFileBytesAtomic(modUtils::TraceLogPath(), "");
    modUtils::RegWriteString(kSimulator, modUtils::RegRoot::LocalMachine,
                             modMirelCom::IsoRegistryKey, modMirelCom::IsoApplicationValue);
    SetIsoVersion("5.5");
}

void RequestWorld::SetIsoVersion(const std::string& version) {
    modUtils::RegWriteString(version, modUtils::RegRoot::LocalMachine, modMirelCom::IsoRegistryKey,
                             "Version");
}

void RequestWorld::SeedHerd(const std::string& sql) {
    ASSERT_FALSE(kSimulator.empty()) << "herd-iso-sim was not built";
    const std::string seed = File("seed.sql");
    std::string statements = "UPDATE herd SET herd_no = '12003456';\n";
    statements += sql;
    ASSERT_TRUE(WriteFileBytesAtomic(seed, statements));
    ASSERT_EQ(
        modUtils::RunProgramAndWait({kSimulator, "--init", File("herd.db"), "--seed", seed}, 5), 0);
}

std::string RequestWorld::WriteRequest(const std::string& name,
                                       const std::vector<RequestedEvent>& events,
                                       const std::string& manufacturerVersion) {
    clsAdisDataDict national;
    EXPECT_TRUE(modNational::BuildNationalDict(national, manufacturerVersion));
    clsAdisEvents requests;
    for (const RequestedEvent& requested : events) {
        auto items = std::make_shared<clsAdisItems>();
        for (const std::int32_t ddNo : requested.items) {
            const auto item = national.Items().ItemOf(ddNo);
            EXPECT_TRUE(item) << ddNo;
            if (item)
                items->AddItem(ddNo, item->DataType, item->Length, item->Resolution);
        }
        const auto event = requests.AddItem(requested.eventNo, nullptr, 0, items);
        for (const auto& range : requested.search)
            event->SearchItems()->AddItem(range.ddNo, range.low, range.high);
    }
    const std::string path = File(name);
    EXPECT_TRUE(
        modADIS::WriteRequestFile(requests, path, national, "2000", "", manufacturerVersion));
    return path;
}

int RequestWorld::RunLink(const std::vector<std::string>& args) {
    std::vector<std::string> argv{VANTORLINK_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return modUtils::RunProgramAndWait(argv, 5);
}

std::unique_ptr<clsAdisDataFile> RequestWorld::ReadAnswer(const std::string& path,
                                                          const std::string& version) {
    auto national = std::make_shared<clsAdisDataDict>();
    EXPECT_TRUE(modNational::BuildNationalDict(*national, version));
    // Every line is kept, whatever the national keys would make of it.
    clsAdisEvents keyless;
    for (const auto& event : national->Events())
        keyless.AddItem(event->EventNo, std::make_shared<clsAdisKeyItems>(), 0, event->Items());
    auto file = std::make_unique<clsAdisDataFile>();
    clsMessages messages;
    if (!file->Read(path, messages, national, &keyless, false, true))
        return nullptr;
    return file;
}

std::vector<std::string> RequestWorld::TraceTexts() const {
    std::vector<std::string> lines;
    modUtils::SplitToCollection(FileBytes(TraceLogPath()) + FileBytes(modUtils::TraceLogPath()),
                                lines, "\r\n", false, false, true);
    for (std::string& line : lines)
        line.erase(0, line.find('\t') + 1);
    return lines;
}

bool RequestWorld::Traced(const std::string& text) const {
    for (const std::string& line : TraceTexts())
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

std::string ValueText(const clsAdisDataLine& line, std::int32_t ddNo) {
    const auto value = line.ItemValues.ValueOf(ddNo);
    if (!value)
        return "<none>";
    if (IsNull(*value))
        return "<Null>";
    if (IsEmpty(*value))
        return "<Empty>";
    std::string text = AdisValues::ToText(*value);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::vector<std::string> EventRows(const clsAdisDataFile& file, std::int32_t eventNo,
                                   const std::vector<std::int32_t>& ddNos) {
    std::vector<std::string> rows;
    const auto event = file.DataEvents.ItemOf(eventNo);
    if (!event)
        return rows;
    for (const auto& line : *event->DataLines()) {
        std::string row;
        for (const std::int32_t ddNo : ddNos)
            row.append(row.empty() ? "" : "|").append(ValueText(*line, ddNo));
        rows.push_back(row);
    }
    return rows;
}
