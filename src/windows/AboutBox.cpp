#include "windows/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/AppIcon.h"
#include "widgets/ControlId.h"

namespace quillora::windows {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(desktop::ApplicationIcon().pixmap(32, 32));
    auto* version = new QLabel(QString::fromLatin1(kVersionText), this);
    version->setObjectName(QStringLiteral("version"));
    auto* ok = widgets::WithId(new QPushButton(QStringLiteral("OK"), this), 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(version, 1);
    row->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    ok->setFocus();
}

void ShowAbout(workspace::Workspace& ws) {
    AboutBox box(ws.frame);
    ws.interaction.RunDialog(box);
}

}  // namespace quillora::windows
