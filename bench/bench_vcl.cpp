// Setting a property by path ("Font.Color") against calling the setter
// directly. TFont::SetColor does real work: it compares, stores and fires
// OnChange; the control below listens to it as a control does to repaint.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Variant.h"
#include "vcl/Component.h"
#include "vcl/Graphics.h"
#include "vcl/ListView.h"
#include "vcl/PropAccess.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

class TBenchButton : public TComponent {
    QVN_CLASS_INFO()
public:
    TBenchButton() : TComponent(nullptr) { font_->OnChange = TNotifyEvent::Of<&TBenchButton::FontChanged>(this); }
    TFont* Font() const { return font_.get(); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& s) { caption_ = s; }
    int invalidations = 0;

private:
    void FontChanged(TObject*) { ++invalidations; }
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
    std::string caption_;
};

QVN_DEFINE_CLASS_INFO(TBenchButton, TComponent, [](TPropTable& t) {
    AddStrProp<TBenchButton, &TBenchButton::Caption, &TBenchButton::SetCaption>(t, "Caption");
    AddObjectProp<TBenchButton, &TBenchButton::Font>(t, "Font", "TFont");
})

// Alternating values, so every call really changes the colour and fires OnChange.
const Variant kColors[2] = {Variant(clRed), Variant(clBlue)};

void BM_SetPropPathByName(benchmark::State& state)
{
    TBenchButton button;
    TObject* obj = &button;
    unsigned i = 0;
    for (auto _ : state) {
        SetPropPath(obj, "Font.Color", kColors[i++ & 1]);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(button.invalidations);
}
BENCHMARK(BM_SetPropPathByName);

void BM_SetPropPathByIdentifier(benchmark::State& state)
{
    TBenchButton button;
    const Variant names[2] = {Variant("clRed"), Variant("clBlue")};
    unsigned i = 0;
    for (auto _ : state) {
        SetPropPath(&button, "Font.Color", names[i++ & 1]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SetPropPathByIdentifier);

void BM_SetPropDirect(benchmark::State& state)
{
    TBenchButton button;
    TBenchButton* volatile target = &button;  // keeps the call from being folded away
    unsigned i = 0;
    for (auto _ : state) {
        target->Font()->SetColor(kColors[i++ & 1].ToInt());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SetPropDirect);

// A lookup filling a report list: one Add per row, a caption and three
// sub-items each. The time per row must not grow with the row count.
void BM_ListViewAdd(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    std::vector<std::string> codes(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i) codes[static_cast<size_t>(i)] = "C" + std::to_string(100000 + i);
    for (auto _ : state) {
        state.PauseTiming();
        auto* list = new TListView(nullptr);
        list->SetViewStyle(vsReport);
        for (const char* caption : {"Code", "Name", "Date", "Amount"}) list->Columns()->Add()->SetCaption(caption);
        state.ResumeTiming();
        for (int i = 0; i < rows; ++i) {
            TListItem* item = list->Items()->Add();
            item->SetCaption(codes[static_cast<size_t>(i)]);
            TStrings* sub = item->SubItems();
            sub->Add("Supplier name");
            sub->Add("2024/05/01");
            sub->Add("1234.50");
        }
        benchmark::DoNotOptimize(list->Items()->Item(rows - 1)->Index());
        state.PauseTiming();
        FreeComponent(list);
        state.ResumeTiming();
    }
    state.counters["per_item"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ListViewAdd)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qvn
