// Undo and redo: greyed without a document, while an editing dialog is open and when the history
// has no step that way; their captions name that step.
#include <QAction>
#include <QKeySequence>
#include <QList>

#include "app/Application.h"
#include "commands/FrameMenu.h"

namespace quillora::app {

namespace {

// "元に戻す(&U)：ﾚｲﾔｰ削除" and the key after a tab, as the table's captions have it.
QString StepCaption(commands::CommandId id, const QString& step) {
    const commands::MenuItem* item = commands::FindMenuItem(id);
    QString caption = QString::fromUtf8(item->caption);
    if (!step.isEmpty()) caption += QStringLiteral("：") + step;
    if (item->shortcutText) caption += QLatin1Char('\t') + QString::fromUtf8(item->shortcutText);
    return caption;
}

}  // namespace

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
        c.Action(CommandId::Undo)->setText(StepCaption(CommandId::Undo, history.UndoStep()));
        c.Action(CommandId::Redo)->setText(StepCaption(CommandId::Redo, history.RedoStep()));
    });
}

}  // namespace quillora::app
