#pragma once
// Arguments for a member of the table, typed as the Control Object types them.
#include <array>
#include <vector>

#include "com_holders.h"

namespace lumero::test {

// The VARTYPE of a parameter letter of the member table.
VARTYPE ParameterType(char letter);

// The VARTYPE a caller passes for a parameter of this description: a pointer
// goes by reference.
inline VARTYPE TypeOf(const TYPEDESC& type) {
  return type.vt == VT_PTR ? static_cast<VARTYPE>(VT_BYREF | type.lptdesc->vt) : type.vt;
}

// Zero, false, empty or null arguments of the letters' types, in call order;
// by-reference ones point into the object, so it stays where it is.
class DefaultArguments {
 public:
  explicit DefaultArguments(const char* letters);
  ~DefaultArguments();
  DefaultArguments(const DefaultArguments&) = delete;
  DefaultArguments& operator=(const DefaultArguments&) = delete;
  const std::vector<VARIANT>& values() const { return values_; }

 private:
  std::array<LONG, 16> longs_{};
  std::array<BSTR, 16> strings_{};
  std::vector<VARIANT> values_;
};

}  // namespace lumero::test
