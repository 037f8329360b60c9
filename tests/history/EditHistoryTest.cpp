// The history over a bare document: what undo and redo put back, the redo steps a new step drops,
// the modified flag against the saved state, and the bound on steps and memory.
#include <gtest/gtest.h>

#include <cstring>

#include "document/LabelDocument.h"
#include "document/TextArc.h"
#include "history/EditHistory.h"
#include "history/LabelState.h"

using namespace quillora;

namespace {

class EditHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.header.outerDiameter = 120;
        doc.header.innerDiameter = 30;
        doc.Create({});
        history.Restart();
        doc.changeObserver = [this](document::ChangeScope scope) { announced.push_back(scope); };
    }

    // A text layer added at the selection, the way a new layer is.
    int AddLayer(const char* step) {
        const int slot = doc.FindFreeSlot();
        doc.layers[slot].kind = document::LayerKind::Text;
        doc.layers[slot].visible = 1;
        document::SetLayerName(doc.layers[slot], step, std::strlen(step));
        doc.InsertAtSelection(slot);
        doc.CommitEdit(step, document::ChangeScope::Stack);
        return slot;
    }

    void ToggleLamp(int slot) {
        doc.layers[slot].visible ^= 1;
        doc.CommitEdit("lamp", document::ChangeScope::Lamp);
    }

    document::LabelDocument doc;
    std::vector<document::ChangeScope> announced;
    history::EditHistory history{doc};
};

bool SameRecords(const history::LabelState& a, const document::LabelDocument& b) {
    return std::memcmp(&a.state, &b.state, sizeof a.state) == 0 && std::memcmp(&a.list, &b.list, sizeof a.list) == 0 &&
           std::memcmp(&a.order, &b.order, sizeof a.order) == 0 &&
           std::memcmp(&a.layers, &b.layers, sizeof a.layers) == 0 &&
           std::memcmp(&a.header, &b.header, sizeof a.header) == 0 && a.pictures == b.pictures;
}

TEST_F(EditHistoryTest, UndoAndRedoPutBackRecordsSelectionScrollAndPictures) {
    const auto opened = history::CaptureState(doc);
    const int first = AddLayer("one");
    const auto afterOne = history::CaptureState(doc);
    doc.state.selectedPos = 2;
    doc.pictures[first] = std::make_shared<document::Picture>();
    doc.state.firstVisiblePos = 1;
    doc.list.lineGap = 9;
    doc.header.marginTop = 7;
    AddLayer("two");
    const auto afterTwo = history::CaptureState(doc);
    EXPECT_EQ(history.UndoStep(), QStringLiteral("two"));
    announced.clear();

    history.Undo();
    EXPECT_TRUE(SameRecords(*afterOne, doc));
    EXPECT_EQ(doc.state.layerCount, 3);
    EXPECT_EQ(doc.state.selectedPos, afterOne->state.selectedPos);
    EXPECT_EQ(doc.state.firstVisiblePos, 0);  // the scroll as the step "one" left it
    EXPECT_EQ(doc.list.lineGap, 0);
    EXPECT_EQ(doc.header.marginTop, 0);
    EXPECT_EQ(doc.pictures[first], nullptr);
    EXPECT_EQ(announced, std::vector<document::ChangeScope>{document::ChangeScope::Whole});
    EXPECT_EQ(history.UndoStep(), QStringLiteral("one"));
    EXPECT_EQ(history.RedoStep(), QStringLiteral("two"));

    history.Undo();
    EXPECT_TRUE(SameRecords(*opened, doc));
    EXPECT_FALSE(history.CanUndo());

    history.Redo();
    history.Redo();
    EXPECT_TRUE(SameRecords(*afterTwo, doc));
    ASSERT_NE(doc.pictures[first], nullptr);
    EXPECT_FALSE(history.CanRedo());

    // Bytes that once were reserved count like any field: an arc alone is a step.
    document::WriteArc(doc.layers[first], {1, 570, 0, 0, 0});
    doc.CommitEdit("arc", document::ChangeScope::Layer);
    EXPECT_EQ(history.UndoStep(), QStringLiteral("arc"));
    history.Undo();
    EXPECT_FALSE(document::ReadArc(doc.layers[first]).has_value());
}

// The selection and scroll move without steps: undo puts back where they stood just before the step.
TEST_F(EditHistoryTest, UndoPutsTheLayerWindowWhereItStoodBeforeTheStep) {
    AddLayer("one");
    AddLayer("two");
    doc.state.selectedPos = 2;
    doc.state.firstVisiblePos = 1;
    doc.CommitViewMove();
    doc.MoveLayer(2, document::MoveDirection::Up);
    doc.CommitEdit("move", document::ChangeScope::Order);
    const int selectedAfterMove = doc.state.selectedPos;
    doc.state.selectedPos = 3;  // not reported: nothing notices it
    history.Undo();
    EXPECT_EQ(doc.state.selectedPos, 2);
    EXPECT_EQ(doc.state.firstVisiblePos, 1);
    history.Redo();
    EXPECT_EQ(doc.state.selectedPos, selectedAfterMove);
    history.Undo();
    history.Undo();  // the view as the step "two" found it
    EXPECT_EQ(doc.state.firstVisiblePos, 0);
}

// What the label window moves by itself is no step, and undo leaves it where the window has it.
TEST_F(EditHistoryTest, AnEditThatChangesNothingMakesNoStepAndUndoKeepsTheWindowsPlace) {
    doc.CommitEdit("nothing", document::ChangeScope::List);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(doc.documentModified);
    doc.state.viewOriginX = 60;  // the window took its size after the label was made
    doc.state.scrollY = 12;
    doc.CommitEdit("nothing", document::ChangeScope::Background);
    EXPECT_FALSE(history.CanUndo());
    doc.state.borderLine ^= 1;
    doc.CommitEdit("border", document::ChangeScope::Background);
    EXPECT_TRUE(doc.documentModified);
    history.Undo();
    EXPECT_EQ(doc.state.viewOriginX, 60);
    EXPECT_EQ(doc.state.scrollY, 12);
    EXPECT_FALSE(doc.documentModified);
}

TEST_F(EditHistoryTest, ANewStepAfterUndoDropsTheRedoStepsAndStartsFromTheUndoneState) {
    AddLayer("one");
    AddLayer("two");
    history.Undo();
    ASSERT_TRUE(history.CanRedo());
    const int slot = AddLayer("three");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepCount(), 2);
    history.Undo();
    EXPECT_EQ(doc.state.layerCount, 3);
    EXPECT_EQ(doc.layers[slot].kind, document::LayerKind::Free);
    EXPECT_EQ(history.UndoStep(), QStringLiteral("one"));
}

TEST_F(EditHistoryTest, ModifiedFlagFollowsTheSavedState) {
    AddLayer("one");
    history.MarkSaved();
    doc.documentModified = false;
    AddLayer("two");
    EXPECT_TRUE(doc.documentModified);

    history.Undo();  // back at the saved state
    EXPECT_FALSE(doc.documentModified);
    history.Undo();  // before it
    EXPECT_TRUE(doc.documentModified);
    history.Redo();
    EXPECT_FALSE(doc.documentModified);
    history.Redo();
    EXPECT_TRUE(doc.documentModified);

    // A lamp alone never asks for a save, so only the modifying steps count.
    history.Undo();
    ToggleLamp(0);
    EXPECT_FALSE(doc.documentModified);
    EXPECT_FALSE(history.CanRedo());
    history.Undo();
    EXPECT_FALSE(doc.documentModified);
    history.Redo();
    EXPECT_FALSE(doc.documentModified);

    // The saved state dropped with the redo steps: nothing is the saved state any more.
    history.Undo();
    history.Undo();
    AddLayer("three");
    history.Undo();
    EXPECT_TRUE(doc.documentModified);
}

TEST_F(EditHistoryTest, RestartEmptiesTheHistoryAndTakesTheLabelAsItIs) {
    AddLayer("one");
    AddLayer("two");
    history.Undo();
    doc.Reset();
    history.Restart();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepCount(), 0);
    doc.Create({});
    history.Restart();
    AddLayer("three");
    history.Undo();
    EXPECT_EQ(doc.state.layerCount, 2);  // the new label, not anything before the restart
    EXPECT_FALSE(doc.documentModified);
}

TEST_F(EditHistoryTest, KeepsTheLastHundredStepsInOneStateEachWithPicturesShared) {
    auto picture = std::make_shared<document::Picture>();
    picture->width = 4000;
    picture->height = 3000;
    picture->bits.resize(document::Picture::RowBytes(4000) * 3000);
    doc.pictures[5] = picture;
    history.Restart();
    for (int i = 0; i < 150; ++i) ToggleLamp(0);
    EXPECT_EQ(history.StepCount(), history::EditHistory::kStepLimit);
    int undone = 0;
    while (history.CanUndo()) {
        history.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    // 150 toggles, 100 of them taken back: the lamp as the fiftieth toggle left it.
    EXPECT_EQ(doc.layers[0].visible, 1);

    // One state per step plus the first; the picture held by all, copied by none.
    EXPECT_EQ(history.StateBytes(), 101 * sizeof(history::LabelState));
    EXPECT_EQ(doc.pictures[5], picture);
    EXPECT_GE(picture.use_count(), 101);
}

}  // namespace
