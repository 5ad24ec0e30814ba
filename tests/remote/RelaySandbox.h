#pragma once

#include <filesystem>
#include <string>

// One relay test's own world: a fresh folder that is also the program folder
// (LINK_APP_FOLDER) and no relay configuration in the registry. Unlike the link
// program's sandbox it leaves the link program's registry keys alone, so that it
// cannot disturb the link program's tests running beside it in the same Wine
// registry.
class RelaySandbox {
public:
    RelaySandbox();
    ~RelaySandbox();
    RelaySandbox(const RelaySandbox&) = delete;
    RelaySandbox& operator=(const RelaySandbox&) = delete;

    // The folder with a trailing separator, a file in it, and the folder itself.
    std::string Folder() const;
    std::string File(const std::string& name) const;
    std::filesystem::path Path() const { return folder_; }

private:
    // Platform part: outside Windows a fresh registry folder (LINK_REGISTRY_DIR),
    // on Windows the relay's key removed before and after.
    void ResetRegistry();
    void EndRegistry();

    std::filesystem::path folder_;
};
