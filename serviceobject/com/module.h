#pragma once
// Process-wide facts of the DLL: its module handle and its lock count (live
// objects plus class-factory locks), which decides DllCanUnloadNow.
#include <windows.h>

namespace lumero::com {

HMODULE ModuleHandle();
void LockModule();
void UnlockModule();
long ModuleLockCount();

}  // namespace lumero::com
