#include "installer/folder_dialog.h"

#include <shlobj.h>

namespace {

int CALLBACK SelectInitial(HWND dialog, UINT message, LPARAM, LPARAM initial) {
  if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, initial);
  return 0;
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
  wchar_t path[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDListW(chosen, path);
  CoTaskMemFree(chosen);
  return found ? path : L"";
}
