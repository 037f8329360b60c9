#include "windows/TipsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "widgets/ControlId.h"
#include "widgets/DialogSize.h"
#include "windows/ScreenPicture.h"
#include "windows/Tips.h"

namespace quillora::windows {
namespace {
constexpr int kWidthDu = 250;
constexpr int kHeightDu = 160;
}  // namespace

TipsDialog::TipsDialog(settings::AppSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), text_(new QTextEdit(this)),
      showAtStart_(new QCheckBox(QString::fromUtf8("起動時にﾜﾝﾎﾟｲﾝﾄを表示(&S)"), this)) {
    setWindowTitle(QString::fromUtf8("ﾜﾝﾎﾟｲﾝﾄ"));
    auto* picture = new QLabel(this);
    widgets::WithId(picture, tips_dialog_id::kPicture);
    picture->setPixmap(ScreenPicture(QStringLiteral("tips"), picture->devicePixelRatioF()));
    picture->setFixedSize(50, 200);

    widgets::WithId(text_, tips_dialog_id::kText);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
    text_->setFocusPolicy(Qt::NoFocus);
    text_->setFixedSize(300, 200);
    text_->setPlainText(TipText(settings_.nextTipNumber));

    widgets::WithId(showAtStart_, tips_dialog_id::kShowAtStart);
    showAtStart_->setChecked(settings_.showTipsAtStart != 0);
    auto* next = new QPushButton(QString::fromUtf8("次を表示(&N)"), this);
    widgets::WithId(next, tips_dialog_id::kNext);
    next->setAutoDefault(false);
    auto* close = new QPushButton(QString::fromUtf8("閉じる"), this);
    widgets::WithId(close, tips_dialog_id::kClose);
    close->setDefault(true);
    connect(next, &QPushButton::clicked, this, &TipsDialog::ShowNext);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* upper = new QHBoxLayout;
    upper->addWidget(picture);
    upper->addWidget(text_);
    auto* lower = new QHBoxLayout;
    lower->addWidget(showAtStart_);
    lower->addStretch();
    lower->addWidget(next);
    lower->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addLayout(lower);
    widgets::FixDialogSize(*this, kWidthDu, kHeightDu);
    close->setFocus();
}

QString TipsDialog::ShownText() const { return text_->toPlainText(); }

void TipsDialog::ShowNext() {
    settings_.nextTipNumber = NextTipNumber(settings_.nextTipNumber);
    text_->setPlainText(TipText(settings_.nextTipNumber));
}

void TipsDialog::done(int result) {
    settings_.nextTipNumber = NextTipNumber(settings_.nextTipNumber);
    settings_.showTipsAtStart = showAtStart_->isChecked() ? 1 : 0;
    QDialog::done(result);
}

void ShowTips(workspace::Workspace& ws) {
    TipsDialog dialog(ws.settings, ws.frame);
    ws.interaction.RunDialog(dialog);
}

}  // namespace quillora::windows
