// Parses the input as a profile file and queries and changes it.

#include "common/ProfileFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProfileFile profile;
    profile.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& key : profile.Keys("Settings"))
        profile.GetString("Settings", key);
    profile.GetInt("Data Dictionary", "ItemCount", 0);
    profile.SetString("Settings", "HerdNo", "12345");
    profile.DeleteSection("Events");
    return 0;
}
