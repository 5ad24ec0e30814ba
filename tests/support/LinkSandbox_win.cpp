#include "LinkSandbox.h"

#include "DeleteRegistryKey_win.h"

// The tests run in a throw-away Wine prefix: every key under the vendor's root
// (the program's own, the herd side's ISO keys, "Vantor Sync") is removed before
// and after each test, in both registry views (the program uses the 32-bit one),
// so that no test sees what another left behind.
namespace {

void DeleteProgramKeys() {
    DeleteRegistryKeyInBothViews(HKEY_CURRENT_USER, "Software\\Kestrom");
    DeleteRegistryKeyInBothViews(HKEY_LOCAL_MACHINE, "Software\\Kestrom");
}

} // namespace

void LinkSandbox::ResetRegistry() {
    DeleteProgramKeys();
}

void LinkSandbox::EndRegistry() {
    DeleteProgramKeys();
}
