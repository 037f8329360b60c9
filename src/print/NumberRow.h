#pragma once
// One row of a number field with its caption before and its unit after, the caption's
// shortcut going to the field.
#include <QString>

class QGridLayout;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::print {

void AddNumberRow(QGridLayout& grid, int row, const QString& caption, widgets::NumberField* field, const QString& unit);

}  // namespace quillora::print
