#include <climits>
#include <cstring>
#include <optional>
#include <gtest/gtest.h>

#include "document/LabelDocument.h"
#include "document/ListLayoutStyle.h"
#include "text/FixedField.h"

using namespace quillora::document;
using quillora::text::FieldView;
using quillora::text::StoreField;

namespace {

LabelDocument NewDocument() {
    LabelDocument doc;
    doc.header.outerDiameter = 120;
    doc.header.innerDiameter = 30;
    doc.Create({0x123456, 0x654321, 1});
    return doc;
}

// Adds a text layer the way a confirmed new-layer dialog does; returns its slot.
int AddTextLayer(LabelDocument& doc) {
    int slot = doc.FindFreeSlot();
    doc.layers[slot].kind = LayerKind::Text;
    doc.layers[slot].visible = 1;
    doc.InsertAtSelection(slot);
    return slot;
}

}  // namespace

TEST(LabelDocument, NewDocumentHasListOnTopOfBackground) {
    LabelDocument doc = NewDocument();
    EXPECT_TRUE(doc.documentOpen);
    EXPECT_FALSE(doc.documentModified);
    EXPECT_EQ(doc.state.isOpen, 1);
    EXPECT_EQ(doc.state.outerMm, 120);
    EXPECT_EQ(doc.state.innerPx, 90);
    EXPECT_EQ(doc.state.outerPx, 360);
    EXPECT_EQ(doc.state.backColor, 0x123456u);
    EXPECT_EQ(doc.state.lineColor, 0x654321u);
    EXPECT_EQ(doc.state.layerCount, 2);
    EXPECT_EQ(doc.state.selectedPos, 1);
    EXPECT_EQ(doc.KindAt(0), LayerKind::List);
    EXPECT_EQ(doc.KindAt(1), LayerKind::Background);
    EXPECT_EQ(FieldView(doc.layers[0].name), "\x83\x8a\x83\x58\x83\x67");
    EXPECT_EQ(FieldView(doc.layers[1].name), "\x94\x77\x8c\x69");
}

TEST(LabelDocument, FirstLayerGoesIntoSlotTwoBetweenListAndBackground) {
    LabelDocument doc = NewDocument();
    int slot = AddTextLayer(doc);
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(doc.state.layerCount, 3);
    EXPECT_EQ(doc.state.selectedPos, 1);
    EXPECT_EQ(doc.SlotAt(0), 0);
    EXPECT_EQ(doc.SlotAt(1), 2);
    EXPECT_EQ(doc.SlotAt(2), 1);
}

TEST(LabelDocument, FreedSlotsAreReusedLowestFirst) {
    LabelDocument doc = NewDocument();
    AddTextLayer(doc);  // slot 2
    AddTextLayer(doc);  // slot 3, above slot 2
    AddTextLayer(doc);  // slot 4
    // Order now: list, 4, 3, 2, background.
    ASSERT_EQ(doc.SlotAt(3), 2);
    doc.FreeSlotAt(3);
    EXPECT_EQ(doc.layers[2].kind, LayerKind::Free);
    EXPECT_EQ(doc.state.layerCount, 4);
    EXPECT_EQ(doc.SlotAt(3), 1);
    doc.state.selectedPos = 0;
    EXPECT_EQ(AddTextLayer(doc), 2);
    EXPECT_EQ(doc.SlotAt(0), 2);
}

TEST(LabelDocument, FiftyPositionsAreTheLimit) {
    LabelDocument doc = NewDocument();
    while (doc.state.layerCount < 49) AddTextLayer(doc);
    EXPECT_TRUE(doc.CanAddLayer());
    AddTextLayer(doc);
    EXPECT_EQ(doc.state.layerCount, 50);
    EXPECT_FALSE(doc.CanAddLayer());
    EXPECT_EQ(doc.FindFreeSlot(), -1);
    EXPECT_EQ(doc.CopyLayerRecord(1), -1);
    EXPECT_EQ(doc.KindAt(49), LayerKind::Background);
}

TEST(LabelDocument, DeletingAdjustsTheScrollPositionButNotTheSelection) {
    LabelDocument doc = NewDocument();
    for (int i = 0; i < 12; ++i) AddTextLayer(doc);
    doc.state.firstVisiblePos = 2;
    doc.state.selectedPos = 5;
    doc.FreeSlotAt(5);
    EXPECT_EQ(doc.state.firstVisiblePos, 1);
    EXPECT_EQ(doc.state.selectedPos, 5);
    doc.state.firstVisiblePos = 0;
    doc.FreeSlotAt(5);
    EXPECT_EQ(doc.state.firstVisiblePos, 0);
}

TEST(LabelDocument, MovesStopAtTheTopAndAboveTheBackground) {
    LabelDocument doc = NewDocument();
    AddTextLayer(doc);  // order: list, text, background
    EXPECT_FALSE(doc.CanMove(0, MoveDirection::Up));
    EXPECT_TRUE(doc.CanMove(0, MoveDirection::Down));  // the list moves like any layer
    EXPECT_FALSE(doc.CanMove(1, MoveDirection::Down));  // directly above the background
    EXPECT_FALSE(doc.CanMove(2, MoveDirection::Up));    // the background itself
    EXPECT_FALSE(doc.MoveLayer(2, MoveDirection::Up));

    doc.state.selectedPos = 1;
    EXPECT_TRUE(doc.MoveLayer(1, MoveDirection::Up));
    EXPECT_EQ(doc.KindAt(0), LayerKind::Text);
    EXPECT_EQ(doc.KindAt(1), LayerKind::List);
    EXPECT_EQ(doc.state.selectedPos, 0);
}

TEST(LabelDocument, CopyLandsAboveItsSourceWithTheSameValues) {
    LabelDocument doc = NewDocument();
    int source = AddTextLayer(doc);
    doc.layers[source].visible = 0;
    StoreField(doc.layers[source].name, "hidden");
    int copy = doc.CopyLayerRecord(1);
    ASSERT_EQ(copy, 3);
    EXPECT_EQ(doc.SlotAt(1), copy);
    EXPECT_EQ(doc.SlotAt(2), source);
    EXPECT_EQ(std::memcmp(&doc.layers[copy], &doc.layers[source], sizeof(LayerRecord)), 0);
    EXPECT_EQ(doc.CopyLayerRecord(0), -1);  // the list layer cannot be copied
    EXPECT_EQ(doc.CopyLayerRecord(3), -1);  // nor the background
}

TEST(LabelDocument, ResetFreesEverySlotAndKeepsHeaderAndListSettings) {
    LabelDocument doc = NewDocument();
    for (int i = 0; i < 20; ++i) AddTextLayer(doc);
    doc.pictures[5] = std::make_unique<Picture>();
    doc.list.defaultSpacing = 4;
    StoreField(doc.list.entryText[0], "Track");
    doc.list.entrySpacing[0] = 9;
    doc.currentFileName = "/tmp/x.qlr";
    doc.Reset();
    EXPECT_FALSE(doc.documentOpen);
    EXPECT_EQ(doc.state.layerCount, 0);
    EXPECT_EQ(doc.currentFileName, "");
    EXPECT_EQ(doc.pictures[5], nullptr);
    EXPECT_EQ(doc.list.entryText[0][0], '\0');
    EXPECT_EQ(doc.list.entrySpacing[0], 4);
    EXPECT_EQ(doc.header.outerDiameter, 120);
    doc.Create({});
    for (int slot = 2; slot < kMaxLayers; ++slot) EXPECT_EQ(doc.layers[slot].kind, LayerKind::Free) << slot;
}

TEST(LabelDocument, RenumberingPadsOneToNineAndNeverSpillsIntoTheNextEntry) {
    LabelDocument doc;
    doc.list.addZero = 1;
    StoreField(doc.list.numberSeparator, ".");
    doc.RenumberListEntries();
    EXPECT_EQ(FieldView(doc.list.entryNumber[8]), "09.");
    EXPECT_EQ(FieldView(doc.list.entryNumber[9]), "10.");
    doc.list.addZero = 0;
    doc.RenumberListEntries();
    EXPECT_EQ(FieldView(doc.list.entryNumber[0]), "1.");

    StoreField(doc.list.numberSeparator, "123456789");  // nine bytes: "10" + 9 would need 12
    doc.RenumberListEntries();
    EXPECT_EQ(FieldView(doc.list.entryNumber[9]), "101234567");
    EXPECT_EQ(doc.list.entryNumber[9][9], '\0');
    EXPECT_EQ(FieldView(doc.list.entryNumber[10]), "111234567");
}

TEST(LabelDocument, LayerNamesAreCutAtFortyNineBytesEvenInsideACharacter) {
    LayerRecord layer{};
    std::string text(48, 'a');
    text += "\x8a\xbf";  // a double-byte character straddling byte 49
    SetLayerName(layer, text.data(), text.size());
    EXPECT_EQ(FieldView(layer.name).size(), 49u);
    EXPECT_EQ(static_cast<unsigned char>(layer.name[48]), 0x8a);
    EXPECT_EQ(layer.name[49], '\0');
}

TEST(LabelDocument, OutOfRangeStoredValuesAreUsedSafely) {
    LabelDocument doc = NewDocument();
    doc.state.layerCount = 1000;
    EXPECT_EQ(doc.SafeLayerCount(), 50);
    doc.order[7] = 99;
    EXPECT_EQ(doc.SlotAt(7), -1);
    EXPECT_EQ(doc.LayerAt(7), nullptr);
    EXPECT_EQ(doc.KindAt(7), LayerKind::Free);
    EXPECT_FALSE(doc.CanAddLayer());
    EXPECT_FALSE(doc.MoveLayer(7, MoveDirection::Up));
    doc.FreeSlotAt(7);  // nothing to free, nothing touched
    EXPECT_EQ(doc.state.layerCount, 1000);

    doc.state.layerCount = -3;
    EXPECT_EQ(doc.SafeLayerCount(), 0);
    EXPECT_EQ(doc.SafeSelectedPos(), -1);
    EXPECT_EQ(doc.SlotAt(0), -1);

    doc.state.layerCount = 2;
    doc.state.selectedPos = -7;
    EXPECT_EQ(doc.SafeSelectedPos(), 0);
    int slot = doc.FindFreeSlot();
    doc.layers[slot].kind = LayerKind::Text;
    doc.InsertAtSelection(slot);  // inserted at position 0, not before the array
    EXPECT_EQ(doc.SlotAt(0), slot);
    EXPECT_EQ(doc.state.layerCount, 3);

    doc.state.selectedPos = 40;  // beyond the used positions
    slot = doc.FindFreeSlot();
    doc.layers[slot].kind = LayerKind::Text;
    doc.InsertAtSelection(slot);
    EXPECT_EQ(doc.SlotAt(2), slot);
    EXPECT_EQ(doc.KindAt(3), LayerKind::Background);

    doc.state.outerMm = 0;
    EXPECT_EQ(doc.SafeOuterMm(), 1);
    doc.state.outerMm = 2147483647;
    EXPECT_EQ(doc.SafeOuterMm(), 300);
}

TEST(ListLayoutStyleTest, OnlyTheThreeStoredStylesAreKnown) {
    using quillora::document::ListLayoutStyle;
    const std::pair<std::int32_t, std::optional<ListLayoutStyle>> table[] = {
        {-1, std::nullopt}, {0, ListLayoutStyle::LeftAligned}, {1, ListLayoutStyle::AlongCircle},
        {2, ListLayoutStyle::TwoColumns}, {3, std::nullopt}, {INT32_MIN, std::nullopt}};
    for (const auto& [stored, known] : table) EXPECT_EQ(quillora::document::KnownListLayoutStyle(stored), known) << stored;
}
