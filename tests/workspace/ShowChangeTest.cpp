// What the windows redraw after each kind of change, and the modified flag each kind sets.
#include <gtest/gtest.h>

#include "RecordingViews.h"
#include "document/LabelDocument.h"
#include "workspace/DocumentViews.h"

using namespace quillora;
using document::ChangeScope;

namespace {

struct Expected {
    ChangeScope scope;
    std::vector<std::string> redraws;
    bool modifies;
};

TEST(ShowChange, EachScopeRedrawsWhatShowsItInOrder) {
    const std::vector<Expected> table = {
        {ChangeScope::Stack, {"scrollbar", "layers:all", "document"}, true},
        {ChangeScope::Order, {"layers:reorder", "document"}, true},
        {ChangeScope::Layer, {"layers:selection", "document"}, true},
        {ChangeScope::Lamp, {"layers:lamps", "document"}, false},
        {ChangeScope::List, {"document"}, true},
        {ChangeScope::Background, {"document"}, true},
        {ChangeScope::PrintSettings, {}, false},
        {ChangeScope::Whole, {"scrollbar", "layers:all", "document", "tool"}, true},
    };
    for (const Expected& row : table) {
        RecordingViews views;
        document::LabelDocument doc;
        doc.changeObserver = [&views](ChangeScope scope) { workspace::ShowChange(views, scope); };
        std::vector<bool> recorded;
        doc.editObserver = [&](const std::string&, bool modifies) {
            recorded.push_back(modifies);
            EXPECT_TRUE(views.calls.empty()) << "the history records before the windows redraw";
        };
        doc.CommitEdit("step", row.scope);
        EXPECT_EQ(views.calls, row.redraws) << static_cast<int>(row.scope);
        EXPECT_EQ(doc.documentModified, row.modifies) << static_cast<int>(row.scope);
        EXPECT_EQ(recorded, std::vector<bool>{row.modifies});
    }
}

TEST(ShowChange, AnAnnouncedChangeIsNoStepAndTheGridOnlyRepaints) {
    RecordingViews views;
    document::LabelDocument doc;
    doc.changeObserver = [&views](ChangeScope scope) { workspace::ShowChange(views, scope); };
    int steps = 0;
    doc.editObserver = [&steps](const std::string&, bool) { ++steps; };
    doc.AnnounceChange(ChangeScope::Grid);
    EXPECT_EQ(views.calls, std::vector<std::string>{"repaint"});
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(doc.documentModified);
}

}  // namespace
