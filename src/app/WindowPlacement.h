#pragma once
// The frame's and the floating windows' places as the settings file keeps them. The frame's
// numbers are its inner geometry, which is what can be restored before the window manager has
// added its decorations; a floating window's are its outer top-left corner.
#include "settings/AppSettings.h"

class QWidget;

namespace quillora::app {

void ApplyFramePlacement(QWidget& frame, const settings::FramePlacement& placement);
// The normal (restored) rectangle even while maximised, and whether it is maximised.
settings::FramePlacement CaptureFramePlacement(const QWidget& frame);
// "View" is the caller's flag; only the position is taken from the window.
void CaptureFloatingPosition(const QWidget& window, settings::FloatingWindowPlacement& placement);

}  // namespace quillora::app
