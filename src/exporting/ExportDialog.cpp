#include "exporting/ExportDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "exporting/ExportIds.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "widgets/NumberField.h"

namespace quillora::exporting {

ExportFormat StoredFormat(const settings::AppSettings& settings) {
    return settings.exportFormat == static_cast<std::int32_t>(ExportFormat::Pdf) ? ExportFormat::Pdf
                                                                                 : ExportFormat::Png;
}

int StoredDpi(const settings::AppSettings& settings) {
    return std::clamp<int>(settings.exportDpi, kMinExportDpi, kMaxExportDpi);
}

ExportDialog::ExportDialog(settings::AppSettings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setWindowTitle(QString::fromUtf8("ｴｸｽﾎﾟｰﾄ"));
    png_ = widgets::WithId(new QRadioButton(QString::fromUtf8("PNG 画像 (透過)(&N)"), this), kIdPng);
    pdf_ = widgets::WithId(new QRadioButton(QString::fromUtf8("PDF (実寸)(&D)"), this), kIdPdf);
    (StoredFormat(settings) == ExportFormat::Pdf ? pdf_ : png_)->setChecked(true);
    auto* formats = new QGroupBox(QString::fromUtf8("形式"), this);
    auto* formatColumn = new QVBoxLayout(formats);
    formatColumn->addWidget(png_);
    formatColumn->addWidget(pdf_);

    dpi_ = widgets::WithId(new widgets::NumberField(kMinExportDpi, kMaxExportDpi, widgets::NumberField::DigitsOnly, this),
                           kIdDpi);
    dpi_->SetValue(StoredDpi(settings));
    auto* grid = new QGridLayout;
    widgets::AddNumberRow(*grid, 0, 0, QString::fromUtf8("解像度(&R)"), dpi_, QStringLiteral("dpi"));

    const widgets::DialogButtons okCancel = widgets::MakeOkCancel(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formats);
    layout->addLayout(grid);
    layout->addLayout(widgets::ButtonRow({okCancel.ok, okCancel.cancel}));
    okCancel.ok->setFocus();
    widgets::FixDialogSize(*this, 0, 0);
}

void ExportDialog::accept() {
    settings_.exportFormat = static_cast<std::int32_t>(pdf_->isChecked() ? ExportFormat::Pdf : ExportFormat::Png);
    settings_.exportDpi = std::clamp(dpi_->Value(), kMinExportDpi, kMaxExportDpi);
    QDialog::accept();
}

}  // namespace quillora::exporting
