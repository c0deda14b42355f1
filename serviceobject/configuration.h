#pragma once
// Where the configuration lives, and the model row that OpenService chose.
namespace service {

// Below HKEY_LOCAL_MACHINE; one sub-key per device name.
inline constexpr const char* FiscalPrinterKeyPath = "SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter";

const char* CurrentDeviceName();
const char* CurrentDisplayName();

}  // namespace service
