#include "windows/ScreenPicture.h"

#include "resources/Resources.h"

namespace quillora::windows {

QPixmap ScreenPicture(const QString& name, qreal ratio) {
    resources::EnsureResources();
    // Twice the size is the largest drawn; on screens denser still Qt scales it the rest of the way.
    const bool doubled = ratio > 1;
    const QString suffix = doubled ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    QPixmap picture(QStringLiteral(":/quillora/pictures/") + name + suffix);
    picture.setDevicePixelRatio(doubled ? 2 : 1);
    return picture;
}

}  // namespace quillora::windows
