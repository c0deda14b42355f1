// COM plumbing of TMR62RetailImpl: identity, reference count, IDispatch and
// the connection-point container. The members are in members_*.cpp.
#include "serviceobject/com/mr62_retail.h"

#include <new>

#include "serviceobject/com/module.h"

namespace lumero::com {

TMR62RetailImpl::TMR62RetailImpl(IUnknown* outer)
    : aggregated_(outer != nullptr),
      controlling_(outer != nullptr ? outer : &inner_),
      events_(controlling_, this) {
  LockModule();
}

TMR62RetailImpl::~TMR62RetailImpl() {
  if (type_info_) type_info_->Release();
  UnlockModule();
}

HRESULT TMR62RetailImpl::Create(IUnknown* outer, REFIID riid, void** ppv) {
  auto* object = new (std::nothrow) TMR62RetailImpl(outer);
  if (object == nullptr) return E_OUTOFMEMORY;
  const HRESULT hr = object->inner_.QueryInterface(riid, ppv);
  object->inner_.Release();
  return hr;
}

STDMETHODIMP TMR62RetailImpl::Inner::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IUnknown && owner_.aggregated_)
    *ppv = static_cast<IUnknown*>(this);
  else if (riid == IID_IMR62Retail || riid == IID_IUnknown || riid == IID_IDispatch)
    *ppv = static_cast<IMR62Retail*>(&owner_);
  else if (riid == IID_IConnectionPointContainer)
    *ppv = static_cast<IConnectionPointContainer*>(&owner_);
  else {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  static_cast<IUnknown*>(*ppv)->AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) TMR62RetailImpl::Inner::AddRef() { return ++owner_.references_; }

STDMETHODIMP_(ULONG) TMR62RetailImpl::Inner::Release() {
  const ULONG left = --owner_.references_;
  if (left == 0) delete &owner_;
  return left;
}

STDMETHODIMP TMR62RetailImpl::QueryInterface(REFIID riid, void** ppv) {
  return controlling_->QueryInterface(riid, ppv);
}
STDMETHODIMP_(ULONG) TMR62RetailImpl::AddRef() { return controlling_->AddRef(); }
STDMETHODIMP_(ULONG) TMR62RetailImpl::Release() { return controlling_->Release(); }

// The type library registers under lcid 409h; a load with lcid 0 fails on Wine.
HRESULT TMR62RetailImpl::LoadTypeInfo() {
  if (type_info_) return S_OK;
  ITypeLib* library = nullptr;
  HRESULT hr = LoadRegTypeLib(LIBID_Lumero, 1, 0, 0x409, &library);
  if (FAILED(hr)) return hr;
  hr = library->GetTypeInfoOfGuid(IID_IMR62Retail, &type_info_);
  library->Release();
  return hr;
}

STDMETHODIMP TMR62RetailImpl::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

STDMETHODIMP TMR62RetailImpl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  const HRESULT hr = LoadTypeInfo();
  if (FAILED(hr)) return hr;
  type_info_->AddRef();
  *info = type_info_;
  return S_OK;
}

STDMETHODIMP TMR62RetailImpl::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  const HRESULT hr = LoadTypeInfo();
  if (FAILED(hr)) return hr;
  return type_info_->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP TMR62RetailImpl::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  const HRESULT hr = LoadTypeInfo();
  if (FAILED(hr)) return hr;
  return type_info_->Invoke(static_cast<IMR62Retail*>(this), id, flags, params, result, exception,
                            bad_argument);
}

STDMETHODIMP TMR62RetailImpl::EnumConnectionPoints(IEnumConnectionPoints** points) {
  if (points != nullptr) *points = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TMR62RetailImpl::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  if (point == nullptr) return E_POINTER;
  if (riid != DIID_IMR62RetailEvents) {
    *point = nullptr;
    return CONNECT_E_NOCONNECTION;
  }
  events_.AddRef();
  *point = &events_;
  return S_OK;
}

}  // namespace lumero::com
