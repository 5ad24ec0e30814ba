#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace HerdSim {

// The log the simulator leaves at the "-l" path: windows-1252, CR LF. Problem
// lines begin with the level words "  Error", "Warning" or "   Note".
class SimLog {
public:
    void Info(std::string_view text) { lines_.emplace_back(text); }
    void Error(std::string_view text) { lines_.push_back("  Error: " + std::string(text)); }
    void Warning(std::string_view text) { lines_.push_back("Warning: " + std::string(text)); }
    void Note(std::string_view text) { lines_.push_back("   Note: " + std::string(text)); }
    // Lines that already carry their level (the reader's messages).
    void Raw(std::string_view text) { lines_.emplace_back(text); }

    bool HasErrors() const;
    const std::vector<std::string>& Lines() const { return lines_; }
    // Writes the log, replacing the file; false when it cannot be written.
    bool Save(const std::string& path) const;

private:
    std::vector<std::string> lines_;
};

} // namespace HerdSim
