#include "desktop/AppIcon.h"

#include <QString>

#include "resources/Resources.h"

namespace quillora::desktop {
namespace {

QIcon IconFromSizes(const QString& baseName) {
    resources::EnsureResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillora/icons/%1-%2.png").arg(baseName).arg(size), QSize(size, size));
    return icon;
}

}  // namespace

QIcon ApplicationIcon() { return IconFromSizes(QStringLiteral("quillora")); }

QIcon DocumentIcon() { return IconFromSizes(QStringLiteral("quillora-document")); }

}  // namespace quillora::desktop
