// Article-code hash and Base64 decoder.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>

#include "devicelink/article_hash.h"
#include "devicelink/base64.h"

using namespace devicelink;

namespace {

TEST(ArticleCodeHashTest, KnownValues) {
  EXPECT_EQ(ArticleCodeHash(""), 0);
  EXPECT_EQ(ArticleCodeHash("a"), 97);
  EXPECT_EQ(ArticleCodeHash("ab"), 0x6162);
  EXPECT_EQ(ArticleCodeHash("abc"), 0xE222);
  EXPECT_EQ(ArticleCodeHash("\xFF"), 0xFF);  // bytes count as unsigned
}

TEST(ArticleCodeHashTest, DependsOnByteOrderAndStartsAfresh) {
  EXPECT_NE(ArticleCodeHash("abc"), ArticleCodeHash("cba"));
  EXPECT_NE(ArticleCodeHash("Хліб1"), ArticleCodeHash("Хліб2"));
  const int32_t first = ArticleCodeHash("Молоко 2,5%0");
  ArticleCodeHash("something else");
  EXPECT_EQ(ArticleCodeHash("Молоко 2,5%0"), first);
  EXPECT_GE(first, 0);
  EXPECT_LE(first, 0xFFFF);
}

TEST(Base64IndexTest, AlphabetEdgesAndOutsiders) {
  const std::pair<char, int> edges[] = {{'A', 0},  {'Z', 25}, {'a', 26}, {'z', 51},
                                        {'0', 52}, {'9', 61}, {'+', 62}, {'/', 63}};
  for (auto [c, value] : edges) EXPECT_EQ(Base64Index(c), value) << c;
  for (char c : {'=', '\0', '\n', '-', '@', '[', '`', '{', static_cast<char>(0xC0)})
    EXPECT_EQ(Base64Index(c), Base64NotInAlphabet) << int(c);
}

constexpr uint8_t Untouched = 0xEE;

struct Decoded {
  std::array<uint8_t, 64> bytes;
  uint16_t length = 999;
};

Decoded Decode(const std::string& source, size_t capacity = 64, int length = -1) {
  Decoded out;
  out.bytes.fill(Untouched);
  Base64Decode(source.c_str(), static_cast<int16_t>(length < 0 ? source.size() : length), out.bytes.data(),
               capacity, out.length);
  return out;
}

// The decoded bytes followed by the zero byte, and nothing written after it.
void ExpectDecodedTo(const std::string& source, const std::string& expected) {
  const Decoded out = Decode(source);
  ASSERT_EQ(out.length, expected.size()) << source;
  EXPECT_EQ(std::memcmp(out.bytes.data(), expected.data(), expected.size()), 0) << source;
  EXPECT_EQ(out.bytes[expected.size()], 0) << source;
  EXPECT_EQ(out.bytes[expected.size() + 1], Untouched) << source;
}

TEST(Base64DecodeTest, PaddedAndUnpaddedGroups) {
  ExpectDecodedTo("TWFu", "Man");
  ExpectDecodedTo("TWE=", "Ma");
  ExpectDecodedTo("TQ==", "M");
  ExpectDecodedTo("TWE", "Ma");
  ExpectDecodedTo("TQ", "M");
  ExpectDecodedTo("T", "");
  ExpectDecodedTo("TWFuTQ", "ManM");
  ExpectDecodedTo("Zm9vYmE", "fooba");
  ExpectDecodedTo("SGVsbG8sIFdvcmxkIQ==", "Hello, World!");
  ExpectDecodedTo("/+8A", std::string("\xFF\xEF\x00", 3));
}

TEST(Base64DecodeTest, StopsAtTheFirstOutsiderAndFinishesTheGroupBegun) {
  ExpectDecodedTo("TWFu\nTWFu", "Man");
  ExpectDecodedTo("TWFuTWE\r\nQUJD", "ManMa");
  ExpectDecodedTo("TWFuTQ==\nQUJD", "ManM");
  ExpectDecodedTo("TW-FU", "M");
}

TEST(Base64DecodeTest, DecodesNoMoreThanTheGivenLength) {
  const Decoded out = Decode("TWFuTWFu", 64, 6);
  EXPECT_EQ(out.length, 4);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.bytes.data())), "ManM");
  EXPECT_EQ(Decode("TWFu", 64, 0).length, 0);
  EXPECT_EQ(Decode("TWFu", 64, 0).bytes[0], 0);
}

TEST(Base64DecodeTest, BadFirstCharacterLeavesTheDestinationUntouched) {
  for (const char* source : {"=TWF", "\nTWFu", "", "-"}) {
    const Decoded out = Decode(source);
    EXPECT_EQ(out.length, 0) << source;
    EXPECT_EQ(out.bytes[0], Untouched) << source;
  }
}

// The download must know when the printer's text was not Base64 at all, or
// when bits were lost to a misplaced pad or a short last group.
TEST(Base64DecodeTest, TellsWhetherTheWholeSourceWasBase64) {
  const std::pair<const char*, bool> cases[] = {
      {"TWFu", true},       {"TQ==", true},  {"TWE", true},   {"", true},     {"TQ==TWFu", true},
      {"TWFu\nTWFu", false}, {"-", false},    {"=TWF", false}, {"T", false},   {"TWFuT", false},
      {"TQ=u", false},      {"T===", false},
  };
  for (const auto& [source, whole] : cases) {
    uint8_t bytes[16];
    uint16_t length = 0;
    EXPECT_EQ(Base64Decode(source, static_cast<int16_t>(std::strlen(source)), bytes, sizeof bytes, length), whole)
        << source;
  }
}

TEST(Base64DecodeTest, NeverWritesPastTheCapacity) {
  Decoded out = Decode("TWFuTWFu", 4);
  EXPECT_EQ(out.length, 3);
  EXPECT_EQ(std::memcmp(out.bytes.data(), "Man", 4), 0);  // with the zero byte
  EXPECT_EQ(out.bytes[4], Untouched);

  out = Decode("TWFu", 3);
  EXPECT_EQ(out.length, 2);
  EXPECT_EQ(std::memcmp(out.bytes.data(), "Ma", 3), 0);
  EXPECT_EQ(out.bytes[3], Untouched);

  out = Decode("TWFu", 1);
  EXPECT_EQ(out.length, 0);
  EXPECT_EQ(out.bytes[0], 0);
  EXPECT_EQ(out.bytes[1], Untouched);

  out = Decode("TWFu", 0);
  EXPECT_EQ(out.length, 0);
  EXPECT_EQ(out.bytes[0], Untouched);
}

}  // namespace
