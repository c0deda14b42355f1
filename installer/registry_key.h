#pragma once
// The installer's registry layer: one key below HKEY_LOCAL_MACHINE, opened
// with creation allowed and written value by value. A write that fails,
// also on a key that was never opened, throws EInstallError
// "Failed to set data for '<name>'".
#include <windows.h>

#include <string>

class TRegistryKey {
 public:
  TRegistryKey() = default;
  ~TRegistryKey() { Close(); }
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;

  // `path` from the root key; false when the key can be neither opened nor
  // created.
  bool OpenKey(const std::wstring& path);
  void WriteString(const wchar_t* name, const std::wstring& value);
  void WriteInteger(const wchar_t* name, DWORD value);
  void Close();

 private:
  void Write(const wchar_t* name, DWORD type, const void* data, DWORD bytes);

  HKEY key_ = nullptr;
};
