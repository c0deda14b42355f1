#pragma once
// The one connection point of MR62Retail, for IMR62RetailEvents. It lives
// inside its object and shares the object's reference count. Sinks are kept
// but never called: the service object fires no event.
#include <ocidl.h>

#include <array>

namespace lumero::com {

class TEventsConnectionPoint final : public IConnectionPoint {
 public:
  TEventsConnectionPoint(IUnknown* controlling, IConnectionPointContainer* container)
      : controlling_(controlling), container_(container) {}
  ~TEventsConnectionPoint();
  TEventsConnectionPoint(const TEventsConnectionPoint&) = delete;
  TEventsConnectionPoint& operator=(const TEventsConnectionPoint&) = delete;

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override { return controlling_->AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return controlling_->Release(); }

  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

 private:
  static constexpr size_t kPlaces = 5;
  IUnknown* controlling_;
  IConnectionPointContainer* container_;
  std::array<IUnknown*, kPlaces> sinks_{};
};

}  // namespace lumero::com
