#include "print/DiscPrint.h"

#include <QPageLayout>
#include <QPrinter>
#include <cmath>

#include "print/PdfPage.h"

namespace quillora::print {
namespace {

constexpr double kMmPerPoint = 25.4 / 72;
constexpr int kFiveInchPoints = 329;
constexpr int kFiveInchFromMm = 116;
constexpr int kFiveInchToMm = 120;
constexpr int kHubMm = 43;  // what the driver leaves unprinted without "print to the hub"

int Points(double mm) { return static_cast<int>(std::lround(mm / kMmPerPoint)); }

QString Millimetres(int points) { return QString::number(points * kMmPerPoint, 'f', 1); }

// The driver takes whole points within its range; the rest moves the label within the page.
std::int32_t Adjust(const std::optional<PointRange>& range, const char* option, std::int32_t tenths,
                    DiscPlan& plan) {
    if (!range) return tenths;
    const int points = std::clamp(Points(tenths / 10.0), range->min, range->max);
    if (points != 0) plan.options.emplace_back(option, std::to_string(points));
    return tenths - static_cast<std::int32_t>(std::lround(points * kMmPerPoint * 10));
}

PrintGeometry DiscSquare(const document::LabelDocument& doc, const DiscPlan& plan, double dotsPerMm) {
    const int outerMm = doc.SafeOuterMm();
    const double marginMm = (plan.pageMm - outerMm) / 2;
    return SquareAtMm(marginMm + plan.withinPage.xTenths / 10.0, marginMm + plan.withinPage.yTenths / 10.0, outerMm,
                      dotsPerMm);
}

QPageSize DiscPage(const DiscPlan& plan) {
    return QPageSize(QSizeF(plan.pageMm, plan.pageMm), QPageSize::Millimeter, QStringLiteral("Disc"));
}

}  // namespace

DiscPlanResult PlanDiscJob(const DiscTray& tray, int outerMm, int innerMm, settings::PrinterOffset offset) {
    DiscPlan plan;
    plan.options.emplace_back("InputSlot", tray.inputSlot);
    if (tray.fiveInch && outerMm >= kFiveInchFromMm && outerMm <= kFiveInchToMm) {
        plan.pageMm = kFiveInchPoints * kMmPerPoint;
        plan.options.emplace_back("PageSize", "CD5Inch");
    } else if (tray.outer && tray.outer->Holds(Points(outerMm))) {
        plan.pageMm = Points(outerMm) * kMmPerPoint;
        plan.options.emplace_back("PageSize", "CDCustom");
        plan.options.emplace_back("StpCDOuterDiameter", std::to_string(Points(outerMm)));
    } else {
        const PointRange sizes = tray.outer.value_or(PointRange{kFiveInchPoints, kFiveInchPoints});
        return {std::nullopt, QString::fromUtf8("ﾗﾍﾞﾙの直径 %1mm はこのﾌﾟﾘﾝﾀのﾃﾞｨｽｸﾄﾚｲに印刷できません (%2～%3mm%4)。")
                                  .arg(outerMm)
                                  .arg(Millimetres(sizes.min), Millimetres(sizes.max),
                                       tray.fiveInch ? QString::fromUtf8("、または 116～120mm") : QString())};
    }
    if (tray.hubChoice) {
        const bool toHub = innerMm < kHubMm;
        plan.options.emplace_back("StpCDInnerRadius", toHub ? "Small" : "None");
        if (toHub && tray.inner && tray.inner->Holds(Points(innerMm))) {
            plan.options.emplace_back("StpCDInnerDiameter", std::to_string(Points(innerMm)));
        }
    }
    plan.withinPage.xTenths = Adjust(tray.xAdjust, "StpCDXAdjustment", offset.xTenths, plan);
    plan.withinPage.yTenths = Adjust(tray.yAdjust, "StpCDYAdjustment", offset.yTenths, plan);
    return {plan, {}};
}

DiscPlan FileDiscPlan(int outerMm, settings::PrinterOffset offset) {
    const bool fiveInch = outerMm >= kFiveInchFromMm && outerMm <= kFiveInchToMm;
    return {fiveInch ? kFiveInchPoints * kMmPerPoint : Points(outerMm) * kMmPerPoint, {}, offset};
}

PrintResult PrintOnDisc(QPrinter& printer, const document::LabelDocument& doc, const DiscPlan& plan) {
    const QPageLayout paper(DiscPage(plan), QPageLayout::Portrait, QMarginsF());
    JobOptions options = plan.options;
    if (printer.copyCount() > 1) options.emplace_back("copies", std::to_string(printer.copyCount()));
    return DeliverPdf(printer, doc, [&] {
        PdfPage page(paper.fullRectPoints().size(), printer.resolution(), {}, printer.colorMode() == QPrinter::GrayScale);
        page.DrawLabelSquare(doc, DiscSquare(doc, plan, printer.resolution() / 25.4));
        return page;
    }, options);
}

}  // namespace quillora::print
