// Instavo: installs the OPOS Fiscal Printer objects and configures them for
// one printer. An exception that escapes the message loop is shown, and the
// program still ends with 0.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "installer/error_display.h"
#include "installer/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const bool ole = SUCCEEDED(OleInitialize(nullptr));  // the folder dialog's new-folder button needs OLE
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    Form1 = new TForm1();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Form1->Dispatch(message);
  } catch (...) {
    ShowCurrentException(nullptr);
  }
  delete Form1;
  Form1 = nullptr;
  if (ole) OleUninitialize();
  return 0;
}
