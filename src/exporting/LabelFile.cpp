#include "LabelFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "canvas/LabelImage.h"
#include "canvas/LabelTransparency.h"
#include "document/AtomicFile.h"

namespace quillora::exporting {
namespace {

constexpr float kMmPerInch = 25.4f;

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray Pdf(const QImage& image, int outerMm, int dpi) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dpi);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(outerMm, outerMm), QPageSize::Millimeter, QString(),
                                                   QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
        writer.setCreator(QStringLiteral("Quillora"));
        QPainter painter(&writer);
        if (!painter.isActive()) return {};
        // Without the hint Qt may store the picture as a JPEG.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        // One pixel a dot: the picture covers the square but for the part of a pixel it truncates.
        painter.drawImage(QPoint(0, 0), image);
    }
    return bytes;
}

}  // namespace

QByteArray EncodeLabel(const document::LabelDocument& doc, ExportFormat format, int dpi) {
    const QImage label =
        canvas::RenderLabelImage(doc, static_cast<float>(dpi) / kMmPerInch, render::RenderTarget::Printer);
    if (label.isNull()) return {};
    const QImage image = canvas::WithTransparentSurroundings(label, doc);
    return format == ExportFormat::Png ? Png(image) : Pdf(image, doc.SafeOuterMm(), dpi);
}

bool WriteLabelFile(const document::LabelDocument& doc, ExportFormat format, int dpi, const std::string& path) {
    document::ReplacementFile file(path);
    if (!file.IsOpen()) return false;
    const QByteArray bytes = EncodeLabel(doc, format, dpi);
    return !bytes.isEmpty() && file.Write(std::string_view(bytes.constData(), bytes.size())) && file.Commit();
}

}  // namespace quillora::exporting
