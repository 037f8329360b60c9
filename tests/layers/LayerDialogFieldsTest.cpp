// The number fields of the text and picture layer dialogs: each one's label leads to it (the
// label's shortcut focuses the field), its unit follows it, and its arrows keep to its range.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "LayerTestWorkspace.h"
#include "layers/PictureLayerDialog.h"
#include "layers/TextLayerDialog.h"
#include "widgets/NumberField.h"

using namespace quillora;
using namespace quillora::layers;
using layers::DialogVariant;
using widgets::NumberField;

namespace {

struct FieldRow {
    int id;
    const char* label;
    const char* unit;
    int min, max;
};

// The grid cell at `offset` columns from the field.
QWidget* Beside(QDialog& dialog, NumberField* field, int offset) {
    for (QGridLayout* grid : dialog.findChildren<QGridLayout*>()) {
        const int index = grid->indexOf(field);
        if (index < 0) continue;
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QLayoutItem* item = grid->itemAtPosition(row, column + offset);
        return item ? item->widget() : nullptr;
    }
    return nullptr;
}

void ExpectRows(QDialog& dialog, std::initializer_list<FieldRow> rows) {
    for (const FieldRow& r : rows) {
        SCOPED_TRACE(r.id);
        auto* field = Control<NumberField>(dialog, r.id);
        ASSERT_NE(field, nullptr);
        auto* label = qobject_cast<QLabel*>(Beside(dialog, field, -1));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(r.label));
        EXPECT_EQ(label->buddy(), field->Edit());
        auto* unit = qobject_cast<QLabel*>(Beside(dialog, field, 1));
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->text(), QString::fromUtf8(r.unit));
        EXPECT_EQ(field->Minimum(), r.min);
        EXPECT_EQ(field->Maximum(), r.max);
    }
}

TEST(LayerDialogFields, TextDialogLabelsUnitsAndRanges) {
    LayerTestWorkspace w;
    layers::TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    ExpectRows(dialog, {{text_dialog_id::kPosX, "X(&X)", "mm", -500, 500},
                        {text_dialog_id::kPosY, "Y(&Y)", "mm", -500, 500},
                        {text_dialog_id::kAngle, "角度(&N)：", "°", 0, 360},
                        {text_dialog_id::kShadowX, "X(&E)", "Pixel", -500, 500},
                        {text_dialog_id::kShadowY, "Y(&I)", "Pixel", -500, 500}});
}

TEST(LayerDialogFields, PictureDialogLabelsUnitsAndRanges) {
    LayerTestWorkspace w;
    layers::PictureLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    ExpectRows(dialog, {{picture_dialog_id::kPosX, "X(&X)：", "mm", -500, 500},
                        {picture_dialog_id::kPosY, "Y(&Y)：", "mm", -500, 500},
                        {picture_dialog_id::kWidth, "幅(&W)：", "mm", 1, 500},
                        {picture_dialog_id::kHeight, "高さ(&H)：", "mm", 1, 500}});
}

}  // namespace
