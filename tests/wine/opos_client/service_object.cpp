#include "service_object.h"

#include <cstdio>
#include <stdexcept>

#include "text.h"

namespace oposclient {
namespace {

constexpr wchar_t kFiscalPrinterKey[] = L"SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter";

std::runtime_error Failure(const std::string& what, HRESULT hr) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  return std::runtime_error(what + " failed with " + code);
}

// A REG_SZ of `key` (its default value for a null name); false when missing.
bool ReadText(HKEY key, const wchar_t* subkey, const wchar_t* name, std::wstring& text) {
  wchar_t value[512] = {};
  DWORD bytes = sizeof value - sizeof(wchar_t);
  if (RegGetValueW(key, subkey, name, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
    return false;
  text = value;
  return true;
}

class Control final : public IDispatch {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IDispatch) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    return S_OK;
  }
  // Lives as long as the program: nothing to count.
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    return E_NOTIMPL;
  }
};

}  // namespace

std::wstring ProgIdOf(const std::wstring& device_name) {
  HKEY printers = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kFiscalPrinterKey, 0, KEY_READ, &printers) != ERROR_SUCCESS)
    throw std::runtime_error("no ServiceOPOS\\FiscalPrinter key");
  std::wstring device_key = device_name, prog_id;
  ReadText(printers, nullptr, device_name.c_str(), device_key);
  const bool found = ReadText(printers, device_key.c_str(), nullptr, prog_id);
  RegCloseKey(printers);
  if (!found) throw std::runtime_error("no ProgID for device " + WideToUtf8(device_key));
  return prog_id;
}

Ptr<IDispatch> CreateServiceObject(const std::wstring& device_name) {
  const std::wstring prog_id = ProgIdOf(device_name);
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(prog_id.c_str(), &clsid);
  if (FAILED(hr)) throw Failure("CLSIDFromProgID(" + WideToUtf8(prog_id) + ")", hr);
  Ptr<IUnknown> unknown;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, unknown.put_void());
  if (FAILED(hr)) throw Failure("CoCreateInstance", hr);
  Ptr<IDispatch> object;
  hr = unknown->QueryInterface(IID_IDispatch, object.put_void());
  if (FAILED(hr)) throw Failure("QueryInterface(IDispatch)", hr);
  return object;
}

IDispatch* ControlDispatch() {
  static Control control;
  return &control;
}

}  // namespace oposclient
