#pragma once
// Controls carry their dialog or command id as object name ("id1036"), which tests and scripts
// look up.
#include <QString>

namespace quillora::widgets {

// The ids every dialog gives its OK and ｷｬﾝｾﾙ buttons.
inline constexpr int kOkId = 1;
inline constexpr int kCancelId = 2;

template <class Widget>
Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    return widget;
}

}  // namespace quillora::widgets
