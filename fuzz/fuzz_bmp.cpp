// Arbitrary bytes as a BMP file: read or refused, never a crash, and a picture that is read
// has the size its pixel memory says.
#include <QImageReader>
#include <QSize>
#include <QString>
#include <cstdlib>

#include "BmpReader.h"
#include "FuzzInputFile.h"

// Pictures above this are accepted by the reader but make fuzzing crawl.
constexpr long long kFuzzMaxPixels = 4 * 1024 * 1024;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile file;
    const std::string& path = file.Write(data, size);
    const QSize declared = QImageReader(QString::fromStdString(path), "bmp").size();
    if (static_cast<long long>(declared.width()) * std::abs(declared.height()) > kFuzzMaxPixels) return 0;
    auto picture = quillora::pictures::ReadBmpPicture(path);
    if (picture && picture->bits.size() != picture->rowBytes() * static_cast<std::size_t>(picture->height))
        __builtin_trap();
    return 0;
}
