#include "print/NumberRow.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "widgets/NumberField.h"

namespace quillora::print {

void AddNumberRow(QGridLayout& grid, int row, const QString& caption, widgets::NumberField* field, const QString& unit) {
    auto* label = new QLabel(caption);
    label->setBuddy(field->Edit());
    grid.addWidget(label, row, 0);
    grid.addWidget(field, row, 1);
    grid.addWidget(new QLabel(unit), row, 2);
}

}  // namespace quillora::print
