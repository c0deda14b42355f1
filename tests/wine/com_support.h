#pragma once
// Shared by the tests of Lumero.dll: the DLL under test, small COM holders,
// registry reads and a fixture with an apartment and a registered server.
#include "serviceobject/com/com_interface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumero::test {

template <class T>
class Ptr {
 public:
  Ptr() = default;
  ~Ptr() { reset(); }
  Ptr(const Ptr&) = delete;
  Ptr& operator=(const Ptr&) = delete;
  Ptr(Ptr&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
  Ptr& operator=(Ptr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = other.p_;
      other.p_ = nullptr;
    }
    return *this;
  }

  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

class Bstr {
 public:
  explicit Bstr(const wchar_t* text = L"") : b_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }

 private:
  BSTR b_;
};

// The Lumero.dll beside the test program, loaded for the whole run.
HMODULE ServerModule();
std::wstring ServerPath();
template <class Function>
Function Export(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(ServerModule(), name)));
}
using DllFunction = HRESULT(STDAPICALLTYPE*)();
using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

std::wstring GuidText(REFGUID guid);
bool KeyExists(const std::wstring& key);  // below HKEY_CLASSES_ROOT
std::wstring ReadText(const std::wstring& key, const wchar_t* name = nullptr);

// The OPOS configuration that OpenService reads, for the MR-62 model.
void WriteDeviceConfiguration(const wchar_t* port, DWORD baud_rate);

// The calling thread in an apartment, and the server registered.
class ComTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Ptr<IMR62Retail> NewObject();
  // Closes the service, whatever state an earlier test left.
  static void CloseService(IMR62Retail* object);
  // Arguments in call order; DISPATCH_PROPERTYPUT names its one argument.
  static HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD flags,
                              std::vector<VARIANT> arguments, VARIANT* result,
                              EXCEPINFO* exception);
};

}  // namespace lumero::test
