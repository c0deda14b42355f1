#pragma once
// How the Control Object reaches its service object: the device name's entry
// under ServiceOPOS\FiscalPrinter names the ProgID, the ProgID the class; then
// CoCreateInstance(CLSCTX_ALL, IUnknown) and QueryInterface(IDispatch).
#include <string>

#include "../com_holders.h"

namespace oposclient {

using lumero::test::Ptr;

// If the device name is a text value of the FiscalPrinter key, that value
// names the device key; the device key's default value is the ProgID.
// Throws std::runtime_error when the registry has none.
std::wstring ProgIdOf(const std::wstring& device_name);

// Throws std::runtime_error saying which step failed.
Ptr<IDispatch> CreateServiceObject(const std::wstring& device_name);

// What OpenService receives as the control's own dispatch: a lasting object
// that answers IUnknown and IDispatch and implements nothing.
IDispatch* ControlDispatch();

}  // namespace oposclient
