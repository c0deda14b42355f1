#include "interface_members.h"

#include <stdexcept>
#include <string_view>
#include <utility>

namespace oposclient {
namespace {

struct Unreadable {
  std::string why;
};

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The comma-separated parts outside brackets and parentheses, trimmed.
std::vector<std::string_view> Parts(std::string_view text) {
  std::vector<std::string_view> parts;
  if (Trimmed(text).empty()) return parts;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ',';
    if (c == '[' || c == '(') ++depth;
    if (c == ']' || c == ')') --depth;
    if (c == ',' && depth == 0) {
      parts.push_back(Trimmed(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  return parts;
}

// "[attributes] rest": the attributes, and `rest` left after the bracket.
std::vector<std::string_view> Attributes(std::string_view text, std::string_view& rest) {
  const size_t close = text.find(']');
  if (text.empty() || text[0] != '[' || close == std::string_view::npos)
    throw Unreadable{"no [attributes] before \"" + std::string(text) + "\""};
  rest = Trimmed(text.substr(close + 1));
  return Parts(text.substr(1, close - 1));
}

ArgumentKind KindOf(std::string_view type) {
  static constexpr std::pair<std::string_view, ArgumentKind> kTypes[] = {
      {"long", ArgumentKind::Long},          {"VARIANT_BOOL", ArgumentKind::Bool},
      {"CURRENCY", ArgumentKind::Amount},    {"BSTR", ArgumentKind::Text},
      {"IDispatch", ArgumentKind::Dispatch},
  };
  for (const auto& [name, kind] : kTypes)
    if (name == type) return kind;
  throw Unreadable{"parameter type " + std::string(type) + " is beyond this reader"};
}

InterfaceMember ReadMember(std::string_view line) {
  InterfaceMember member;
  std::string_view rest;
  for (std::string_view attribute : Attributes(line, rest)) {
    if (attribute == "propget")
      member.access = Access::Get;
    else if (attribute == "propput")
      member.access = Access::Put;
    else if (attribute.substr(0, 3) != "id(")
      throw Unreadable{"attribute " + std::string(attribute) + " is beyond this reader"};
  }
  constexpr std::string_view kReturns = "HRESULT ";
  const size_t open = rest.find('(');
  if (rest.substr(0, kReturns.size()) != kReturns || open == std::string_view::npos ||
      rest.size() < 2 || rest.substr(rest.size() - 2) != ");")
    throw Unreadable{"not a member: HRESULT NAME(PARAMETERS);"};
  member.name = Trimmed(rest.substr(kReturns.size(), open - kReturns.size()));
  for (std::string_view parameter : Parts(rest.substr(open + 1, rest.size() - 3 - open))) {
    std::string_view declaration;
    bool retval = false;
    for (std::string_view attribute : Attributes(parameter, declaration))
      retval = retval || attribute == "retval";
    if (!retval)
      member.parameters.push_back(KindOf(declaration.substr(0, declaration.find_first_of(" *"))));
  }
  return member;
}

}  // namespace

std::vector<InterfaceMember> ReadInterfaceMembers(const std::string& idl) {
  std::vector<InterfaceMember> members;
  enum { Before, Header, Inside } place = Before;
  int number = 0;
  for (size_t begin = 0; begin < idl.size();) {
    size_t end = idl.find('\n', begin);
    if (end == std::string::npos) end = idl.size();
    const std::string_view line = Trimmed(std::string_view(idl).substr(begin, end - begin));
    begin = end + 1;
    ++number;
    if (place == Before) {
      if (line.substr(0, 10) == "interface " && line.find(": IDispatch") != std::string_view::npos)
        place = Header;
    } else if (place == Header) {
      if (line == "{") place = Inside;
    } else if (line == "};") {
      return members;
    } else if (!line.empty() && line.substr(0, 2) != "//") {
      try {
        members.push_back(ReadMember(line));
      } catch (const Unreadable& error) {
        throw std::runtime_error("line " + std::to_string(number) + ": " + error.why);
      }
    }
  }
  throw std::runtime_error("no complete `interface NAME : IDispatch` block");
}

}  // namespace oposclient
