#pragma once
#include <Qt>

namespace quillora::widgets {

// The floating windows: a small caption with a close box only. They are top-levels without a
// parent, so that a dialog modal to the frame leaves them usable.
inline constexpr Qt::WindowFlags kFloatingWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace quillora::widgets
