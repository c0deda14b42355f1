#include "serviceobject/com/com_interface.h"
#include "serviceobject/com/com_convert.h"
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/registration.h"

namespace lumero::com {

HRESULT AccessorError(const char* message) noexcept {
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetGUID(IID_IMR62Retail);
    create->SetSource(const_cast<LPOLESTR>(kProgId));
    BSTR description = nullptr;
    try {
      description = ToBstr(message ? message : "");
    } catch (...) {
    }
    create->SetDescription(description);
    SysFreeString(description);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return DISP_E_EXCEPTION;
}

}  // namespace lumero::com
