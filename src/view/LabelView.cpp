#include "LabelView.h"

#include <algorithm>

#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QtMath>
#include <QPainter>
#include <QPen>
#include <QScrollBar>
#include <QWheelEvent>

#include "canvas/FontMapping.h"
#include "canvas/Colours.h"
#include "render/LabelRenderer.h"
#include "view/ViewGeometry.h"
#include "workspace/Captions.h"
#include "document/Limits.h"

namespace quillora::view {
namespace {

using commands::CommandId;
namespace caption = workspace::caption;

// The right-click menu: its item ids and the commands they run; no caption means a separator.
struct ContextItem {
    int id;
    CommandId command;
    const char* caption;
};
constexpr ContextItem kContextMenu[] = {
    {40059, CommandId::NewTextLayer, caption::kNewTextLayerItem},
    {40060, CommandId::NewPictureLayer, caption::kNewPictureLayerItem},
    {0, {}, nullptr},
    {40062, CommandId::ListLayer, caption::kListLayerItem},
    {40063, CommandId::BackgroundLayer, caption::kBackgroundLayerItem},
};

// An unknown stored line draws solid.
Qt::PenStyle GridPenStyle(std::int32_t stored) {
    using settings::GridLineType;
    switch (settings::KnownGridLineType(stored).value_or(GridLineType::Solid)) {
    case GridLineType::Solid: return Qt::SolidLine;
    case GridLineType::Dash: return Qt::DashLine;
    case GridLineType::Dot: return Qt::DotLine;
    case GridLineType::DashDot: return Qt::DashDotLine;
    case GridLineType::DashDotDot: return Qt::DashDotDotLine;
    case GridLineType::None: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// "ＭＳ Ｐ明朝" with a 10-pixel cell.
QFont RulerFont() { return canvas::FontMapping::MakeFont({settings::kDefaultFontFace, 10}); }

// One notch of an ordinary mouse wheel.
constexpr int kWheelStep = 120;

// The device pixels a logical rectangle covers on a screen of the given pixel ratio.
QRect DevicePixels(const QRect& logical, qreal ratio) {
    const QPoint topLeft(qFloor(logical.left() * ratio), qFloor(logical.top() * ratio));
    const QPoint end(qCeil((logical.right() + 1) * ratio), qCeil((logical.bottom() + 1) * ratio));
    return QRect(topLeft, end - QPoint(1, 1));
}

int DefaultMenuRunner(QMenu& menu, const QPoint& globalPos) {
    QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace

LabelView::LabelView(document::LabelDocument& doc, const settings::GridSettings& grid, const workspace::DialogFlags& flags,
                     workspace::Interaction& interaction, commands::CommandRegistry& commands, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), grid_(grid), flags_(flags), interaction_(interaction), commands_(commands),
      menuRunner_(DefaultMenuRunner), rulerFont_(RulerFont()) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(horizontalScrollBar(), action, scroll_.rx(), ClientSize().width()); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(verticalScrollBar(), action, scroll_.ry(), ClientSize().height()); });
}

void LabelView::SetSource(canvas::ViewBitmap* bitmap) {
    source_ = bitmap;
    viewport()->update();
}

void LabelView::SetMenuRunner(MenuRunner runner) { menuRunner_ = std::move(runner); }

QSize LabelView::ClientSize() const { return viewport()->size(); }

void LabelView::RepaintLabelArea() {
    if (!doc_.state.isOpen) return;
    const QSize size = ClientSize();
    viewport()->repaint(kRulerBand, kRulerBand, size.width() - kRulerBand, size.height() - kRulerBand);
}

void LabelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    scroll_ = {};
    PlaceLabel();
    StoreUnzoomedPlace();
    UpdateScrollBars();
}

ViewScale LabelView::Scale() const { return ViewScale(doc_.SafeOuterMm(), zoom_); }

int LabelView::OuterPx() const { return Scale().OuterPx(); }

void LabelView::PlaceLabel() {
    // The label's place changes with the window's size and the zoom only; painting reads it.
    const QSize size = ClientSize();
    origin_ = {ViewOrigin(size.width(), OuterPx()), ViewOrigin(size.height(), OuterPx())};
}

void LabelView::StoreUnzoomedPlace() {
    const QSize size = ClientSize();
    const int classicPx = doc_.SafeOuterMm() * document::kViewPixelsPerMm;
    doc_.state.viewOriginX = ViewOrigin(size.width(), classicPx);
    doc_.state.viewOriginY = ViewOrigin(size.height(), classicPx);
    doc_.state.scrollX = scroll_.x() * kDefaultZoom / zoom_;
    doc_.state.scrollY = scroll_.y() * kDefaultZoom / zoom_;
}

void LabelView::SetZoom(int percent, QPoint anchor) {
    percent = UsableZoom(percent);
    if (percent == zoom_) return;
    const ViewScale before = Scale();
    const QPoint oldOrigin = origin_;
    zoom_ = percent;
    const ViewScale after = Scale();
    const QSize size = ClientSize();
    PlaceLabel();
    scroll_ = {ScrollKeeping(anchor.x(), oldOrigin.x(), scroll_.x(), before, origin_.x(), after,
                             ScrollBarMaximum(after.OuterPx(), size.width())),
               ScrollKeeping(anchor.y(), oldOrigin.y(), scroll_.y(), before, origin_.y(), after,
                             ScrollBarMaximum(after.OuterPx(), size.height()))};
    StoreUnzoomedPlace();
    UpdateScrollBars();
    emit zoomChanged(zoom_);
}

void LabelView::StepZoom(int direction, QPoint anchor) { SetZoom(NextZoom(zoom_, direction), anchor); }

void LabelView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    if (!doc_.state.isOpen) return;
    // A touchpad turns in small parts: a step for every whole notch.
    wheelAngle_ += event->angleDelta().y();
    const QPoint anchor = event->position().toPoint();
    for (; wheelAngle_ >= kWheelStep; wheelAngle_ -= kWheelStep) StepZoom(1, anchor);
    for (; wheelAngle_ <= -kWheelStep; wheelAngle_ += kWheelStep) StepZoom(-1, anchor);
}

void LabelView::scrollContentsBy(int, int) {
    // The offsets are the view's own, set by OnScrollAction.
}

void LabelView::OnScrollAction(QScrollBar* bar, int action, int& offset, int clientExtent) {
    ScrollRequest request = ScrollRequest::Other;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: request = ScrollRequest::LineBack; break;
    case QAbstractSlider::SliderSingleStepAdd: request = ScrollRequest::LineForward; break;
    case QAbstractSlider::SliderPageStepSub: request = ScrollRequest::PageBack; break;
    case QAbstractSlider::SliderPageStepAdd: request = ScrollRequest::PageForward; break;
    case QAbstractSlider::SliderMove: request = ScrollRequest::ThumbTrack; break;
    default: break;
    }
    offset = ApplyScroll(request, offset, OuterPx(), clientExtent, bar->sliderPosition(), ScrollStepsAt(zoom_));
    bar->setSliderPosition(std::clamp(offset, bar->minimum(), bar->maximum()));
    StoreUnzoomedPlace();
    UpdateScrollBars();
}

void LabelView::UpdateScrollBars() {
    const QSize size = ClientSize();
    const std::pair<QScrollBar*, std::pair<int, int>> bars[] = {
        {horizontalScrollBar(), {size.width(), scroll_.x()}},
        {verticalScrollBar(), {size.height(), scroll_.y()}},
    };
    for (const auto& [bar, values] : bars) {
        const auto [page, offset] = values;
        const QSignalBlocker block(bar);
        const int maximum = ScrollBarMaximum(OuterPx(), page);
        bar->setRange(0, maximum);
        bar->setPageStep(page);
        // The wheel moves by lines: the same share of the label at every zoom.
        bar->setSingleStep(ScrollStepsAt(zoom_).line);
        bar->setValue(std::clamp(offset, 0, maximum));
        bar->setEnabled(maximum > 0);
    }
    viewport()->repaint();
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int width = viewport()->width();
    const int height = viewport()->height();
    // The same face colour as the rendered label's corners and hole.
    painter.fillRect(viewport()->rect(), canvas::ToQColor(render::kViewFaceColour));
    if (!doc_.state.isOpen) return;

    const ViewScale scale = Scale();
    const int outerPx = scale.OuterPx();
    const int originX = origin_.x();
    const int originY = origin_.y();
    const int scrollX = scroll_.x();
    const int scrollY = scroll_.y();

    PaintLabel(painter);

    if (grid_.visible) {
        QPen pen(GridPenStyle(grid_.lineType));
        pen.setColor(canvas::ToQColor(grid_.color));
        pen.setWidth(0);
        painter.setPen(pen);
        // End points are left out, as the platform's line drawing does.
        for (int k : GridOffsets(scale, grid_.spacing)) {
            painter.drawLine(originX - scrollX + k, originY, originX - scrollX + k, originY + outerPx - 1);
            painter.drawLine(originX, originY - scrollY + k, originX + outerPx - 1, originY - scrollY + k);
        }
    }
    PaintRulers(painter, width, height);
}

void LabelView::PaintLabel(QPainter& painter) {
    if (!source_) return;
    // Only what shows right of and below the rulers is rendered, in the screen's own pixels.
    const QPoint corner = origin_ - scroll_;
    const QRect labelArea(kRulerBand, kRulerBand, viewport()->width() - kRulerBand, viewport()->height() - kRulerBand);
    const QRect shown = QRect(corner, QSize(OuterPx(), OuterPx())).intersected(labelArea);
    if (shown.isEmpty()) return;
    const qreal ratio = viewport()->devicePixelRatioF();
    const QImage& pixels =
        source_->Region(doc_, qRound(OuterPx() * ratio), DevicePixels(shown.translated(-corner), ratio));
    painter.drawImage(QRectF(shown), pixels);
}

void LabelView::PaintRulers(QPainter& painter, int width, int height) {
    painter.fillRect(0, 0, width, kRulerBand, Qt::white);
    painter.fillRect(0, 0, kRulerBand, height, Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(rulerFont_);
    const int ascent = QFontMetrics(rulerFont_).ascent();

    const ViewScale scale = Scale();
    for (const RulerTick& tick : RulerTicks(origin_.x(), scroll_.x(), width, scale)) {
        if (!tick.labelled) {
            painter.drawLine(tick.pos, 10, tick.pos, kRulerBand - 1);
            continue;
        }
        painter.drawText(tick.pos + 2, ascent, QString::number(tick.mm));
        painter.drawLine(tick.pos, 0, tick.pos, kRulerBand - 1);
    }
    for (const RulerTick& tick : RulerTicks(origin_.y(), scroll_.y(), height, scale)) {
        if (!tick.labelled) {
            painter.drawLine(10, tick.pos, kRulerBand - 1, tick.pos);
            continue;
        }
        // The text runs upwards from just above its tick.
        painter.save();
        painter.translate(0, tick.pos - 2);
        painter.rotate(-90);
        painter.drawText(0, ascent, QString::number(tick.mm));
        painter.restore();
        painter.drawLine(0, tick.pos, kRulerBand - 1, tick.pos);
    }
    painter.drawLine(0, kRulerBand - 1, width - 1, kRulerBand - 1);
    painter.drawLine(kRulerBand - 1, 0, kRulerBand - 1, height - 1);
    painter.fillRect(0, 0, kRulerBand - 1, kRulerBand - 1, Qt::white);
}

void LabelView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (InRulerBand(pos.x(), pos.y())) {
        viewport()->setCursor(Qt::ArrowCursor);
        emit mouseOverRulers();
        return;
    }
    viewport()->setCursor(Qt::CrossCursor);
    const ViewScale scale = Scale();
    emit mousePositionChanged(PixelToMm(pos.x(), origin_.x(), scroll_.x(), scale),
                              PixelToMm(pos.y(), origin_.y(), scroll_.y(), scale));
}

void LabelView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    if (!doc_.documentOpen) return;
    if (flags_.Any()) {
        interaction_.Beep();
        return;
    }
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
            break;
        }
    }
    const QPoint pos = event->position().toPoint();
    if (InRulerBand(pos.x(), pos.y())) return;
    ShowContextMenu(pos, event->globalPosition().toPoint());
}

void LabelView::ShowContextMenu(const QPoint& pos, const QPoint& globalPos) {
    const ViewScale scale = Scale();
    const int xMm = PixelToMm(pos.x(), origin_.x(), scroll_.x(), scale);
    const int yMm = PixelToMm(pos.y(), origin_.y(), scroll_.y(), scale);

    QMenu menu(this);
    for (const ContextItem& item : kContextMenu) {
        if (!item.caption) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(item.caption));
        action->setData(item.id);
        action->setObjectName(QStringLiteral("cmd%1").arg(item.id));
    }
    const int chosen = menuRunner_(menu, globalPos);
    for (const ContextItem& item : kContextMenu) {
        if (item.caption && item.id == chosen) commands_.RunAtPointIfEnabled(item.command, xMm, yMm);
    }
}

}  // namespace quillora::view
