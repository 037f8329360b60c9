#pragma once
// Controls carry their dialog or command id as object name ("id1036"), which tests and scripts
// look up.
#include <QString>

namespace quillora::widgets {

template <class Widget>
Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    return widget;
}

}  // namespace quillora::widgets
