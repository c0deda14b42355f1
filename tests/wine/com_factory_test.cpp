// DllGetClassObject, the class factory, aggregation, DllCanUnloadNow and the
// object's interface table.
#include "com_support.h"

namespace lumero::test {
namespace {

// An outer object that counts the references the inner one delegates to it.
class Outer final : public IUnknown {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (riid != IID_IUnknown) return inner_ ? inner_->QueryInterface(riid, ppv) : E_NOINTERFACE;
    *ppv = this;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }
  ULONG references() const { return references_; }
  IUnknown* inner_ = nullptr;

 private:
  ULONG references_ = 1;
};

class Factory : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    get_class_object_ = Export<GetClassObjectFunction>("DllGetClassObject");
    can_unload_ = Export<DllFunction>("DllCanUnloadNow");
    ASSERT_TRUE(get_class_object_ && can_unload_);
    ASSERT_EQ(get_class_object_(CLSID_MR62Retail, IID_IClassFactory, factory_.put_void()), S_OK);
  }
  void TearDown() override {
    factory_.reset();
    ComTest::TearDown();
  }
  GetClassObjectFunction get_class_object_ = nullptr;
  DllFunction can_unload_ = nullptr;
  Ptr<IClassFactory> factory_;
};

TEST_F(Factory, GetClassObjectChecksItsArguments) {
  EXPECT_EQ(get_class_object_(CLSID_MR62Retail, IID_IClassFactory, nullptr), E_POINTER);
  void* result = reinterpret_cast<void*>(1);
  EXPECT_EQ(get_class_object_(IID_IMR62Retail, IID_IClassFactory, &result),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(result, nullptr);
}

TEST_F(Factory, AggregationIsOfferedOnlyThroughIUnknown) {
  Outer outer;
  Ptr<IUnknown> inner;
  EXPECT_EQ(factory_->CreateInstance(&outer, IID_IMR62Retail, inner.put_void()),
            CLASS_E_NOAGGREGATION);
  EXPECT_FALSE(inner);

  ASSERT_EQ(factory_->CreateInstance(&outer, IID_IUnknown, inner.put_void()), S_OK);
  outer.inner_ = inner.get();
  IMR62Retail* retail = nullptr;
  ASSERT_EQ(inner->QueryInterface(IID_IMR62Retail, reinterpret_cast<void**>(&retail)), S_OK);
  EXPECT_EQ(outer.references(), 2u) << "the inner object's interface must count on the outer";
  IUnknown* identity = nullptr;
  ASSERT_EQ(retail->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  EXPECT_EQ(identity, &outer);
  identity->Release();
  retail->Release();
  EXPECT_EQ(outer.references(), 1u);
  outer.inner_ = nullptr;
}

TEST_F(Factory, CanUnloadNowFollowsObjectsAndServerLocks) {
  EXPECT_EQ(can_unload_(), S_OK);
  Ptr<IMR62Retail> object;
  ASSERT_EQ(factory_->CreateInstance(nullptr, IID_IMR62Retail, object.put_void()), S_OK);
  EXPECT_EQ(can_unload_(), S_FALSE);
  object.reset();
  EXPECT_EQ(can_unload_(), S_OK);
  ASSERT_EQ(factory_->LockServer(TRUE), S_OK);
  EXPECT_EQ(can_unload_(), S_FALSE);
  ASSERT_EQ(factory_->LockServer(FALSE), S_OK);
  EXPECT_EQ(can_unload_(), S_OK);
}

TEST_F(Factory, ObjectAnswersOnlyItsThreeInterfaces) {
  Ptr<IUnknown> object;
  ASSERT_EQ(factory_->CreateInstance(nullptr, IID_IUnknown, object.put_void()), S_OK);
  Ptr<IMR62Retail> retail;
  Ptr<IDispatch> dispatch;
  Ptr<IConnectionPointContainer> container;
  Ptr<IUnknown> identity;
  EXPECT_EQ(object->QueryInterface(IID_IMR62Retail, retail.put_void()), S_OK);
  EXPECT_EQ(object->QueryInterface(IID_IDispatch, dispatch.put_void()), S_OK);
  EXPECT_EQ(object->QueryInterface(IID_IConnectionPointContainer, container.put_void()), S_OK);
  ASSERT_EQ(container->QueryInterface(IID_IUnknown, identity.put_void()), S_OK);
  EXPECT_EQ(identity.get(), object.get());

  Ptr<IUnknown> other;
  EXPECT_EQ(object->QueryInterface(IID_ISupportErrorInfo, other.put_void()), E_NOINTERFACE);
  EXPECT_EQ(object->QueryInterface(IID_IConnectionPoint, other.put_void()), E_NOINTERFACE);
  EXPECT_EQ(object->QueryInterface(IID_IClassFactory, other.put_void()), E_NOINTERFACE);
  EXPECT_FALSE(other);
}

TEST_F(Factory, ProgIdCreatesTheClassAsTheControlObjectDoes) {
  CLSID clsid{};
  ASSERT_EQ(CLSIDFromProgID(L"Lumero.MR62Retail", &clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_MR62Retail));
  Ptr<IUnknown> object;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, object.put_void()), S_OK);
  Ptr<IDispatch> dispatch;
  EXPECT_EQ(object->QueryInterface(IID_IDispatch, dispatch.put_void()), S_OK);
}

}  // namespace
}  // namespace lumero::test
