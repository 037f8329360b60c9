// Undo and redo: greyed without a document, while an editing dialog is open and when the history
// has no step that way; their captions name that step.
#include <QAction>
#include <QKeySequence>
#include <QList>

#include "app/Application.h"
#include "commands/FrameMenu.h"

namespace quillora::app {

void Application::DefineEditCommands() {
    using commands::CommandId;
    commands::CommandRegistry& c = commands_;
    history::EditHistory& history = *history_;
    const auto usable = [this] { return doc_.documentOpen && !flags_.Any(); };
    c.Define(CommandId::Undo, [&history] { history.Undo(); }, [usable, &history] { return usable() && history.CanUndo(); });
    c.Define(CommandId::Redo, [&history] { history.Redo(); }, [usable, &history] { return usable() && history.CanRedo(); });
    c.Action(CommandId::Redo)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(&c, &commands::CommandRegistry::statesChanged, this, [this, &c, &history] {
        c.Action(CommandId::Undo)->setText(commands::MenuCaption(*commands::FindMenuItem(CommandId::Undo), history.UndoStep()));
        c.Action(CommandId::Redo)->setText(commands::MenuCaption(*commands::FindMenuItem(CommandId::Redo), history.RedoStep()));
    });
}

}  // namespace quillora::app
