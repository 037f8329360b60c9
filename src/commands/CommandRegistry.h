#pragma once
// Each command exists once here: one QAction that carries its caption and shortcut, the rule
// that says whether it can run now, and the code that runs it. The frame menu shows the actions;
// the floating windows and the document window's menu run the same commands through it.
#include <QObject>
#include <functional>
#include <map>

#include "commands/CommandId.h"

class QAction;

namespace quillora::commands {

class CommandRegistry : public QObject {
    Q_OBJECT
public:
    using Rule = std::function<bool()>;
    using Code = std::function<void()>;
    using PointProposal = std::function<void(int xMm, int yMm)>;

    explicit CommandRegistry(QObject* parent = nullptr);
    ~CommandRegistry() override;

    // The code of a command and the rules for its greying and check mark (none: always
    // enabled, never checked). Caption and key come from the frame menu's table.
    void Define(CommandId id, Code code, Rule enabled = {}, Rule checked = {});

    // What a command that can start from a point on the label (a new layer from the document
    // window's menu) does with that point before its code runs.
    void DefinePointProposal(CommandId id, PointProposal propose);

    // The command's one action. Its shortcut acts from every window of the program, and does
    // nothing while a modal dialog is open or while the command is greyed.
    QAction* Action(CommandId id);
    bool IsEnabled(CommandId id) const;
    // Runs the command if its rule allows it now.
    void RunIfEnabled(CommandId id);
    // Proposes the point to the command (where it takes one), then runs it if its rule allows.
    void RunAtPointIfEnabled(CommandId id, int xMm, int yMm);
    // Runs the code without asking the rule: for places that decide availability themselves.
    void RunIgnoringRule(CommandId id);
    // Greys and checks every action from its rules.
    void UpdateStates();

signals:
    // After UpdateStates: the menu titles follow their items.
    void statesChanged();

private:
    struct Entry {
        QAction* action = nullptr;
        Code code;
        Rule enabled;
        Rule checked;
        PointProposal propose;
    };
    std::map<CommandId, Entry> entries_;
};

}  // namespace quillora::commands
