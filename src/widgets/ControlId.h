#pragma once
// Controls carry their dialog or command id as object name ("id1036"), which tests and scripts
// look up.
#include <QString>

namespace quillora::widgets {

// The ids every dialog gives its OK and ｷｬﾝｾﾙ buttons.
inline constexpr int kOkId = 1;
inline constexpr int kCancelId = 2;

// The object name of the control with a dialog id.
inline QString ControlName(int id) { return QStringLiteral("id%1").arg(id); }

template <class Widget>
Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(ControlName(id));
    return widget;
}

}  // namespace quillora::widgets
