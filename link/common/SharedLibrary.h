#pragma once

#include <memory>
#include <string>
#include <string_view>

// A shared library loaded at run time (the platform's dynamic loader). The library
// stays loaded while the object lives.
class SharedLibrary {
public:
    // Loads the library at the path (UTF-8); nullptr when it cannot be loaded.
    static std::unique_ptr<SharedLibrary> Open(const std::string& path);

    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Address of an exported symbol, nullptr when the library does not export it.
    void* Symbol(const char* name) const;

    // The platform's file name of a library with the given base name: "Swedish"
    // gives "Swedish.dll" on Windows and "Swedish.so" elsewhere.
    static std::string PlatformFileName(std::string_view baseName);
    // The base name when the file name is a library file name of this platform
    // ("Swedish.so" gives "Swedish"), empty otherwise.
    static std::string BaseNameOfPlatformFile(std::string_view fileName);

private:
    explicit SharedLibrary(void* handle) : handle_(handle) {}
    void* handle_;
};
