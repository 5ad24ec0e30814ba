#pragma once

namespace HerdSim {

struct SimOptions;

// The herd server's side of the relay: watches the share folder, and whenever a
// complete request "isoin.dat" is there, answers it into "isoout.dat" and
// "iso.log" as a run as ISO application would, then removes the request. One
// request at a time, until stopped (SIGINT, SIGTERM) or until the folder is
// removed. Returns the exit code.
int ServeFolder(const SimOptions& options);

} // namespace HerdSim
