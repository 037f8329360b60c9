// The whole heavy label rendered as the window shows it (3 px/mm) and as a 600 dpi printer
// page receives it.
#include <QGuiApplication>
#include <QImage>
#include <QThread>
#include <QThreadPool>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "HeavyDocument.h"
#include "canvas/PrinterBands.h"
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

// The view redrawn after each change of a text layer in the middle of the stack, selected as the
// dialog that changes it selects it; the first sets the view up.
void BM_RenderViewMiddleTextEdit(benchmark::State& state) {
    auto doc = quillora::bench::MakeHeavyDocument();
    const int pos = doc->SafeLayerCount() / 2;
    int slot = doc->SlotAt(pos);
    if (doc->layers[slot].kind != quillora::document::LayerKind::Text) slot = doc->SlotAt(pos + 1);
    if (doc->layers[slot].kind != quillora::document::LayerKind::Text) state.SkipWithError("no text layer there");
    doc->state.selectedPos = pos;
    quillora::canvas::ViewBitmap view;
    const int side = doc->SafeOuterMm() * quillora::document::kViewPixelsPerMm;
    const QRect whole(0, 0, side, side);
    view.Region(*doc, side, whole);
    for (auto _ : state) {
        doc->layers[slot].posX ^= 1;
        view.Invalidate();
        benchmark::DoNotOptimize(view.Region(*doc, side, whole).constBits());
    }
}
BENCHMARK(BM_RenderViewMiddleTextEdit)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The 600 dpi page in bands on 1, 2 and all threads (the pool's threads, which the pictures'
// own row sharing uses too, are limited to the row's count; one thread is one thread throughout).
void BM_RenderPrinter600Dpi(benchmark::State& state) {
    const LabelDocument& doc = Heavy();
    const int threads = static_cast<int>(state.range(0));
    const int side = quillora::render::TruncateToDevice(static_cast<float>(doc.SafeOuterMm()) * (600.0f / 25.4f));
    QImage page(side, side, QImage::Format_RGB32);
    QThreadPool& pool = *QThreadPool::globalInstance();
    const int poolThreads = pool.maxThreadCount();
    pool.setMaxThreadCount(threads);
    for (auto _ : state) {
        quillora::canvas::PaintPrinterImage(page, doc, threads);
        benchmark::DoNotOptimize(page.constBits());
    }
    pool.setMaxThreadCount(poolThreads);
}
BENCHMARK(BM_RenderPrinter600Dpi)
    ->ArgName("threads")
    ->Apply([](benchmark::internal::Benchmark* b) {
        b->Arg(1)->Arg(2);
        if (QThread::idealThreadCount() > 2) b->Arg(QThread::idealThreadCount());  // all of a larger machine
    })
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });

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
