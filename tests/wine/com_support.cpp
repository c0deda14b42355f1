#include "com_support.h"

namespace lumero::test {

HMODULE ServerModule() {
  static const HMODULE module = LoadLibraryW(ServerPath().c_str());
  return module;
}

std::wstring ServerPath() { return BesideProgram(L"Lumero.dll"); }

std::wstring BesideProgram(const wchar_t* file) {
  wchar_t program[MAX_PATH] = {};
  const DWORD size = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring path(program, size);
  return path.substr(0, path.find_last_of(L'\\') + 1) + file;
}

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

bool KeyExists(const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  RegCloseKey(handle);
  return true;
}

std::wstring ReadText(const std::wstring& key, const wchar_t* name) {
  return ReadText(HKEY_CLASSES_ROOT, key, name);
}

std::wstring ReadText(HKEY root, const std::wstring& key, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD bytes = sizeof value - sizeof(wchar_t);
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
    return L"<missing>";
  return value;
}

std::wstring ThroughDriveZ(const std::string& linux_path) {
  std::wstring path = L"Z:";
  for (const char c : linux_path) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

namespace {

void SetText(HKEY key, const wchar_t* name, const wchar_t* text) {
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

}  // namespace

void WriteDeviceConfiguration(const wchar_t* port, DWORD baud_rate) {
  const wchar_t* const printers = L"SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter";
  const wchar_t* const device = L"Vornik_MR62_1.11";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, printers, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  SetText(key, L"FiscPrinter", device);
  HKEY device_key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(key, device, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &device_key,
                            nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  SetText(device_key, nullptr, L"Lumero.MR62Retail");
  SetText(device_key, L"Port", port);
  RegSetValueExW(device_key, L"BaudRate", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&baud_rate),
                 sizeof baud_rate);
  RegCloseKey(device_key);
}

void ComTest::SetUp() {
  ASSERT_NE(ServerModule(), nullptr) << "no Lumero.dll beside the test program";
  ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  ASSERT_EQ(Export<DllFunction>("DllRegisterServer")(), S_OK);
}

void ComTest::TearDown() { CoUninitialize(); }

Ptr<IMR62Retail> ComTest::NewObject() {
  Ptr<IMR62Retail> object;
  EXPECT_EQ(CoCreateInstance(CLSID_MR62Retail, nullptr, CLSCTX_INPROC_SERVER, IID_IMR62Retail,
                             object.put_void()),
            S_OK);
  return object;
}

void ComTest::CloseService(IMR62Retail* object) {
  LONG result = 0;
  object->Close(&result);
}

HRESULT ComTest::InvokeByName(IDispatch* object, const wchar_t* name, WORD flags,
                              std::vector<VARIANT> arguments, VARIANT* result,
                              EXCEPINFO* exception) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id);
  if (FAILED(hr)) return hr;
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPID put_id = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    parameters.rgdispidNamedArgs = &put_id;
    parameters.cNamedArgs = 1;
  }
  UINT bad_argument = 0;
  return object->Invoke(id, IID_NULL, 0x409, flags, &parameters, result, exception, &bad_argument);
}

}  // namespace lumero::test
