#include "LinkSandbox.h"

#include <windows.h>

// The tests run in a throw-away Wine prefix: the program's keys are removed before
// and after each test.
namespace {

void DeleteProgramKeys() {
    const char* key = "Software\\Kestrom\\Vantor Link SE";
    RegDeleteTreeA(HKEY_CURRENT_USER, key);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
}

} // namespace

void LinkSandbox::ResetRegistry() {
    DeleteProgramKeys();
}

void LinkSandbox::EndRegistry() {
    DeleteProgramKeys();
}
