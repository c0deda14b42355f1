// GetData, GetTotalizer and GetVatEntry: the caller's Data or VatRate is
// replaced only when the core wrote one.
#include <optional>
#include <string>

#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {
namespace {

// The new BSTR is made before the old one is freed, so a failed allocation
// leaves the caller's string in place.
void Replace(BSTR* data, const std::optional<std::string>& text) {
  if (!text) return;
  BSTR fresh = ToBstr(*text);
  SysFreeString(*data);
  *data = fresh;
}

}  // namespace

STDMETHODIMP TMR62RetailImpl::GetData(LONG DataItem, LONG* OptArgs, BSTR* Data, LONG* Result) {
  return Method(
      [=] {
        std::optional<std::string> text;
        const int32_t result = service::GetData(DataItem, *OptArgs, text);
        Replace(Data, text);
        return result;
      },
      Result, OptArgs, Data);
}
STDMETHODIMP TMR62RetailImpl::GetTotalizer(LONG VatID, LONG OptArgs, BSTR* Data, LONG* Result) {
  return Method(
      [=] {
        std::optional<std::string> text;
        const int32_t result = service::GetTotalizer(VatID, OptArgs, text);
        Replace(Data, text);
        return result;
      },
      Result, Data);
}
STDMETHODIMP TMR62RetailImpl::GetVatEntry(LONG VatID, LONG OptArgs, LONG* VatRate, LONG* Result) {
  return Method(
      [=] {
        int32_t rate = *VatRate;
        const int32_t result = service::GetVatEntry(VatID, OptArgs, rate);
        *VatRate = rate;
        return result;
      },
      Result, VatRate);
}

}  // namespace lumero::com
