#pragma once
// Shared by the tests of Lumero.dll: the DLL under test, registry reads and
// writes, and a fixture with an apartment and a registered server.
#include "serviceobject/com/com_interface.h"
#include "com_holders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumero::test {

// The Lumero.dll beside the test program, loaded for the whole run.
HMODULE ServerModule();
std::wstring ServerPath();
std::wstring BesideProgram(const wchar_t* file);
template <class Function>
Function Export(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(ServerModule(), name)));
}
using DllFunction = HRESULT(STDAPICALLTYPE*)();
using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

std::wstring GuidText(REFGUID guid);
bool KeyExists(const std::wstring& key);  // below HKEY_CLASSES_ROOT
std::wstring ReadText(const std::wstring& key, const wchar_t* name = nullptr);
// A REG_SZ value, or "<missing>".
std::wstring ReadText(HKEY root, const std::wstring& key, const wchar_t* name);

// A path on the Linux side as this program reaches it, through Wine's Z:.
std::wstring ThroughDriveZ(const std::string& linux_path);

// The OPOS configuration of the MR-62 model: the device key that names the
// ProgID for the Control Object, and the port settings that OpenService reads.
// Programs that write it hold the CTest lock opos_registry.
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
