// The program's view refresh: the heavy label rendered into the view bitmap and the document
// window repainted, as after every change of the document.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

#include "HeavyDocument.h"
#include "SilentInteraction.h"
#include "app/Application.h"
#include "document/DocumentFile.h"

namespace {

using namespace quillora;

// Runs `step` in the benchmark loop with the heavy label open in a started program.
template <typename Step>
void WithHeavyLabelOpen(benchmark::State& state, Step step) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillora-bench-app";
    std::filesystem::create_directories(dir);
    bench::SilentInteraction interaction;
    app::StartupOptions options;
    options.programDir = dir.string();
    options.settingsDir = dir.string();
    options.interaction = &interaction;
    options.runTimer = false;
    app::Application application(options);
    application.Start();
    application.Settings().showTipsAtStart = 0;
    application.Settings().firstRun = 0;
    application.RunSecondStage();

    // Open the heavy label's file for its window, then give the document its decoded pictures.
    auto heavy = bench::MakeHeavyDocument();
    const std::string file = (dir / "heavy.qlr").string();
    document::WriteDocumentFile(file, *heavy);
    if (!application.Controller().OpenDocument(file)) {
        state.SkipWithError("the heavy label did not open");
        std::filesystem::remove_all(dir);
        return;
    }
    application.Doc() = std::move(*heavy);
    application.Doc().documentOpen = true;

    for (auto _ : state) step(application);

    application.Doc().documentModified = false;
    application.Exit();
    std::filesystem::remove_all(dir);
}

void BM_RefreshDocumentView(benchmark::State& state) {
    WithHeavyLabelOpen(state, [](app::Application& application) { application.RefreshDocumentView(); });
}
BENCHMARK(BM_RefreshDocumentView)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The window's part alone: copying the bitmap, grid and rulers.
void BM_RepaintDocumentView(benchmark::State& state) {
    WithHeavyLabelOpen(state, [](app::Application& application) { application.RepaintDocumentView(); });
}
BENCHMARK(BM_RepaintDocumentView)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qtApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
