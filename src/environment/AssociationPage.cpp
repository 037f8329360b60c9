#include "AssociationPage.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/FileAssociation.h"
#include "environment/EnvironmentIds.h"
#include "widgets/ControlId.h"

namespace quillora::environment {
namespace {

QGroupBox* MakeGroup(QWidget* parent, const QString& title, const QString& text, QPushButton* button) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    // One line each, as tall as the interface font makes it: wrapped, a label's height would
    // depend on a width the sheet's other pages decide.
    auto* label = new QLabel(text, group);
    layout->addWidget(label);
    layout->addWidget(button, 0, Qt::AlignRight);
    return group;
}

}  // namespace

AssociationPage::AssociationPage(workspace::Workspace& ws, QWidget* parent) : PropertyPage(parent), ws_(ws) {
    auto* set = new QPushButton(QStringLiteral("関連付けの設定(&R)"), this);
    widgets::WithId(set, environment_id::kSetAssociation);
    auto* remove = new QPushButton(QStringLiteral("関連付けの解除(&D)"), this);
    widgets::WithId(remove, environment_id::kRemoveAssociation);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(this, QStringLiteral("設定"),
                                QStringLiteral("CDﾗﾍﾞﾙﾃﾞｰﾀﾌｧｲﾙ（*.qlr）を本ｿﾌﾄに関連付けます。"), set));
    layout->addWidget(MakeGroup(this, QStringLiteral("解除"),
                                QStringLiteral("既に設定されたCDﾗﾍﾞﾙﾃﾞｰﾀﾌｧｲﾙ（*.qlr）の関連付けを解除します。"), remove));
    layout->addStretch(1);
    connect(set, &QPushButton::clicked, this, &AssociationPage::SetAssociation);
    connect(remove, &QPushButton::clicked, this, &AssociationPage::RemoveAssociation);
}

template <class Action>
void AssociationPage::AskAndRun(const QString& question, Action action, const QString& done) {
    if (ws_.interaction.ShowMessage({this, question, QStringLiteral("確認"), workspace::MessageIcon::Question,
                                     workspace::MessageButtons::YesNo, workspace::Answer::Yes}) != workspace::Answer::Yes)
        return;
    action();
    ws_.interaction.ShowMessage({this, done, QStringLiteral("完了"), workspace::MessageIcon::None,
                                 workspace::MessageButtons::Ok, workspace::Answer::Ok});
}

void AssociationPage::SetAssociation() {
    AskAndRun(QStringLiteral("関連付けを設定します。よろしいですか？"),
              [] { desktop::RegisterFileAssociation(QCoreApplication::applicationFilePath().toStdString()); },
              QStringLiteral("関連付けの設定が完了しました。"));
}

void AssociationPage::RemoveAssociation() {
    AskAndRun(QStringLiteral("関連付けを解除します。よろしいですか？"), [] { desktop::UnregisterFileAssociation(); },
              QStringLiteral("関連付けの解除が完了しました。"));
}

}  // namespace quillora::environment
