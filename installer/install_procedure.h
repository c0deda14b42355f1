#pragma once
// The install procedure: ten visible steps that create the folder, copy the
// Control Object and the service object, register both and write the OPOS
// registry entries.
#include <string>

// What one install works with, taken from the window once, at its start:
// a choice changed while the procedure runs does not reach it.
struct TInstallChoice {
  std::wstring Folder;     // the folder box text
  std::wstring SourceDir;  // the folder of the packaged files
  int ModelRow = -1;       // -1: no model item selected
  int PageIndex = -1;      // 0 serial port, 1 TCP/IP, -1 no page active
  std::wstring Port;
  std::wstring Speed;
};

// The window's part in the procedure.
class TInstallView {
 public:
  virtual void InstallStep(int step, const wchar_t* text) = 0;
  virtual void ProcessMessages() = 0;

 protected:
  ~TInstallView() = default;
};

// Runs the steps from the pause before step 1 to the end; throws
// EInstallError at the first step that fails. Nothing is undone.
void InstallOpos(const TInstallChoice& choice, TInstallView& view);
