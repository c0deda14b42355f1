// The connection point for IMR62RetailEvents: five places, cookies, refusals.
#include <array>

#include "com_support.h"

namespace lumero::test {
namespace {

// An object that answers IUnknown, IDispatch and, as a sink, the events.
class Sink final : public IDispatch {
 public:
  explicit Sink(bool events) : events_(events) {}
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IUnknown || riid == IID_IDispatch ||
        (events_ && riid == DIID_IMR62RetailEvents)) {
      *ppv = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }
  STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    return E_NOTIMPL;
  }
  ULONG references() const { return references_; }

 private:
  bool events_;
  ULONG references_ = 1;
};

class ConnectionPoint : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    object_ = NewObject();
    ASSERT_TRUE(object_);
    ASSERT_EQ(object_->QueryInterface(IID_IConnectionPointContainer, container_.put_void()), S_OK);
    ASSERT_EQ(container_->FindConnectionPoint(DIID_IMR62RetailEvents, point_.put()), S_OK);
  }
  void TearDown() override {
    point_.reset();
    container_.reset();
    object_.reset();
    ComTest::TearDown();
  }
  // Sinks outlive the object, which may still hold them when a test fails.
  Sink sink_{true};
  Sink not_a_sink_{false};
  Ptr<IMR62Retail> object_;
  Ptr<IConnectionPointContainer> container_;
  Ptr<IConnectionPoint> point_;
};

TEST_F(ConnectionPoint, OnlyTheEventsInterfaceHasOne) {
  Ptr<IConnectionPoint> other;
  EXPECT_EQ(container_->FindConnectionPoint(IID_IDispatch, other.put()), CONNECT_E_NOCONNECTION);
  EXPECT_FALSE(other);
  IID iid{};
  ASSERT_EQ(point_->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, DIID_IMR62RetailEvents));
  Ptr<IConnectionPointContainer> back;
  ASSERT_EQ(point_->GetConnectionPointContainer(back.put()), S_OK);
  EXPECT_EQ(back.get(), container_.get());
}

TEST_F(ConnectionPoint, FiveSinksFitAndTheSixthIsRefused) {
  std::array<DWORD, 5> cookies{};
  for (DWORD& cookie : cookies) {
    ASSERT_EQ(point_->Advise(&sink_, &cookie), S_OK);
    EXPECT_NE(cookie, 0u);
  }
  for (size_t i = 1; i < cookies.size(); ++i) EXPECT_NE(cookies[i], cookies[i - 1]);
  DWORD sixth = 0;
  EXPECT_EQ(point_->Advise(&sink_, &sixth), CONNECT_E_ADVISELIMIT);
  EXPECT_EQ(sink_.references(), 6u);

  ASSERT_EQ(point_->Unadvise(cookies[2]), S_OK);
  EXPECT_EQ(point_->Advise(&sink_, &sixth), S_OK) << "a freed place takes a new sink";
  point_.reset();
  container_.reset();
  object_.reset();
  EXPECT_EQ(sink_.references(), 1u) << "the object keeps its sinks until it dies";
}

TEST_F(ConnectionPoint, ObjectWithoutTheEventsInterfaceCannotConnect) {
  DWORD cookie = 0;
  EXPECT_EQ(point_->Advise(&not_a_sink_, &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(not_a_sink_.references(), 1u);
}

TEST_F(ConnectionPoint, UnadviseRefusesCookiesItDidNotGive) {
  DWORD cookie = 0;
  ASSERT_EQ(point_->Advise(&sink_, &cookie), S_OK);
  EXPECT_EQ(point_->Unadvise(0), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(point_->Unadvise(cookie + 100), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(point_->Unadvise(cookie), S_OK);
  EXPECT_EQ(point_->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(sink_.references(), 1u);
}

}  // namespace
}  // namespace lumero::test
