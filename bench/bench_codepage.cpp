// Code-page conversion of a large parameter array against a bare reused iconv
// handle writing into preallocated buffers: the array conversion may cost at
// most 1.5 times the bare one.

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <random>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Variant.h"
#include "util/CodePageText.h"

namespace {

constexpr int kElements = 100000;

// Mixed Chinese and ASCII texts of 8 to 40 characters.
const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> texts = [] {
        // u8 literals: narrow literals are compiled to GB, these texts must be Unicode.
        const std::vector<std::u8string> chinese = {u8"应付", u8"供应商", u8"员工", u8"年月", u8"对象",
                                                    u8"编号", u8"批次", u8"处理", u8"账款", u8"条件",
                                                    u8"方案", u8"起始", u8"结束", u8"日期", u8"金额"};
        const std::string ascii = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_ ";
        std::mt19937 rng(58);
        std::vector<std::string> out;
        out.reserve(kElements);
        for (int i = 0; i < kElements; ++i) {
            const int chars = 8 + static_cast<int>(rng() % 33);
            std::string s;
            for (int c = 0; c < chars;) {
                if (rng() % 2) {
                    const std::u8string& word = chinese[rng() % chinese.size()];
                    s.append(reinterpret_cast<const char*>(word.data()), word.size());
                    c += 2;
                } else {
                    s += ascii[rng() % ascii.size()];
                    c += 1;
                }
            }
            out.push_back(std::move(s));
        }
        return out;
    }();
    return texts;
}

qvn::Variant WideArray()
{
    const auto& texts = Texts();
    qvn::Variant v = qvn::VarArrayCreate(0, kElements - 1);
    for (int i = 0; i < kElements; ++i) v[i] = qvn::Variant(qvn::WideString::FromUtf8(texts[static_cast<size_t>(i)]));
    return v;
}

void BM_VarToCodePage_100k(benchmark::State& state)
{
    const qvn::Variant source = WideArray();
    for (auto _ : state) {
        qvn::Variant converted = qvn::VarToCodePage(source, qvn::CP_GBK);
        benchmark::DoNotOptimize(converted);
    }
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_VarToCodePage_100k)->Unit(benchmark::kMillisecond);

void BM_RawIconv_100k(benchmark::State& state)
{
    const auto& texts = Texts();
    iconv_t h = iconv_open("CP936", "UTF-8");
    std::vector<std::string> out(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) out[i].resize(texts[i].size() * 2 + 8);
    for (auto _ : state) {
        for (size_t i = 0; i < texts.size(); ++i) {
            iconv(h, nullptr, nullptr, nullptr, nullptr);
            char* src = const_cast<char*>(texts[i].data());
            size_t srcLeft = texts[i].size();
            char* dst = out[i].data();
            size_t dstLeft = out[i].size();
            iconv(h, &src, &srcLeft, &dst, &dstLeft);
            benchmark::DoNotOptimize(dst);
        }
    }
    iconv_close(h);
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_RawIconv_100k)->Unit(benchmark::kMillisecond);

}  // namespace
