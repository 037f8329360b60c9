#pragma once
// The program's icons, drawn for several sizes and kept in the resources.
#include <QIcon>

namespace quillora::desktop {

QIcon ApplicationIcon();
QIcon DocumentIcon();

}  // namespace quillora::desktop
