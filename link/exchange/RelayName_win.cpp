#include "exchange/modMirelCom.h"

namespace modMirelCom {

std::string RelayProgramName() {
    return "QelIsoRemote.exe";
}

} // namespace modMirelCom
