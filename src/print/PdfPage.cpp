#include "print/PdfPage.h"

#include <QImage>
#include <QPrinter>
#include <libdeflate.h>
#include <memory>
#include <vector>

#include "canvas/PrinterBands.h"
#include "print/PrintDocument.h"
#include "print/PrintablePage.h"

namespace quillora::print {
namespace {

QByteArray Number(double value) {
    QByteArray text = QByteArray::number(value, 'f', 4);
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text;
}

// The operator that sets the fill colour, in grey levels on a grey page.
QByteArray FillColour(QRgb colour, bool grey) {
    if (grey) return Number(qGray(colour) / 255.0) + " g";
    return Number(qRed(colour) / 255.0) + ' ' + Number(qGreen(colour) / 255.0) + ' ' + Number(qBlue(colour) / 255.0) +
           " rg";
}

// A text string as PDF writes any text: UTF-16 with its byte order mark, in hex.
QByteArray TextString(const QString& text) {
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16.append(static_cast<char>(c.unicode() >> 8));
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
    }
    return '<' + utf16.toHex() + '>';
}

// What one thread needs to compress bands: the compressor and room for a band's samples, kept
// from band to band.
struct Compression {
    std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor{
        libdeflate_alloc_compressor(1), &libdeflate_free_compressor};
    std::vector<uchar> samples;
};

// The band's pixels as the image's samples, three bytes (or one grey) a pixel, compressed at the
// fastest level; empty when memory is short.
QByteArray Deflated(const QImage& band, bool grey, Compression& c) {
    if (!c.compressor) return {};
    const int width = band.width();
    const int channels = grey ? 1 : 3;
    c.samples.resize((static_cast<std::size_t>(width) * channels + 1) * band.height());
    uchar* out = c.samples.data();
    for (int y = 0; y < band.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(band.constScanLine(y));
        // Each row as PNG's "Sub" filter writes it: every sample less the one a pixel before.
        // Flat colours and smooth shades become runs that compress several times faster.
        *out++ = 1;
        QRgb before = 0;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = row[x];
            if (grey) {
                *out++ = static_cast<uchar>(qGray(pixel) - qGray(before));
            } else {
                *out++ = static_cast<uchar>(qRed(pixel) - qRed(before));
                *out++ = static_cast<uchar>(qGreen(pixel) - qGreen(before));
                *out++ = static_cast<uchar>(qBlue(pixel) - qBlue(before));
            }
            before = pixel;
        }
    }
    // Of the room for the worst case, only what the compressed samples fill is ever touched.
    QByteArray deflated(static_cast<qsizetype>(libdeflate_zlib_compress_bound(c.compressor.get(), c.samples.size())),
                        Qt::Uninitialized);
    const std::size_t size = libdeflate_zlib_compress(c.compressor.get(), c.samples.data(), c.samples.size(),
                                                      deflated.data(), static_cast<std::size_t>(deflated.size()));
    deflated.resize(static_cast<qsizetype>(size));
    return deflated;
}

}  // namespace

PdfPage::PdfPage(QSizeF paperPoints, int dotsPerInch, QPoint originDots, bool grey)
    : paper_(paperPoints), pointsPerDot_(72.0 / std::max(dotsPerInch, 1)), origin_(originDots), grey_(grey) {
    // From here on the page counts in dots from the origin, downwards, as a painter on the printer.
    const double scale = pointsPerDot_;
    content_ = "q " + Number(scale) + " 0 0 " + Number(-scale) + ' ' + Number(origin_.x() * scale) + ' ' +
               Number(paper_.height() - origin_.y() * scale) + " cm\n";
}

PdfPage PdfPage::ForPrinter(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const PrintablePage page = PrintablePageOf(printer);
    QPoint origin;
    if (page.fromPaperCorner) {
        origin = {page.leftDots, page.topDots};
    } else if (!printer.fullPage()) {
        origin = layout.paintRectPixels(printer.resolution()).topLeft();
    }
    return {layout.fullRectPoints().size(), printer.resolution(), origin,
            printer.colorMode() == QPrinter::GrayScale};
}

void PdfPage::FillRect(const QRect& dots, QRgb colour) {
    content_ += FillColour(colour, grey_) + ' ' + QByteArray::number(dots.x()) + ' ' + QByteArray::number(dots.y()) + ' ' +
                QByteArray::number(dots.width()) + ' ' + QByteArray::number(dots.height()) + " re f\n";
}

void PdfPage::DrawLabelSquare(const document::LabelDocument& doc, const PrintGeometry& g) {
    if (g.widthDev <= 0 || g.heightDev <= 0) return;
    const canvas::BandLayout layout{g.widthDev, g.heightDev, canvas::PrinterBandRows(g.widthDev, g.heightDev, kBandBytes)};
    const std::size_t first = images_.size();
    images_.resize(first + static_cast<std::size_t>(layout.BandCount()));
    // Each band is compressed on the thread that rendered it, into its own place.
    const int threads = canvas::RenderThreads();
    std::vector<Compression> compression(static_cast<std::size_t>(threads));
    complete_ &= canvas::RenderPrinterBands(doc, layout, threads, [&](int i, int thread, const QImage& band) {
        images_[first + static_cast<std::size_t>(i)] = {band.width(), band.height(),
                                                        Deflated(band, grey_, compression[static_cast<std::size_t>(thread)])};
    });
    for (std::size_t i = first; i < images_.size(); ++i) {
        const Image& image = images_[i];
        complete_ &= !image.deflated.isEmpty();
        // The image's unit square, its first row at the top, onto the band's dots.
        const int top = g.originY + static_cast<int>(i - first) * layout.bandRows;
        content_ += "q " + QByteArray::number(image.width) + " 0 0 " + QByteArray::number(-image.height) + ' ' +
                    QByteArray::number(g.originX) + ' ' + QByteArray::number(top + image.height) + " cm /Im" +
                    QByteArray::number(i) + " Do Q\n";
    }
}

bool PdfPage::Write(const QString& title, const std::function<bool(std::string_view)>& sink) const {
    if (!complete_) return false;
    qsizetype written = 0;
    std::vector<qsizetype> offsets;
    const auto put = [&](const QByteArray& bytes) {
        written += bytes.size();
        return sink(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    };
    const auto object = [&](const QByteArray& dictionary, const QByteArray* stream = nullptr) {
        offsets.push_back(written);
        QByteArray head = QByteArray::number(offsets.size()) + " 0 obj\n" + dictionary;
        if (!stream) return put(head + "\nendobj\n");
        return put(head + "\nstream\n") && put(*stream) && put("\nendstream\nendobj\n");
    };
    // 1 catalogue, 2 pages, 3 page, 4 contents, 5 information, then the images.
    const int firstImage = 6;
    QByteArray xobjects;
    for (std::size_t i = 0; i < images_.size(); ++i) {
        xobjects += "/Im" + QByteArray::number(i) + ' ' + QByteArray::number(firstImage + i) + " 0 R ";
    }
    const QByteArray content = content_ + "Q\n";
    bool ok = put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n") && object("<< /Type /Catalog /Pages 2 0 R >>") &&
              object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>") &&
              object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(paper_.width()) + ' ' +
                     Number(paper_.height()) + "] /Resources << /XObject << " + xobjects + ">> >> /Contents 4 0 R >>") &&
              object("<< /Length " + QByteArray::number(content.size()) + " >>", &content) &&
              object("<< /Title " + TextString(title) + " /Creator " + TextString(QStringLiteral("Quillora")) + " >>");
    for (const Image& image : images_) {
        ok = ok && object("<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(image.width) + " /Height " +
                              QByteArray::number(image.height) + " /ColorSpace " +
                              (grey_ ? "/DeviceGray" : "/DeviceRGB") + " /BitsPerComponent 8 /Filter /FlateDecode /DecodeParms << /Predictor 11 /Colors " +
                              (grey_ ? "1" : "3") + " /Columns " + QByteArray::number(image.width) + " >> /Length " +
                              QByteArray::number(image.deflated.size()) + " >>",
                          &image.deflated);
    }
    const qsizetype xref = written;
    QByteArray tail = "xref\n0 " + QByteArray::number(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets) tail += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    tail += "trailer\n<< /Size " + QByteArray::number(offsets.size() + 1) + " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" +
            QByteArray::number(xref) + "\n%%EOF\n";
    return ok && put(tail);
}

}  // namespace quillora::print
