// Property adapters: VARIANT_BOOL and long outputs, and the one accessor
// input that ends in the accessor error report.
#include "com_support.h"

namespace lumero::test {
namespace {

class Properties : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    object_ = NewObject();
    ASSERT_TRUE(object_);
    CloseService(object_.get());
  }
  void TearDown() override {
    if (object_) CloseService(object_.get());
    object_.reset();
    ComTest::TearDown();
  }
  Ptr<IMR62Retail> object_;
};

TEST_F(Properties, BooleansAreMinusOneOrZeroWhateverTheCallerSent) {
  const std::pair<VARIANT_BOOL, VARIANT_BOOL> cases[] = {
      {5, VARIANT_TRUE}, {VARIANT_TRUE, VARIANT_TRUE}, {VARIANT_FALSE, VARIANT_FALSE}};
  for (const auto& [sent, read] : cases) {
    ASSERT_EQ(object_->put_CheckTotal(sent), S_OK);  // no guard: works while closed
    VARIANT_BOOL value = 7;
    ASSERT_EQ(object_->get_CheckTotal(&value), S_OK);
    EXPECT_EQ(value, read) << sent;
  }
}

TEST_F(Properties, CapabilitiesWriteOnlyWhileOpen) {
  LONG power = 0x7FFFFFFF;
  VARIANT_BOOL report = 7, firmware = 7;
  auto read = [&] {
    EXPECT_EQ(object_->get_CapPowerReporting(&power), S_OK);
    EXPECT_EQ(object_->get_CapXReport(&report), S_OK);
    EXPECT_EQ(object_->get_CapUpdateFirmware(&firmware), S_OK);
  };
  read();
  EXPECT_EQ(power, 0x7FFFFFFF);
  EXPECT_EQ(report, 7);
  EXPECT_EQ(firmware, 7);

  WriteDeviceConfiguration(L"COM1", 9600);
  Bstr device_class(L"FiscalPrinter"), device_name(L"Vornik_MR62_1.11");
  LONG rc = 1;
  ASSERT_EQ(object_->OpenService(device_class.get(), device_name.get(), nullptr, &rc), S_OK);
  ASSERT_EQ(rc, 0);
  read();
  EXPECT_EQ(power, 0);
  EXPECT_EQ(report, VARIANT_TRUE);
  EXPECT_EQ(firmware, VARIANT_FALSE);
}

TEST_F(Properties, AdditionalHeaderRefusesATextThatIsNoInteger) {
  Bstr letters(L"abc"), hex(L"$1F");
  EXPECT_EQ(object_->put_AdditionalHeader(letters.get()), DISP_E_EXCEPTION);
  Ptr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
  BSTR description = nullptr;
  info->GetDescription(&description);
  EXPECT_STREQ(description, L"'abc' is not a valid integer value");
  SysFreeString(description);

  EXPECT_EQ(object_->put_AdditionalHeader(hex.get()), S_OK);
  BSTR field = nullptr;
  ASSERT_EQ(object_->get_AdditionalHeader(&field), S_OK);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(SysStringLen(field), 0u) << "field 31 of a reply: there is none";
  SysFreeString(field);
  Bstr none(L"-1");  // the index lives as long as the process
  EXPECT_EQ(object_->put_AdditionalHeader(none.get()), S_OK);
}

}  // namespace
}  // namespace lumero::test
