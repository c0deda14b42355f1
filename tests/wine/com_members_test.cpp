// The adapters of the members built so far: shared state, result outputs,
// refused null pointers, text conversion and the accessor error report.
#include <stdexcept>

#include "com_support.h"
#include "serviceobject/com/member_call.h"
#include "serviceobject/service_state.h"

namespace lumero::test {
namespace {

constexpr LONG kUntouched = 12345;

class Members : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    first_ = NewObject();
    second_ = NewObject();
    ASSERT_TRUE(first_ && second_);
    CloseService(first_.get());
  }
  void TearDown() override {
    if (first_) CloseService(first_.get());
    first_.reset();
    second_.reset();
    ComTest::TearDown();
  }
  LONG ResultCodeOf(IMR62Retail* object) {
    LONG code = kUntouched;
    EXPECT_EQ(object->get_ResultCode(&code), S_OK);
    return code;
  }
  void Open(const wchar_t* port) {
    WriteDeviceConfiguration(port, 9600);
    Bstr device_class(L"FiscalPrinter"), device_name(L"Vornik_MR62_1.11");
    LONG rc = kUntouched;
    ASSERT_EQ(first_->OpenService(device_class.get(), device_name.get(), nullptr, &rc), S_OK);
    ASSERT_EQ(rc, 0);
  }
  Ptr<IMR62Retail> first_, second_;
};

TEST_F(Members, TwoObjectsShareOneState) {
  LONG result = kUntouched;
  ASSERT_EQ(first_->Claim(0, &result), S_OK);
  EXPECT_EQ(result, 101);
  EXPECT_EQ(ResultCodeOf(second_.get()), 101);
  ASSERT_EQ(second_->BeginTraining(&result), S_OK);
  EXPECT_EQ(ResultCodeOf(first_.get()), 106);

  Open(L"COM1");
  VARIANT_BOOL first_enabled = 7, second_enabled = 7;
  EXPECT_EQ(first_->get_DeviceEnabled(&first_enabled), S_OK);
  EXPECT_EQ(second_->get_DeviceEnabled(&second_enabled), S_OK);
  EXPECT_EQ(first_enabled, VARIANT_FALSE);
  EXPECT_EQ(second_enabled, first_enabled);
}

TEST_F(Members, GuardedGetterLeavesItsOutputWhileClosed) {
  VARIANT_BOOL claimed = 7;
  EXPECT_EQ(first_->get_Claimed(&claimed), S_OK);
  EXPECT_EQ(claimed, 7);
  BSTR name = nullptr;
  EXPECT_EQ(first_->get_DeviceName(&name), S_OK);
  EXPECT_EQ(name, nullptr);

  Bstr kept(L"kept");
  BSTR text = kept.get();
  EXPECT_EQ(first_->GetPropertyString(1016001, &text), S_OK);  // ErrorString
  EXPECT_EQ(text, kept.get());
  EXPECT_EQ(ResultCodeOf(first_.get()), 101);
}

// A refusing boolean getter leaves its local false, so even then 0 comes back.
TEST_F(Members, BooleanByIndexIsZeroOrOneEvenWhenRefused) {
  LONG claimed = kUntouched;
  EXPECT_EQ(first_->GetPropertyNumber(1, &claimed), S_OK);
  EXPECT_EQ(claimed, 0);
  EXPECT_EQ(ResultCodeOf(first_.get()), 101);

  Open(L"COM1");
  claimed = kUntouched;
  EXPECT_EQ(first_->GetPropertyNumber(1, &claimed), S_OK);
  EXPECT_EQ(claimed, 0);
  LONG result = kUntouched;
  ASSERT_EQ(first_->ClaimDevice(0, &result), S_OK);
  ASSERT_EQ(result, 0);
  EXPECT_EQ(first_->GetPropertyNumber(1, &claimed), S_OK);
  EXPECT_EQ(claimed, 1);
}

TEST_F(Members, ResultCodeByIndexIsWhatThePreviousMemberLeft) {
  Open(L"COM1");
  LONG result = 0;
  ASSERT_EQ(first_->BeginTraining(&result), S_OK);
  LONG code = kUntouched;
  EXPECT_EQ(first_->GetPropertyNumber(6, &code), S_OK);
  EXPECT_EQ(code, 106);
  BSTR text = nullptr;
  ASSERT_EQ(first_->get_ErrorString(&text), S_OK);
  EXPECT_STREQ(text, L"Метод не поддерживается объектом");
  SysFreeString(text);
}

TEST_F(Members, UnservedIndexLeavesTheOutput) {
  LONG number = kUntouched;
  EXPECT_EQ(first_->GetPropertyNumber(10, &number), S_OK);
  EXPECT_EQ(number, kUntouched);
  EXPECT_EQ(ResultCodeOf(first_.get()), 106);
  Bstr kept(L"kept");
  BSTR text = kept.get();
  EXPECT_EQ(first_->GetPropertyString(1016009, &text), S_OK);
  EXPECT_EQ(text, kept.get());
}

TEST_F(Members, EndTrainingWritesItsResultThroughItsPointer) {
  LONG result = kUntouched;
  EXPECT_EQ(first_->EndTraining(&result), S_OK);
  EXPECT_EQ(result, 106);

  result = kUntouched;
  VARIANT argument;
  argument.vt = VT_BYREF | VT_I4;
  argument.plVal = &result;
  VARIANT ignored;
  VariantInit(&ignored);
  EXPECT_EQ(InvokeByName(first_.get(), L"EndTraining", DISPATCH_METHOD, {argument}, &ignored,
                         nullptr),
            S_OK);
  EXPECT_EQ(result, 106);
}

TEST_F(Members, NullOutputPointerIsRefusedBeforeAnythingHappens) {
  LONG result = kUntouched;
  ASSERT_EQ(first_->Claim(0, &result), S_OK);  // leaves 101
  Bstr file(L"firmware.bin");
  CURRENCY amount{};

  EXPECT_EQ(first_->get_ResultCode(nullptr), E_POINTER);
  EXPECT_EQ(first_->get_ErrorString(nullptr), E_POINTER);
  EXPECT_EQ(first_->Claim(0, nullptr), E_POINTER);
  EXPECT_EQ(first_->OpenService(file.get(), file.get(), nullptr, nullptr), E_POINTER);
  EXPECT_EQ(first_->EndTraining(nullptr), E_POINTER);
  EXPECT_EQ(first_->GetPropertyNumber(1, nullptr), E_POINTER);
  EXPECT_EQ(first_->GetPropertyString(0, nullptr), E_POINTER);
  EXPECT_EQ(first_->PrintRecSubtotalAdjustVoid(1, amount, nullptr), E_POINTER);
  result = kUntouched;
  EXPECT_EQ(first_->CompareFirmwareVersion(file.get(), nullptr, &result), E_POINTER);
  EXPECT_EQ(first_->RetrieveStatistics(nullptr, &result), E_POINTER);
  EXPECT_EQ(result, kUntouched);
  EXPECT_EQ(ResultCodeOf(first_.get()), 101) << "a refused call reached the core";
}

TEST_F(Members, ErrorStringComesBackFromCodePage1251) {
  Open(L"COM1");
  LONG result = 0;
  ASSERT_EQ(first_->BeginTraining(&result), S_OK);
  BSTR text = nullptr;
  ASSERT_EQ(second_->get_ErrorString(&text), S_OK);
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text, L"Метод не поддерживается объектом");
  SysFreeString(text);
}

TEST_F(Members, AccessorExceptionBecomesExceptionInformation) {
  Open(L"COMX");
  VARIANT enable;
  enable.vt = VT_BOOL;
  enable.boolVal = VARIANT_TRUE;
  EXCEPINFO exception{};
  EXPECT_EQ(InvokeByName(first_.get(), L"DeviceEnabled", DISPATCH_PROPERTYPUT, {enable}, nullptr,
                         &exception),
            DISP_E_EXCEPTION);
  ASSERT_NE(exception.bstrSource, nullptr);
  EXPECT_STREQ(exception.bstrSource, L"Lumero.MR62Retail");
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);

  EXPECT_EQ(first_->put_DeviceEnabled(VARIANT_TRUE), DISP_E_EXCEPTION);
  Ptr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
  GUID guid{};
  BSTR source = nullptr;
  info->GetGUID(&guid);
  info->GetSource(&source);
  EXPECT_TRUE(IsEqualGUID(guid, IID_IMR62Retail));
  EXPECT_STREQ(source, L"Lumero.MR62Retail");
  SysFreeString(source);
}

// The shape of a method without a result output (COFreezeEvents), run here on
// this program's own copy of the core, which no test of the DLL can make throw.
TEST(MemberShapes, MethodWithoutResultReportsAnExceptionAsFailure) {
  service::ResetServiceState();
  EXPECT_EQ(com::Procedure([] { throw std::runtime_error("not a number"); }), S_OK);
  EXPECT_EQ(service::ServiceState().FResultCode, 111);
  EXPECT_EQ(service::ServiceState().FErrorString, "not a number");
  EXPECT_EQ(com::Procedure([] { throw 1; }), S_OK);
  EXPECT_EQ(service::ServiceState().FResultCode, 111);
  EXPECT_EQ(service::ServiceState().FErrorString, "");
}

}  // namespace
}  // namespace lumero::test
