#include "print/PaperSizeDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "print/PrintControlIds.h"
#include "widgets/ControlId.h"
#include "widgets/NumberField.h"
#include "document/Limits.h"

namespace quillora::print {
namespace {

constexpr int kPaperMin = 1;
constexpr int kPaperMax = 1000;
constexpr PaperSize kA4Portrait{document::kA4WidthMm, document::kA4HeightMm};

}  // namespace

int StoredPaperDimension(const QString& typed) {
    // Read as a signed number, anything at or below 0 and anything beyond the int range
    // (which reads as 0) are exactly the values an unsigned read cannot store.
    const int value = widgets::ReadDialogNumber(typed, true);
    return value > 0 ? value : 1;
}

PaperSizeDialog::PaperSizeDialog(document::DocHeader& header, QWidget* parent) : QDialog(parent), header_(header) {
    setWindowTitle(QString::fromUtf8("用紙ｻｲｽﾞの指定"));
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(iconSize));
    auto* text = new QLabel(QString::fromUtf8("　用紙ｻｲｽﾞに関する情報をﾌﾟﾘﾝﾀから自動取得する事ができません。\n"
                                              "　印刷に使用する用紙のｻｲｽﾞを指定して下さい。"),
                            this);

    width_ = widgets::WithId(new widgets::NumberField(kPaperMin, kPaperMax, widgets::NumberField::Unsigned, this), kIdPaperWidth);
    height_ = widgets::WithId(new widgets::NumberField(kPaperMin, kPaperMax, widgets::NumberField::Unsigned, this), kIdPaperHeight);
    SetSize(header.previewPaperWidth, header.previewPaperHeight);
    auto* grid = new QGridLayout;
    widgets::AddNumberRow(*grid, 0, 0, QString::fromUtf8("横(&W)"), width_, QStringLiteral("mm"));
    widgets::AddNumberRow(*grid, 1, 0, QString::fromUtf8("縦(&H)"), height_, QStringLiteral("mm"));

    auto* portrait = widgets::MakeButton(*this, QString::fromUtf8("A4 縦置き(&V)"), kIdA4Portrait);
    auto* landscape = widgets::MakeButton(*this, QString::fromUtf8("A4 横置き(&O)"), kIdA4Landscape);
    connect(portrait, &QPushButton::clicked, this, [this] { SetSize(kA4Portrait.width, kA4Portrait.height); });
    connect(landscape, &QPushButton::clicked, this, [this] { SetSize(kA4Portrait.height, kA4Portrait.width); });
    auto* presets = new QVBoxLayout;
    presets->addWidget(new QLabel(QString::fromUtf8("規定値に設定："), this));
    presets->addWidget(portrait);
    presets->addWidget(landscape);

    const widgets::DialogButtons okCancel = widgets::MakeOkCancel(*this);

    auto* message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(text, 1);
    auto* fields = new QHBoxLayout;
    fields->addLayout(grid);
    fields->addSpacing(20);
    fields->addLayout(presets);
    fields->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addLayout(fields);
    layout->addLayout(widgets::ButtonRow({okCancel.ok, okCancel.cancel}));
    okCancel.ok->setFocus();
    // No template size is known for it: fixed at what its contents need.
    widgets::FixDialogSize(*this, 0, 0);
}

void PaperSizeDialog::SetSize(int width, int height) {
    width_->SetValue(width);
    height_->SetValue(height);
}

PaperSize PaperSizeDialog::Size() const {
    return {StoredPaperDimension(width_->Edit()->text()), StoredPaperDimension(height_->Edit()->text())};
}

void PaperSizeDialog::accept() {
    const PaperSize stored = Size();
    header_.previewPaperWidth = stored.width;
    header_.previewPaperHeight = stored.height;
    QDialog::accept();
}

std::optional<PaperSize> AskPaperSize(workspace::Workspace& ws, QWidget* owner) {
    PaperSizeDialog dialog(ws.doc.header, owner);
    if (ws.interaction.RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.Size();
}

}  // namespace quillora::print
