#pragma once
// The floating window with six buttons for the most used commands. It decides whether a click
// counts and runs the command it stands for.
#include <QWidget>
#include <vector>

#include "commands/CommandRegistry.h"
#include "workspace/Workspace.h"

namespace quillora::windows {

class ToolButton;

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 200;
    static constexpr int kClientHeight = 71;

    // The buttons by their dialog ids.
    static constexpr int kNewId = 40067, kSaveId = 40068, kPrintId = 40069, kPreviewId = 40070,
                         kPrintSettingsId = 40071, kPrinterSetupId = 40072;

    ToolWindow(workspace::Workspace& ws, commands::CommandRegistry& commands);

    const std::vector<ToolButton*>& Buttons() const { return buttons_; }
    ToolButton* Button(int id) const;

signals:
    void closedByUser();

protected:
    // Every close request is the user's close box: the window only hides and stays hidden at the
    // next start. The application hides it with hide() when it wants it gone for other reasons.
    void closeEvent(QCloseEvent* event) override;

private:
    // A click: beeps while an editing dialog is open, else runs the command when the button is
    // available (new without a document, the others with one).
    void CarryOut(const ToolButton& button, commands::CommandId command);

    workspace::Workspace& ws_;
    commands::CommandRegistry& commands_;
    std::vector<ToolButton*> buttons_;
};

}  // namespace quillora::windows
