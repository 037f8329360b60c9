// How the cost grows: the view's first render and the 600 dpi render (on all threads) of labels of 1, 12
// and 48 picture layers showing one picture of 1, 12 and 48 megapixels, and the peak memory of a
// process that makes such a label and renders it both ways. At the end a Markdown table of the
// best times of the run and those peaks, as the README shows it.
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <unistd.h>
#include <vector>

#include "HeavyDocument.h"
#include "canvas/PrinterBands.h"
#include "canvas/ViewBitmap.h"
#include "document/Limits.h"
#include "render/DeviceUnits.h"

namespace {

using quillora::document::LabelDocument;
using Size = std::pair<int, int>;  // layers, megapixels

const int kLayers[] = {1, 12, 48};
const int kMegapixels[] = {1, 12, 48};

const LabelDocument& Label(int layers, int megapixels) {
    static std::map<int, std::shared_ptr<const quillora::document::Picture>> pictures;
    static std::map<Size, std::unique_ptr<LabelDocument>> labels;
    auto& picture = pictures[megapixels];
    if (!picture) picture = quillora::bench::MakePictureOfMegapixels(megapixels);
    auto& label = labels[{layers, megapixels}];
    if (!label) label = quillora::bench::MakePictureLabel(layers, picture);
    return *label;
}

QImage PrinterPage(const LabelDocument& doc) {
    const int side = quillora::render::TruncateToDevice(static_cast<float>(doc.SafeOuterMm()) * (600.0f / 25.4f));
    return QImage(side, side, QImage::Format_RGB32);
}

// The view's first render of the label, with nothing kept from an earlier one: a re-render
// after an edit draws the edited layer over what is kept and hardly grows.
void BM_View(benchmark::State& state) {
    const LabelDocument& doc = Label(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int side = doc.SafeOuterMm() * quillora::document::kViewPixelsPerMm;
    for (auto _ : state) {
        quillora::canvas::ViewBitmap view;
        benchmark::DoNotOptimize(view.Region(doc, side, QRect(0, 0, side, side)).constBits());
    }
}

void BM_Printer600Dpi(benchmark::State& state) {
    const LabelDocument& doc = Label(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage page = PrinterPage(doc);
    for (auto _ : state) {
        quillora::canvas::PaintPrinterImage(page, doc, quillora::canvas::RenderThreads());
        benchmark::DoNotOptimize(page.constBits());
    }
}

double Least(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

void Sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"layers", "MP"});
    for (int megapixels : kMegapixels)
        for (int layers : kLayers) b->Args({layers, megapixels});
    b->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", Least);
}
BENCHMARK(BM_View)->Apply(Sizes);
BENCHMARK(BM_Printer600Dpi)->Apply(Sizes);

// Keeps the best real time of every row for the table.
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration && run.aggregate_name != "min") continue;
            double& best = times[run.run_name.function_name + "/" + run.run_name.args];
            const double ms = run.GetAdjustedRealTime();
            best = best > 0 ? std::min(best, ms) : ms;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

long PeakKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// The peak of a process of its own (this program with --peak LAYERS MP) that makes the label and
// renders it as the view and at 600 dpi.
double PeakMb(int layers, int megapixels) {
    const std::string command =
        "/proc/" + std::to_string(getpid()) + "/exe --peak " + std::to_string(layers) + " " + std::to_string(megapixels);
    FILE* child = popen(command.c_str(), "r");
    if (!child) return -1;
    long kb = -1;
    if (std::fscanf(child, "%ld", &kb) != 1) kb = -1;
    pclose(child);
    return kb / 1024.0;
}

int MeasurePeak(int layers, int megapixels) {
    const LabelDocument& doc = Label(layers, megapixels);
    quillora::canvas::ViewBitmap view;
    const int side = doc.SafeOuterMm() * quillora::document::kViewPixelsPerMm;
    view.Region(doc, side, QRect(0, 0, side, side));
    QImage page = PrinterPage(doc);
    quillora::canvas::PaintPrinterImage(page, doc, quillora::canvas::RenderThreads());
    std::printf("%ld\n", PeakKb());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "--peak") return MeasurePeak(std::atoi(argv[2]), std::atoi(argv[3]));
    std::map<Size, double> peaks;
    for (int megapixels : kMegapixels)
        for (int layers : kLayers) peaks[{layers, megapixels}] = PeakMb(layers, megapixels);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n| layers | picture | view render | 600 dpi render | peak memory |\n|---|---|---|---|---|\n");
    for (int megapixels : kMegapixels)
        for (int layers : kLayers) {
            const std::string args = "layers:" + std::to_string(layers) + "/MP:" + std::to_string(megapixels);
            std::printf("| %d | %d MP | %.1f ms | %.0f ms | %.0f MB |\n", layers, megapixels,
                        reporter.times["BM_View/" + args], reporter.times["BM_Printer600Dpi/" + args],
                        peaks[{layers, megapixels}]);
        }
    benchmark::Shutdown();
    return 0;
}
