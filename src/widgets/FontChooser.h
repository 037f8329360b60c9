#pragma once
// The font chooser for a record's font fields (the text layer values, the list): opens on the
// family the renderer draws the stored face with, and keeps the stored face name when the user
// leaves the family as it was, so a label made on Windows keeps its Windows face names.
#include <QString>
#include <cstdint>

class QWidget;

namespace quillora::workspace {
class Interaction;
}

namespace quillora::widgets {

// The font fields every record with a font has, under the same names.
struct FontFields {
    char (&fontFace)[32];
    std::int32_t& fontSize;
    std::int32_t& fontBold;
    std::int32_t& fontItalic;
    std::int32_t& fontUnderline;
    std::int32_t& fontStrike;
};

template <class Record>
FontFields FontFieldsOf(Record& record) {
    return {record.fontFace, record.fontSize, record.fontBold, record.fontItalic, record.fontUnderline,
            record.fontStrike};
}

// Runs the chooser; true when the fields were changed. A face the records cannot hold is refused
// with a beep.
bool ChooseRecordFont(workspace::Interaction& interaction, QWidget* owner, FontFields fields);

// "face / 12pt", as the dialogs show the font.
QString FontLabelText(const FontFields& fields);

}  // namespace quillora::widgets
