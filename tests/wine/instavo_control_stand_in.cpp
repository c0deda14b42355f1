// Stands in for the OPOS Control Object that the installer copies and
// registers: registering leaves the file "DllRegisterServer.called" beside
// the library, or fails when INSTAVO_TEST_REGISTRATION_FAILS is set.
#include <windows.h>

#include <string>

namespace {
HMODULE self = nullptr;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
  if (GetEnvironmentVariableW(L"INSTAVO_TEST_REGISTRATION_FAILS", nullptr, 0) > 0) return E_FAIL;
  wchar_t path[MAX_PATH] = {};
  const DWORD size = GetModuleFileNameW(self, path, MAX_PATH);
  if (size == 0 || size >= MAX_PATH) return E_FAIL;
  std::wstring mark(path, size);
  mark = mark.substr(0, mark.find_last_of(L'\\') + 1) + L"DllRegisterServer.called";
  const HANDLE file = CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return E_FAIL;
  CloseHandle(file);
  return S_OK;
}
