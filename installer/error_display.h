#pragma once
// The program's error display: a message box titled "Instavo" with an OK
// button and the error icon.
#include <windows.h>

#include <string>

// The text shown for a message: a full stop is appended when the last
// character sorts after ".".
std::wstring ErrorDisplayText(std::wstring message);

// Shows the message in the program's error display.
void ShowError(HWND owner, const std::wstring& message);

// Shows the exception being handled; call it only inside a catch block.
void ShowCurrentException(HWND owner);
