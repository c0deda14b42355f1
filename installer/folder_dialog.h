#pragma once
// The system's folder dialog, with its button for a new folder.
#include <windows.h>

#include <string>

// The chosen folder, or an empty text when the dialog was cancelled or the
// chosen folder's path could not be read whole (the user is told so).
// `initial` is selected when the dialog opens, if it exists.
std::wstring BrowseForFolder(HWND owner, const wchar_t* title, const std::wstring& initial);
