#pragma once
// The document window's client: shows the part of the view bitmap it needs at the label's place
// and zoom, lays the grid and the millimetre rulers over it, scrolls, zooms, reports the mouse
// position and offers the right-click menu, whose items run the layer commands at the clicked
// point. It never draws layers itself.
#include <QAbstractScrollArea>
#include <QFont>
#include <functional>

#include "canvas/ViewBitmap.h"
#include "commands/CommandRegistry.h"
#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "workspace/DialogFlags.h"
#include "workspace/Interaction.h"
#include "view/Zoom.h"

class QMenu;
class QPainter;
class QScrollBar;

namespace quillora::view {

class LabelView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Shows the menu at a global position and returns the chosen command id, 0 for none.
    using MenuRunner = std::function<int(QMenu& menu, const QPoint& globalPos)>;

    LabelView(document::LabelDocument& doc, const settings::GridSettings& grid, const workspace::DialogFlags& flags,
              workspace::Interaction& interaction, commands::CommandRegistry& commands, QWidget* parent = nullptr);

    // Where the label's pixels come from; the view asks it for the part it shows.
    void SetSource(canvas::ViewBitmap* bitmap);
    void SetMenuRunner(MenuRunner runner);
    // Repaints the area right of and below the rulers at once, without rendering again.
    void RepaintLabelArea();
    QSize ClientSize() const;

    int Zoom() const { return zoom_; }
    // Zooms to `percent` keeping the label's point under `anchor` (a client position) in place.
    void SetZoom(int percent, QPoint anchor);
    // One zoom step in (direction > 0) or out around `anchor`.
    void StepZoom(int direction, QPoint anchor);
    // The label's size in the view at the zoom: pixels per millimetre of the safe diameter, never
    // the stored pixel size, which a damaged file may make huge.
    int OuterPx() const;

signals:
    // The mouse over the label area, in millimetres, and over the rulers.
    void mousePositionChanged(int xMm, int yMm);
    void mouseOverRulers();
    void zoomChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnScrollAction(QScrollBar* bar, int action, int& offset, int clientExtent);
    void UpdateScrollBars();
    ViewScale Scale() const;
    // The label square's corner centred in the window, or under the rulers when it is larger.
    void PlaceLabel();
    // The label file's view fields count at 100%: the place and scroll as they would be there.
    void StoreUnzoomedPlace();
    void PaintLabel(QPainter& painter);
    void PaintRulers(QPainter& painter, int width, int height);
    void ShowContextMenu(const QPoint& pos, const QPoint& globalPos);

    document::LabelDocument& doc_;
    const settings::GridSettings& grid_;
    const workspace::DialogFlags& flags_;
    workspace::Interaction& interaction_;
    commands::CommandRegistry& commands_;
    canvas::ViewBitmap* source_ = nullptr;
    int zoom_ = kDefaultZoom;
    QPoint origin_;  // client position of the label's bounding square at the zoom
    QPoint scroll_;  // scroll offsets at the zoom
    int wheelAngle_ = 0;  // Ctrl+wheel turns not yet a whole step
    MenuRunner menuRunner_;
    QFont rulerFont_;
};

}  // namespace quillora::view
