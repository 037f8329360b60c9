#include "ListLayoutPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "LayoutStyleIcon.h"
#include "widgets/DialogParts.h"
#include "widgets/NumberField.h"

namespace quillora::listlayer {
namespace {

constexpr int kFieldMax = 200;

struct FieldRow {
    const char* label;
    int style;
};

// In the order of fields_.
constexpr FieldRow kRows[] = {{"上余白(&T)：", 0}, {"左位置(&E)：", 0}, {"上余白(&O)：", 1}, {"左間隔(&M)：", 1},
                              {"上余白(&P)：", 2}, {"左間隔(&R)：", 2}, {"右間隔(&G)：", 2},
                              {"2列目開始番号(&N)：", 2}};

std::array<std::int32_t*, 8> Values(document::ListBlock& list) {
    return {&list.top0, &list.left0, &list.top1, &list.left1, &list.top2, &list.left2, &list.left22,
            &list.secondColumnStart};
}

}  // namespace

ListLayoutPage::ListLayoutPage(workspace::Workspace& ws, QWidget* parent) : PropertyPage(parent), ws_(ws) {
    const QString captions[] = {QStringLiteral("左揃え(&L)"), QStringLiteral("円周揃え(&C)"),
                                QStringLiteral("円周揃え\n２列(&D)")};
    std::array<QGridLayout*, 3> grids{};
    auto* layout = new QHBoxLayout(this);
    for (int style = 0; style < 3; ++style) {
        auto* group = new QGroupBox(this);
        auto* column = new QVBoxLayout(group);
        auto* icon = new QLabel(group);
        icon->setPixmap(LayoutStyleIcon(style));
        column->addWidget(icon, 0, Qt::AlignHCenter);
        styles_[style] = new QRadioButton(captions[style], group);
        styles_[style]->setObjectName(QStringLiteral("style%1").arg(style));
        column->addWidget(styles_[style]);
        grids[style] = new QGridLayout;
        column->addLayout(grids[style]);
        column->addStretch(1);
        layout->addWidget(group);
        // One group of exclusive buttons across the three boxes.
        connect(styles_[style], &QRadioButton::clicked, this, [this, style] {
            for (int other = 0; other < 3; ++other) styles_[other]->setChecked(other == style);
            EnableStyle(style);
            emit changed();
        });
    }
    std::array<int, 3> rowsUsed{};
    const auto values = Values(ws.doc.list);
    for (int i = 0; i < 8; ++i) {
        fields_[i] = new widgets::NumberField(0, kFieldMax, widgets::NumberField::Unsigned, this);
        fields_[i]->setObjectName(QStringLiteral("field%1").arg(i));
        fields_[i]->SetValue(*values[i]);
        const int style = kRows[i].style;
        widgets::AddNumberRow(*grids[style], rowsUsed[style]++, 0, QString::fromUtf8(kRows[i].label), fields_[i],
                              i == 7 ? QString() : QStringLiteral("mm"));
        connect(fields_[i], &widgets::NumberField::edited, this, &ListLayoutPage::changed);
    }
    grids[2]->addWidget(new QLabel(QStringLiteral("※「0」で自動調整"), this), rowsUsed[2], 0, 1, 3);

    const int style = ws.doc.list.layoutStyle;
    for (int i = 0; i < 3; ++i) {
        styles_[i]->setAutoExclusive(false);
        styles_[i]->setChecked(i == style);
    }
    EnableStyle(style);
}

void ListLayoutPage::EnableStyle(int style) {
    const bool known = style >= 0 && style <= 2;
    for (int i = 0; i < 8; ++i) fields_[i]->setEnabled(!known || kRows[i].style == style);
}

void ListLayoutPage::Apply() {
    document::ListBlock& list = ws_.doc.list;
    list.layoutStyle = styles_[0]->isChecked() ? 0 : styles_[1]->isChecked() ? 1 : 2;
    const auto values = Values(list);
    for (int i = 0; i < 8; ++i) *values[i] = fields_[i]->Value();
}

}  // namespace quillora::listlayer
