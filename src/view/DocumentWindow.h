#pragma once
// The one document window: an MDI child titled with the label's diameters (and the zoom when it
// is not 100%), holding the label view. Its close box asks the application to close the document
// instead of closing itself.
#include <QMdiSubWindow>

#include "view/Zoom.h"

namespace quillora::view {

class LabelView;

class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    DocumentWindow(LabelView* view, int outerDiameter, int innerDiameter, QWidget* parent = nullptr);

    LabelView* View() const { return view_; }
    // Restores the window and sizes it so that the view's client is the label at its zoom + 35
    // pixels square.
    void FitToLabel();

    static QString TitleFor(int outerDiameter, int innerDiameter, int zoomPercent = kDefaultZoom);

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    LabelView* view_;
};

}  // namespace quillora::view
