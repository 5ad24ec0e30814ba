#include "SimLog.h"

#include "common/TextStream.h"

#include <algorithm>

namespace HerdSim {

bool SimLog::HasErrors() const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [](const std::string& line) { return line.rfind("  Error", 0) == 0; });
}

bool SimLog::Save(const std::string& path) const {
    AtomicTextWriter writer(path);
    for (const auto& line : lines_)
        writer.WriteLine(line);
    return writer.Commit();
}

} // namespace HerdSim
