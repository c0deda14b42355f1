#pragma once
// The members of the service object's dual interface as its IDL declares
// them, read natively: a scenario is checked against them before Wine starts.
// The reader takes the first `interface NAME : IDispatch` block, one member a
// line, as serviceobject/com/Lumero.idl writes them:
//   [propget, id(3)] HRESULT DeviceEnabled([out, retval] VARIANT_BOOL* Value);
#include <string>
#include <vector>

namespace oposclient {

enum class Access { Method, Get, Put };

// What a scenario argument must read as: long, VARIANT_BOOL, CURRENCY, BSTR
// and IDispatch*, by value or by reference.
enum class ArgumentKind { Long, Bool, Amount, Text, Dispatch };

struct InterfaceMember {
  std::string name;
  Access access = Access::Method;
  std::vector<ArgumentKind> parameters;  // all but the [out, retval] one
};

// Throws std::runtime_error naming the first line of the block it cannot
// read, so that no member is silently missing.
std::vector<InterfaceMember> ReadInterfaceMembers(const std::string& idl);

}  // namespace oposclient
