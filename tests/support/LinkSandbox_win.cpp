#include "LinkSandbox.h"

#include <windows.h>

// The tests run in a throw-away Wine prefix: the program's keys are removed before
// and after each test, in both registry views (the program uses the 32-bit one).
namespace {

void DeleteTree(HKEY root, const char* key, REGSAM view) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_ALL_ACCESS | view, &opened) != ERROR_SUCCESS)
        return;
    RegDeleteTreeA(opened, nullptr);
    RegCloseKey(opened);
    RegDeleteKeyExA(root, key, view, 0);
}

void DeleteProgramKeys() {
    const char* key = "Software\\Kestrom\\Vantor Link SE";
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        DeleteTree(HKEY_CURRENT_USER, key, view);
        DeleteTree(HKEY_LOCAL_MACHINE, key, view);
    }
}

} // namespace

void LinkSandbox::ResetRegistry() {
    DeleteProgramKeys();
}

void LinkSandbox::EndRegistry() {
    DeleteProgramKeys();
}
