#pragma once
// Texts as the window shows them: UTF-16.
#include <windows.h>

#include <string>

std::wstring WindowText(HWND window);
// Text in the system's ANSI code page.
std::wstring FromAnsi(const std::string& text);
