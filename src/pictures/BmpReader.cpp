#include "BmpReader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "Bmp16Decoder.h"
#include "PictureLimits.h"
#include "document/RegularFile.h"

namespace quillora::pictures {

namespace {
// Enough for the largest accepted picture at 32 bits per pixel.
constexpr int kAllocationLimitMb = static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024));

std::unique_ptr<document::Picture> ReadThroughQt(QIODevice& file) {
    QImageReader reader(&file, "bmp");
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
    const std::size_t rowBytes = picture->RowBytes();
    const std::size_t pixelBytes = static_cast<std::size_t>(picture->width) * 3;
    picture->bits.resize(rowBytes * static_cast<std::size_t>(picture->height));
    for (int k = 0; k < picture->height; ++k)
        std::memcpy(picture->bits.data() + rowBytes * static_cast<std::size_t>(k),
                    image.constScanLine(picture->height - 1 - k), pixelBytes);
    return picture;
}
}  // namespace

std::unique_ptr<document::Picture> ReadBmpPicture(const std::string& fileSystemPath) {
    // Opened here and handed over open: a FIFO is refused without blocking, and a missing file
    // never reaches Qt, which would print its own complaint about it.
    const int fd = document::OpenRegularFile(fileSystemPath);
    if (fd < 0) return nullptr;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    if (auto picture = ReadBmp16(file)) return std::move(*picture);
    if (!file.seek(0)) return nullptr;
    return ReadThroughQt(file);
}

}  // namespace quillora::pictures
