#include "LayerWindow.h"

#include <QAbstractSlider>
#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QRegion>
#include <QScrollBar>
#include <QAbstractButton>
#include <algorithm>

#include "FaceButton.h"
#include "LampButton.h"
#include "LayerOperations.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "desktop/AppIcon.h"
#include "widgets/ControlId.h"
#include "widgets/UiFont.h"
#include "widgets/FloatingWindowFlags.h"
#include "canvas/RecordText.h"

namespace quillora::layers {

using document::LayerKind;
using workspace::LayerWindowRegion;

using commands::CommandId;
using namespace layer_window_id;

namespace {

constexpr int kLineTop = 40;
constexpr int kLineBottom = 291;
constexpr int kLampWidth = 20;
constexpr int kScrollWidth = 15;
constexpr int kRowsHeight = LayerWindow::kRows * LayerWindow::kRowHeight;
// A right click this close to the left or top edge shows no menu.
constexpr int kMenuMargin = 15;

const QColor kListRow(224, 224, 255);
const QColor kTextRow(224, 255, 224);
const QColor kPictureRow(255, 224, 224);

QColor RowColour(LayerKind kind) {
    switch (kind) {
    case LayerKind::List: return kListRow;
    case LayerKind::Text: return kTextRow;
    case LayerKind::Picture: return kPictureRow;
    default: return Qt::white;
    }
}

Lamp LampFor(const document::LayerRecord& layer) {
    if (layer.kind == LayerKind::Background) return Lamp::Frame;
    if (layer.visible == 0) return Lamp::Hidden;
    switch (layer.kind) {
    case LayerKind::List: return Lamp::List;
    case LayerKind::Text: return Lamp::Text;
    case LayerKind::Picture: return Lamp::Picture;
    default: return Lamp::None;
    }
}

QLabel* MakeStatic(QWidget* parent, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(widgets::UiFont());
    label->setGeometry(geometry);
    return label;
}
}  // namespace

LayerWindow::LayerWindow(workspace::Workspace& ws, commands::CommandRegistry& commands, LayerOperations& operations)
    : QWidget(nullptr, widgets::kFloatingWindowFlags),
      ws_(ws), commands_(commands), operations_(operations),
      popupRunner_([](QMenu& menu, const QPoint& at) { return menu.exec(at); }) {
    setObjectName(QStringLiteral("LayerWindow"));
    setWindowTitle(QStringLiteral("ﾚｲﾔｰ"));
    setWindowIcon(desktop::ApplicationIcon());
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kWidth, kHeight);
    setFont(widgets::UiFont());
    move(ws.settings.layerWindow.posX, ws.settings.layerWindow.posY);

    newText_ = AddButton(kNewText, CommandId::NewTextLayer, new FaceButton(QStringLiteral("新規文字ﾚｲﾔｰ..."), QSize(94, 19), this), {2, 2});
    newPicture_ = AddButton(kNewPicture, CommandId::NewPictureLayer, new FaceButton(QStringLiteral("新規画像ﾚｲﾔｰ..."), QSize(94, 19), this), {98, 2});
    label_ = MakeStatic(this, QRect(2, 24, 40, 14));
    count_ = MakeStatic(this, QRect(44, 24, kWidth - 100, 14));
    widgets::WithId(count_, layer_window_id::kCount);
    countBar_ = new QProgressBar(this);
    widgets::WithId(countBar_, layer_window_id::kCountBar);
    countBar_->setRange(0, document::kMaxLayers);
    countBar_->setTextVisible(false);
    countBar_->setGeometry(kWidth - 54, 24, 52, 14);
    for (int r = 0; r < kRows; ++r) {
        lamps_[r] = widgets::WithId(new LampButton(this), layer_window_id::LampId(r));
        lamps_[r]->move(0, kRowTop + kRowHeight * r);
        connect(lamps_[r], &LampButton::clicked, this, [this, r] { ToggleLamp(r); });
    }
    scrollBar_ = widgets::WithId(new QScrollBar(Qt::Vertical, this), kScrollBar);
    scrollBar_->setGeometry(kWidth - kScrollWidth, kRowTop, kScrollWidth, kRowsHeight);
    scrollBar_->setTracking(false);
    // Its menu would offer jumps ("scroll here", top, bottom) the list does not follow.
    scrollBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    scrollBar_->setEnabled(false);
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &LayerWindow::OnScrollAction);
    connect(scrollBar_, &QScrollBar::sliderReleased, this, &LayerWindow::OnScrollReleased);
    moveUp_ = AddButton(kMoveUp, CommandId::MoveUp, new FaceButton(Qt::UpArrow, QSize(25, 19), this), {2, 293});
    moveDown_ = AddButton(kMoveDown, CommandId::MoveDown, new FaceButton(Qt::DownArrow, QSize(25, 19), this), {28, 293});
    copy_ = AddButton(kCopy, CommandId::CopyLayer, new FaceButton(QStringLiteral("ｺﾋﾟｰ"), QSize(40, 19), this), {kWidth - 126, 293});
    delete_ = AddButton(kDelete, CommandId::DeleteLayer, new FaceButton(QStringLiteral("削除..."), QSize(40, 19), this), {kWidth - 84, 293});
    settings_ = AddButton(kSettings, CommandId::LayerSettings, new FaceButton(QStringLiteral("設定..."), QSize(40, 19), this), {kWidth - 42, 293});

    UpdateControls();
}

FaceButton* LayerWindow::AddButton(int id, CommandId command, FaceButton* button, QPoint at) {
    widgets::WithId(button, id);
    button->move(at);
    connect(button, &FaceButton::clicked, this, [this, command] { Run(command); });
    return button;
}

int LayerWindow::RowAt(int y) {
    if (y < kRowTop || y >= kRowTop + kRowsHeight) return -1;
    return (y - kRowTop) / kRowHeight;
}

void LayerWindow::UpdateControls() {
    const document::LabelDocument& doc = ws_.doc;
    const bool open = doc.documentOpen;
    const int count = doc.SafeLayerCount();
    label_->setText(open ? QStringLiteral("ﾗﾍﾞﾙ") : QString());
    count_->setText(open ? QStringLiteral("ﾚｲﾔｰ数： %1/50").arg(count, 2, 10, QLatin1Char('0')) : QString());
    countBar_->setValue(open ? count : 0);

    // A disabled face is only a picture: the button still runs its command, which then does nothing.
    newText_->SetDisabledLook(!commands_.IsEnabled(CommandId::NewTextLayer));
    newPicture_->SetDisabledLook(!commands_.IsEnabled(CommandId::NewPictureLayer));
    settings_->SetDisabledLook(!commands_.IsEnabled(CommandId::LayerSettings));
    copy_->SetDisabledLook(!commands_.IsEnabled(CommandId::CopyLayer));
    delete_->SetDisabledLook(!commands_.IsEnabled(CommandId::DeleteLayer));
    moveUp_->SetDisabledLook(!commands_.IsEnabled(CommandId::MoveUp));
    moveDown_->SetDisabledLook(!commands_.IsEnabled(CommandId::MoveDown));

    for (int r = 0; r < kRows; ++r) {
        const document::LayerRecord* layer = open && r < count ? doc.LayerAt(doc.state.firstVisiblePos + r) : nullptr;
        lamps_[r]->SetLamp(layer ? LampFor(*layer) : Lamp::None);
    }
}

void LayerWindow::Refresh(workspace::LayerWindowRegion region) {
    UpdateControls();
    const int w = width(), h = height();
    const QRect buttonStrip(0, kLineBottom, w, h - kLineBottom);
    QRegion area;
    switch (region) {
    case LayerWindowRegion::All: area = rect(); break;
    case LayerWindowRegion::Selection:
        area = QRegion(kLampWidth, kRowTop, w - kScrollWidth - kLampWidth, kRowsHeight) + buttonStrip;
        break;
    case LayerWindowRegion::Reorder: area = QRegion(0, kRowTop, w - kScrollWidth, kRowsHeight) + buttonStrip; break;
    case LayerWindowRegion::Scroll: area = QRegion(0, kRowTop, w - kScrollWidth, kRowsHeight); break;
    case LayerWindowRegion::Lamps: area = QRegion(0, kRowTop, kLampWidth, kRowsHeight); break;
    }
    repaint(area);
}

void LayerWindow::UpdateScrollBar() {
    if (!ws_.doc.documentOpen) return;
    const int count = ws_.doc.SafeLayerCount();
    scrollBar_->setRange(0, std::max(0, count - kRows));
    scrollBar_->setPageStep(kRows);
    scrollBar_->setValue(ws_.doc.state.firstVisiblePos);
    scrollBar_->setEnabled(count > kRows);
}

void LayerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawLine(0, kLineTop, width() - 1, kLineTop);
    painter.drawLine(0, kLineBottom, width() - 1, kLineBottom);
    const document::LabelDocument& doc = ws_.doc;
    if (!doc.documentOpen) return;

    const int ascent = painter.fontMetrics().ascent();
    const int count = doc.SafeLayerCount();
    for (int r = 0; r < kRows && r < count; ++r) {
        const int pos = doc.state.firstVisiblePos + r;
        const document::LayerRecord* layer = doc.LayerAt(pos);
        if (!layer) continue;
        const int top = kRowTop + kRowHeight * r;
        const bool selected = pos == doc.state.selectedPos;
        painter.fillRect(kLampWidth, top, width() - kLampWidth, kRowHeight,
                         selected ? palette().color(QPalette::Highlight) : RowColour(layer->kind));
        painter.setPen(Qt::black);
        if (r < kRows - 1) painter.drawLine(0, top + kRowHeight - 1, width() - 1, top + kRowHeight - 1);
        painter.setPen(selected ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        QString name = canvas::FieldToQString(layer->name);
        painter.drawText(25, top + 6 + ascent, name);
    }
}

bool LayerWindow::SelectRowAt(int y) {
    const int row = RowAt(y);
    const int pos = ws_.doc.state.firstVisiblePos + row;
    if (row < 0 || row >= ws_.doc.SafeLayerCount() || ws_.doc.SlotAt(pos) < 0) return false;
    ws_.doc.state.selectedPos = pos;
    ws_.doc.CommitViewMove();
    Refresh(workspace::LayerWindowRegion::Selection);
    return true;
}

void LayerWindow::mousePressEvent(QMouseEvent* event) {
    if (!ws_.doc.documentOpen) return;
    const QPoint at = event->position().toPoint();
    // The lamps, the buttons and the scroll bar take their own clicks: other buttons of the mouse
    // pressed on them do nothing here either.
    if (IsControlAt(at)) return;
    if (ws_.flags.Any()) return ws_.interaction.Beep();
    if (event->button() == Qt::LeftButton) {
        SelectRowAt(at.y());
    } else if (event->button() == Qt::RightButton) {
        SelectRowAt(at.y());
        if (at.x() >= kMenuMargin && at.y() >= kMenuMargin) ShowPopup(event->globalPosition().toPoint());
    }
}

bool LayerWindow::IsControlAt(QPoint at) const {
    for (QWidget* child = childAt(at); child && child != this; child = child->parentWidget())
        if (child == scrollBar_ || qobject_cast<QAbstractButton*>(child)) return true;
    return false;
}

void LayerWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!ws_.doc.documentOpen) return;
    if (ws_.flags.Any()) return ws_.interaction.Beep();
    if (event->button() != Qt::LeftButton) return;
    // The first click of the double click has selected the row already.
    const int row = RowAt(event->position().toPoint().y());
    if (row < 0 || row >= ws_.doc.SafeLayerCount()) return;
    operations_.EditLayerProperties(ws_.doc.state.firstVisiblePos + row);
    // Run outside the registry: what the dialog greyed (undo after 適用) comes back now.
    commands_.UpdateStates();
}

void LayerWindow::ShowPopup(const QPoint& globalPos) {
    QMenu menu(this);
    auto add = [&](int id, const QString& text, CommandId command) {
        QAction* action = menu.addAction(text);
        action->setObjectName(QStringLiteral("cmd%1").arg(id));
        action->setData(static_cast<int>(command));
        action->setEnabled(commands_.IsEnabled(command));
    };
    add(kMenuSettings, QStringLiteral("設定(&P)..."), CommandId::LayerSettings);
    menu.addSeparator();
    add(kMenuMoveUp, QStringLiteral("上と入れ替え(&U)"), CommandId::MoveUp);
    add(kMenuMoveDown, QStringLiteral("下と入れ替え(&O)"), CommandId::MoveDown);
    menu.addSeparator();
    add(kMenuCopy, QStringLiteral("ｺﾋﾟｰ(&C)"), CommandId::CopyLayer);
    add(kMenuDelete, QStringLiteral("削除(&D)..."), CommandId::DeleteLayer);
    if (QAction* chosen = popupRunner_(menu, globalPos)) Run(static_cast<CommandId>(chosen->data().toInt()));
}

void LayerWindow::Run(CommandId command) {
    if (ws_.flags.Any()) return ws_.interaction.Beep();
    commands_.RunIgnoringRule(command);
}

void LayerWindow::ToggleLamp(int row) {
    if (ws_.flags.Any()) return ws_.interaction.Beep();
    if (row < ws_.doc.SafeLayerCount()) operations_.ToggleLayerVisible(ws_.doc.state.firstVisiblePos + row);
}

void LayerWindow::OnScrollAction(int action) {
    const int first = ws_.doc.state.firstVisiblePos;
    int next = first;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub:
        if (first > 0) next = first - 1;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
        if (ws_.doc.SafeLayerCount() - first > kRows) next = first + 1;
        break;
    case QAbstractSlider::SliderMove:
        // The thumb being dragged moves the list only when it is let go.
        if (scrollBar_->isSliderDown()) return;
        break;
    default: break;
    }
    // Whatever the bar computed for itself, it shows the list's own position.
    scrollBar_->setSliderPosition(next);
    if (next != first) SetFirstVisible(next);
}

void LayerWindow::OnScrollReleased() {
    const int pos = std::clamp(scrollBar_->sliderPosition(), 0, std::max(0, ws_.doc.SafeLayerCount() - kRows));
    if (pos != ws_.doc.state.firstVisiblePos) SetFirstVisible(pos);
}

void LayerWindow::SetFirstVisible(int pos) {
    ws_.doc.state.firstVisiblePos = pos;
    ws_.doc.CommitViewMove();
    UpdateScrollBar();
    Refresh(workspace::LayerWindowRegion::Scroll);
}

void LayerWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    ws_.settings.layerWindow.view = 0;
    emit closedByUser();
}

}  // namespace quillora::layers
