#include "OtherPage.h"
#include "environment/EnvironmentIds.h"
#include "widgets/ControlId.h"

#include <QCheckBox>
#include <QVBoxLayout>
#include <utility>

namespace quillora::environment {

OtherPage::OtherPage(workspace::Workspace& ws, std::function<void()> arrangeWindows, QWidget* parent)
    : PropertyPage(parent), ws_(ws), arrangeWindows_(std::move(arrangeWindows)) {
    tips_ = new QCheckBox(QStringLiteral("起動時にﾜﾝﾎﾟｲﾝﾄを表示(&O)"), this);
    widgets::WithId(tips_, environment_id::kShowTips);
    arrange_ = new QCheckBox(QStringLiteral("常に各ｳｨﾝﾄﾞｳを整列する(&D)"), this);
    widgets::WithId(arrange_, environment_id::kAutoArrange);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tips_);
    layout->addWidget(arrange_);
    layout->addStretch(1);
    tips_->setChecked(ws.settings.showTipsAtStart != 0);
    arrange_->setChecked(ws.settings.autoArrange != 0);
    connect(tips_, &QCheckBox::clicked, this, &OtherPage::changed);
    connect(arrange_, &QCheckBox::clicked, this, &OtherPage::changed);
}

void OtherPage::Apply() {
    ws_.settings.showTipsAtStart = tips_->isChecked() ? 1 : 0;
    ws_.settings.autoArrange = arrange_->isChecked() ? 1 : 0;
    if (ws_.settings.autoArrange) arrangeWindows_();
}

}  // namespace quillora::environment
