#include "print/SheetPrint.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace quillora::print {
namespace {

constexpr double kDieCutToleranceMm = 1;

// A4, US Letter or any other standard paper by its size, so a queue finds it among its own.
QPageSize SheetPaper(const sheets::LabelSheet& sheet) {
    return QPageSize(QSizeF(sheet.paperWidthMm, sheet.paperHeightMm), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

}  // namespace

std::vector<PrintGeometry> SheetSquares(const SheetJob& job, int outerMm, double dotsPerMm) {
    std::vector<PrintGeometry> squares;
    const auto dots = [dotsPerMm](double mm) { return static_cast<int>(std::lround(mm * dotsPerMm)); };
    for (const int position : job.positions) {
        if (position < 0 || position >= int(job.sheet.centres.size())) continue;
        const sheets::SheetPoint& centre = job.sheet.centres[position];
        PrintGeometry g;
        g.hScale = g.vScale = static_cast<float>(dotsPerMm);
        g.originX = dots(centre.x - outerMm / 2.0 + job.offset.xMm);
        g.originY = dots(centre.y - outerMm / 2.0 + job.offset.yMm);
        g.widthDev = g.heightDev = dots(outerMm);
        squares.push_back(g);
    }
    return squares;
}

bool LabelMissesDieCut(const SheetJob& job, int outerMm) {
    return std::abs(job.sheet.outerMm - outerMm) > kDieCutToleranceMm;
}

PrintResult PrintOnSheet(QPrinter& printer, const document::LabelDocument& doc, const SheetJob& job) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(SheetPaper(job.sheet));
    // Measured from the paper's corner, whatever the printer cannot reach.
    const bool fullPage = printer.fullPage();
    printer.setFullPage(true);
    const auto squares = SheetSquares(job, doc.SafeOuterMm(), printer.resolution() / 25.4);
    const PrintResult result = DeliverJob(printer, doc, [&] {
        QPainter painter;
        if (!painter.begin(&printer)) return false;
        for (const PrintGeometry& square : squares) DrawLabelSquare(painter, doc, square);
        return painter.end();
    });
    printer.setFullPage(fullPage);
    return result;
}

}  // namespace quillora::print
