#include "BmpReader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "Bmp16Decoder.h"
#include "LittleEndian.h"
#include "PictureLimits.h"
#include "document/RegularFile.h"

namespace quillora::pictures {

namespace {
// Enough for the largest accepted picture at 32 bits per pixel.
constexpr int kAllocationLimitMb = static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024));

// An uncompressed file must hold every row it claims: a reader allocates the whole picture
// first (Qt's leaves what is missing blank). Run-length files have no such floor; the pixel
// limit bounds them.
bool HoldsItsRows(QFileDevice& file) {
    const QByteArray head = file.peek(34);
    if (head.size() < 30) return true;  // too short to say: Qt refuses it
    const std::uint32_t headerSize = Get32(head, 14);
    const bool core = headerSize == 12;
    // Signed in the longer headers: a negative height marks a top-down file.
    const auto sign = [](std::uint32_t v) { return std::int64_t{static_cast<std::int32_t>(v)}; };
    const std::int64_t width = core ? std::int64_t{Get16(head, 18)} : sign(Get32(head, 18));
    std::int64_t height = core ? std::int64_t{Get16(head, 20)} : sign(Get32(head, 22));
    const std::uint32_t bits = core ? Get16(head, 24) : Get16(head, 28);
    const std::uint32_t compression = core || head.size() < 34 ? 0 : Get32(head, 30);
    constexpr std::uint32_t kRgb = 0, kBitFields = 3;
    if (compression != kRgb && compression != kBitFields) return true;
    height = std::abs(height);
    if (width <= 0 || height == 0 || bits == 0) return true;
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    const std::int64_t lastRow = (width * bits + 7) / 8;  // some writers leave its padding out
    return file.size() >= std::int64_t{Get32(head, 10)} + stride * (height - 1) + lastRow;
}

std::unique_ptr<document::Picture> ReadThroughQt(QFileDevice& file) {
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
    if (!HoldsItsRows(file)) return nullptr;
    if (auto picture = ReadBmp16(file)) return std::move(*picture);
    if (!file.seek(0)) return nullptr;
    return ReadThroughQt(file);
}

}  // namespace quillora::pictures
