#include "commands/CommandRegistry.h"

#include <QAction>
#include <QKeySequence>

#include "commands/FrameMenu.h"

namespace quillora::commands {

CommandRegistry::CommandRegistry(QObject* parent) : QObject(parent) {}

CommandRegistry::~CommandRegistry() = default;

// Actions are made on first use: the rules work before any QGuiApplication exists.
QAction* CommandRegistry::Action(CommandId id) {
    Entry& entry = entries_[id];
    if (entry.action) return entry.action;
    entry.action = new QAction(this);
    entry.action->setObjectName(QStringLiteral("cmd%1").arg(static_cast<int>(id)));
    if (const MenuItem* item = FindMenuItem(id)) {
        entry.action->setText(MenuCaption(*item));
        entry.action->setCheckable(item->checkable);
        if (item->key) {
            entry.action->setShortcut(QKeySequence(item->key));
            // The frame translates its accelerators for every window of the program.
            entry.action->setShortcutContext(Qt::ApplicationShortcut);
        }
    }
    connect(entry.action, &QAction::triggered, this, [this, id] { RunIgnoringRule(id); });
    entry.action->setEnabled(IsEnabled(id));
    return entry.action;
}

void CommandRegistry::Define(CommandId id, Code code, Rule enabled, Rule checked) {
    Entry& entry = entries_[id];
    entry.code = std::move(code);
    entry.enabled = std::move(enabled);
    entry.checked = std::move(checked);
}

bool CommandRegistry::IsEnabled(CommandId id) const {
    const auto found = entries_.find(id);
    if (found == entries_.end() || !found->second.code) return false;
    return !found->second.enabled || found->second.enabled();
}

void CommandRegistry::DefinePointProposal(CommandId id, PointProposal propose) {
    entries_[id].propose = std::move(propose);
}

void CommandRegistry::RunIfEnabled(CommandId id) {
    if (IsEnabled(id)) RunIgnoringRule(id);
}

void CommandRegistry::RunAtPointIfEnabled(CommandId id, int xMm, int yMm) {
    const auto found = entries_.find(id);
    if (found != entries_.end() && found->second.propose) found->second.propose(xMm, yMm);
    RunIfEnabled(id);
}

void CommandRegistry::RunIgnoringRule(CommandId id) {
    const auto found = entries_.find(id);
    if (found == entries_.end() || !found->second.code) return;
    found->second.code();
    UpdateStates();
}

void CommandRegistry::UpdateStates() {
    for (auto& [id, entry] : entries_) {
        if (!entry.action) continue;
        entry.action->setEnabled(IsEnabled(id));
        if (entry.action->isCheckable()) entry.action->setChecked(entry.checked && entry.checked());
    }
    emit statesChanged();
}

}  // namespace quillora::commands
