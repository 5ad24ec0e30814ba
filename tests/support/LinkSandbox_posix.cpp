#include "LinkSandbox.h"

#include "common/Platform.h"

// The registry outside Windows is a folder of files named by LINK_REGISTRY_DIR: a
// fresh one inside the sandbox folder is an empty registry.
void LinkSandbox::ResetRegistry() {
    Platform::SetEnvironmentValue("LINK_REGISTRY_DIR",
                                  Platform::Utf8FromPath(folder_ / "registry"));
}

void LinkSandbox::EndRegistry() {
    Platform::SetEnvironmentValue("LINK_REGISTRY_DIR", std::nullopt);
}
