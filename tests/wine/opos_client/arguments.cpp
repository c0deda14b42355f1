#include "arguments.h"

#include <new>
#include <optional>

#include "../com_member_arguments.h"
#include "service_object.h"
#include "text.h"

namespace oposclient {
namespace {

template <class T>
T Need(const std::optional<T>& value, const Argument& argument, size_t index, const char* type) {
  if (!value) {
    throw ArgumentError("argument " + std::to_string(index + 1) + " \"" + argument.text +
                        "\" is not " + type);
  }
  return *value;
}

BSTR NewText(const std::string& utf8) {
  const std::wstring text = Utf8ToWide(utf8);
  BSTR result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (result == nullptr) throw std::bad_alloc();
  return result;
}

size_t InputCount(const FUNCDESC& function) {
  const size_t count = static_cast<size_t>(function.cParams);
  const bool has_retval =
      count > 0 &&
      (function.lprgelemdescParam[count - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
  return has_retval ? count - 1 : count;
}

}  // namespace

MemberDescription::MemberDescription(IDispatch* object, DISPID id, INVOKEKIND kind) {
  if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, types_.put())) || !types_)
    throw ArgumentError("the object gives no type information");
  TYPEATTR* attributes = nullptr;
  if (SUCCEEDED(types_->GetTypeAttr(&attributes))) {
    const bool dual =
        attributes->typekind == TKIND_DISPATCH && (attributes->wTypeFlags & TYPEFLAG_FDUAL);
    types_->ReleaseTypeAttr(attributes);
    HREFTYPE interface_ref = 0;
    Ptr<ITypeInfo> interface_types;
    if (dual && SUCCEEDED(types_->GetRefTypeOfImplType(-1, &interface_ref)) &&
        SUCCEEDED(types_->GetRefTypeInfo(interface_ref, interface_types.put())))
      types_ = std::move(interface_types);
  }
  if (FAILED(types_->GetTypeAttr(&attributes)))
    throw ArgumentError("the type information is unreadable");
  const UINT count = attributes->cFuncs;
  types_->ReleaseTypeAttr(attributes);
  for (UINT i = 0; i < count; ++i) {
    FUNCDESC* function = nullptr;
    if (FAILED(types_->GetFuncDesc(i, &function))) continue;
    if (function->memid == id && function->invkind == kind) {
      function_ = function;
      return;
    }
    types_->ReleaseFuncDesc(function);
  }
  throw ArgumentError(kind == INVOKE_FUNC ? "not a method" : "not a property of that access");
}

MemberDescription::~MemberDescription() { types_->ReleaseFuncDesc(function_); }

TypedArguments::TypedArguments(const MemberDescription& member,
                               const std::vector<Argument>& arguments) {
  const FUNCDESC& function = member.function();
  const size_t inputs = InputCount(function);
  if (arguments.size() != inputs) {
    throw ArgumentError("takes " + std::to_string(inputs) + " arguments, not " +
                        std::to_string(arguments.size()));
  }
  BSTR names[32] = {};
  UINT named = 0;
  member.types()->GetNames(function.memid, names, 32, &named);
  for (UINT i = 1; i < named; ++i) names_.emplace_back(names[i] ? names[i] : L"");
  for (UINT i = 0; i < named; ++i) SysFreeString(names[i]);
  names_.resize(inputs);

  longs_.assign(inputs, 0);
  texts_.assign(inputs, nullptr);
  try {
    for (size_t i = 0; i < inputs; ++i)
      values_.push_back(
          Typed(lumero::test::TypeOf(function.lprgelemdescParam[i].tdesc), arguments[i], i));
  } catch (...) {
    Clear();
    throw;
  }
}

TypedArguments::~TypedArguments() { Clear(); }

void TypedArguments::Clear() {
  for (VARIANT& value : values_) VariantClear(&value);
  values_.clear();
  for (BSTR& text : texts_) {
    SysFreeString(text);
    text = nullptr;
  }
}

VARIANT TypedArguments::Typed(VARTYPE type, const Argument& argument, size_t index) {
  VARIANT value;
  VariantInit(&value);
  const std::string& text = argument.text;
  switch (type) {
    case VT_I4:
      value.lVal = Need(ParseLong(text), argument, index, "a long");
      break;
    case VT_BOOL:
      value.boolVal =
          Need(ParseBool(text), argument, index, "true or false") ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_CY:
      value.cyVal.int64 =
          Need(ParseCurrency(text), argument, index, "an amount with up to 4 decimals");
      break;
    case VT_BSTR:
      value.bstrVal = NewText(text);
      break;
    case VT_DISPATCH: {
      const std::optional<bool> control = ParseDispatch(text);
      if (!control) throw ArgumentError("a dispatch is control or null");
      value.pdispVal = *control ? ControlDispatch() : nullptr;
      if (value.pdispVal) value.pdispVal->AddRef();
      break;
    }
    case VT_BYREF | VT_I4:
      longs_[index] = Need(ParseLong(text), argument, index, "a long");
      value.plVal = &longs_[index];
      break;
    case VT_BYREF | VT_BSTR:
      texts_[index] = text.empty() ? nullptr : NewText(text);
      value.pbstrVal = &texts_[index];
      break;
    default:
      throw ArgumentError("parameter type " + std::to_string(type) + " is beyond this client");
  }
  value.vt = type;
  return value;
}

std::vector<Output> TypedArguments::TakeOutputs() {
  std::vector<Output> outputs;
  for (size_t i = 0; i < values_.size(); ++i) {
    Output output{.name = names_[i]};
    VARIANT* value = output.value.get();
    if (values_[i].vt == (VT_BYREF | VT_I4)) {
      value->vt = VT_I4;
      value->lVal = longs_[i];
    } else if (values_[i].vt == (VT_BYREF | VT_BSTR)) {
      value->vt = VT_BSTR;
      value->bstrVal = texts_[i];
      texts_[i] = nullptr;
    } else {
      continue;
    }
    outputs.push_back(std::move(output));
  }
  return outputs;
}

}  // namespace oposclient
