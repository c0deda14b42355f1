// Receipts and documents, items, adjustments, subtotal, payments and
// messages. The arguments are converted inside the call, so a failed
// conversion ends as the method's failure result.
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::BeginFiscalReceipt(VARIANT_BOOL PrintHeader, LONG* Result) {
  return Method([=] { return service::BeginFiscalReceipt(ToBool(PrintHeader)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::EndFiscalReceipt(VARIANT_BOOL PrintHeader, LONG* Result) {
  return Method([=] { return service::EndFiscalReceipt(ToBool(PrintHeader)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::BeginNonFiscal(LONG* Result) {
  return Method(service::BeginNonFiscal, Result);
}
STDMETHODIMP TMR62RetailImpl::EndNonFiscal(LONG* Result) {
  return Method(service::EndNonFiscal, Result);
}
STDMETHODIMP TMR62RetailImpl::BeginItemList(LONG VatID, LONG* Result) {
  return Method([=] { return service::BeginItemList(VatID); }, Result);
}
STDMETHODIMP TMR62RetailImpl::VerifyItem(BSTR ItemName, LONG VatID, LONG* Result) {
  return Method([=] { return service::VerifyItem(ToText(ItemName), VatID); }, Result);
}
STDMETHODIMP TMR62RetailImpl::EndItemList(LONG* Result) {
  return Method(service::EndItemList, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecVoid(BSTR Description, LONG* Result) {
  return Method([=] { return service::PrintRecVoid(ToText(Description)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::ResetPrinter(LONG* Result) {
  return Method(service::ResetPrinter, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecItem(BSTR Description, CURRENCY Price, LONG Quantity,
                                           LONG VatInfo, CURRENCY UnitPrice, BSTR UnitName,
                                           LONG* Result) {
  return Method(
      [=] {
        return service::PrintRecItem(ToText(Description), ToAmount(Price), Quantity, VatInfo,
                                     ToAmount(UnitPrice), ToText(UnitName));
      },
      Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecItemVoid(BSTR Description, CURRENCY Price, LONG Quantity,
                                               LONG VatInfo, CURRENCY UnitPrice, BSTR UnitName,
                                               LONG* Result) {
  return Method(
      [=] {
        return service::PrintRecItemVoid(ToText(Description), ToAmount(Price), Quantity, VatInfo,
                                         ToAmount(UnitPrice), ToText(UnitName));
      },
      Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecItemAdjustment(LONG AdjustmentType, BSTR Description,
                                                     CURRENCY Amount, LONG VatInfo, LONG* Result) {
  return Method(
      [=] {
        return service::PrintRecItemAdjustment(AdjustmentType, ToText(Description),
                                               ToAmount(Amount), VatInfo);
      },
      Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecSubtotal(CURRENCY Amount, LONG* Result) {
  return Method([=] { return service::PrintRecSubtotal(ToAmount(Amount)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecSubtotalAdjustment(LONG AdjustmentType, BSTR Description,
                                                         CURRENCY Amount, LONG* Result) {
  return Method(
      [=] {
        return service::PrintRecSubtotalAdjustment(AdjustmentType, ToText(Description),
                                                   ToAmount(Amount));
      },
      Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecTotal(CURRENCY Total, CURRENCY Payment, BSTR Description,
                                            LONG* Result) {
  return Method(
      [=] {
        return service::PrintRecTotal(ToAmount(Total), ToAmount(Payment), ToText(Description));
      },
      Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecCash(CURRENCY Amount, LONG* Result) {
  return Method([=] { return service::PrintRecCash(ToAmount(Amount)); }, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecMessage(BSTR Message, LONG* Result) {
  return Method([=] { return service::PrintRecMessage(ToText(Message)); }, Result);
}

}  // namespace lumero::com
