#pragma once
// The ten tips shown at start-up and on request, and how the tip number moves on.
#include <QString>

namespace quillora::windows {

inline constexpr int kTipCount = 10;

// The tip's text: a line break, the heading, an empty line and the body. Numbers outside 0..9
// (a hand-edited settings file) show tip 0.
QString TipText(int number);

// The tip a number shows: itself when within 0..9, else tip 0.
int ShownTipNumber(int number);

// The tip after the one `number` shows, wrapping from the last to the first.
int NextTipNumber(int number);

}  // namespace quillora::windows
