#pragma once
// "ﾘｽﾄﾚｲﾔｰの詳細設定": whether numbers print, the leading zero, the separator and the default
// spacing. OK writes all four into the list; ｷｬﾝｾﾙ writes nothing.
#include <QDialog>

#include "document/Records.h"
#include "workspace/Interaction.h"

class QCheckBox;
class QLineEdit;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::listlayer {

class ListDetailsDialog : public QDialog {
    Q_OBJECT
public:
    ListDetailsDialog(document::ListBlock& list, workspace::Interaction& interaction, QWidget* parent);

    void accept() override;

private:
    document::ListBlock& list_;
    QCheckBox* printNumbers_;
    QCheckBox* addZero_;
    QLineEdit* separator_;
    widgets::NumberField* defaultSpacing_;
};

}  // namespace quillora::listlayer
