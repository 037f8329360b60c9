#pragma once
// The floating window with six buttons for the most used commands. It only decides whether a
// click counts; the application carries the command out.
#include <QWidget>
#include <vector>

#include "workspace/Workspace.h"

namespace quillora::windows {

class ToolButton;

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 200;
    static constexpr int kClientHeight = 71;

    explicit ToolWindow(workspace::Workspace& ws);

    const std::vector<ToolButton*>& buttons() const { return buttons_; }
    ToolButton* button(int commandId) const;
    // A click on a button: beeps while an editing dialog is open, else passes on the commands
    // that the document state allows.
    void CarryOut(int commandId);

signals:
    // 40067 new, 40068 save, 40069 print, 40070 preview, 40071 print settings, 40072 printer setup.
    void commandRequested(int commandId);
    void closedByUser();

protected:
    // Every close request is the user's close box: the window only hides and stays hidden at the
    // next start. The application hides it with hide() when it wants it gone for other reasons.
    void closeEvent(QCloseEvent* event) override;

private:
    workspace::Workspace& ws_;
    std::vector<ToolButton*> buttons_;
};

}  // namespace quillora::windows
