// The exports, the embedded resources, and the registry entries that
// DllRegisterServer writes and DllUnregisterServer removes.
#include <vector>

#include "com_support.h"

namespace lumero::test {
namespace {

const std::wstring kClassKey = L"CLSID\\" + GuidText(CLSID_MR62Retail);
const std::wstring kProgIdKey = L"Lumero.MR62Retail";
const std::wstring kTypeLibKey = L"TypeLib\\" + GuidText(LIBID_Lumero) + L"\\1.0";

std::wstring LongPath(const std::wstring& path) {
  wchar_t result[MAX_PATH] = {};
  const DWORD size = GetLongPathNameW(path.c_str(), result, MAX_PATH);
  return std::wstring(result, size);
}

// Runs a program of the Windows directory and returns its exit code.
DWORD RunProgram(std::wstring command_line) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return static_cast<DWORD>(-1);
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = static_cast<DWORD>(-1);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

using Registration = ComTest;

TEST_F(Registration, ExportsTheFourIdentitiesAsData) {
  const struct {
    const char* name;
    const GUID& expected;
  } identities[] = {{"LIBID_Lumero", LIBID_Lumero},
                    {"IID_IMR62Retail", IID_IMR62Retail},
                    {"DIID_IMR62RetailEvents", DIID_IMR62RetailEvents},
                    {"CLSID_MR62Retail", CLSID_MR62Retail}};
  for (const auto& identity : identities) {
    const auto* exported = Export<const GUID*>(identity.name);
    ASSERT_NE(exported, nullptr) << identity.name;
    EXPECT_TRUE(IsEqualGUID(*exported, identity.expected)) << identity.name;
  }
}

TEST_F(Registration, LibraryCarriesItsTypeLibraryAndVersion) {
  Ptr<ITypeLib> library;
  ASSERT_EQ(LoadTypeLibEx(ServerPath().c_str(), REGKIND_NONE, library.put()), S_OK);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, LIBID_Lumero));
  EXPECT_EQ(attributes->lcid, 0x409u);
  EXPECT_EQ(attributes->wMajorVerNum, 1);
  EXPECT_EQ(attributes->wMinorVerNum, 0);
  library->ReleaseTLibAttr(attributes);

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(ServerPath().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(ServerPath().c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 25u);
  wchar_t* description = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\FileDescription",
                             reinterpret_cast<void**>(&description), &length));
  EXPECT_STREQ(description, L"OPOS Zelvano");
}

TEST_F(Registration, WritesTheClassAndProgIdEntries) {
  const std::wstring description = L"OPOS Service object for MR62X fiscal printer";
  EXPECT_EQ(ReadText(kClassKey), description);
  EXPECT_EQ(ReadText(kClassKey + L"\\InprocServer32"), ServerPath());
  EXPECT_EQ(ReadText(kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(ReadText(kClassKey + L"\\ProgID"), L"Lumero.MR62Retail");
  EXPECT_EQ(ReadText(kClassKey + L"\\Version"), L"1.0");
  EXPECT_EQ(ReadText(kClassKey + L"\\Typelib"), GuidText(LIBID_Lumero));
  EXPECT_EQ(ReadText(kProgIdKey), description);
  EXPECT_EQ(ReadText(kProgIdKey + L"\\CLSID"), GuidText(CLSID_MR62Retail));
  EXPECT_TRUE(KeyExists(kTypeLibKey));
}

TEST_F(Registration, ServerInAFolderWithABlankIsRegisteredByItsShortPath) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"Lumero blank folder";
  const std::wstring copy = folder + L"\\Lumero.dll";
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(ServerPath().c_str(), copy.c_str(), FALSE));
  HMODULE module = LoadLibraryW(copy.c_str());
  ASSERT_NE(module, nullptr);
  const auto register_server =
      reinterpret_cast<DllFunction>(reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
  EXPECT_EQ(register_server(), S_OK);
  FreeLibrary(module);

  const std::wstring written = ReadText(kClassKey + L"\\InprocServer32");
  EXPECT_EQ(written.find(L' '), std::wstring::npos) << "written: " << written.c_str();
  EXPECT_EQ(_wcsicmp(LongPath(written).c_str(), copy.c_str()), 0);
}

TEST_F(Registration, UnregisterRemovesTheKeysAndKeepsTheTypeLibrary) {
  EXPECT_EQ(Export<DllFunction>("DllUnregisterServer")(), S_OK);
  EXPECT_FALSE(KeyExists(kClassKey));
  EXPECT_FALSE(KeyExists(kProgIdKey));
  EXPECT_TRUE(KeyExists(kTypeLibKey));
  Ptr<ITypeLib> library;
  EXPECT_EQ(LoadRegTypeLib(LIBID_Lumero, 1, 0, 0x409, library.put()), S_OK);
  EXPECT_EQ(Export<DllFunction>("DllUnregisterServer")(), S_OK) << "nothing left to remove";
}

TEST_F(Registration, FailedRegistryWriteIsReported) {
  // Under a volatile class key no lasting InprocServer32 key can be created.
  ASSERT_EQ(Export<DllFunction>("DllUnregisterServer")(), S_OK);
  HKEY volatile_key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, kClassKey.c_str(), 0, nullptr,
                            REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatile_key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(volatile_key);
  const HRESULT hr = Export<DllFunction>("DllRegisterServer")();
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey.c_str());
  EXPECT_EQ(hr, HRESULT_FROM_WIN32(ERROR_CHILD_MUST_BE_VOLATILE));
  EXPECT_FALSE(KeyExists(kProgIdKey)) << "registration went on after the failure";
}

TEST_F(Registration, Regsvr32RegistersAndUnregisters) {
  ASSERT_EQ(RunProgram(L"regsvr32.exe /s /u \"" + ServerPath() + L"\""), 0u);
  EXPECT_FALSE(KeyExists(kClassKey));
  ASSERT_EQ(RunProgram(L"regsvr32.exe /s \"" + ServerPath() + L"\""), 0u);
  EXPECT_EQ(ReadText(kClassKey + L"\\InprocServer32"), ServerPath());
}

}  // namespace
}  // namespace lumero::test
