#pragma once
// The printer models the installer offers; a model's row is its item index
// in the model list.

struct TPrinterModel {
  const wchar_t* Item;         // text of the model list
  const wchar_t* DeviceName;   // name of the model's OPOS key, value of "FiscPrinter"
  const wchar_t* Description;  // nullptr: the model's key gets no "Description"
  const wchar_t* LibraryFile;  // packaged service object, installed as "Lumero.dll"
};

inline constexpr int ModelCount = 10;
extern const TPrinterModel Models[ModelCount];

// The models of rows 0 to 6, the only device names the service object opens.
inline bool IsServiceObjectModel(int row) { return row >= 0 && row <= 6; }
