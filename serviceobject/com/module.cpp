#include "module.h"

#include <atomic>

namespace lumero::com {
namespace {

HMODULE module_handle = nullptr;
std::atomic<long> lock_count{0};

}  // namespace

HMODULE ModuleHandle() { return module_handle; }
void LockModule() { ++lock_count; }
void UnlockModule() { --lock_count; }
long ModuleLockCount() { return lock_count; }

}  // namespace lumero::com

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    lumero::com::module_handle = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllCanUnloadNow() { return lumero::com::ModuleLockCount() == 0 ? S_OK : S_FALSE; }
