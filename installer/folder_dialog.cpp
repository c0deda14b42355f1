#include "installer/folder_dialog.h"

#include <shlobj.h>

#include "installer/error_display.h"

namespace {

int CALLBACK SelectInitial(HWND dialog, UINT message, LPARAM, LPARAM initial) {
  if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, initial);
  return 0;
}

// Empty when the shell has no such name for the folder.
std::wstring ShellName(PCIDLIST_ABSOLUTE folder, SIGDN kind) {
  PWSTR name = nullptr;
  if (FAILED(SHGetNameFromIDList(folder, kind, &name))) return {};
  std::wstring text(name);
  CoTaskMemFree(name);
  return text;
}

// The folder's path whole, or empty: SHGetPathFromIDListW fails on a path
// longer than MAX_PATH. A shell that still builds paths in MAX_PATH buffers
// (Wine's) cuts a longer one to MAX_PATH - 1 characters and reports success:
// a path of that length is whole only if it ends in the folder's own name.
std::wstring FolderPath(PCIDLIST_ABSOLUTE folder) {
  std::wstring path = ShellName(folder, SIGDN_FILESYSPATH);
  if (path.size() < MAX_PATH - 1) return path;
  return path.ends_with(L"\\" + ShellName(folder, SIGDN_PARENTRELATIVEPARSING)) ? path : std::wstring();
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
