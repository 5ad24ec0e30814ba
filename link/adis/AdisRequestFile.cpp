#include "clsAdisSearchItems.h"
#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"
#include "dictionary/clsAdisEvents.h"
#include "modADISFiles.h"

#include <exception>

namespace modADIS {

bool WriteRequestFile(const clsAdisEvents& events, const std::string& filePath,
                      const clsAdisDataDict& dataDict, std::string_view version,
                      std::string_view nationalVersion, std::string_view manufacturerVersion) {
    if (filePath.empty())
        return false;
    try {
        AtomicTextWriter stream(filePath);
        bool ok = WriteHeader(stream, version, nationalVersion, manufacturerVersion);
        for (const auto& event : events) {
            if (!ok)
                break;
            ok = stream.WriteLine("TN");
            if (event->HasAnySearchItem())
                ok = ok && stream.WriteLine(
                               event->SearchItems()->LineString(event->EventNo, dataDict.Items()));
            ok = ok && stream.WriteLine(event->LineString("R", "N"));
        }
        ok = ok && stream.WriteLine("EN") && stream.WriteLine("ZN");
        return ok && stream.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace modADIS
