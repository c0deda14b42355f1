#include "serviceobject/com/connection_point.h"

#include "serviceobject/com/com_interface.h"

namespace lumero::com {

TEventsConnectionPoint::~TEventsConnectionPoint() {
  for (IUnknown* sink : sinks_)
    if (sink) sink->Release();
}

STDMETHODIMP TEventsConnectionPoint::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP TEventsConnectionPoint::GetConnectionInterface(IID* iid) {
  if (iid == nullptr) return E_POINTER;
  *iid = DIID_IMR62RetailEvents;
  return S_OK;
}

STDMETHODIMP TEventsConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (container == nullptr) return E_POINTER;
  *container = container_;
  container_->AddRef();
  return S_OK;
}

STDMETHODIMP TEventsConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (cookie == nullptr) return E_POINTER;
  *cookie = 0;
  if (sink == nullptr) return E_POINTER;
  IUnknown* events = nullptr;
  if (FAILED(sink->QueryInterface(DIID_IMR62RetailEvents, reinterpret_cast<void**>(&events))))
    return CONNECT_E_CANNOTCONNECT;
  for (size_t place = 0; place < sinks_.size(); ++place) {
    if (sinks_[place] == nullptr) {
      sinks_[place] = events;
      *cookie = static_cast<DWORD>(place + 1);
      return S_OK;
    }
  }
  events->Release();
  return CONNECT_E_ADVISELIMIT;
}

STDMETHODIMP TEventsConnectionPoint::Unadvise(DWORD cookie) {
  if (cookie == 0 || cookie > sinks_.size() || sinks_[cookie - 1] == nullptr)
    return CONNECT_E_NOCONNECTION;
  IUnknown* sink = sinks_[cookie - 1];
  sinks_[cookie - 1] = nullptr;
  sink->Release();
  return S_OK;
}

STDMETHODIMP TEventsConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (connections != nullptr) *connections = nullptr;
  return E_NOTIMPL;
}

}  // namespace lumero::com
