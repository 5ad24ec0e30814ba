#pragma once

#include <string>

// The file work of the relay, on the share and on this computer.
namespace Relay {

// Copies a file, replacing the target. The copy is written beside the target
// under a temporary name and renamed over it when complete, so that the herd
// server never takes a half-copied request and the link program never reads a
// half-copied answer. False when the source cannot be read or the target
// cannot be written.
bool CopyFileReplacing(const std::string& from, const std::string& to);

// Deletes the file; true when nothing is left at the path afterwards.
bool RemoveFile(const std::string& path);

} // namespace Relay
