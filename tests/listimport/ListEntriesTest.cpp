// Entries into the list: slots, spacing, the 50-entry limit and the code page 932 texts.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>

#include "document/LabelDocument.h"
#include "listimport/EntryText.h"
#include "listimport/ImportNotice.h"
#include "listimport/ListEntries.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

using namespace quillora;
using listimport::ApplyEntries;
using listimport::ToEntryText;

namespace {

std::unique_ptr<document::LabelDocument> ListWithOldEntries() {
    auto doc = std::make_unique<document::LabelDocument>();
    doc->list.addZero = 1;
    text::StoreField(doc->list.numberSeparator, ")");
    doc->RenumberListEntries();
    for (int slot = 0; slot < document::kListEntries; ++slot) {
        text::StoreField(doc->list.entryText[slot], "old " + std::to_string(slot));
        text::StoreField(doc->list.entryEditText[slot], "old edit " + std::to_string(slot));
        doc->list.entrySpacing[slot] = 40 + slot;
    }
    doc->list.defaultSpacing = 7;
    return doc;
}

std::string TextAt(const document::ListBlock& list, int slot) {
    return text::Cp932ToUtf8(text::FieldView(list.entryText[slot]));
}

}  // namespace

TEST(ApplyEntries, ReplacesTheListFromTheFirstSlotAndLeavesTheNumbersAlone) {
    auto doc = ListWithOldEntries();
    const document::ListBlock before = doc->list;
    const auto result = ApplyEntries(doc->list, {"One", "", "夜明けの歌", "Three"});

    EXPECT_EQ(result.entriesSet, 3);
    EXPECT_EQ(result.leftOut, 0);
    EXPECT_FALSE(result.charactersReplaced);
    EXPECT_FALSE(result.textsCut);
    EXPECT_EQ(TextAt(doc->list, 0), "One");
    EXPECT_EQ(TextAt(doc->list, 1), "夜明けの歌");  // an empty entry would have ended the list
    EXPECT_EQ(TextAt(doc->list, 2), "Three");
    EXPECT_EQ(doc->ListEntryCount(), 3);
    for (int slot = 0; slot < document::kListEntries; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(text::FieldView(doc->list.entryEditText[slot]), text::FieldView(doc->list.entryText[slot]));
        if (slot >= 3) {
            EXPECT_EQ(text::FieldView(doc->list.entryText[slot]), "");
        }
        EXPECT_EQ(doc->list.entrySpacing[slot], 7);
        EXPECT_EQ(std::memcmp(doc->list.entryNumber[slot], before.entryNumber[slot], 10), 0);
    }
    EXPECT_EQ(text::FieldView(doc->list.entryNumber[0]), "01)");
    // Nothing past the entries changes: settings and the rest of the block stay as they were.
    EXPECT_EQ(std::memcmp(&doc->list.printNumbers, &before.printNumbers,
                          sizeof(document::ListBlock) - offsetof(document::ListBlock, printNumbers)),
              0);
}

TEST(ApplyEntries, KeepsTheFirstFiftyOfSixtyAndCountsTheRest) {
    auto doc = ListWithOldEntries();
    std::vector<std::string> tracks;
    for (int i = 1; i <= 60; ++i) tracks.push_back("Track " + std::to_string(i));
    const auto result = ApplyEntries(doc->list, tracks);
    EXPECT_EQ(result.entriesSet, 50);
    EXPECT_EQ(result.leftOut, 10);
    EXPECT_EQ(TextAt(doc->list, 0), "Track 1");
    EXPECT_EQ(TextAt(doc->list, 49), "Track 50");

    const std::string notice = listimport::ImportNotice(result);
    EXPECT_NE(notice.find("残りの10件"), std::string::npos) << notice;
    EXPECT_EQ(listimport::ImportNotice(ApplyEntries(doc->list, {"a"})), "");
}

TEST(EntryText, CutsLongTitlesAt255BytesWithoutSplittingADoubleByteCharacter) {
    const auto ascii = ToEntryText(std::string(300, 'x'));
    EXPECT_EQ(ascii.cp932, std::string(255, 'x'));
    EXPECT_TRUE(ascii.cut);

    std::string kana;  // 150 double-byte characters: 300 bytes
    for (int i = 0; i < 150; ++i) kana += "あ";
    const auto wide = ToEntryText(kana);
    EXPECT_EQ(wide.cp932.size(), 254u);
    EXPECT_EQ(text::Cp932ToUtf8Strict(wide.cp932), kana.substr(0, 127 * 3));

    const auto odd = ToEntryText("x" + kana);  // the 255th byte ends a character
    EXPECT_EQ(odd.cp932.size(), 255u);
    EXPECT_EQ(ToEntryText(std::string(255, 'y')).cut, false);

    std::string halfWidth;  // single-byte katakana count one byte each
    for (int i = 0; i < 300; ++i) halfWidth += "ｶ";
    EXPECT_EQ(ToEntryText(halfWidth).cp932, std::string(255, '\xB6'));

    auto doc = ListWithOldEntries();
    const auto result = ApplyEntries(doc->list, {kana});
    EXPECT_TRUE(result.textsCut);
    EXPECT_EQ(text::FieldView(doc->list.entryText[0]).size(), 254u);
    EXPECT_NE(listimport::ImportNotice(result).find("切り詰め"), std::string::npos);
}

TEST(EntryText, AccentsAreDroppedAndOtherMissingCharactersBecomeQuestionMarks) {
    const auto accents = ToEntryText("Éléonore Ñandú Çà Ödön ǘ Việt Nam");
    EXPECT_EQ(accents.cp932, "Eleonore Nandu Ca Odon u Viet Nam");
    EXPECT_TRUE(accents.charactersReplaced);
    // Decomposed file names carry the accent as a separate combining mark.
    EXPECT_EQ(ToEntryText("Cafe\xCC\x81 Noe\xCC\x88l").cp932, "Cafe Noel");

    const auto other = ToEntryText("ø ß € 😀 \xFF");
    EXPECT_EQ(other.cp932, "? ? ? ? ?");
    EXPECT_TRUE(other.charactersReplaced);

    // What the code page does hold stays, Greek, symbols and Japanese alike, alongside replacements.
    const auto mixed = ToEntryText("é × Ω ±° 表");
    EXPECT_EQ(text::Cp932ToUtf8(mixed.cp932), "e × Ω ±° 表");
    const auto plain = ToEntryText("× Ω ±° 表 ｶﾅ");
    EXPECT_FALSE(plain.charactersReplaced);
    EXPECT_EQ(text::Cp932ToUtf8(plain.cp932), "× Ω ±° 表 ｶﾅ");

    auto doc = ListWithOldEntries();
    const auto result = ApplyEntries(doc->list, {"fine", "Beyoncé"});
    EXPECT_TRUE(result.charactersReplaced);
    EXPECT_EQ(TextAt(doc->list, 1), "Beyonce");
    EXPECT_NE(listimport::ImportNotice(result).find("置き換えました"), std::string::npos);
}

TEST(EntryText, AnEntryIsAlwaysOneLine) {
    EXPECT_EQ(ToEntryText("a\r\nb\tc\nd").cp932, "a  b c d");
    EXPECT_EQ(ToEntryText(std::string("nul\0inside\x7F", 11)).cp932, "nul inside ");
}
