#pragma once

#include <windows.h>

// Removes a key with everything under it from both registry views: the program
// works in the 32-bit one, a test may have written either.
inline void DeleteRegistryKeyInBothViews(HKEY root, const char* key) {
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(root, key, 0, KEY_ALL_ACCESS | view, &opened) != ERROR_SUCCESS)
            continue;
        RegDeleteTreeA(opened, nullptr);
        RegCloseKey(opened);
        RegDeleteKeyExA(root, key, view, 0);
    }
}
