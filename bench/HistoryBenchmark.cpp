// The memory 100 steps of the edit history hold on the heavy label, pictures aside: the heap
// growth from the first step to the hundredth (the pictures were loaded before), and the size of
// the distinct states the history keeps. Also the time one step takes to record.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "HeavyDocument.h"
#include "document/LabelDocument.h"
#include "history/EditHistory.h"

namespace {

using namespace quillora;

// A step on the heavy label: the first text layer's lamp.
void Toggle(document::LabelDocument& doc) {
    doc.layers[doc.SlotAt(0)].visible ^= 1;
    doc.CommitEdit("toggle", document::ChangeScope::Lamp);
}

void BM_HundredStepsMemory(benchmark::State& state) {
    const std::unique_ptr<document::LabelDocument> doc = bench::MakeHeavyDocument();
    double heapBytes = 0;
    double stateBytes = 0;
    for (auto _ : state) {
        history::EditHistory history(*doc);
        history.Restart();
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < history::EditHistory::kStepLimit; ++i) Toggle(*doc);
        heapBytes = static_cast<double>(mallinfo2().uordblks - before);
        stateBytes = static_cast<double>(history.StateBytes());
        benchmark::DoNotOptimize(history.StepCount());
    }
    state.counters["heap_MB"] = heapBytes / (1024.0 * 1024.0);
    state.counters["states_MB"] = stateBytes / (1024.0 * 1024.0);
}
BENCHMARK(BM_HundredStepsMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RecordOneStep(benchmark::State& state) {
    const std::unique_ptr<document::LabelDocument> doc = bench::MakeHeavyDocument();
    history::EditHistory history(*doc);
    for (auto _ : state) Toggle(*doc);
}
BENCHMARK(BM_RecordOneStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
