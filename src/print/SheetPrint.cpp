#include "print/SheetPrint.h"

#include <QPrinter>
#include <cmath>

#include "print/PdfPage.h"

namespace quillora::print {
namespace {

constexpr double kDieCutToleranceMm = 1;

}  // namespace

QPageSize SheetPaper(const sheets::LabelSheet& sheet) {
    return QPageSize(QSizeF(sheet.paperWidthMm, sheet.paperHeightMm), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

std::vector<PrintGeometry> SheetSquares(const SheetJob& job, double outerMm, double dotsPerMm) {
    std::vector<PrintGeometry> squares;
    for (const int position : job.positions) {
        if (position < 0 || position >= int(job.sheet.centres.size())) continue;
        const sheets::SheetPoint& centre = job.sheet.centres[position];
        squares.push_back(SquareAtMm(centre.x - outerMm / 2.0 + job.offset.xTenths / 10.0,
                                     centre.y - outerMm / 2.0 + job.offset.yTenths / 10.0, outerMm, dotsPerMm));
    }
    return squares;
}

bool LabelMissesDieCut(const SheetJob& job, int outerMm) {
    return std::abs(job.sheet.outerMm - outerMm) > kDieCutToleranceMm;
}

PrintResult PrintOnSheet(QPrinter& printer, const document::LabelDocument& doc, const SheetJob& job) {
    return WithPaper(printer, SheetPaper(job.sheet), [&] {
        return DeliverPdf(printer, doc, [&] {
            PdfPage page = PdfPage::ForPrinter(printer);
            for (const PrintGeometry& square : SheetSquares(job, doc.SafeOuterMm(), printer.resolution() / 25.4)) {
                page.DrawLabelSquare(doc, square);
            }
            return page;
        }, PrinterJobOptions(printer));
    });
}

}  // namespace quillora::print
