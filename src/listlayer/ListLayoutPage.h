#pragma once
// "ﾚｲｱｳﾄ": the three layout styles, each with its fields; only the chosen style's fields are
// enabled, but Apply writes all eight.
#include <array>
#include <optional>

#include "document/ListLayoutStyle.h"
#include "widgets/PropertyPage.h"
#include "workspace/Workspace.h"

class QRadioButton;

namespace quillora::widgets {
class NumberField;
}
#include "document/ListLayoutStyle.h"

namespace quillora::listlayer {

class ListLayoutPage : public widgets::PropertyPage {
    Q_OBJECT
public:
    ListLayoutPage(workspace::Workspace& ws, QWidget* parent);

    void Apply() override;

private:
    // Enables the fields of `style`; an unknown stored style enables them all.
    void EnableStyle(std::optional<document::ListLayoutStyle> style);

    workspace::Workspace& ws_;
    std::array<QRadioButton*, document::kListLayoutStyles.size()> styles_{};
    // top0, left0, top1, left1, top2, left2, left22, secondColumnStart
    std::array<widgets::NumberField*, 8> fields_{};
};

}  // namespace quillora::listlayer
