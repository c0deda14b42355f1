#pragma once
// The shapes every implemented member of IMR62Retail takes: a method with or
// without a result, a property getter and a property setter. Each takes the
// process-wide service lock for the whole call and lets no C++ exception
// cross COM.
#include <exception>
#include <mutex>

// First: service.h must not meet the OpenService macro of windows.h.
#include "serviceobject/com/com_interface.h"
#include "serviceobject/com/com_convert.h"
#include "serviceobject/service.h"

namespace lumero::com {

// OPOS_E_FAILURE: a method's result when its body could not finish (the
// core records the same code in ResultCode).
inline constexpr LONG kFailureResult = 111;

// Sets COM error information for the calling thread and returns
// DISP_E_EXCEPTION: how a property accessor reports a caught exception.
HRESULT AccessorError(const char* message) noexcept;

template <class... Pointers>
bool AllPresent(Pointers*... pointers) {
  return ((pointers != nullptr) && ...);
}

// A method without a result output: a failure shows in the result fields
// only, and the HRESULT stays S_OK as for every method.
template <class Body>
HRESULT Procedure(Body&& body) noexcept {
  try {
    std::lock_guard lock(service::ServiceMutex());
    try {
      body();
    } catch (const std::exception& error) {
      service::ReportMethodFailure(error.what());
    } catch (...) {
      service::ReportMethodFailure("");
    }
  } catch (...) {
  }
  return S_OK;
}

// `body` returns the OPOS result, written to `result`. Every further [out] or
// [in, out] pointer is checked as well: a null one ends the call at once.
template <class Body, class... Outs>
HRESULT Method(Body&& body, LONG* result, Outs*... outs) noexcept {
  if (!AllPresent(result, outs...)) return E_POINTER;
  *result = kFailureResult;  // stands when the body fails
  return Procedure([&] { *result = body(); });
}

template <class Body>
HRESULT Accessor(Body&& body) noexcept {
  try {
    std::lock_guard lock(service::ServiceMutex());
    body();
    return S_OK;
  } catch (const std::exception& error) {
    return AccessorError(error.what());
  } catch (...) {
    return AccessorError("");
  }
}

// A getter with no guard.
template <class Out, class Value>
HRESULT Get(Out* out, Value (*read)()) noexcept {
  if (out == nullptr) return E_POINTER;
  return Accessor([&] { Store(out, read()); });
}

// A getter whose guard may refuse: then its output stays unwritten.
template <class Out, class Value>
HRESULT Get(Out* out, bool (*read)(Value&)) noexcept {
  if (out == nullptr) return E_POINTER;
  return Accessor([&] {
    Value value{};
    if (read(value)) Store(out, value);
  });
}

template <class In, class Value>
HRESULT Put(In value, void (*write)(Value)) noexcept {
  return Accessor([&] { write(FromCom(value)); });
}

}  // namespace lumero::com
