#include "RelayRegistry.h"

void RemoveRelayKey() {}
