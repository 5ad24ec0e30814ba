#include "RelayRegistry.h"

#include "relay/RelayConfig.h"

#include <string>
#include <windows.h>

void RemoveRelayKey() {
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(Relay::kRelayRegistryKey).c_str());
}
