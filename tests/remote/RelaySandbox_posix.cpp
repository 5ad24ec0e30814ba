#include "RelaySandbox.h"

#include "common/Platform.h"

void RelaySandbox::ResetRegistry() {
    Platform::SetEnvironmentValue("LINK_REGISTRY_DIR",
                                  Platform::Utf8FromPath(folder_ / "registry"));
}

void RelaySandbox::EndRegistry() {
    Platform::SetEnvironmentValue("LINK_REGISTRY_DIR", std::nullopt);
}
