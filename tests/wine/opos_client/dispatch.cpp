#include "dispatch.h"

namespace oposclient {
namespace {

INVOKEKIND KindOf(Access access) {
  return access == Access::Get   ? INVOKE_PROPERTYGET
         : access == Access::Put ? INVOKE_PROPERTYPUT
                                 : INVOKE_FUNC;
}

WORD FlagsOf(Access access) {
  return access == Access::Get   ? DISPATCH_PROPERTYGET
         : access == Access::Put ? DISPATCH_PROPERTYPUT
                                 : DISPATCH_METHOD;
}

}  // namespace

CallOutcome CallByName(IDispatch* object, const std::wstring& name, Access access,
                       const std::vector<Argument>& arguments) {
  CallOutcome outcome;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
  outcome.hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(outcome.hr)) return outcome;

  const MemberDescription member(object, id, KindOf(access));
  TypedArguments typed(member, arguments);
  std::vector<VARIANT> reversed(typed.values().rbegin(), typed.values().rend());
  DISPID put_id = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (access == Access::Put) {
    parameters.rgdispidNamedArgs = &put_id;
    parameters.cNamedArgs = 1;
  }
  EXCEPINFO exception{};
  UINT bad_argument = 0;
  outcome.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, FlagsOf(access), &parameters,
                              access == Access::Put ? nullptr : outcome.result.get(), &exception,
                              &bad_argument);
  if (outcome.hr == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    if (FAILED(exception.scode)) outcome.hr = exception.scode;
    if (exception.bstrDescription) outcome.description = exception.bstrDescription;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  }
  outcome.outputs = typed.TakeOutputs();
  return outcome;
}

}  // namespace oposclient
