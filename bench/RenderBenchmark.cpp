// The whole heavy label rendered as the window shows it (3 px/mm) and as a 600 dpi printer
// page receives it.
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "HeavyDocument.h"
#include "canvas/LabelImage.h"
#include "canvas/ViewBitmap.h"
#include "document/Limits.h"
#include "render/DeviceUnits.h"

namespace {

using quillora::document::LabelDocument;

const LabelDocument& Heavy() {
    static const auto doc = quillora::bench::MakeHeavyDocument();
    return *doc;
}

void BM_RenderView(benchmark::State& state) {
    const LabelDocument& doc = Heavy();
    quillora::canvas::ViewBitmap view;
    const int side = doc.SafeOuterMm() * quillora::document::kViewPixelsPerMm;
    for (auto _ : state) {
        view.Invalidate();
        benchmark::DoNotOptimize(view.Region(doc, side, QRect(0, 0, side, side)).constBits());
    }
}
BENCHMARK(BM_RenderView)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_RenderPrinter600Dpi(benchmark::State& state) {
    const LabelDocument& doc = Heavy();
    const int side = quillora::render::TruncateToDevice(static_cast<float>(doc.SafeOuterMm()) * (600.0f / 25.4f));
    QImage page(side, side, QImage::Format_RGB32);
    for (auto _ : state) {
        quillora::canvas::PaintLabelImage(page, doc, quillora::render::RenderTarget::Printer);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_RenderPrinter600Dpi)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Heavy();  // the pictures are made before any timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
