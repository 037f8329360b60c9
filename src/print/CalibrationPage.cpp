#include "print/CalibrationPage.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <numeric>

namespace quillora::print {
namespace {

constexpr double kLineMm = 0.1;
constexpr double kCentreRingMm = 2;  // radius of the ring around the cross
constexpr int kScaleReachMm = 10;  // each side of an expected edge
constexpr double kTickMm = 1.2;
constexpr double kFiveTickMm = 2.2;
constexpr double kTenTickMm = 3.2;
constexpr double kNumberPoints = 5;
constexpr double kNoteMm = 8;

// One millimetre scale along a line through the centre, numbered from the expected edge at
// `edge` dots; `horizontal` counts right, otherwise down.
void DrawScale(QPainter& painter, QPointF centre, double edge, double mm, bool horizontal) {
    for (int step = -kScaleReachMm; step <= kScaleReachMm; ++step) {
        const double at = edge + step * mm;
        const double tick = (step % 10 == 0 ? kTenTickMm : step % 5 == 0 ? kFiveTickMm : kTickMm) * mm;
        const QPointF a = horizontal ? QPointF(at, centre.y()) : QPointF(centre.x(), at);
        const QPointF b = horizontal ? QPointF(at, centre.y() - tick) : QPointF(centre.x() + tick, at);
        painter.drawLine(a, b);
        if (step % 5 != 0) continue;
        const QString number = QString::number(step);
        const QRectF box = horizontal ? QRectF(at - 3 * mm, centre.y() - tick - 3.2 * mm, 6 * mm, 3 * mm)
                                      : QRectF(centre.x() + tick + 0.4 * mm, at - 1.5 * mm, 6 * mm, 3 * mm);
        painter.drawText(box, (horizontal ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, number);
    }
}

void DrawNote(QPainter& painter, double mm, const QString& title) {
    const QString how = QString::fromUtf8(
        "補正なしで印刷しています。ﾀﾞｲｶｯﾄ(またはﾃﾞｨｽｸ)の縁が左右の目盛りと交わる値を X に、"
        "上下の目盛りと交わる値を Y に入力します (右・下が正)。");
    painter.drawText(QRectF(kNoteMm * mm, kNoteMm * mm / 2, 190 * mm, 12 * mm), Qt::TextWordWrap,
                     title + QStringLiteral("\n") + how);
}

void SetUpPainter(QPainter& painter, double mm) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, kLineMm * mm));
    QFont font = painter.font();
    font.setPointSizeF(kNumberPoints);
    painter.setFont(font);
}

// The marks of one disc in the square `g` (dots, from where painting starts).
void DrawCalibrationDisc(QPainter& painter, const PrintGeometry& g, double holeMm) {
    const double mm = g.hScale;
    const QPointF centre(g.originX + g.widthDev / 2.0, g.originY + g.heightDev / 2.0);
    const double radius = g.widthDev / 2.0;
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, holeMm * mm / 2, holeMm * mm / 2);
    painter.drawEllipse(centre, kCentreRingMm * mm, kCentreRingMm * mm);
    // The scales' lines run through the cross from window to window.
    const double reach = radius + kScaleReachMm * mm;
    painter.drawLine(centre - QPointF(reach, 0), centre + QPointF(reach, 0));
    painter.drawLine(centre - QPointF(0, reach), centre + QPointF(0, reach));
    DrawScale(painter, centre, centre.x() - radius, mm, true);
    DrawScale(painter, centre, centre.x() + radius, mm, true);
    DrawScale(painter, centre, centre.y() - radius, mm, false);
    DrawScale(painter, centre, centre.y() + radius, mm, false);
}

}  // namespace

PrintResult PrintCalibrationPage(QPrinter& printer, const document::LabelDocument& doc,
                                 const std::optional<sheets::LabelSheet>& sheet) {
    const double mm = printer.resolution() / 25.4;
    if (sheet) {
        SheetJob job{*sheet, std::vector<int>(sheet->centres.size()), {}};
        std::iota(job.positions.begin(), job.positions.end(), 0);
        return DeliverPage(printer, doc, SheetPaper(*sheet), [&](QPainter& painter) {
            SetUpPainter(painter, mm);
            for (const PrintGeometry& square : SheetSquares(job, sheet->outerMm, mm)) {
                DrawCalibrationDisc(painter, square, sheet->holeMm);
            }
            DrawNote(painter, mm, QString::fromStdString(sheet->name));
        });
    }
    return DeliverJob(printer, doc, [&] {
        return PaintPaperPage(printer, doc, {}, [&](QPainter& painter, const PrintGeometry& square) {
            SetUpPainter(painter, mm);
            DrawCalibrationDisc(painter, square, doc.SafeInnerMm());
            DrawNote(painter, mm, QString::fromUtf8("用紙 (上 %1mm・左 %2mm)").arg(doc.header.marginTop).arg(doc.header.marginLeft));
        });
    });
}

}  // namespace quillora::print
