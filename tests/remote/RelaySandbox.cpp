#include "RelaySandbox.h"

#include "common/Platform.h"

#include <random>

RelaySandbox::RelaySandbox() {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("qelisoremote-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    Platform::SetEnvironmentValue("LINK_APP_FOLDER", Folder());
    ResetRegistry();
}

RelaySandbox::~RelaySandbox() {
    EndRegistry();
    Platform::SetEnvironmentValue("LINK_APP_FOLDER", std::nullopt);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string RelaySandbox::Folder() const {
    return Platform::Utf8FromPath(folder_) +
           static_cast<char>(std::filesystem::path::preferred_separator);
}

std::string RelaySandbox::File(const std::string& name) const {
    return Folder() + name;
}
