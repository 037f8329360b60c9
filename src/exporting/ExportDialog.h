#pragma once
// Asks what the export writes: a PNG picture or a PDF page, and the resolution in dots per inch,
// prefilled with the last choice.
#include <QDialog>

#include "exporting/LabelFile.h"
#include "settings/AppSettings.h"

class QRadioButton;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::exporting {

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(settings::AppSettings& settings, QWidget* parent);

    // OK keeps the choice in the settings, the resolution within 150..1200.
    void accept() override;

private:
    settings::AppSettings& settings_;
    QRadioButton* png_;
    QRadioButton* pdf_;
    widgets::NumberField* dpi_;
};

// The stored choice as the export uses it: an unknown format is PNG, the resolution is limited.
ExportFormat StoredFormat(const settings::AppSettings& settings);
int StoredDpi(const settings::AppSettings& settings);

}  // namespace quillora::exporting
