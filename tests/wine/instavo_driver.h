#pragma once
// Drives Instavo.exe as a user would: one program started in a kit folder of
// its own, its controls found by their identifiers, choices made through the
// same notices a user's picks send, buttons clicked, message boxes read.
#include <windows.h>

#include <string>
#include <vector>

namespace lumero::test {

// A kit folder as shipped: Instavo.exe, Lumero.dl_, Lumeronk.dl_ and the
// stand-in Control Object OPOSFiscalPrinter.oc_, less `left_out`. Its
// Lumeronk.dl_ carries a few more bytes than Lumero.dl_, so that the two
// can be told apart once installed.
void PrepareKit(const std::wstring& folder, const wchar_t* left_out = nullptr);

bool SameFile(const std::wstring& a, const std::wstring& b);

class Instavo {
 public:
  // Starts the kit's Instavo.exe with the kit as current directory and waits
  // for its window. registration_fails: the stand-in Control Object refuses.
  explicit Instavo(const std::wstring& kit, bool registration_fails = false);
  ~Instavo();  // ends the program if it still runs
  Instavo(const Instavo&) = delete;
  Instavo& operator=(const Instavo&) = delete;

  HWND Window() const { return window_; }
  HWND Control(int id) const;
  std::wstring Text(int id) const;
  // The status line, read without waiting for the program.
  std::wstring Status() const;
  int Selected(int combo) const;
  std::vector<std::wstring> Items(int combo) const;
  int Progress() const;

  void Choose(int combo, int item);  // as picked from the list
  void SetFolder(const std::wstring& folder);
  void Click(int button);  // posted: the program takes it in its own time

  // False when the status line does not show `text` within the time.
  bool WaitForStatus(const std::wstring& text, DWORD timeout_ms) const;
  // The text of the program's message box, which is then closed; empty
  // when none came within the time.
  std::wstring CloseMessageBox(DWORD timeout_ms) const;
  // The exit code, or STILL_ACTIVE.
  DWORD WaitForExit(DWORD timeout_ms) const;

  void SaveScreenshot(const std::wstring& bmp_path) const;

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace lumero::test
