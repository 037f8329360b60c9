#include "FontChooser.h"

#include <algorithm>
#include <optional>
#include <string>

#include "canvas/FontMapping.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "workspace/Interaction.h"
#include "canvas/RecordText.h"

namespace quillora::widgets {
namespace {
// The sizes the font chooser may return, in whole points.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 200;
}  // namespace

bool ChooseRecordFont(workspace::Interaction& interaction, QWidget* owner, FontFields fields) {
    const std::string storedFace(text::FieldView(fields.fontFace));
    const QString usedFamily = canvas::FontMapping::UsedFamily(storedFace);
    workspace::FontChoice initial;
    initial.face = usedFamily;
    initial.pointSizeTenths = fields.fontSize * 10;
    initial.weight = fields.fontBold;
    initial.italic = (fields.fontItalic & 0xFF) != 0;
    initial.underline = (fields.fontUnderline & 0xFF) != 0;
    initial.strikeOut = (fields.fontStrike & 0xFF) != 0;
    std::optional<workspace::FontChoice> chosen = interaction.ChooseFont(owner, initial);
    if (!chosen) return false;
    std::optional<std::string> face = chosen->face == usedFamily
                                          ? std::optional<std::string>(storedFace)
                                          : text::Utf8ToCp932(canvas::FontMapping::StoredFaceFor(chosen->face).toStdString());
    if (!face) {
        // A face name the records cannot hold would be stored wrong: refuse it.
        interaction.Beep();
        return false;
    }
    fields.fontSize = std::clamp(chosen->pointSizeTenths / 10, kMinPoints, kMaxPoints);
    fields.fontBold = chosen->weight;
    fields.fontItalic = chosen->italic ? 1 : 0;
    fields.fontUnderline = chosen->underline ? 1 : 0;
    fields.fontStrike = chosen->strikeOut ? 1 : 0;
    text::StoreField(fields.fontFace, *face);
    return true;
}

QString FontLabelText(const FontFields& fields) {
    const QString face = canvas::FieldToQString(fields.fontFace);
    return QStringLiteral("%1 / %2pt").arg(face).arg(fields.fontSize);
}

}  // namespace quillora::widgets
