// A lookup answering into a selection panel's list: rows arrive one AddItem
// at a time, with duplicate checking on (so the list keeps itself sorted)
// and the columns sized after every row, as the form's lookup does it.
// Every 10th row repeats the key of the one before and is removed again.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "controls/SelectPnl.h"

namespace qvn {
namespace {

std::vector<std::string> LookupRow(int i)
{
    char key[16];
    std::snprintf(key, sizeof key, "K%07d", i - (i % 10 == 9 ? 1 : 0));
    return {key, "供应商名称" + std::to_string(i % 977), std::to_string(1000 + i % 9000), "2024/05/06"};
}

size_t LiveHeap() { return mallinfo2().uordblks; }

void BM_PanelAddItem(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    std::vector<std::vector<std::string>> answer;
    answer.reserve(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i) answer.push_back(LookupRow(i));
    double bytesPerRow = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto* panel = new TSelectPanel(nullptr);
        panel->SetStyle(sp_Discrete);
        panel->SetCheckDuplicate(cd_CheckCase);
        panel->SetColumnsAutoSize(true);
        const size_t before = LiveHeap();
        state.ResumeTiming();
        for (const auto& row : answer) panel->ItemList()->AddItem(row);
        state.PauseTiming();
        const int kept = panel->ItemList()->Items()->Count();
        if (kept != rows - rows / 10) state.SkipWithError("duplicates were not removed");
        bytesPerRow = static_cast<double>(LiveHeap() - before) / kept;
        FreeComponent(panel);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["heap_bytes_per_row"] = bytesPerRow;
}

BENCHMARK(BM_PanelAddItem)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvn
