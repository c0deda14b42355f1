#pragma once
// The 224 members of IMR62Retail as the OPOS Control Object sees them: vtable
// order, DISPID, kind and parameter types, and whether the member is built.
#include <array>

namespace lumero::test {

enum MemberKind { kGet, kPut, kMethod };
// kNotSupported: a method that always answers 106.
enum MemberState { kBuilt, kNotSupported };

struct Member {
  const wchar_t* name;
  MemberKind kind;
  int dispid;
  // One letter per parameter before the result, in call order: l long,
  // b VARIANT_BOOL, s BSTR, c CURRENCY, d IDispatch*, L long* and S BSTR*
  // (by reference).
  const char* parameters;
  // The [out, retval] value: l long, b VARIANT_BOOL, s BSTR, - none.
  char returns;
  MemberState state;
};

extern const std::array<Member, 224> kMembers;

}  // namespace lumero::test
