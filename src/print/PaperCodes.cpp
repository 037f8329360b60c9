#include "print/PaperCodes.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

#include "print/PrinterSelection.h"

namespace quillora::print {
namespace {

int OrientationCode(const QPageLayout& layout) {
    return layout.orientation() == QPageLayout::Landscape ? kOrientationLandscape : kOrientationPortrait;
}

bool Offers(const QPrinter& printer, const QPageSize& size) {
    // A file takes any paper; a queue only the ones its driver lists.
    if (printer.printerName().isEmpty()) return true;
    const QList<QPageSize> offered = QPrinterInfo(printer).supportedPageSizes();
    return std::any_of(offered.begin(), offered.end(),
                       [&](const QPageSize& s) { return s.id() == size.id(); });
}

}  // namespace

document::PaperSettings PaperCodesOf(PrinterSelection& selection) {
    if (!selection.HasPrinter()) return {0, 0};
    const QPageLayout layout = selection.Printer().pageLayout();
    return {static_cast<std::int16_t>(layout.pageSize().windowsId()),
            static_cast<std::int16_t>(OrientationCode(layout))};
}

void ApplyPaperCodes(PrinterSelection& selection, const document::PaperSettings& paper) {
    if (!selection.HasPrinter()) return;
    QPrinter& printer = selection.Printer();
    const QPageSize::PageSizeId id = QPageSize::id(paper.size);
    if (paper.size != 0 && id != QPageSize::Custom) {
        const QPageSize size(id);
        if (Offers(printer, size)) printer.setPageSize(size);
    }
    if (paper.orientation == kOrientationPortrait) printer.setPageOrientation(QPageLayout::Portrait);
    if (paper.orientation == kOrientationLandscape) printer.setPageOrientation(QPageLayout::Landscape);
}

PrinterPaper PrinterPaperOf(PrinterSelection& selection) {
    if (!selection.HasPrinter()) return {};
    const QPageLayout layout = selection.Printer().pageLayout();
    const QPageSize& size = layout.pageSize();
    // Tenths of a millimetre in 16 bits, as printer settings hold them.
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const auto tenths = [](qreal v) { return static_cast<int>(std::clamp<qreal>(std::trunc(v * 10), 0, 32767)); };
    return {size.windowsId(), tenths(mm.width()), tenths(mm.height()), OrientationCode(layout)};
}

}  // namespace quillora::print
