#include "SharedLibrary.h"

#include <dlfcn.h>

namespace {
constexpr std::string_view kSuffix = ".so";
}

std::unique_ptr<SharedLibrary> SharedLibrary::Open(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

SharedLibrary::~SharedLibrary() {
    dlclose(handle_);
}

void* SharedLibrary::Symbol(const char* name) const {
    return dlsym(handle_, name);
}

std::string SharedLibrary::PlatformFileName(std::string_view baseName) {
    return std::string(baseName) + std::string(kSuffix);
}

std::string SharedLibrary::BaseNameOfPlatformFile(std::string_view fileName) {
    if (fileName.size() <= kSuffix.size() || !fileName.ends_with(kSuffix))
        return {};
    return std::string(fileName.substr(0, fileName.size() - kSuffix.size()));
}
