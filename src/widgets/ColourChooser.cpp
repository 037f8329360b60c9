#include "ColourChooser.h"

#include <QColor>
#include <optional>

#include "ColourSwatch.h"
#include "canvas/Colours.h"
#include "workspace/Interaction.h"

namespace quillora::widgets {

bool ChooseSwatchColour(workspace::Interaction& interaction, QWidget* owner, document::Colour& colour,
                        ColourSwatch& swatch, bool fullOpen) {
    std::optional<QColor> chosen = interaction.ChooseColour(owner, canvas::ToQColor(colour), fullOpen);
    if (!chosen) return false;
    colour = canvas::FromQColor(*chosen);
    swatch.SetColour(colour);
    return true;
}

}  // namespace quillora::widgets
