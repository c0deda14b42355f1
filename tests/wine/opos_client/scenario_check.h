#pragma once
// A whole scenario checked before anything runs, for what the run would
// otherwise find one step at a time: lines that are not steps, members and
// properties the interface lacks or has with another access, and arguments
// of another count or kind than the member's parameters take.
#include <string>
#include <vector>

#include "interface_members.h"
#include "scenario.h"

namespace oposclient {

// The problems in line order; none when the scenario fits.
std::vector<Problem> CheckScenario(const std::string& text,
                                   const std::vector<InterfaceMember>& members);

}  // namespace oposclient
