// The conversions between COM values and the core's values.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "serviceobject/com/com_convert.h"

namespace lumero::com {
namespace {

TEST(ComConvert, NullAndEmptyBstrAreEmptyText) {
  EXPECT_EQ(ToText(nullptr), "");
  BSTR empty = SysAllocString(L"");
  EXPECT_EQ(ToText(empty), "");
  SysFreeString(empty);
}

TEST(ComConvert, CyrillicCrossesAsCodePage1251) {
  BSTR wide = SysAllocString(L"Привіт");
  EXPECT_EQ(ToText(wide), "\xCF\xF0\xE8\xE2\xB3\xF2");
  SysFreeString(wide);
  BSTR back = ToBstr("\xCF\xF0\xE8\xE2\xB3\xF2");
  EXPECT_STREQ(back, L"Привіт");
  EXPECT_EQ(SysStringLen(back), 6u);
  SysFreeString(back);
}

TEST(ComConvert, TextTakesTheBstrsWholeLength) {
  BSTR text = SysAllocStringLen(L"a\0b", 3);
  EXPECT_EQ(ToText(text), std::string("a\0b", 3));
  SysFreeString(text);
}

// 2^53 + 1 has no double: a way through floating point would lose the 1.
TEST(ComConvert, CurrencyIsTenThousandthsExactly) {
  CURRENCY amount{};
  ASSERT_EQ(VarCyFromStr(const_cast<OLECHAR*>(L"12.3456"), 0x409, 0, &amount), S_OK);
  EXPECT_EQ(ToAmount(amount), 123456);
  for (const int64_t value : {int64_t{-1}, int64_t{9007199254740993}, INT64_MAX, INT64_MIN}) {
    amount.int64 = value;
    EXPECT_EQ(ToAmount(amount), value);
  }
}

TEST(ComConvert, EmptyTextIsAnEmptyBstrNotNull) {
  BSTR text = ToBstr("");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 0u);
  SysFreeString(text);
}

TEST(ComConvert, AnyNonZeroVariantBoolIsTrue) {
  EXPECT_TRUE(ToBool(VARIANT_TRUE));
  EXPECT_TRUE(ToBool(1));
  EXPECT_FALSE(ToBool(VARIANT_FALSE));
  EXPECT_EQ(ToVariantBool(true), VARIANT_TRUE);
  EXPECT_EQ(ToVariantBool(false), VARIANT_FALSE);
}

}  // namespace
}  // namespace lumero::com
