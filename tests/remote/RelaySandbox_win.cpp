#include "RelaySandbox.h"

#include "relay/RelayConfig.h"

#include "../support/DeleteRegistryKey_win.h"

#include <string>

namespace {

void RemoveRelayKey() {
    DeleteRegistryKeyInBothViews(HKEY_LOCAL_MACHINE, std::string(Relay::kRelayRegistryKey).c_str());
}

} // namespace

void RelaySandbox::ResetRegistry() {
    RemoveRelayKey();
}

void RelaySandbox::EndRegistry() {
    RemoveRelayKey();
}
