#include "national/NationalLookups.h"

#include "adis/clsAdisDataFile.h"
#include "adis/modADISFiles.h"
#include "common/LinkError.h"
#include "common/ProcedureError.h"
#include "database/DatabaseConnection.h"
#include "database/HerdDatabase.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"
#include "national/NationalFunctions.h"
#include "national/NationalShared.h"
#include "national/StatusTextScope.h"
#include "requests/RequestFlow.h"
#include "settings/LinkSettings.h"

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <vector>

namespace modNational {
namespace {

constexpr const char* kStatementHead =
    "DECLARE @CurrentAppVersion NVARCHAR(100) SET @CurrentAppVersion = (SELECT TOP 1 "
    "CurrentAppVersion FROM DatabaseInfo) IF (LEFT(@CurrentAppVersion, 6) >= '2009.2') UPDATE "
    "TextLookupItem SET IsHidden = ";
constexpr const char* kNationalCodeSet =
    " WHERE CodeSet = (SELECT TOP 1 OID FROM CodeSet WHERE CodeSetID = ";

// Exit types of the herd's cull reasons: each national reason is sent for all
// three unless its set names one.
constexpr std::int16_t kExitTypes[] = {6, 7, 8};

class CodeTableBuilder {
public:
    CodeTableBuilder(clsAdisDataFile& file, const clsAdisDataDict& national, bool shortTexts)
        : file_(file), national_(national), shortTexts_(shortTexts) {}

    clsAdisDataEvent& AddEvent(std::int32_t eventNo, std::initializer_list<std::int32_t> items) {
        const auto event = file_.DataEvents.AddItem(eventNo, 0, nullptr, nullptr);
        if (!event)
            throw LinkError(LinkErrors::DuplicateKey,
                            "Event " + std::to_string(eventNo) + " is already in the file");
        for (const std::int32_t ddNo : items)
            file_.AddDataEventItem(eventNo, ddNo);
        return *event;
    }

    // One line of code and text per code of the set.
    void AddTwoColumnTable(std::int32_t eventNo, std::initializer_list<std::int32_t> items,
                           const char* codeSet, int collection) {
        clsAdisDataEvent& event = AddEvent(eventNo, items);
        for (const auto& code : *RequiredSet(codeSet)) {
            modADIS::AddValueLine2(event, AdisValues::Number(code->Code), TextOf(*code));
            List(collection, code->Code);
        }
    }

    // Lines of code, text and exit type: every exit type for the codes of the
    // first set, the given one for the sets that name it.
    void AddCullReasonTable(std::int32_t eventNo, std::initializer_list<std::int32_t> items,
                            const char* allTypesSet,
                            std::initializer_list<std::pair<const char*, std::int16_t>> typedSets,
                            int collection) {
        clsAdisDataEvent& event = AddEvent(eventNo, items);
        if (const auto set = national_.CodeSets().Item(allTypesSet))
            for (const auto& code : *set)
                for (const std::int16_t exitType : kExitTypes)
                    AddCullReason(event, *code, exitType, collection);
        for (const auto& [setKey, exitType] : typedSets)
            if (const auto set = national_.CodeSets().Item(setKey))
                for (const auto& code : *set)
                    AddCullReason(event, *code, exitType, collection);
    }

    LookupCollections Collections() const {
        LookupCollections collections;
        for (const auto& [collection, codes] : codes_) {
            std::string list;
            for (const std::int16_t code : codes)
                list += (list.empty() ? "'" : ", '") + std::to_string(code) + "'";
            collections[collection] = list;
        }
        return collections;
    }

private:
    std::shared_ptr<clsCodeSetItems> RequiredSet(const char* key) const {
        auto set = national_.CodeSets().Item(key);
        if (!set)
            throw LinkError(LinkErrors::SubscriptOutOfRange,
                            std::string("Code set ") + key +
                                " is missing from the national dictionary");
        return set;
    }

    AdisValue TextOf(const clsCodeSetItem& code) const {
        return AdisValues::Text(shortTexts_ ? code.ShortText : code.LongText);
    }

    void AddCullReason(clsAdisDataEvent& event, const clsCodeSetItem& code, std::int16_t exitType,
                       int collection) {
        modADIS::AddValueLine3(event, AdisValues::Number(code.Code), TextOf(code),
                               AdisValues::Number(exitType));
        List(collection, code.Code);
    }

    // Each code is listed once per collection.
    void List(int collection, std::int16_t code) {
        auto& codes = codes_[collection];
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    }

    clsAdisDataFile& file_;
    const clsAdisDataDict& national_;
    bool shortTexts_;
    std::map<int, std::vector<std::int16_t>> codes_;
};

} // namespace

LookupCollections AddCodeTableEvents(clsAdisDataFile& file, const clsAdisDataDict& national,
                                     bool shortTexts) {
    CodeTableBuilder tables(file, national, shortTexts);
    clsAdisItemValues kind;
    kind.AddItem(370010, AdisValues::Number(2));
    tables.AddEvent(390055, {370010}).DataLines()->AddItem("2", "V", "N", 390055, std::move(kind));
    modADIS::AddValueLine2(tables.AddEvent(303078, {354006, 354007}), AdisNull{}, AdisNull{});
    tables.AddTwoColumnTable(303079, {354011, 354012}, "050052", 14);
    modADIS::AddValueLine2(tables.AddEvent(303080, {354016, 354017}), AdisNull{}, AdisNull{});
    tables.AddTwoColumnTable(303081, {354021, 354022}, "050322", 73);
    tables.AddTwoColumnTable(303082, {355061, 355062}, "050305", 78);
    tables.AddTwoColumnTable(303083, {355066, 355067}, "050082", 6);
    tables.AddCullReasonTable(303084, {355091, 355092, 355093}, "050185",
                              {{"050185-6", 6}, {"050185-7", 7}, {"050185-8", 8}}, 19);
    tables.AddTwoColumnTable(303087, {355121, 355122}, "050308", 79);
    tables.AddCullReasonTable(303093, {355391, 355392, 355393}, "050186", {}, 75);
    return tables.Collections();
}

std::string HideLookupsSql() {
    return std::string(kStatementHead) + "'1'" + kNationalCodeSet +
           "2) AND Collection IN (6, 14, 19, 73, 75, 78, 79)";
}

std::string ShowLookupsSql(const LookupCollections& collections) {
    std::string clauses;
    for (const int collection : kLookupCollections) {
        const auto found = collections.find(collection);
        if (found == collections.end() || found->second.empty())
            continue;
        clauses += (clauses.empty() ? "" : " OR ") + std::string("(Collection = ") +
                   std::to_string(collection) + " AND ItemCode IN (" + found->second + "))";
    }
    if (clauses.empty())
        return {};
    return std::string(kStatementHead) + "'0'" + kNationalCodeSet + "2) AND (" + clauses + ")";
}

bool InitNationalLookups() {
    StatusTextScope status;
    try {
        const bool newIso = IsNewIsoVersion(GetIsoVersion());
        // The file is made before anything is hidden, so that a dictionary
        // lacking a code set changes nothing.
        clsAdisDataFile file;
        file.Clear();
        file.DataDict = modMirelCom::HerdDataDict();
        file.FilePath = modMirelCom::IsoInFilePath();
        const LookupCollections collections =
            AddCodeTableEvents(file, *NationalDataDict(), modCommon::Settings().LookupShortText);

        if (!newIso && !ExecuteSql(HideLookupsSql()))
            return false;
        status.Show(161);
        bool sent = false;
        {
            const modMirelCom::ExchangeSession session;
            sent = session.Active() && file.WriteData(nullptr, {}) &&
                   modMirelCom::ExecuteIsoApp(session, modCommon::Settings().RemoteConnection);
        }
        // Hidden entries are shown again even when the transfer failed: a herd
        // database left with every national lookup hidden offers no codes at all.
        bool shown = true;
        if (!newIso) {
            const std::string show = ShowLookupsSql(collections);
            shown = show.empty() || ExecuteSql(show);
        }
        CloseDbConnection();
        return sent && shown;
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
        CloseDbConnection();
        return false;
    }
}

} // namespace modNational
