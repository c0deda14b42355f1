#include "installer/install_procedure.h"

#include <windows.h>

#include <cwchar>

#include "installer/authors.h"
#include "installer/install_error.h"
#include "installer/model_table.h"
#include "installer/registry_key.h"

namespace {

constexpr DWORD PauseMs = 500;
constexpr wchar_t ControlObjectsKey[] = L"SOFTWARE\\OLEforRetail\\ServiceInfo\\OposCCOs";
constexpr wchar_t FiscalPrintersKey[] = L"SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter";
constexpr wchar_t ServiceObjectProgId[] = L"Lumero.MR62Retail";
constexpr wchar_t OposVersion[] = L"1.11.000";
constexpr wchar_t ServiceKeyFailed[] = L"Ошибка добавления записей о Service объекте в реестр Windows";

void Pause() { Sleep(PauseMs); }

std::wstring WithBackslash(std::wstring folder) {
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder;
}

bool DirectoryExists(const std::wstring& folder) {
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// CopyFileW refuses to overwrite a read-only or hidden file and gives the
// copy the source's attributes: a kit from a CD would make every later
// install into the folder fail.
void ClearAttributes(const std::wstring& path, DWORD cleared) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & cleared) == 0) return;
  const DWORD kept = attributes & ~cleared;
  SetFileAttributesW(path.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
}

void Copy(const std::wstring& from, const std::wstring& to, const wchar_t* failure) {
  ClearAttributes(to, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) throw EInstallError(failure);
  ClearAttributes(to, FILE_ATTRIBUTE_READONLY);
}

// The library stays loaded until the program ends.
void RegisterServer(const std::wstring& path, const wchar_t* failure) {
  const HMODULE library = LoadLibraryW(path.c_str());
  if (library == nullptr) throw EInstallError(failure);
  using DllRegisterServer = HRESULT(STDAPICALLTYPE*)();
  const auto entry = reinterpret_cast<DllRegisterServer>(
      reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
  if (entry == nullptr || entry() != 0) throw EInstallError(failure);
}

DWORD SpeedValue(const std::wstring& text) {
  wchar_t* end = nullptr;
  const unsigned long value = std::wcstoul(text.c_str(), &end, 10);
  if (text.empty() || *end != L'\0') throw EInstallError(L"'" + text + L"' is not a valid integer value");
  return static_cast<DWORD>(value);
}

void WriteControlObjectEntries() {
  TRegistryKey key;
  if (!key.OpenKey(ControlObjectsKey))
    throw EInstallError(L"Ошибка добавления записей о Control объекте в реестр Windows");
  key.WriteString(L"COFiscalPrinterAuthor", ControlObjectAuthor);
  key.WriteString(L"COFiscalPrinterVersion", OposVersion);
  key.WriteString(L"COFiscalPrinterCompany", ControlObjectCompany);
}

// Without the serial page active no key is opened, and the first write fails.
void WriteServiceObjectEntries(const TInstallChoice& choice, const std::wstring& TargetDir) {
  const TPrinterModel& model = Models[choice.ModelRow];
  const bool serialPage = choice.PageIndex == 0;
  TRegistryKey device;
  if (serialPage && !device.OpenKey(std::wstring(FiscalPrintersKey) + L"\\" + model.DeviceName))
    throw EInstallError(ServiceKeyFailed);
  device.WriteString(L"SOFiscalPrinterAuthor", ServiceObjectAuthor);
  device.WriteString(L"SOFiscalPrinterVersion", OposVersion);
  device.WriteString(L"SOFiscalPrinterCompany", ServiceObjectCompany);
  device.WriteString(L"", ServiceObjectProgId);
  if (serialPage && model.Description != nullptr) device.WriteString(L"Description", model.Description);
  if (serialPage) {
    device.WriteInteger(L"BaudRate", SpeedValue(choice.Speed));
    device.WriteString(L"Port", choice.Port);
  }
  device.WriteString(L"Service", TargetDir + L"Lumero.dll");
  device.WriteString(L"Version", L"1.11");
  device.Close();

  TRegistryKey printers;
  if (!printers.OpenKey(FiscalPrintersKey)) throw EInstallError(ServiceKeyFailed);
  if (IsServiceObjectModel(choice.ModelRow)) printers.WriteString(L"FiscPrinter", model.DeviceName);
}

}  // namespace

void InstallOpos(const TInstallChoice& choice, TInstallView& view) {
  const auto step = [&view](int n, const wchar_t* text) {
    Pause();
    view.ProcessMessages();
    view.InstallStep(n, text);
  };

  Pause();
  view.InstallStep(1, L"Инсталляция OPOS объектов");

  step(2, L"Подготовка каталога");
  if (!DirectoryExists(choice.Folder) && !CreateDirectoryW(choice.Folder.c_str(), nullptr))
    throw EInstallError(L"Ошибка создания каталога, " + choice.Folder + L" каталог.");

  step(3, L"Копирование Control объекта");
  const std::wstring TargetDir = WithBackslash(choice.Folder);
  const std::wstring SourceDir = WithBackslash(choice.SourceDir);
  Copy(SourceDir + L"OPOSFiscalPrinter.oc_", TargetDir + L"OPOSFiscalPrinter.ocx",
       L"Ошибка копирования файла: OPOSFiscalPrinter.ocx");

  step(4, L"Копирование Service объекта");
  constexpr wchar_t LibraryCopyFailed[] = L"Ошибка копирования файла: Lumero.dll";
  if (choice.ModelRow < 0 || choice.ModelRow >= ModelCount) throw EInstallError(LibraryCopyFailed);
  Copy(SourceDir + Models[choice.ModelRow].LibraryFile, TargetDir + L"Lumero.dll", LibraryCopyFailed);

  step(5, L"Регистрация Control объекта");
  RegisterServer(TargetDir + L"OPOSFiscalPrinter.ocx", L"Ошибка регистрации Control объекта (ocx)!");

  step(6, L"Регистрация Service объекта");
  RegisterServer(TargetDir + L"Lumero.dll", L"Ошибка регистрации Service объекта (dll)!");

  step(7, L"Добавление записей о Control объекте в реестр Windows");
  WriteControlObjectEntries();

  step(8, L"Добавление записей о Service объекте в реестр Windows");
  WriteServiceObjectEntries(choice, TargetDir);

  step(9, L"End installation");

  Pause();
  view.InstallStep(10, L"OPOS FiscPrinter инсталлирован");
  Pause();
}
