#include "WorkingFiles.h"

#include "common/AppFolder.h"

namespace modCommon {

std::string SettingsFilePath() {
    return AppFolder() + "link.ini";
}
std::string NationalDictFilePath() {
    return AppFolder() + "ziraz_dd.ini";
}
std::string ClInFilePath() {
    return AppFolder() + "~~isoin.dat";
}
std::string ClOutFilePath() {
    return AppFolder() + "~~isoout.dat";
}
std::string ClLogFilePath() {
    return AppFolder() + "~~iso.log";
}
std::string DefaultClOutFilePath() {
    return AppFolder() + "isoout.txt";
}
std::string DefaultClLogFilePath() {
    return AppFolder() + "isolog.txt";
}

} // namespace modCommon
