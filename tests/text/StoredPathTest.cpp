// Stored paths back to the files they name, and file names turned into code page 932 names.
#include <gtest/gtest.h>

#include "TempDir.h"
#include "text/Cp932.h"
#include "text/StoredPath.h"
#include "text/Utf8.h"

using namespace quillora::text;

namespace {
std::string Touch(const TempDir& dir, const std::string& name) {
    WriteWholeFile(dir.File(name), "x");
    return dir.File(name);
}
}  // namespace

TEST(StoredPath, AUtf8NameThatAlsoDecodesAsCodePage932ResolvesToTheFileThatExists) {
    TempDir dir;
    const std::string cafe = Touch(dir, "café.png");
    const std::string stored = Utf8PathToStored(cafe);
    ASSERT_EQ(stored, cafe);  // é has no mapping: the UTF-8 bytes are stored
    // ...and those bytes are valid code page 932 too: "cafﾃｩ.png".
    ASSERT_EQ(Cp932ToUtf8Strict(stored), dir.File("cafﾃｩ.png"));
    EXPECT_EQ(ResolveStoredPath(stored), cafe);

    // Where both names exist, the code page 932 reading comes first.
    const std::string katakana = Touch(dir, "cafﾃｩ.png");
    EXPECT_EQ(ResolveStoredPath(stored), katakana);
}

TEST(StoredPath, BothStoredKindsOfEveryNameResolveToTheFileThatExists) {
    TempDir dir;
    for (const std::string name : {"ラベル画像.png", "öñç.png", "한국어사진.png", "\U0001F600.png", "plain.png"}) {
        SCOPED_TRACE(name);
        const std::string path = Touch(dir, name);
        const std::string stored = Utf8PathToStored(path);
        EXPECT_EQ(stored, Utf8ToCp932(path).value_or(path));
        EXPECT_EQ(ResolveStoredPath(stored), path);
    }
}

TEST(StoredPath, AMissingFileResolvesToTheCodePage932DecodingOrTheUtf8Bytes) {
    TempDir dir;
    EXPECT_EQ(ResolveStoredPath(Utf8PathToStored(dir.File("ラベル.png"))), dir.File("ラベル.png"));
    EXPECT_EQ(ResolveStoredPath(Utf8PathToStored(dir.File("café.png"))), dir.File("cafﾃｩ.png"));
    // "\x81" alone is no code page 932 text: the bytes stay as they are.
    EXPECT_EQ(ResolveStoredPath(dir.File("a\x81")), dir.File("a\x81"));
}

TEST(Utf8, ValidityRejectsBrokenOverlongAndSurrogateSequences) {
    EXPECT_TRUE(IsValidUtf8("café 한 \U0001F600"));
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_FALSE(IsValidUtf8("caf\xC3"));          // cut sequence
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\x83\x89"));         // code page 932 "ラ"
}

TEST(Cp932Name, CharactersWithoutAMappingBecomeOneQuestionMarkEach) {
    EXPECT_EQ(Cp932NameFromUtf8("café.png", 49), "caf?.png");
    EXPECT_EQ(Cp932NameFromUtf8("öñç", 49), "???");
    EXPECT_EQ(Cp932NameFromUtf8("한국어사진.png", 49), "?????.png");
    EXPECT_EQ(Cp932NameFromUtf8("a\U0001F600b", 49), "a?b");
    EXPECT_EQ(Cp932NameFromUtf8("a\xC3" "b\xA9", 49), "a?b?");  // broken UTF-8, byte by byte
    EXPECT_EQ(Cp932NameFromUtf8("ラベル ﾗﾍﾞﾙ", 49), *Utf8ToCp932("ラベル ﾗﾍﾞﾙ"));
}

TEST(Cp932Name, IsCutBeforeTheFirstCharacterThatDoesNotFitWhole) {
    EXPECT_EQ(Cp932NameFromUtf8("ラベル", 5), *Utf8ToCp932("ラベ"));
    EXPECT_EQ(Cp932NameFromUtf8("ラベル", 6), *Utf8ToCp932("ラベル"));
    EXPECT_EQ(Cp932NameFromUtf8("aﾗ漢", 2), *Utf8ToCp932("aﾗ"));
    EXPECT_EQ(Cp932NameFromUtf8("abc", 0), "");
    // Whatever comes in, the name decodes strictly: never a stray lead byte or raw UTF-8.
    const std::string name = Cp932NameFromUtf8(std::string(29, 'x') + "画像ファイル一覧café한국어\U0001F600", 49);
    EXPECT_LE(name.size(), 49u);
    EXPECT_TRUE(Cp932ToUtf8Strict(name).has_value());
    EXPECT_EQ(*Cp932ToUtf8Strict(name), std::string(29, 'x') + "画像ファイル一覧caf?");
}
