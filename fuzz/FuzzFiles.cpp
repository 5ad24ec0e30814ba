#include "FuzzFiles.h"

#include <cstdio>
#include <filesystem>
#include <random>

std::string WriteFuzzFile(const char* name, const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        std::random_device random;
        auto path = std::filesystem::temp_directory_path() /
                    ("vantorlink-fuzz-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    const std::string path = folder + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}
