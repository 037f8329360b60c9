#include "PictureLayerDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "document/LayerValues.h"
#include "LoadLayerPicture.h"
#include "pictures/PictureLibrary.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "text/StoredPath.h"
#include "widgets/ControlId.h"
#include "widgets/NumberField.h"
#include "workspace/Captions.h"
#include "document/Limits.h"

namespace quillora::layers {

using text::FieldView;
using widgets::NumberField;
using widgets::WithId;

namespace {
constexpr int kPathWidth = 200;
constexpr int kWidthDu = 230;
constexpr int kHeightDu = 163;

std::string StoredPath(const document::PicLayerSettings& s) { return std::string(FieldView(s.picturePath)); }
}  // namespace

PictureLayerDialog::PictureLayerDialog(workspace::Workspace& ws, DialogVariant variant, int editedSlot)
    : QDialog(ws.frame), ws_(ws), settings_(ws.settings.picture), openFlag_(ws.flags.pictureDialogOpen),
      editedSlot_(editedSlot) {
    bool settingsVariant = variant == DialogVariant::LayerSettings;
    setWindowTitle(QString::fromUtf8(settingsVariant ? workspace::caption::kPictureLayerSettings : workspace::caption::kNewPictureLayer));

    path_ = widgets::WithId(new QLabel(this), picture_dialog_id::kPath);
    path_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    path_->setMinimumWidth(kPathWidth);
    auto* browse = widgets::WithId(new QPushButton(QStringLiteral("参照(&R)..."), this), picture_dialog_id::kBrowse);
    placement_ = new QButtonGroup(this);
    const QString placements[] = {QStringLiteral("数値指定(&N)"), QStringLiteral("中央に印刷(&C)"),
                                  QStringLiteral("全面に拡大/縮小(&A)")};
    auto* placementRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* radio = widgets::WithId(new QRadioButton(placements[i], this), picture_dialog_id::kNumeric + i);
        placement_->addButton(radio, i);
        placementRow->addWidget(radio);
    }
    keepAspect_ = widgets::WithId(new QCheckBox(QStringLiteral("縦横比固定(&T)"), this), picture_dialog_id::kKeepAspect);
    posX_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), picture_dialog_id::kPosX);
    posY_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), picture_dialog_id::kPosY);
    width_ = widgets::WithId(new widgets::NumberField(1, widgets::kPositionLimit, widgets::NumberField::Signed, this), picture_dialog_id::kWidth);
    height_ = widgets::WithId(new widgets::NumberField(1, widgets::kPositionLimit, widgets::NumberField::Signed, this), picture_dialog_id::kHeight);
    reset_ = widgets::WithId(new QPushButton(QStringLiteral("ｻｲｽﾞの初期化(&S)"), this), picture_dialog_id::kResetSize);

    auto* layout = new QVBoxLayout(this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("ﾌｧｲﾙ：")));
    fileRow->addWidget(path_, 1);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);
    layout->addLayout(placementRow);
    auto* aspectRow = new QHBoxLayout;
    aspectRow->addStretch(2);
    aspectRow->addWidget(keepAspect_, 1);
    layout->addLayout(aspectRow);
    layout->addWidget(widgets::MakeSeparator(*this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("位置：")), 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("ｻｲｽﾞ：")), 0, 3, 1, 3);
    widgets::AddNumberRow(*grid, 1, 0, QStringLiteral("X(&X)："), posX_, QStringLiteral("mm"));
    widgets::AddNumberRow(*grid, 2, 0, QStringLiteral("Y(&Y)："), posY_, QStringLiteral("mm"));
    widgets::AddNumberRow(*grid, 1, 3, QStringLiteral("幅(&W)："), width_, QStringLiteral("mm"));
    widgets::AddNumberRow(*grid, 2, 3, QStringLiteral("高さ(&H)："), height_, QStringLiteral("mm"));
    grid->addWidget(reset_, 3, 3, 1, 3);
    layout->addLayout(grid);

    widgets::DialogButtons buttons = widgets::AddDialogButtons(*this, *layout, settingsVariant ? QStringLiteral("適用(&P)") : QString(), picture_dialog_id::kApply);
    apply_ = buttons.apply;
    if (apply_) connect(apply_, &QPushButton::clicked, this, &PictureLayerDialog::Apply);

    ShowPath();
    posX_->SetValue(settings_.posX);
    posY_->SetValue(settings_.posY);
    width_->SetValue(settings_.widthMm);
    height_->SetValue(settings_.heightMm);
    keepAspect_->setChecked(settings_.keepAspect == 1);
    if (QAbstractButton* radio = placement_->button(settings_.placement)) radio->setChecked(true);
    EnableByPlacement(settings_.placement);

    for (widgets::NumberField* field : {posX_, posY_, width_, height_})
        connect(field, &widgets::NumberField::edited, this, &PictureLayerDialog::EnableApply);
    connect(placement_, &QButtonGroup::idClicked, this, [this](int placement) {
        EnableByPlacement(placement);
        EnableApply();
    });
    connect(keepAspect_, &QCheckBox::clicked, this, &PictureLayerDialog::EnableApply);
    connect(browse, &QPushButton::clicked, this, &PictureLayerDialog::ChooseFile);
    connect(reset_, &QPushButton::clicked, this, &PictureLayerDialog::ResetSize);
    widgets::FixDialogSize(*this, kWidthDu, kHeightDu);
    buttons.ok->setFocus();
}

void PictureLayerDialog::ShowPath() {
    QString path = QString::fromStdString(text::ResolveStoredPath(FieldView(settings_.picturePath)));
    path_->setToolTip(path);
    int room = std::max(path_->contentsRect().width(), kPathWidth) - 4;
    path_->setText(path_->fontMetrics().elidedText(path, Qt::ElideMiddle, room));
}

void PictureLayerDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ShowPath();
}

// A placement outside the three known ones changes nothing.
void PictureLayerDialog::EnableByPlacement(int placement) {
    if (placement < 0 || placement > 2) return;
    posX_->setEnabled(placement == 0);
    posY_->setEnabled(placement == 0);
    width_->setEnabled(placement != 2);
    height_->setEnabled(placement != 2);
    reset_->setEnabled(placement != 2);
    keepAspect_->setEnabled(placement == 2);
}

void PictureLayerDialog::ProposeNaturalSize() {
    pictures::PictureSize size = ws_.pictures.GetPictureSize(StoredPath(settings_));
    settings_.imageWidthPx = size.width;
    settings_.imageHeightPx = size.height;
    width_->SetValue(size.width / document::kViewPixelsPerMm);
    height_->SetValue(size.height / document::kViewPixelsPerMm);
}

void PictureLayerDialog::ChooseFile() {
    workspace::FileChoice choice;
    choice.owner = this;
    choice.title = QStringLiteral("画像ﾌｧｲﾙの選択");
    choice.filter = ws_.pictureFilter;
    choice.initialPath = QString::fromStdString(text::ResolveStoredPath(FieldView(settings_.picturePath)));
    std::optional<QString> chosen = ws_.interaction.ChooseOpenFile(choice);
    if (chosen) {
        std::string stored = text::Utf8PathToStored(chosen->toStdString());
        if (stored.size() < sizeof settings_.picturePath) {
            text::StoreField(settings_.picturePath, stored);
            ProposeNaturalSize();
            EnableApply();
        } else {
            // The path field has no room for it: the choice fails as a too-small buffer would.
            ws_.interaction.Beep();
        }
    }
    ShowPath();
}

void PictureLayerDialog::ResetSize() {
    ProposeNaturalSize();
    EnableApply();
}

void PictureLayerDialog::EnableApply() {
    if (apply_) apply_->setEnabled(true);
}

bool PictureLayerDialog::ReadValues() {
    std::string path = StoredPath(settings_);
    if (!ws_.pictures.IsPictureSupported(path)) {
        workspace::Message message;
        message.owner = this;
        message.text = QStringLiteral("読込不可能なﾌｧｲﾙです。");
        message.caption = QString::fromUtf8(workspace::caption::kConfirm);
        message.icon = workspace::MessageIcon::Stop;
        ws_.interaction.ShowMessage(message);
        return false;
    }
    pictures::PictureSize size = ws_.pictures.GetPictureSize(path);
    settings_.imageWidthPx = size.width;
    settings_.imageHeightPx = size.height;
    settings_.keepAspect = keepAspect_->isChecked() ? 1 : 0;
    settings_.placement = placement_->button(0)->isChecked() ? 0 : placement_->button(1)->isChecked() ? 1 : 2;
    settings_.posX = posX_->Value();
    settings_.posY = posY_->Value();
    settings_.widthMm = std::max(width_->Value(), 1);
    settings_.heightMm = std::max(height_->Value(), 1);
    return true;
}

void PictureLayerDialog::Apply() {
    if (!ReadValues()) return;
    if (editedSlot_ < 0 || editedSlot_ >= document::kMaxLayers) return;
    document::StorePictureLayer(ws_.doc.layers[editedSlot_], settings_);
    LoadLayerPicture(ws_, editedSlot_);
    ws_.doc.CommitEdit(workspace::caption::kPictureLayerSettings, document::ChangeScope::Layer);
    apply_->setEnabled(false);
}

void PictureLayerDialog::accept() {
    if (ReadValues()) QDialog::accept();
}

void PictureLayerDialog::done(int result) {
    openFlag_.Release();
    QDialog::done(result);
}

}  // namespace quillora::layers
