#pragma once

// Removes the relay's configuration key (platform part: the sandbox gives the
// file-backed registry a fresh folder; Wine's registry outlives a test).
void RemoveRelayKey();
