#include "installer/folder_dialog.h"

#include <shlobj.h>

#include <cwchar>

#include "installer/error_display.h"

namespace {

int CALLBACK SelectInitial(HWND dialog, UINT message, LPARAM, LPARAM initial) {
  if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, initial);
  return 0;
}

using GetNameFromIDList = HRESULT(WINAPI*)(PCIDLIST_ABSOLUTE, SIGDN, PWSTR*);

// SHGetNameFromIDList came with Vista: looked up, so that XP can load us.
GetNameFromIDList ShellNameReader() {
  const HMODULE shell = GetModuleHandleW(L"shell32.dll");
  return reinterpret_cast<GetNameFromIDList>(
      reinterpret_cast<void*>(GetProcAddress(shell, "SHGetNameFromIDList")));
}

// Empty when the shell has no such name for the folder.
std::wstring ShellName(GetNameFromIDList read, PCIDLIST_ABSOLUTE folder, SIGDN kind) {
  PWSTR name = nullptr;
  if (FAILED(read(folder, kind, &name))) return {};
  std::wstring text(name);
  CoTaskMemFree(name);
  return text;
}

// The folder's path whole, or empty: SHGetPathFromIDListW fails on a path
// longer than MAX_PATH. A shell that still builds paths in MAX_PATH buffers
// (Wine's) cuts a longer one to MAX_PATH - 1 characters and reports success:
// a path of that length is whole only if it ends in the folder's own name.
// Without SHGetNameFromIDList that name is not to be had, and such a path
// is refused: no install fits below a folder that long anyway.
std::wstring FolderPath(PCIDLIST_ABSOLUTE folder) {
  const GetNameFromIDList read = ShellNameReader();
  if (read == nullptr) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(folder, path) || wcslen(path) >= MAX_PATH - 1) return {};
    return path;
  }
  std::wstring path = ShellName(read, folder, SIGDN_FILESYSPATH);
  if (path.size() < MAX_PATH - 1) return path;
  return path.ends_with(L"\\" + ShellName(read, folder, SIGDN_PARENTRELATIVEPARSING)) ? path : std::wstring();
}

}  // namespace

std::wstring BrowseForFolder(HWND owner, const wchar_t* title, const std::wstring& initial) {
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = title;
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = SelectInitial;
  browse.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return {};
  const std::wstring path = FolderPath(chosen);
  CoTaskMemFree(chosen);
  if (path.empty())
    ShowError(owner, L"Не удалось прочитать полный путь выбранного каталога; каталог остаётся прежним");
  return path;
}
