// DllRegisterServer and DllUnregisterServer.
#include "serviceobject/com/registration.h"

#include <shlwapi.h>

#include <cwchar>
#include <cwctype>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "serviceobject/com/com_interface.h"
#include "serviceobject/com/module.h"

namespace lumero::com {
namespace {

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, static_cast<int>(std::size(text)));
  return text;
}

std::wstring ModulePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD size = GetModuleFileNameW(ModuleHandle(), path.data(), static_cast<DWORD>(path.size()));
    if (size == 0) return {};
    if (size < path.size()) return std::wstring(path.data(), size);
    path.resize(path.size() * 2);
  }
}

// Clients that split the server path at blanks need the 8.3 form.
std::wstring ServerPath(const std::wstring& path) {
  bool blank = false;
  for (wchar_t c : path) blank = blank || std::iswspace(c);
  if (!blank) return path;
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return path;
  std::vector<wchar_t> shortened(size);
  const DWORD written = GetShortPathNameW(path.c_str(), shortened.data(), size);
  if (written == 0 || written >= size) return path;
  return std::wstring(shortened.data(), written);
}

// Writes the default value (name null) or a named value of HKCR\key.
HRESULT WriteText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                   nullptr, &handle, nullptr);
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  status = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  RegCloseKey(handle);
  return HRESULT_FROM_WIN32(status);
}

class TypeLib {
 public:
  ~TypeLib() {
    if (lib_) lib_->Release();
  }
  ITypeLib** put() { return &lib_; }
  ITypeLib* get() const { return lib_; }

 private:
  ITypeLib* lib_ = nullptr;
};

HRESULT WriteEntries(const std::wstring& path, ITypeLib* lib) {
  TLIBATTR* attributes = nullptr;
  HRESULT hr = lib->GetLibAttr(&attributes);
  if (FAILED(hr)) return hr;
  wchar_t version[32] = {};
  swprintf(version, std::size(version), L"%d.%d", attributes->wMajorVerNum, attributes->wMinorVerNum);
  lib->ReleaseTLibAttr(attributes);

  const std::wstring clsid_key = L"CLSID\\" + GuidText(CLSID_MR62Retail);
  const std::wstring progid = kProgId;
  const struct {
    std::wstring key;
    const wchar_t* name;
    std::wstring value;
  } entries[] = {
      {clsid_key, nullptr, kClassDescription},
      {clsid_key + L"\\InprocServer32", nullptr, ServerPath(path)},
      {clsid_key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {progid, nullptr, kClassDescription},
      {progid + L"\\CLSID", nullptr, GuidText(CLSID_MR62Retail)},
      {clsid_key + L"\\ProgID", nullptr, progid},
      {clsid_key + L"\\Version", nullptr, version},
      {clsid_key + L"\\Typelib", nullptr, GuidText(LIBID_Lumero)},
  };
  for (const auto& entry : entries) {
    hr = WriteText(entry.key, entry.name, entry.value);
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

}  // namespace
}  // namespace lumero::com

STDAPI DllRegisterServer() {
  using namespace lumero::com;
  try {
    const std::wstring path = ModulePath();
    if (path.empty()) {
      const DWORD error = GetLastError();
      return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    TypeLib lib;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib.put());
    if (FAILED(hr)) return hr;
    ITypeInfo* info = nullptr;
    hr = lib.get()->GetTypeInfoOfGuid(CLSID_MR62Retail, &info);
    if (FAILED(hr)) return hr;
    info->Release();

    hr = WriteEntries(path, lib.get());
    if (FAILED(hr)) return hr;
    std::vector<wchar_t> full(path.begin(), path.end());
    full.push_back(L'\0');
    hr = RegisterTypeLib(lib.get(), full.data(), nullptr);
    if (FAILED(hr)) return hr;
    return RegisterTypeLib(lib.get(), full.data(), nullptr);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

STDAPI DllUnregisterServer() {
  using namespace lumero::com;
  try {
    const std::wstring clsid_key = L"CLSID\\" + GuidText(CLSID_MR62Retail);
    // SHDeleteKeyW rather than RegDeleteTreeW, which XP lacks.
    SHDeleteKeyW(HKEY_CLASSES_ROOT, clsid_key.c_str());
    SHDeleteKeyW(HKEY_CLASSES_ROOT, kProgId);
  } catch (...) {
  }
  return S_OK;
}
