#include "exchange/ExchangeShared.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "dictionary/clsAdisDataDict.h"

namespace modMirelCom {
namespace {

struct SharedObjects {
    std::shared_ptr<clsAdisDataDict> herdDict = std::make_shared<clsAdisDataDict>();
    clsAdisDataFile answerFile;
    clsMessages messages;
    bool mainWindowVisible = false;
};

SharedObjects& Shared() {
    static SharedObjects objects;
    return objects;
}

} // namespace

std::shared_ptr<clsAdisDataDict> HerdDataDict() {
    return Shared().herdDict;
}

void SetHerdDataDict(std::shared_ptr<clsAdisDataDict> dict) {
    Shared().herdDict = dict ? std::move(dict) : std::make_shared<clsAdisDataDict>();
}

clsAdisDataFile& SharedAnswerFile() {
    return Shared().answerFile;
}

clsMessages& SharedMessages() {
    return Shared().messages;
}

bool MainWindowVisible() {
    return Shared().mainWindowVisible;
}

void SetMainWindowVisible(bool visible) {
    Shared().mainWindowVisible = visible;
}

} // namespace modMirelCom
