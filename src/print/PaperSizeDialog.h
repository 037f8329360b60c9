#pragma once
// Asks for the paper size when the printer cannot tell it: width and height in millimetres,
// prefilled with the last size used.
#include <QDialog>
#include <optional>

#include "print/PaperDecision.h"
#include "workspace/Workspace.h"

namespace quillora::widgets {
class NumberField;
}

namespace quillora::print {

class PaperSizeDialog : public QDialog {
    Q_OBJECT
public:
    PaperSizeDialog(document::DocHeader& header, QWidget* parent);

    // OK stores both sizes in the header, 0 and what does not fit a positive int becoming 1.
    void accept() override;
    PaperSize Size() const;

private:
    void SetSize(int width, int height);

    document::DocHeader& header_;
    widgets::NumberField* width_;
    widgets::NumberField* height_;
};

// A typed paper width or height as it is stored: at least 1.
int StoredPaperDimension(const QString& typed);

// Runs the dialog with `owner` as parent; on OK returns the size it stored.
std::optional<PaperSize> AskPaperSize(workspace::Workspace& ws, QWidget* owner);

}  // namespace quillora::print
