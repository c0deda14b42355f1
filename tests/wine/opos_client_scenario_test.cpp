// The scripted OPOS client's scenario file: steps, texts and exact numbers.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "opos_client/scenario.h"

namespace oposclient {
namespace {

// Narrow literals are CP1251 here; the scenario is UTF-8.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(Scenario, StepsKeepTheirWordsTextsAndLines) {
  const std::vector<Step> steps =
      ParseScenario(Utf8(u8"\xEF\xBB\xBF# a receipt\n"
                         u8"open Vornik_MR62_1.11\r\n"
                         u8"\n"
                         u8"   call PrintRecItem \"Хліб білий\" 12.50 1000 1 0 \"\"\n"
                         u8"put DeviceEnabled true\n"
                         u8"get ResultCode\n"
                         u8"close"));
  ASSERT_EQ(steps.size(), 5u);
  EXPECT_EQ(steps[0].verb, Verb::Open);
  EXPECT_EQ(steps[0].name, "Vornik_MR62_1.11");
  EXPECT_EQ(steps[0].line, 2);

  const Step& item = steps[1];
  EXPECT_EQ(item.verb, Verb::Call);
  EXPECT_EQ(item.name, "PrintRecItem");
  EXPECT_EQ(item.line, 4);
  ASSERT_EQ(item.arguments.size(), 6u);
  EXPECT_EQ(item.arguments[0].text, Utf8(u8"Хліб білий"));
  EXPECT_TRUE(item.arguments[0].quoted);
  EXPECT_EQ(item.arguments[1].text, "12.50");
  EXPECT_FALSE(item.arguments[1].quoted);
  EXPECT_EQ(item.arguments[5].text, "");
  EXPECT_TRUE(item.arguments[5].quoted);

  EXPECT_EQ(steps[2].verb, Verb::Put);
  ASSERT_EQ(steps[2].arguments.size(), 1u);
  EXPECT_EQ(steps[2].arguments[0].text, "true");
  EXPECT_EQ(steps[3].verb, Verb::Get);
  EXPECT_EQ(steps[4].verb, Verb::Close);
  EXPECT_EQ(steps[4].line, 7);
}

TEST(Scenario, QuotedTextsTakeEscapedQuotesAndBackslashes) {
  const std::vector<Step> steps = ParseScenario(R"(call PrintRecMessage "say \"hi\" \\ \n")");
  ASSERT_EQ(steps.size(), 1u);
  ASSERT_EQ(steps[0].arguments.size(), 1u);
  EXPECT_EQ(steps[0].arguments[0].text, R"(say "hi" \ \n)");
}

TEST(Scenario, LinesThatAreNotStepsAreRefusedByNumber) {
  const char* const broken[] = {
      "\nprint X\n",                      // unknown verb
      "\ncall PrintRecMessage \"open\n",  // no closing quote
      "\ncall PrintRecMessage \"a\"b\n",  // text glued to a word
      "\nput DeviceEnabled\n",            // no value
      "\nget ResultCode extra\n",         // too many words
      "\nclose now\n",                    // close takes none
      "\ncall\n",                         // no member
      "\ncall \"ClaimDevice\" 1000\n",    // a quoted member name
  };
  for (const char* text : broken) {
    SCOPED_TRACE(text);
    try {
      ParseScenario(text);
      ADD_FAILURE() << "accepted";
    } catch (const ScenarioError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("line 2: ", 0), 0u) << error.what();
    }
  }
}

TEST(Scenario, CurrencyIsReadExactlyInTenThousandths) {
  EXPECT_EQ(ParseCurrency("12.50"), 125000);
  EXPECT_EQ(ParseCurrency("25"), 250000);
  EXPECT_EQ(ParseCurrency("0.0001"), 1);
  EXPECT_EQ(ParseCurrency("-3.3"), -33000);
  EXPECT_EQ(ParseCurrency("0.1"), 1000) << "no binary fraction creeps in";
  EXPECT_EQ(ParseCurrency("922337203685477.5807"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(ParseCurrency("-922337203685477.5808"), std::numeric_limits<int64_t>::min());
  for (const char* refused : {"922337203685477.5808", "1.23456", "1.", ".5", "", "-", "1,5",
                              "1.2.3", "+1", "1e3", "99999999999999999999"}) {
    EXPECT_EQ(ParseCurrency(refused), std::nullopt) << refused;
  }
}

TEST(Scenario, LongsAndBooleansAreWholeWords) {
  EXPECT_EQ(ParseLong("1000"), 1000);
  EXPECT_EQ(ParseLong("-2147483648"), std::numeric_limits<int32_t>::min());
  for (const char* refused : {"2147483648", "1.0", "12a", "", "+1"})
    EXPECT_EQ(ParseLong(refused), std::nullopt) << refused;
  EXPECT_EQ(ParseBool("true"), true);
  EXPECT_EQ(ParseBool("0"), false);
  EXPECT_EQ(ParseBool("yes"), std::nullopt);
}

}  // namespace
}  // namespace oposclient
