#include "installer/error_display.h"

#include <exception>

#include "installer/install_error.h"
#include "installer/wide_text.h"

std::wstring ErrorDisplayText(std::wstring message) {
  if (!message.empty() && message.back() > L'.') message += L'.';
  return message;
}

void ShowError(HWND owner, const std::wstring& message) {
  MessageBoxW(owner, ErrorDisplayText(message).c_str(), L"Instavo", MB_OK | MB_ICONERROR);
}

void ShowCurrentException(HWND owner) {
  try {
    throw;
  } catch (const EInstallError& error) {
    ShowError(owner, error.Message());
  } catch (const std::exception& error) {
    ShowError(owner, FromAnsi(error.what()));
  } catch (...) {
    ShowError(owner, L"Unknown exception");
  }
}
