#pragma once
// One page of a print job written as PDF by the program itself. Qt's PDF writer compresses
// every image at zlib's default level on the painting thread, which took most of a print job's
// time; here each band of the label is filtered as PNG does and compressed at the fastest level
// while the next bands render. The pixels stay as rendered (both are lossless).
#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "document/LabelDocument.h"
#include "print/PrintGeometry.h"

class QPrinter;

namespace quillora::print {

class PdfPage {
public:
    // A page of `paperPoints` (its orientation applied) whose dots, `dotsPerInch` of them, count
    // from `originDots` below and right of the paper's top-left corner. Grey pages write the
    // label's pixels as grey levels.
    PdfPage(QSizeF paperPoints, int dotsPerInch, QPoint originDots, bool grey = false);

    // The page as `printer` paints it: its paper and orientation, its resolution and colour mode,
    // and Qt's origin (the printable corner unless the printer prints full page).
    static PdfPage ForPrinter(const QPrinter& printer);

    void FillRect(const QRect& dots, QRgb colour);
    // The label's square at the geometry's place, rendered on every thread in bands.
    void DrawLabelSquare(const document::LabelDocument& doc, const PrintGeometry& geometry);

    // The whole file, piece by piece to `sink` (false when it could not take one); `title` names
    // the document for the print system. False when memory for the label's bands or their
    // compression was not there.
    bool Write(const QString& title, const std::function<bool(std::string_view)>& sink) const;

private:
    struct Image {
        int width = 0;
        int height = 0;
        QByteArray deflated;
    };

    QSizeF paper_;
    double pointsPerDot_;
    QPoint origin_;
    bool grey_;
    QByteArray content_;
    std::vector<Image> images_;
    bool complete_ = true;
};

}  // namespace quillora::print
