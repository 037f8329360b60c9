#pragma once
// The colour chooser for a colour field shown in a swatch.
#include "document/Records.h"

class QWidget;

namespace quillora::workspace {
class Interaction;
}

namespace quillora::widgets {

class ColourSwatch;

// Opens the chooser on `colour`; when the user confirms, stores the choice in `colour`, shows it
// in the swatch and returns true.
bool ChooseSwatchColour(workspace::Interaction& interaction, QWidget* owner, document::Colour& colour,
                        ColourSwatch& swatch, bool fullOpen = false);

}  // namespace quillora::widgets
