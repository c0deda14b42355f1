#pragma once
// The one way into the widl-generated declarations of IMR62Retail.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

// winsvc.h (which mingw's windows.h includes even when lean) and winspool.h
// define these as macros, which would rename two members of the interface and
// the core's OpenService. Include this header before serviceobject/service.h.
#undef OpenService
#undef ResetPrinter

#include "Lumero.h"
