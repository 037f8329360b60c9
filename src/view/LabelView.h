#pragma once
// The document window's client: copies the view bitmap at the label's place, lays the grid and
// the millimetre rulers over it, scrolls, reports the mouse position and offers the right-click
// menu, whose items run the layer commands at the clicked point. It never draws layers itself.
#include <QAbstractScrollArea>
#include <QFont>
#include <functional>

#include "commands/CommandRegistry.h"
#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "workspace/DialogFlags.h"
#include "workspace/Interaction.h"

class QImage;
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

    // The rendered label; only its top-left outerPx square is shown.
    void SetSource(const QImage* image);
    void SetMenuRunner(MenuRunner runner);
    // Repaints the area right of and below the rulers at once, without rendering again.
    void RepaintLabelArea();
    QSize ClientSize() const;

signals:
    // The mouse over the label area, in millimetres, and over the rulers.
    void mousePositionChanged(int xMm, int yMm);
    void mouseOverRulers();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void OnScrollAction(QScrollBar* bar, int action, std::int32_t& offset, int clientExtent);
    void UpdateScrollBars();
    // The label's size in the view: 3 pixels per millimetre of the safe diameter, never the
    // stored pixel size, which a damaged file may make huge.
    int OuterPx() const;
    void PaintRulers(QPainter& painter, int width, int height);
    void ShowContextMenu(const QPoint& pos, const QPoint& globalPos);

    document::LabelDocument& doc_;
    const settings::GridSettings& grid_;
    const workspace::DialogFlags& flags_;
    workspace::Interaction& interaction_;
    commands::CommandRegistry& commands_;
    const QImage* source_ = nullptr;
    MenuRunner menuRunner_;
    QFont rulerFont_;
};

}  // namespace quillora::view
