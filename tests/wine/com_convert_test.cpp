// The conversions between COM values and the core's values.
#include <gtest/gtest.h>

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
