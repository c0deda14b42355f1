#pragma once
// Calls a member by name through IDispatch as the Control Object does: the
// name alone through GetIDsOfNames, the arguments typed from the type library
// and passed in reverse order, a property's new value as a named argument.
#include <string>
#include <vector>

#include "arguments.h"
#include "interface_members.h"

namespace oposclient {

struct CallOutcome {
  HRESULT hr = S_OK;         // the member's own code when Invoke reports an exception
  std::wstring description;  // of that exception
  Variant result;            // the [out, retval] value; VT_EMPTY when none
  std::vector<Output> outputs;
};

// Throws ArgumentError when the arguments do not fit the member.
CallOutcome CallByName(IDispatch* object, const std::wstring& name, Access access,
                       const std::vector<Argument>& arguments = {});

}  // namespace oposclient
