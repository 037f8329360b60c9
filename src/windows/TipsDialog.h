#pragma once
// Shows one tip at a time. However it closes, the tip number moves on, so the next showing
// starts with the following tip.
#include <QDialog>

#include "workspace/Workspace.h"

class QCheckBox;
class QTextEdit;

namespace quillora::windows {

// The dialog's controls by their ids, for the dialog and its tests alike.
namespace tips_dialog_id {
inline constexpr int kText = 1020, kShowAtStart = 1021, kNext = 1022, kClose = 1023, kPicture = 1024;
}  // namespace tips_dialog_id

class TipsDialog : public QDialog {
    Q_OBJECT
public:
    TipsDialog(settings::AppSettings& settings, QWidget* parent);

    QString ShownText() const;
    // "閉じる", Esc and the close box all end here.
    void done(int result) override;

private:
    void ShowNext();

    settings::AppSettings& settings_;
    QTextEdit* text_;
    QCheckBox* showAtStart_;
};

void ShowTips(workspace::Workspace& ws);

}  // namespace quillora::windows
