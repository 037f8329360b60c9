#include <cstring>
#include <gtest/gtest.h>

#include "text/Cp932.h"
#include "text/FixedField.h"

using namespace quillora::text;

TEST(Cp932, RoundTripsJapaneseIncludingHalfWidthKatakana) {
    const std::string utf8 = "ﾗﾍﾞﾙ [外径120mm：内径30mm] ＭＳ Ｐ明朝";
    auto cp = Utf8ToCp932(utf8);
    ASSERT_TRUE(cp.has_value());
    EXPECT_EQ(cp->substr(0, 4), "\xd7\xcd\xde\xd9");  // half-width katakana are single bytes
    EXPECT_EQ(Cp932ToUtf8(*cp), utf8);
}

TEST(Cp932, AcceptsWhatLinuxInputMethodsTypeForWaveDashAndMinus) {
    // U+301C and U+2212 map one way onto the code page's wave dash and minus.
    auto cp = Utf8ToCp932("\u301c\u2212");
    ASSERT_TRUE(cp.has_value());
    EXPECT_EQ(*cp, "\x81\x60\x81\x7c");
}

TEST(Cp932, RefusesCharactersTheCodePageCannotHold) {
    EXPECT_FALSE(IsCp932Representable("emoji \U0001F600"));
    EXPECT_FALSE(IsCp932Representable("\xC3"));  // broken UTF-8
    EXPECT_TRUE(IsCp932Representable("plain ASCII"));
    EXPECT_FALSE(Utf8ToCp932("Ω€").has_value());  // the euro sign is not in the code page
}

TEST(Cp932, TolerantDecodingDropsALoneLeadByteLeftByACut) {
    std::string cut = *Utf8ToCp932("ab漢");
    cut.pop_back();  // keeps only the lead byte of the last character
    EXPECT_EQ(Cp932ToUtf8(cut), "ab");
    EXPECT_FALSE(Cp932ToUtf8Strict(cut).has_value());
    // Converters are reused: a cut that ended the last conversion must not reach the next one.
    EXPECT_EQ(Cp932ToUtf8Strict("\xbf"), "ｿ");
    EXPECT_EQ(Utf8ToCp932("\xE6\xBC"), std::nullopt);
    EXPECT_EQ(Utf8ToCp932("a"), "a");
    EXPECT_EQ(Cp932ToUtf8("a\xff" "b"), "a\xEF\xBF\xBD" "b");
}

TEST(Cp932, PathsFallBackToRawBytesWhenTheCodePageCannotHoldThem) {
    EXPECT_EQ(Utf8PathToStored("/tmp/ラベル.png"), *Utf8ToCp932("/tmp/ラベル.png"));
    const std::string odd = "/tmp/\U0001F600.png";
    EXPECT_EQ(Utf8PathToStored(odd), odd);
    EXPECT_EQ(StoredPathToUtf8(Utf8PathToStored(odd)), odd);
    EXPECT_EQ(StoredPathToUtf8(Utf8PathToStored("/tmp/ラベル.png")), "/tmp/ラベル.png");
}

TEST(FixedField, StoresCutAtTheLimitAndZeroFillsTheRest) {
    char field[10];
    std::memset(field, 'x', sizeof field);
    StoreField(field, "abcdefghijklmnop");
    EXPECT_EQ(FieldView(field), "abcdefghi");
    EXPECT_EQ(field[9], '\0');

    StoreField(field, "ab");
    EXPECT_EQ(FieldView(field), "ab");
    for (int i = 2; i < 10; ++i) EXPECT_EQ(field[i], '\0') << i;

    StoreField(field, "abcdef", 3);
    EXPECT_EQ(FieldView(field), "abc");
}

TEST(FixedField, ReadsAFieldWithoutTerminatorWithinItsBounds) {
    char field[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(FieldView(field), "abcd");
}
