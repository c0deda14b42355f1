// Members not built yet. Each answers E_NOTIMPL until its behaviour is
// implemented; then its line moves to the file of its kind. This list only
// shrinks.
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::GetData(LONG, LONG*, BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetTotalizer(LONG, LONG, BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintXReport(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintZReport(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::DirectIO(LONG, LONG*, BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetDate(BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetVatEntry(LONG, LONG, LONG*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintDuplicateReceipt(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintNormal(LONG, BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintReport(LONG, BSTR, BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetDate(BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetHeaderLine(LONG, BSTR, VARIANT_BOOL, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetPOSID(BSTR, BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetTrailerLine(LONG, BSTR, VARIANT_BOOL, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintPeriodicTotalsReport(BSTR, BSTR, LONG*) { return E_NOTIMPL; }

}  // namespace lumero::com
