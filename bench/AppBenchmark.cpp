// The program's view refresh: the heavy label rendered into the view bitmap and the document
// window repainted, as after every change of the document; and at 400%, in a maximised document
// window of an 800 x 600 and a 1280 x 1024 frame, a scroll step and the refresh after a change.
#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

#include "HeavyDocument.h"
#include "SilentInteraction.h"
#include "app/Application.h"
#include "app/FrameWindow.h"
#include "document/DocumentFile.h"
#include "view/LabelView.h"

namespace {

using namespace quillora;

void Unchanged(app::Application&) {}

// Runs `step` in the benchmark loop with the heavy label open in a started program, after
// `prepare` has set the window up.
template <typename Step, typename Prepare = decltype(&Unchanged)>
void WithHeavyLabelOpen(benchmark::State& state, Step step, Prepare prepare = &Unchanged) {
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
    prepare(application);

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

// The document window maximised in a frame of the benchmark's size at 400%, at the label's middle.
void ZoomTo400(app::Application& application, const benchmark::State& state) {
    application.Frame().resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    application.DocumentWindow()->showMaximized();
    QApplication::processEvents();
    view::LabelView& view = *application.DocumentWindow()->View();
    view.SetZoom(400, QRect(QPoint(), view.ClientSize()).center());
}

// One step of the scroll arrow (down, then up again): the window renders the part it now shows.
void BM_ScrollStepAt400(benchmark::State& state) {
    bool down = true;
    WithHeavyLabelOpen(state, [&down](app::Application& application) {
        application.DocumentWindow()->View()->verticalScrollBar()->triggerAction(
            down ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        down = !down;
    }, [&state](app::Application& application) { ZoomTo400(application, state); });
}
BENCHMARK(BM_ScrollStepAt400)->Args({800, 600})->Args({1280, 1024})->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()->UseRealTime();

// The refresh after a change at 400%: the shown part rendered again and the window repainted.
void BM_RefreshAt400(benchmark::State& state) {
    WithHeavyLabelOpen(state, [](app::Application& application) { application.RefreshDocumentView(); },
                       [&state](app::Application& application) { ZoomTo400(application, state); });
}
BENCHMARK(BM_RefreshAt400)->Args({800, 600})->Args({1280, 1024})->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()->UseRealTime();

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
