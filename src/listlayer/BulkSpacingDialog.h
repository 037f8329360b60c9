#pragma once
// "間隔の一括設定": one spacing for every entry. OK asks first; only Yes sets the list's default
// spacing (which the page then gives every entry) and closes the dialog.
#include <QDialog>

#include "document/Records.h"
#include "workspace/Interaction.h"

namespace quillora::widgets {
class NumberField;
}

namespace quillora::listlayer {

class BulkSpacingDialog : public QDialog {
    Q_OBJECT
public:
    BulkSpacingDialog(document::ListBlock& list, workspace::Interaction& interaction, QWidget* parent);

    void accept() override;

private:
    document::ListBlock& list_;
    workspace::Interaction& interaction_;
    widgets::NumberField* spacing_;
};

}  // namespace quillora::listlayer
