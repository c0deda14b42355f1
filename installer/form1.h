#pragma once
// TForm1: the installer's one window. The user picks the folder, the model,
// the interface with its port and speed, and presses "Инсталлировать"; the
// window runs the install procedure and shows its steps.
#include <windows.h>

#include <array>
#include <string>

#include "installer/control_ids.h"
#include "installer/install_procedure.h"
#include "installer/portcontrol/port_control.h"

class TForm1 final : public TInstallView {
 public:
  // Creates and shows the window; throws std::runtime_error when it cannot.
  TForm1();
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // One message from the queue: the window's own tab order first.
  void Dispatch(MSG& message);

  void InstallStep(int step, const wchar_t* text) override;
  void ProcessMessages() override;

  // The folder of the packaged files: the current directory at the last
  // activation.
  std::wstring SourceDir;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void HandleCommand(int id, int code);
  void CreateControls();
  HWND Control(int id) const { return controls_[id - instavo::Label7]; }

  void FormActivate();
  void Button1Click();
  void Button2Click();
  void ComboBox4Change();
  void PageControl1Change();

  void RunInstall();
  void BrowseFolder();
  void FillPortList();
  void SetActivePage(int index);
  TInstallChoice TakeChoice() const;
  void EnableChoices(bool enabled);
  bool MoveFocusByTab(const MSG& message);
  void RestoreFocus();
  // The tab stop after (or before) the one that holds `from`, or the first
  // (last) one when none does, passing over hidden and disabled controls;
  // null when no control can take the focus.
  HWND NextTabStop(HWND from, bool backwards) const;

  HWND handle_ = nullptr;
  std::array<HWND, instavo::Button1 - instavo::Label7 + 1> controls_{};
  HFONT font_ = nullptr;
  HFONT titleFont_ = nullptr;
  TPortControl PortControl1;
  int activePage_ = -1;
  bool activated_ = false;
  bool captionActive_ = false;
  bool installing_ = false;
  bool closeRequested_ = false;
  HWND lastFocus_ = nullptr;
};

extern TForm1* Form1;
