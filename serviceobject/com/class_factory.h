#pragma once
#include <unknwn.h>

namespace lumero::com {

// The class factory of MR62Retail: one static instance for the life of the
// process, so its references do not count in the module's lock count.
class TClassFactory final : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
  STDMETHODIMP LockServer(BOOL lock) override;
};

}  // namespace lumero::com
