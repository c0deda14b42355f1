// DirectIO: the long and the text go in and come back through the core.
#include <string>

#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::DirectIO(LONG Command, LONG* pData, BSTR* pString, LONG* Result) {
  return Method(
      [=] {
        int32_t data = *pData;
        const std::string given = service::DirectIOTakesPath(Command) ? ToPath(*pString) : ToText(*pString);
        std::string text = given;
        const int32_t result = service::DirectIO(Command, data, text);
        *pData = data;
        // Only a text the core set replaces the caller's string, so one that
        // did not survive the code page stays as the caller wrote it.
        if (text != given) {
          BSTR fresh = ToBstr(text);
          SysFreeString(*pString);
          *pString = fresh;
        }
        return result;
      },
      Result, pData, pString);
}

}  // namespace lumero::com
