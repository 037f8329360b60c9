#include "DialogParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ControlId.h"
#include "widgets/NumberField.h"

namespace quillora::widgets {

QPushButton* MakeButton(QWidget& parent, const QString& text, int id) {
    return WithId(new QPushButton(text, &parent), id);
}

DialogButtons MakeOkCancel(QDialog& dialog) {
    DialogButtons buttons;
    buttons.ok = MakeButton(dialog, QStringLiteral("OK"), kOkId);
    buttons.ok->setDefault(true);
    buttons.cancel = MakeButton(dialog, QStringLiteral("ｷｬﾝｾﾙ"), kCancelId);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}

QBoxLayout* ButtonColumn(std::initializer_list<QPushButton*> buttons) {
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons) column->addWidget(button);
    column->addStretch();
    return column;
}

QBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons) row->addWidget(button);
    return row;
}

void AddNumberRow(QGridLayout& grid, int row, int column, const QString& label, widgets::NumberField* field,
                  const QString& unit) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field->Edit());
    grid.addWidget(caption, row, column);
    grid.addWidget(field, row, column + 1);
    grid.addWidget(new QLabel(unit), row, column + 2);
}

DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const QString& applyText, int applyId) {
    // A dialog taller than its contents keeps the buttons at its bottom.
    layout.addStretch(1);
    layout.addWidget(MakeSeparator(dialog));
    DialogButtons buttons = MakeOkCancel(dialog);
    QBoxLayout* row = ButtonRow({buttons.ok, buttons.cancel});
    if (!applyText.isEmpty()) {
        buttons.apply = MakeButton(dialog, applyText, applyId);
        buttons.apply->setEnabled(false);
        row->addWidget(buttons.apply);
    }
    layout.addLayout(row);
    return buttons;
}

QFrame* MakeSeparator(QDialog& dialog) {
    auto* line = new QFrame(&dialog);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace quillora::widgets
