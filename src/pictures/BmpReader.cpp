#include "BmpReader.h"

#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <cstdlib>
#include <cstring>

#include "PictureLimits.h"

namespace quillora::pictures {

namespace {
// Enough for the largest accepted picture at 32 bits per pixel.
constexpr int kAllocationLimitMb = static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024));
}

std::unique_ptr<document::Picture> ReadBmpPicture(const std::string& fileSystemPath) {
    QImageReader reader(QString::fromStdString(fileSystemPath), "bmp");
    reader.setAutoDetectImageFormat(false);  // only the BMP reader, whatever the name says
    reader.setAllocationLimit(kAllocationLimitMb);
    if (!reader.canRead()) return nullptr;
    // Qt reports a top-down file's height as negative.
    const QSize size = reader.size();
    if (!IsAcceptedPictureSize(size.width(), std::abs(size.height()))) return nullptr;
    QImage image = reader.read();
    if (image.isNull()) return nullptr;
    image = image.convertToFormat(QImage::Format_BGR888);
    if (image.isNull()) return nullptr;

    auto picture = std::make_unique<document::Picture>();
    picture->width = image.width();
    picture->height = image.height();
    const std::size_t rowBytes = picture->rowBytes();
    const std::size_t pixelBytes = static_cast<std::size_t>(picture->width) * 3;
    picture->bits.resize(rowBytes * static_cast<std::size_t>(picture->height));
    for (int k = 0; k < picture->height; ++k)
        std::memcpy(picture->bits.data() + rowBytes * static_cast<std::size_t>(k),
                    image.constScanLine(picture->height - 1 - k), pixelBytes);
    return picture;
}

}  // namespace quillora::pictures
