// Creating a text layer on the heavy label: from the dialog's OK to the label rendered again
// and the layer window repainted.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>

#include "HeavyDocument.h"
#include "SilentInteraction.h"
#include "canvas/ViewBitmap.h"
#include "document/Limits.h"
#include "document/LabelDocument.h"
#include "layers/LayerOperations.h"
#include "layers/LayerCommands.h"
#include "layers/LayerWindow.h"
#include "layers/TextLayerDialog.h"
#include "settings/AppSettings.h"
#include "workspace/DialogFlags.h"
#include "workspace/DocumentViews.h"
#include "workspace/Workspace.h"

namespace {

using namespace quillora;
using Clock = std::chrono::steady_clock;

// Confirms every dialog at once and notes the moment OK was pressed.
class ConfirmingInteraction : public bench::SilentInteraction {
public:
    Clock::time_point okPressed;

    int RunDialog(QDialog& dialog) override {
        dialog.show();
        okPressed = Clock::now();
        dialog.findChild<QPushButton*>(QStringLiteral("id1"))->click();
        return dialog.result();
    }
};

// The application's refresh operations: the view bitmap and the layer window.
class BenchViews : public workspace::DocumentViews {
public:
    explicit BenchViews(const document::LabelDocument& doc) : doc_(doc) {}
    layers::LayerWindow* window = nullptr;

    // The whole label at 100%, as the window at its fitted size renders it.
    void RefreshDocumentView() override {
        const int side = doc_.SafeOuterMm() * document::kViewPixelsPerMm;
        view_.Invalidate();
        view_.Region(doc_, side, QRect(0, 0, side, side));
    }
    void RepaintDocumentView() override {}
    void RefreshLayerWindow(workspace::LayerWindowRegion region) override { window->Refresh(region); }
    void UpdateLayerScrollBar() override { window->UpdateScrollBar(); }
    void RepaintToolWindow() override {}

private:
    const document::LabelDocument& doc_;
    canvas::ViewBitmap view_;
};

// The program's pieces around the heavy label, set up once per benchmark.
struct HeavyWorkspace {
    std::unique_ptr<document::LabelDocument> doc = bench::MakeHeavyDocument();
    settings::AppSettings settings;
    workspace::DialogFlags flags;
    ConfirmingInteraction interaction;
    BenchViews views{*doc};
    workspace::Workspace ws{*doc, settings, flags, interaction, pictures::PictureLibrary(), QString(), nullptr};
    layers::LayerOperations operations{ws};
    commands::CommandRegistry commands;
    layers::LayerWindow window{ws, commands, operations};

    HeavyWorkspace() {
        layers::DefineLayerCommands(commands, operations, ws);
        views.window = &window;
        doc->changeObserver = [this](document::ChangeScope scope) { workspace::ShowChange(views, scope); };
        window.show();
        // Repaints only draw once the window is on the screen.
        while (!window.windowHandle()->isExposed()) QApplication::processEvents();
        window.UpdateScrollBar();
        window.Refresh(workspace::LayerWindowRegion::All);
    }
};

void BM_NewTextLayerOnHeavyLabel(benchmark::State& state) {
    HeavyWorkspace heavy;
    const int pos = heavy.doc->state.selectedPos;
    for (auto _ : state) {
        heavy.operations.NewTextLayer();
        const auto done = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(done - heavy.interaction.okPressed).count());
        if (heavy.doc->state.layerCount <= 48) state.SkipWithError("the layer was not created");
        heavy.doc->FreeSlotAt(pos);  // back to the heavy label as it was
    }
}
BENCHMARK(BM_NewTextLayerOnHeavyLabel)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The parts of the figure above on their own.
void BM_LayerWindowRefreshAll(benchmark::State& state) {
    HeavyWorkspace heavy;
    for (auto _ : state) {
        heavy.window.UpdateScrollBar();
        heavy.window.Refresh(workspace::LayerWindowRegion::All);
    }
}
BENCHMARK(BM_LayerWindowRefreshAll)->Unit(benchmark::kMillisecond);

void BM_TextDialogOkAndClose(benchmark::State& state) {
    HeavyWorkspace heavy;
    for (auto _ : state) {
        auto dialog = std::make_unique<layers::TextLayerDialog>(heavy.ws, layers::DialogVariant::NewLayer);
        dialog->show();
        const auto start = Clock::now();
        dialog->findChild<QPushButton*>(QStringLiteral("id1"))->click();
        dialog.reset();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}
BENCHMARK(BM_TextDialogOkAndClose)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RefreshDocumentView(benchmark::State& state) {
    HeavyWorkspace heavy;
    for (auto _ : state) heavy.views.RefreshDocumentView();
}
BENCHMARK(BM_RefreshDocumentView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
