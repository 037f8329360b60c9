#include "windows/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ProjectInfo.h"
#include "desktop/AppIcon.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"

namespace quillora::windows {
namespace {
constexpr int kWidthDu = 150;
constexpr int kHeightDu = 64;
}  // namespace

QString VersionText(int major, int minor, int patch) {
    QString text = QStringLiteral("Quillora Ver.%1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
    if (patch != 0) text += QStringLiteral(".%1").arg(patch);
    return text;
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    auto* icon = new QLabel(this);
    widgets::WithId(icon, about_box_id::kIcon);
    icon->setPixmap(desktop::ApplicationIcon().pixmap(32, 32));
    auto* version = new QLabel(
        VersionText(project::kVersionMajor, project::kVersionMinor, project::kVersionPatch), this);
    widgets::WithId(version, about_box_id::kVersion);
    auto* ok = widgets::MakeButton(*this, QStringLiteral("OK"), widgets::kOkId);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The icon and the version side by side, OK on its own row below them.
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(version, 1, Qt::AlignVCenter);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addLayout(buttonRow);
    widgets::FixDialogSize(*this, kWidthDu, kHeightDu);
    ok->setFocus();
}

void ShowAbout(workspace::Workspace& ws) {
    AboutBox box(ws.frame);
    ws.interaction.RunDialog(box);
}

}  // namespace quillora::windows
