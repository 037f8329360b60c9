#pragma once
// The program's pictures (":/quillora/pictures/<name>.png") at the density of the screen they
// are shown on: a high-density screen gets the artwork drawn at twice the size (<name>@2x.png),
// marked so that it keeps the logical size, and so the layout, of the plain one.
#include <QPixmap>
#include <QString>

namespace quillora::windows {

QPixmap ScreenPicture(const QString& name, qreal ratio);

}  // namespace quillora::windows
