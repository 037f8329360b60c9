#include "print/PrintSettingsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "print/PrintControlIds.h"
#include "print/PrintLabel.h"
#include "print/PrintPreview.h"
#include "print/PrinterSetup.h"
#include "widgets/ControlId.h"
#include "widgets/NumberField.h"
#include "workspace/Captions.h"

namespace quillora::print {
namespace {

constexpr int kMarginMin = 0;
constexpr int kMarginMax = 200;

}  // namespace

PrintSettingsDialog::PrintSettingsDialog(workspace::Workspace& ws, PrinterSelection& selection, QWidget* parent)
    : QDialog(parent), ws_(ws), selection_(selection) {
    setWindowTitle(QString::fromUtf8(workspace::caption::kPrintSettings));
    const document::DocHeader& header = ws.doc.header;

    auto* grid = new QGridLayout;
    top_ = widgets::WithId(new widgets::NumberField(kMarginMin, kMarginMax, widgets::NumberField::Signed, this), kIdMarginTop);
    left_ = widgets::WithId(new widgets::NumberField(kMarginMin, kMarginMax, widgets::NumberField::Signed, this), kIdMarginLeft);
    top_->SetValue(header.marginTop);
    left_->SetValue(header.marginLeft);
    widgets::AddNumberRow(*grid, 0, 0, QString::fromUtf8("上(&T)："), top_, QStringLiteral("mm"));
    widgets::AddNumberRow(*grid, 1, 0, QString::fromUtf8("左(&L)："), left_, QStringLiteral("mm"));
    cropMarks_ = widgets::WithId(new QCheckBox(QString::fromUtf8("ﾄﾝﾎﾞ印刷(&O)"), this), kIdCropMarks);
    cropMarks_->setChecked(header.cropMarks != 0);

    const widgets::DialogButtons okCancel = widgets::MakeOkCancel(*this);
    auto* print = widgets::MakeButton(*this, QString::fromUtf8("印刷(&P)..."), kIdPrint);
    auto* preview = widgets::MakeButton(*this, QString::fromUtf8("印刷ﾌﾟﾚﾋﾞｭｰ(&R)..."), kIdPreview);
    auto* setup = widgets::MakeButton(*this, QString::fromUtf8("ﾌﾟﾘﾝﾀの設定(&C)..."), kIdPrinterSetup);
    connect(print, &QPushButton::clicked, this, [this] {
        Store();
        PrintLabel(ws_, selection_, this);
    });
    connect(preview, &QPushButton::clicked, this, [this] {
        Store();
        ShowPrintPreview(ws_, selection_, this);
    });
    connect(setup, &QPushButton::clicked, this, [this] { PrinterSetup(ws_, selection_, this); });

    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addWidget(cropMarks_);
    fields->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(widgets::ButtonColumn({okCancel.ok, okCancel.cancel, print, preview, setup}));
    okCancel.ok->setFocus();
    // No template size is known for it: fixed at what its contents need.
    widgets::FixDialogSize(*this, 0, 0);
}

void PrintSettingsDialog::Store() {
    document::DocHeader& header = ws_.doc.header;
    header.marginTop = top_->Value();
    header.marginLeft = left_->Value();
    header.cropMarks = cropMarks_->isChecked() ? 1 : 0;
    // Undoable, but as before not a change that asks to be saved.
    ws_.doc.CommitEdit(workspace::caption::kPrintSettings, document::ChangeScope::PrintSettings);
}

void PrintSettingsDialog::accept() {
    Store();
    QDialog::accept();
}

int ShowPrintSettings(workspace::Workspace& ws, PrinterSelection& selection) {
    PrintSettingsDialog dialog(ws, selection, ws.frame);
    return ws.interaction.RunDialog(dialog);
}

}  // namespace quillora::print
