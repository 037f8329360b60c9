#include "print/PrintablePage.h"

#include <QPrinter>

namespace quillora::print {

PrintablePage PrintablePageOf(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.fullPage() ||
        layout.orientation() != QPageLayout::Landscape) {
        // Whole device pixels and whole millimetres, as the printer reports its printable area.
        return {{printer.width(), printer.height(), printer.widthMM(), printer.heightMM()}};
    }
    // The print system turns the page a quarter counter-clockwise: the landscape page's left
    // edge is the portrait paper's bottom, its top the paper's left.
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    const QMarginsF turned(m.bottom(), m.left(), m.top(), m.right());
    const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
    const double widthMm = paper.width() - turned.left() - turned.right();
    const double heightMm = paper.height() - turned.top() - turned.bottom();
    const double dotsPerMm = printer.resolution() / 25.4;
    const auto dots = [dotsPerMm](double mm) { return qRound(mm * dotsPerMm); };
    return {{dots(widthMm), dots(heightMm), qRound(widthMm), qRound(heightMm)}, true, dots(turned.left()),
            dots(turned.top())};
}

}  // namespace quillora::print
