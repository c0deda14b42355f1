// Reports, non-fiscal text, the duplicate and device set-up. The arguments
// are converted inside the call, so a failed conversion ends as the method's
// failure result.
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::PrintXReport(LONG* Result) {
  return Method(service::PrintXReport, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintZReport(LONG* Result) {
  return Method(service::PrintZReport, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintReport(LONG ReportType, BSTR StartNum, BSTR EndNum, LONG* Result) {
  return Method([=] { return service::PrintReport(ReportType, ToText(StartNum), ToText(EndNum)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintPeriodicTotalsReport(BSTR Date1, BSTR Date2, LONG* Result) {
  return Method([=] { return service::PrintPeriodicTotalsReport(ToText(Date1), ToText(Date2)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintNormal(LONG Station, BSTR Data, LONG* Result) {
  return Method([=] { return service::PrintNormal(Station, ToText(Data)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintDuplicateReceipt(LONG* Result) {
  return Method(service::PrintDuplicateReceipt, Result);
}
STDMETHODIMP TMR62RetailImpl::SetDate(BSTR Date, LONG* Result) {
  return Method([=] { return service::SetDate(ToText(Date)); }, Result);
}
// The caller's text stays unless the device gave a date.
STDMETHODIMP TMR62RetailImpl::GetDate(BSTR* Date, LONG* Result) {
  return Method(
      [=] {
        std::string text;
        const LONG result = service::GetDate(text);
        if (result == 0) {
          BSTR fresh = ToBstr(text);
          SysFreeString(*Date);
          *Date = fresh;
        }
        return result;
      },
      Result, Date);
}
STDMETHODIMP TMR62RetailImpl::SetHeaderLine(LONG LineNumber, BSTR Text, VARIANT_BOOL DoubleWidth, LONG* Result) {
  return Method([=] { return service::SetHeaderLine(LineNumber, ToText(Text), ToBool(DoubleWidth)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::SetTrailerLine(LONG LineNumber, BSTR Text, VARIANT_BOOL DoubleWidth, LONG* Result) {
  return Method([=] { return service::SetTrailerLine(LineNumber, ToText(Text), ToBool(DoubleWidth)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::SetPOSID(BSTR POSID, BSTR CashierID, LONG* Result) {
  return Method([=] { return service::SetPOSID(ToText(POSID), ToText(CashierID)); }, Result);
}

}  // namespace lumero::com
