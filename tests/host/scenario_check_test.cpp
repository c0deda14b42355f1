// The scripted OPOS client's check of a whole scenario before it runs, and
// its reading of the interface from Lumero.idl.
#include "../wine/opos_client/scenario_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "../wine/com_member_table.h"

namespace oposclient {
namespace {

// Narrow literals are CP1251 here; the scenario is UTF-8.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::vector<InterfaceMember> Members() {
  return ReadInterfaceMembers(R"(
  interface IMR62Retail : IDispatch
  {
    [propget, id(3)] HRESULT DeviceEnabled([out, retval] VARIANT_BOOL* Value);
    [propput, id(3)] HRESULT DeviceEnabled([in] VARIANT_BOOL);
    [propget, id(4)] HRESULT ErrorString([out, retval] BSTR* Value);
    [id(13)] HRESULT GetData([in] long I, [in, out] long* A, [in, out] BSTR* D, [out, retval] long* R);
    [id(16)] HRESULT PrintRecItem([in] BSTR D, [in] CURRENCY P, [in] long Q, [out, retval] long* R);
  };)");
}

TEST(ScenarioCheck, EveryProblemIsReportedWithItsLine) {
  const std::string scenario = Utf8(
      u8"open Vornik_MR62_1.11\n"
      u8"call PrintRecItm \"Хліб\" 28.50 1000\n"
      u8"put DeviceEnabld true\n"
      u8"call printrecitem \"Хліб\" 28.50 1000\n"
      u8"call PrintRecItem \"Хліб\" 28,50 1.5\n"
      u8"call PrintRecItem \"Хліб\" 28.50\n"
      u8"put DeviceEnabled maybe\n"
      u8"put ErrorString \"x\"\n"
      u8"get GetData\n"
      u8"call DeviceEnabled\n"
      u8"call GetData 1 7 \"\"\n"
      u8"call PrintRecItem \"\xD5\xEB\" 1 1\n"
      u8"call PrintRecItem \"Хліб 28.50 1000\n"
      u8"close\n");
  const std::vector<std::pair<int, std::string>> expected = {
      {2, "unknown member PrintRecItm"},
      {3, "unknown property DeviceEnabld"},
      {5, "PrintRecItem argument 2 \"28,50\" is not an amount with up to 4 decimals"},
      {5, "PrintRecItem argument 3 \"1.5\" is not a whole number"},
      {6, "PrintRecItem takes 3 arguments, not 2"},
      {7, "DeviceEnabled argument 1 \"maybe\" is not true or false"},
      {8, "property ErrorString cannot be set"},
      {9, "GetData is a method, not a property"},
      {10, "DeviceEnabled is a property, not a method"},
      {12, "PrintRecItem argument 1 is not UTF-8 text"},
      {13, "a text has no closing quote"},
  };
  std::vector<std::pair<int, std::string>> found;
  for (const Problem& problem : CheckScenario(scenario, Members()))
    found.emplace_back(problem.line, problem.what);
  EXPECT_EQ(found, expected);
}

// What the Windows-side tests hold the type library to, the reader must find in the IDL.
TEST(ScenarioCheck, InterfaceIsReadFromTheIdlAsTheTypeLibraryHasIt) {
  std::ifstream file(LUMERO_IDL);
  std::ostringstream idl;
  idl << file.rdbuf();
  const std::vector<InterfaceMember> members = ReadInterfaceMembers(idl.str());
  ASSERT_EQ(members.size(), lumero::test::kMembers.size());
  for (size_t i = 0; i < members.size(); ++i) {
    const lumero::test::Member& expected = lumero::test::kMembers[i];
    SCOPED_TRACE(members[i].name);
    EXPECT_EQ(std::wstring(members[i].name.begin(), members[i].name.end()), expected.name);
    EXPECT_EQ(static_cast<int>(members[i].access),
              static_cast<int>(expected.kind == lumero::test::kGet   ? Access::Get
                               : expected.kind == lumero::test::kPut ? Access::Put
                                                                     : Access::Method));
    std::string kinds;  // in the table's letters
    for (ArgumentKind kind : members[i].parameters) kinds += "lbcsd"[static_cast<int>(kind)];
    std::string letters = expected.parameters;  // by reference or not, the scenario's word is alike
    for (char& letter : letters) letter = letter == 'L' ? 'l' : letter == 'S' ? 's' : letter;
    EXPECT_EQ(kinds, letters);
  }

  EXPECT_THROW(ReadInterfaceMembers(
                   "interface I : IDispatch\n{\n  [id(1)] HRESULT F([in] SAFEARRAY X);\n};"),
               std::runtime_error)
      << "a type beyond the reader is no member missing in silence";
}

}  // namespace
}  // namespace oposclient
