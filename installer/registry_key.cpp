#include "installer/registry_key.h"

#include "installer/install_error.h"

bool TRegistryKey::OpenKey(const std::wstring& path) {
  Close();
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  key_ = key;
  return true;
}

void TRegistryKey::WriteString(const wchar_t* name, const std::wstring& value) {
  Write(name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void TRegistryKey::WriteInteger(const wchar_t* name, DWORD value) {
  Write(name, REG_DWORD, &value, sizeof value);
}

void TRegistryKey::Close() {
  if (key_ != nullptr) RegCloseKey(key_);
  key_ = nullptr;
}

void TRegistryKey::Write(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
  if (key_ == nullptr ||
      RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), bytes) != ERROR_SUCCESS)
    throw EInstallError(L"Failed to set data for '" + std::wstring(name) + L"'");
}
