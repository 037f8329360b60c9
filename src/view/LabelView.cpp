#include "LabelView.h"

#include <algorithm>

#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>

#include "canvas/FontMapping.h"
#include "canvas/Colours.h"
#include "canvas/ViewBitmap.h"
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
            [this](int action) { OnScrollAction(horizontalScrollBar(), action, doc_.state.scrollX, ClientSize().width()); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(verticalScrollBar(), action, doc_.state.scrollY, ClientSize().height()); });
}

void LabelView::SetSource(const QImage* image) {
    source_ = image;
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
    doc_.state.scrollX = 0;
    doc_.state.scrollY = 0;
    // The label's place changes with the window's size only; painting reads it.
    const QSize size = ClientSize();
    doc_.state.viewOriginX = ViewOrigin(size.width(), OuterPx());
    doc_.state.viewOriginY = ViewOrigin(size.height(), OuterPx());
    UpdateScrollBars();
}

int LabelView::OuterPx() const { return doc_.SafeOuterMm() * document::kViewPixelsPerMm; }

void LabelView::scrollContentsBy(int, int) {
    // The offsets live in the document state and are set by onScrollAction.
}

void LabelView::OnScrollAction(QScrollBar* bar, int action, std::int32_t& offset, int clientExtent) {
    ScrollRequest request = ScrollRequest::Other;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: request = ScrollRequest::LineBack; break;
    case QAbstractSlider::SliderSingleStepAdd: request = ScrollRequest::LineForward; break;
    case QAbstractSlider::SliderPageStepSub: request = ScrollRequest::PageBack; break;
    case QAbstractSlider::SliderPageStepAdd: request = ScrollRequest::PageForward; break;
    case QAbstractSlider::SliderMove: request = ScrollRequest::ThumbTrack; break;
    default: break;
    }
    offset = ApplyScroll(request, offset, OuterPx(), clientExtent, bar->sliderPosition());
    bar->setSliderPosition(std::clamp(offset, bar->minimum(), bar->maximum()));
    UpdateScrollBars();
}

void LabelView::UpdateScrollBars() {
    const QSize size = ClientSize();
    const std::pair<QScrollBar*, std::pair<int, int>> bars[] = {
        {horizontalScrollBar(), {size.width(), doc_.state.scrollX}},
        {verticalScrollBar(), {size.height(), doc_.state.scrollY}},
    };
    for (const auto& [bar, values] : bars) {
        const auto [page, offset] = values;
        const QSignalBlocker block(bar);
        const int maximum = ScrollBarMaximum(OuterPx(), page);
        bar->setRange(0, maximum);
        bar->setPageStep(page);
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

    const int outerPx = OuterPx();
    const int originX = doc_.state.viewOriginX;
    const int originY = doc_.state.viewOriginY;
    const int scrollX = doc_.state.scrollX;
    const int scrollY = doc_.state.scrollY;

    if (source_ && !source_->isNull()) {
        const QRect sourceRect = QRect(scrollX, scrollY, outerPx, outerPx).intersected(source_->rect());
        painter.drawImage(QPoint(originX + sourceRect.x() - scrollX, originY + sourceRect.y() - scrollY), *source_,
                          sourceRect);
    }

    if (grid_.visible) {
        QPen pen(GridPenStyle(grid_.lineType));
        pen.setColor(canvas::ToQColor(grid_.color));
        pen.setWidth(0);
        painter.setPen(pen);
        // End points are left out, as the platform's line drawing does.
        for (int k : GridOffsets(outerPx, grid_.spacing)) {
            painter.drawLine(originX - scrollX + k, originY, originX - scrollX + k, originY + outerPx - 1);
            painter.drawLine(originX, originY - scrollY + k, originX + outerPx - 1, originY - scrollY + k);
        }
    }
    PaintRulers(painter, width, height);
}

void LabelView::PaintRulers(QPainter& painter, int width, int height) {
    painter.fillRect(0, 0, width, kRulerBand, Qt::white);
    painter.fillRect(0, 0, kRulerBand, height, Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(rulerFont_);
    const int ascent = QFontMetrics(rulerFont_).ascent();

    for (const RulerMark& mark : RulerMarks(doc_.state.viewOriginX, doc_.state.scrollX, width)) {
        painter.drawText(mark.pos + 2, ascent, QString::number(mark.label));
        painter.drawLine(mark.pos, 0, mark.pos, kRulerBand - 1);
        for (int i = 1; i <= 9; ++i) {
            const int x = mark.pos + mark.tickStep * i;
            painter.drawLine(x, 10, x, kRulerBand - 1);
        }
    }
    for (const RulerMark& mark : RulerMarks(doc_.state.viewOriginY, doc_.state.scrollY, height)) {
        // The text runs upwards from just above its tick.
        painter.save();
        painter.translate(0, mark.pos - 2);
        painter.rotate(-90);
        painter.drawText(0, ascent, QString::number(mark.label));
        painter.restore();
        painter.drawLine(0, mark.pos, kRulerBand - 1, mark.pos);
        for (int i = 1; i <= 9; ++i) {
            const int y = mark.pos + mark.tickStep * i;
            painter.drawLine(10, y, kRulerBand - 1, y);
        }
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
    emit mousePositionChanged(PixelToMm(pos.x(), doc_.state.viewOriginX, doc_.state.scrollX),
                              PixelToMm(pos.y(), doc_.state.viewOriginY, doc_.state.scrollY));
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
    const int xMm = PixelToMm(pos.x(), doc_.state.viewOriginX, doc_.state.scrollX);
    const int yMm = PixelToMm(pos.y(), doc_.state.viewOriginY, doc_.state.scrollY);

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
