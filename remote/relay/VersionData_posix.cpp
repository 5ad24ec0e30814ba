#include "RelayVersion.h"
#include "relay/VersionData.h"

namespace Relay {

VersionData ProgramVersionData() {
    return {RELAY_PRODUCT_NAME, RELAY_PRODUCT_VERSION, RELAY_LEGAL_COPYRIGHT};
}

} // namespace Relay
