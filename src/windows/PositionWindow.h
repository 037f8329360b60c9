#pragma once
// The floating window that shows where the mouse is on the label, in millimetres.
#include <QRect>
#include <QSize>
#include <array>

#include <QWidget>

#include "workspace/Workspace.h"

class QLabel;

namespace quillora::windows {

// X caption, X value, Y caption, Y value: a 171 x 16 row centred in the client area
// (integer division toward zero, so a narrow window cuts the row off at the left).
std::array<QRect, 4> PositionLabelRects(const QSize& client);

class PositionWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 200;
    static constexpr int kClientHeight = 20;

    explicit PositionWindow(workspace::Workspace& ws);

    void SetPosition(int xMm, int yMm);
    // Both values back to "---- mm " (the cursor is over the rulers, or no document).
    void ClearPosition();

    QLabel* XValue() const { return labels_[1]; }
    QLabel* YValue() const { return labels_[3]; }
    const std::array<QLabel*, 4>& Labels() const { return labels_; }

signals:
    void closedByUser();

protected:
    // Every close request is the user's close box (see ToolWindow).
    void closeEvent(QCloseEvent* event) override;

private:
    workspace::Workspace& ws_;
    std::array<QLabel*, 4> labels_{};
};

}  // namespace quillora::windows
