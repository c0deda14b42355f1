// scenario_check IDL_FILE SCENARIO_FILE: checks a scenario of the scripted
// OPOS client against the interface IDL_FILE declares, natively, before
// anything starts. Prints each problem as SCENARIO_FILE:LINE: what, and exits
// 0 when the scenario fits, 2 when it does not or cannot be read (the
// client's own status for a scenario error), 1 when it cannot be checked.
#include <cstdio>
#include <exception>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "scenario_check.h"

namespace {

std::optional<std::string> Contents(const char* path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: scenario_check IDL_FILE SCENARIO_FILE\n");
    return 1;
  }
  try {
    const std::optional<std::string> idl = Contents(argv[1]);
    if (!idl) {
      std::fprintf(stderr, "scenario_check: cannot read %s\n", argv[1]);
      return 1;
    }
    const std::vector<oposclient::InterfaceMember> members = oposclient::ReadInterfaceMembers(*idl);
    const std::optional<std::string> scenario = Contents(argv[2]);
    if (!scenario) {
      std::fprintf(stderr, "%s: cannot be read\n", argv[2]);
      return 2;
    }
    const std::vector<oposclient::Problem> problems = oposclient::CheckScenario(*scenario, members);
    for (const oposclient::Problem& problem : problems)
      std::fprintf(stderr, "%s:%d: %s\n", argv[2], problem.line, problem.what.c_str());
    return problems.empty() ? 0 : 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "scenario_check: %s: %s\n", argv[1], error.what());
    return 1;
  }
}
