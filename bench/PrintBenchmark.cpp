// The print job of the heavy label to a 600 dpi PDF, from the start of the job to the file
// written, beside the 600 dpi render of the label alone and the page as Qt's own (lossy) PDF
// writer makes it (all on all threads); the ratios and the peak memory of one print job in a
// process of its own are reported at the end.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "HeavyDocument.h"
#include "canvas/PrinterBands.h"
#include "print/PrintDocument.h"
#include "render/DeviceUnits.h"

namespace {

using quillora::document::LabelDocument;

constexpr int kDpi = 600;

double Least(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

const LabelDocument& Heavy() {
    static const auto doc = [] {
        auto d = quillora::bench::MakeHeavyDocument();
        d->header.marginLeft = 15;
        d->header.marginTop = 15;
        d->header.cropMarks = 1;
        return d;
    }();
    return *doc;
}

// A4 at 600 dpi into a PDF file, as qlrtool print --pdf makes it.
void PrintToPdf(const LabelDocument& doc, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
    printer.setResolution(kDpi);
    quillora::print::PrintDocument(printer, doc);
}

void BM_RenderPrinter600Dpi(benchmark::State& state) {
    const LabelDocument& doc = Heavy();
    const int side = quillora::render::TruncateToDevice(static_cast<float>(doc.SafeOuterMm()) * (kDpi / 25.4f));
    QImage page(side, side, QImage::Format_RGB32);
    for (auto _ : state) {
        quillora::canvas::PaintPrinterImage(page, doc, quillora::canvas::RenderThreads());
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_RenderPrinter600Dpi)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->ComputeStatistics("min", Least);

void BM_PrintPdf600Dpi(benchmark::State& state) {
    const LabelDocument& doc = Heavy();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.pdf"));
    std::int64_t bytes = 0;
    for (auto _ : state) {
        PrintToPdf(doc, path);
        bytes = QFile(path).size();
    }
    state.counters["pdf_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_PrintPdf600Dpi)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->ComputeStatistics("min", Least);

// The same page as Qt's PDF writer makes it from the bands, JPEG-coded (lossy): on one thread it
// is the job as the program printed before it rendered on every core and wrote its own PDF, the
// yardstick the program's job must not fall behind; on all threads for comparison.
void BM_QtLossyPdf600Dpi(benchmark::State& state) {
    const LabelDocument& doc = Heavy();
    QTemporaryDir dir;
    const int side = quillora::render::TruncateToDevice(static_cast<float>(doc.SafeOuterMm()) * (kDpi / 25.4f));
    const quillora::canvas::BandLayout layout{side, side, quillora::canvas::PrinterBandRows(side, side, quillora::print::kBandBytes)};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("qt.pdf")));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
    printer.setResolution(kDpi);
    for (auto _ : state) {
        // Written beside the file and renamed over it when complete, as the program's job is.
        quillora::print::DeliverJob(printer, doc, [&] {
            QPainter painter(&printer);
            std::mutex mutex;
            return quillora::canvas::RenderPrinterBands(doc, layout, static_cast<int>(state.range(0)),
                                                        [&](int i, int, const QImage& band) {
                                                            std::lock_guard lock(mutex);
                                                            painter.drawImage(354, 354 + i * layout.bandRows, band);
                                                        }) &&
                   painter.end();
        });
    }
}
BENCHMARK(BM_QtLossyPdf600Dpi)->Arg(1)->Arg(quillora::canvas::RenderThreads())->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->ComputeStatistics("min", Least);

// Keeps the real time of every benchmark to report the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // The best of the repetitions (a busy machine only adds time), else the one run.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "min") {
                const std::string& args = run.run_name.args;
                times[run.run_name.function_name + (args.empty() ? "" : "/" + args)] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// Peak resident memory, in MB, of a fresh process that builds the heavy label and, when
// `print`, prints it once.
double PeakMemoryMb(int argc, char** argv, bool print) {
    const pid_t child = fork();
    if (child == 0) {
        QGuiApplication app(argc, argv);
        const LabelDocument& doc = Heavy();
        if (print) {
            QTemporaryDir dir;
            PrintToPdf(doc, dir.filePath(QStringLiteral("label.pdf")));
        }
        _exit(0);
    }
    int status = 0;
    struct rusage usage {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return -1;
    return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Measured first, in processes of their own, before this one holds anything.
    const double labelOnly = PeakMemoryMb(argc, argv, false);
    const double withPrint = PeakMemoryMb(argc, argv, true);

    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Heavy();  // the pictures are made before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto render = reporter.times.find("BM_RenderPrinter600Dpi");
    const auto print = reporter.times.find("BM_PrintPdf600Dpi");
    if (render != reporter.times.end() && print != reporter.times.end() && render->second > 0) {
        std::printf("print job / render alone at 600 dpi: %.2f (target at most 2)\n", print->second / render->second);
    }
    const auto lossy = reporter.times.find("BM_QtLossyPdf600Dpi/1");
    if (print != reporter.times.end() && lossy != reporter.times.end() && lossy->second > 0) {
        std::printf("print job / the lossy job on one thread: %.2f (target at most 1)\n", print->second / lossy->second);
    }
    std::printf("peak memory: heavy label alone %.0f MB, heavy label printed once %.0f MB\n", labelOnly, withPrint);
    benchmark::Shutdown();
    return 0;
}
