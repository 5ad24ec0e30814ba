#include "LinkSandbox.h"

#include "common/LanguageResources.h"
#include "common/Platform.h"
#include "settings/LinkSettings.h"

#include <random>

namespace {

void ResetProgramState() {
    modCommon::SetCurrentLanguageLibrary(nullptr);
    modCommon::Settings() = {};
    modCommon::CurrentHerdNo().clear();
}

} // namespace

LinkSandbox::LinkSandbox() : ui_(std::make_shared<LinkUi::RecordingUserInterface>()) {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("vantorlink-sandbox-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    Platform::SetEnvironmentValue("LINK_APP_FOLDER", Folder());
    ResetRegistry();
    LinkUi::SetUi(ui_);
    ResetProgramState();
}

LinkSandbox::~LinkSandbox() {
    ResetProgramState();
    LinkUi::SetUi(std::make_shared<LinkUi::HeadlessUserInterface>());
    EndRegistry();
    Platform::SetEnvironmentValue("LINK_APP_FOLDER", std::nullopt);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string LinkSandbox::Folder() const {
    std::string folder = Platform::Utf8FromPath(folder_);
    folder += static_cast<char>(std::filesystem::path::preferred_separator);
    return folder;
}

std::string LinkSandbox::File(const std::string& name) const {
    return Folder() + name;
}
