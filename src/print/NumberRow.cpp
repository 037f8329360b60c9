#include "print/NumberRow.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/NumberField.h"

namespace quillora::print {

void AddNumberRow(QGridLayout& grid, int row, const QString& caption, ui::NumberField* field, const QString& unit) {
    auto* label = new QLabel(caption);
    label->setBuddy(field->edit());
    grid.addWidget(label, row, 0);
    grid.addWidget(field, row, 1);
    grid.addWidget(new QLabel(unit), row, 2);
}

}  // namespace quillora::print
