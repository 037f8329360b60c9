#include "ListLayoutPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "LayoutStyleIcon.h"
#include "listlayer/ListSheetIds.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/NumberField.h"

namespace quillora::listlayer {
namespace {

constexpr int kFieldMax = 200;

using document::ListLayoutStyle;
using document::kListLayoutStyles;

struct FieldRow {
    const char* label;
    ListLayoutStyle style;
};

// In the order of fields_.
constexpr FieldRow kRows[] = {{"上余白(&T)：", ListLayoutStyle::LeftAligned}, {"左位置(&E)：", ListLayoutStyle::LeftAligned},
                              {"上余白(&O)：", ListLayoutStyle::AlongCircle}, {"左間隔(&M)：", ListLayoutStyle::AlongCircle},
                              {"上余白(&P)：", ListLayoutStyle::TwoColumns}, {"左間隔(&R)：", ListLayoutStyle::TwoColumns},
                              {"右間隔(&G)：", ListLayoutStyle::TwoColumns},
                              {"2列目開始番号(&N)：", ListLayoutStyle::TwoColumns}};

// A style's place among the three boxes.
int BoxOf(ListLayoutStyle style) { return static_cast<int>(style); }

std::array<std::int32_t*, 8> Values(document::ListBlock& list) {
    return {&list.top0, &list.left0, &list.top1, &list.left1, &list.top2, &list.left2, &list.left22,
            &list.secondColumnStart};
}

}  // namespace

ListLayoutPage::ListLayoutPage(workspace::Workspace& ws, QWidget* parent) : PropertyPage(parent), ws_(ws) {
    const QString captions[] = {QStringLiteral("左揃え(&L)"), QStringLiteral("円周揃え(&C)"),
                                QStringLiteral("円周揃え\n２列(&D)")};
    std::array<QGridLayout*, kListLayoutStyles.size()> grids{};
    auto* layout = new QHBoxLayout(this);
    for (ListLayoutStyle kind : kListLayoutStyles) {
        const int style = BoxOf(kind);
        auto* group = new QGroupBox(this);
        auto* column = new QVBoxLayout(group);
        auto* icon = new QLabel(group);
        widgets::WithId(icon, list_sheet_id::StyleIconId(style));
        icon->setPixmap(LayoutStyleIcon(kind, icon->devicePixelRatioF()));
        column->addWidget(icon, 0, Qt::AlignHCenter);
        styles_[style] = new QRadioButton(captions[style], group);
        widgets::WithId(styles_[style], list_sheet_id::StyleId(style));
        column->addWidget(styles_[style]);
        grids[style] = new QGridLayout;
        column->addLayout(grids[style]);
        column->addStretch(1);
        layout->addWidget(group);
        // One group of exclusive buttons across the three boxes.
        connect(styles_[style], &QRadioButton::clicked, this, [this, kind, style] {
            for (std::size_t other = 0; other < styles_.size(); ++other) styles_[other]->setChecked(int(other) == style);
            EnableStyle(kind);
            emit changed();
        });
    }
    std::array<int, 3> rowsUsed{};
    const auto values = Values(ws.doc.list);
    for (int i = 0; i < 8; ++i) {
        fields_[i] = new widgets::NumberField(0, kFieldMax, widgets::NumberField::Unsigned, this);
        widgets::WithId(fields_[i], list_sheet_id::FieldId(i));
        fields_[i]->SetValue(*values[i]);
        const int style = BoxOf(kRows[i].style);
        widgets::AddNumberRow(*grids[style], rowsUsed[style]++, 0, QString::fromUtf8(kRows[i].label), fields_[i],
                              i == 7 ? QString() : QStringLiteral("mm"));
        connect(fields_[i], &widgets::NumberField::edited, this, &ListLayoutPage::changed);
    }
    grids[2]->addWidget(new QLabel(QStringLiteral("※「0」で自動調整"), this), rowsUsed[2], 0, 1, 3);

    const std::optional<ListLayoutStyle> style = document::KnownListLayoutStyle(ws.doc.list.layoutStyle);
    for (ListLayoutStyle kind : kListLayoutStyles) {
        styles_[BoxOf(kind)]->setAutoExclusive(false);
        styles_[BoxOf(kind)]->setChecked(kind == style);
    }
    EnableStyle(style);
}

void ListLayoutPage::EnableStyle(std::optional<ListLayoutStyle> style) {
    for (int i = 0; i < 8; ++i) fields_[i]->setEnabled(!style || kRows[i].style == *style);
}

void ListLayoutPage::Apply() {
    document::ListBlock& list = ws_.doc.list;
    ListLayoutStyle chosen = ListLayoutStyle::TwoColumns;
    for (ListLayoutStyle kind : kListLayoutStyles)
        if (styles_[BoxOf(kind)]->isChecked()) chosen = kind;
    list.layoutStyle = static_cast<std::int32_t>(chosen);
    const auto values = Values(list);
    for (int i = 0; i < 8; ++i) *values[i] = fields_[i]->Value();
}

}  // namespace quillora::listlayer
