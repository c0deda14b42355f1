#pragma once
// The arguments of one call, typed from the member's description in the type
// library as the Control Object types them: long VT_I4, VARIANT_BOOL VT_BOOL,
// BSTR VT_BSTR, CURRENCY VT_CY by value, IDispatch* VT_DISPATCH, [in, out]
// long* VT_BYREF|VT_I4 and [in, out] BSTR* VT_BYREF|VT_BSTR.
#include <stdexcept>
#include <string>
#include <vector>

#include "../com_holders.h"
#include "scenario.h"

namespace oposclient {

using lumero::test::Ptr;
using lumero::test::Variant;

// The scenario's arguments do not fit the member.
class ArgumentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The function of `id` and `kind` in the object's type information, the
// interface half of a dual one.
class MemberDescription {
 public:
  // Throws ArgumentError when the type information has no such function.
  MemberDescription(IDispatch* object, DISPID id, INVOKEKIND kind);
  ~MemberDescription();
  MemberDescription(const MemberDescription&) = delete;
  MemberDescription& operator=(const MemberDescription&) = delete;

  ITypeInfo* types() const { return types_.get(); }
  const FUNCDESC& function() const { return *function_; }

 private:
  Ptr<ITypeInfo> types_;
  FUNCDESC* function_ = nullptr;
};

struct Output {
  std::wstring name;
  Variant value;
};

// By-reference values point into the object: it stays where it is.
class TypedArguments {
 public:
  // A bare `control` is the control's own dispatch, `null` a null one. An
  // empty text for a BSTR* passes a null BSTR, as the Control Object does.
  // Throws ArgumentError for a wrong count or an argument of another type.
  TypedArguments(const MemberDescription& member, const std::vector<Argument>& arguments);
  ~TypedArguments();
  TypedArguments(const TypedArguments&) = delete;
  TypedArguments& operator=(const TypedArguments&) = delete;

  // In call order; DISPPARAMS takes them reversed.
  const std::vector<VARIANT>& values() const { return values_; }
  // The by-reference parameters as the call left them.
  std::vector<Output> TakeOutputs();

 private:
  VARIANT Typed(VARTYPE type, const Argument& argument, size_t index);
  void Clear();

  std::vector<VARIANT> values_;
  std::vector<LONG> longs_;
  std::vector<BSTR> texts_;
  std::vector<std::wstring> names_;
};

}  // namespace oposclient
