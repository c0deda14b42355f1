// The type library against the member table, and every member called by name
// through IDispatch as the Control Object calls it.
#include <cstring>

#include "com_member_arguments.h"
#include "com_member_table.h"
#include "com_support.h"

namespace lumero::test {
namespace {

INVOKEKIND InvokeKind(MemberKind kind) {
  return kind == kGet ? INVOKE_PROPERTYGET : kind == kPut ? INVOKE_PROPERTYPUT : INVOKE_FUNC;
}

std::wstring NameOf(ITypeInfo* info, MEMBERID id) {
  BSTR name = nullptr;
  info->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
  std::wstring result = name ? name : L"";
  SysFreeString(name);
  return result;
}

class Dispatch : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    object_ = NewObject();
    ASSERT_TRUE(object_);
  }
  void TearDown() override {
    object_.reset();
    ComTest::TearDown();
  }
  Ptr<IMR62Retail> object_;
};

TEST_F(Dispatch, InterfaceDescriptionMatchesTheMemberTableSlotBySlot) {
  Ptr<ITypeInfo> dispatch_info, interface_info;
  ASSERT_EQ(object_->GetTypeInfo(0, 0x409, dispatch_info.put()), S_OK);
  HREFTYPE interface_ref = 0;
  ASSERT_EQ(dispatch_info->GetRefTypeOfImplType(-1, &interface_ref), S_OK) << "not dual";
  ASSERT_EQ(dispatch_info->GetRefTypeInfo(interface_ref, interface_info.put()), S_OK);

  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(interface_info->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
  EXPECT_EQ(attributes->cFuncs, kMembers.size());
  EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FDUAL);
  EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, IID_IMR62Retail));
  interface_info->ReleaseTypeAttr(attributes);

  for (size_t slot = 0; slot < kMembers.size(); ++slot) {
    const Member& member = kMembers[slot];
    FUNCDESC* function = nullptr;
    ASSERT_EQ(interface_info->GetFuncDesc(static_cast<UINT>(slot), &function), S_OK);
    SCOPED_TRACE(member.name);
    EXPECT_EQ(NameOf(interface_info.get(), function->memid), member.name);
    EXPECT_EQ(function->memid, member.dispid);
    EXPECT_EQ(function->invkind, InvokeKind(member.kind));
    EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + slot) * sizeof(void*)));
    EXPECT_EQ(function->elemdescFunc.tdesc.vt, VT_HRESULT);
    const size_t inputs = std::strlen(member.parameters);
    const size_t outputs = member.returns == '-' ? 0 : 1;
    ASSERT_EQ(static_cast<size_t>(function->cParams), inputs + outputs);
    for (size_t i = 0; i < inputs; ++i)
      EXPECT_EQ(TypeOf(function->lprgelemdescParam[i].tdesc), ParameterType(member.parameters[i]))
          << "parameter " << i;
    if (outputs) {
      const ELEMDESC& retval = function->lprgelemdescParam[inputs];
      EXPECT_EQ(TypeOf(retval.tdesc), VT_BYREF | ParameterType(member.returns));
      EXPECT_TRUE(retval.paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
    }
    interface_info->ReleaseFuncDesc(function);
  }
}

TEST_F(Dispatch, EventsAndClassAreDescribed) {
  Ptr<ITypeLib> library;
  ASSERT_EQ(LoadRegTypeLib(LIBID_Lumero, 1, 0, 0x409, library.put()), S_OK);
  Ptr<ITypeInfo> events;
  ASSERT_EQ(library->GetTypeInfoOfGuid(DIID_IMR62RetailEvents, events.put()), S_OK);
  const wchar_t* const names[] = {L"DirectIOEvent", L"DataEvent", L"ErrorEvent",
                                  L"OutputCompleteEvent", L"StatusUpdateEvent"};
  for (MEMBERID id = 1; id <= 5; ++id) EXPECT_EQ(NameOf(events.get(), id), names[id - 1]);

  Ptr<ITypeInfo> coclass;
  ASSERT_EQ(library->GetTypeInfoOfGuid(CLSID_MR62Retail, coclass.put()), S_OK);
  int flags[2] = {};
  ASSERT_EQ(coclass->GetImplTypeFlags(0, &flags[0]), S_OK);
  ASSERT_EQ(coclass->GetImplTypeFlags(1, &flags[1]), S_OK);
  EXPECT_EQ(flags[0], IMPLTYPEFLAG_FDEFAULT);
  EXPECT_EQ(flags[1], IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
}

TEST_F(Dispatch, EveryNameResolvesToItsDispid) {
  for (const Member& member : kMembers) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(member.name)};
    EXPECT_EQ(object_->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id), S_OK) << member.name;
    EXPECT_EQ(id, member.dispid) << member.name;
  }
}

TEST_F(Dispatch, EveryMemberAnswersByNameWhileClosed) {
  CloseService(object_.get());
  for (const Member& member : kMembers) {
    SCOPED_TRACE(member.name);
    const WORD flags = member.kind == kGet   ? DISPATCH_PROPERTYGET
                       : member.kind == kPut ? DISPATCH_PROPERTYPUT
                                             : DISPATCH_METHOD;
    DefaultArguments arguments(member.parameters);
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    const HRESULT hr =
        InvokeByName(object_.get(), member.name, flags, arguments.values(), &result, &exception);
    // An empty text is no field index: the accessor error report answers.
    const bool refusesEmptyText = member.kind == kPut && std::wcscmp(member.name, L"AdditionalHeader") == 0;
    if (refusesEmptyText) {
      EXPECT_EQ(hr, DISP_E_EXCEPTION);
      EXPECT_STREQ(exception.bstrDescription, L"'' is not a valid integer value");
    } else {
      EXPECT_EQ(hr, S_OK);
      if (member.kind == kMethod && member.returns == 'l') {
        EXPECT_EQ(result.vt, VT_I4);
      }
    }
    VariantClear(&result);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (std::wcscmp(member.name, L"OpenService") == 0) CloseService(object_.get());
  }
}

}  // namespace
}  // namespace lumero::test
