#include "RelaySandbox.h"

#include "relay/RelayConfig.h"

#include <string>
#include <windows.h>

namespace {

void RemoveRelayKey() {
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(Relay::kRelayRegistryKey).c_str());
}

} // namespace

void RelaySandbox::ResetRegistry() {
    RemoveRelayKey();
}

void RelaySandbox::EndRegistry() {
    RemoveRelayKey();
}
