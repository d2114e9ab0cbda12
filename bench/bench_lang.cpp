// GB -> Big5 conversion of short texts through the loaded language library (by
// way of TTranslator) against a directly linked iconv + OpenCC pipeline: the
// library path may cost at most 1.3 times the direct one.

#include <benchmark/benchmark.h>
#include <iconv.h>
#include <opencc/SimpleConverter.hpp>

#include <random>
#include <string>
#include <vector>

#include "lang/Translator.h"
#include "platform/CodePage.h"

namespace {

constexpr int kTexts = 10000;

// 8 to 40 bytes of GB text, Chinese in each.
const std::vector<std::string>& GBTexts()
{
    static const std::vector<std::string> texts = [] {
        const std::vector<std::u8string> words = {u8"应付", u8"供应商", u8"员工", u8"年月", u8"对象", u8"编号",
                                                  u8"批次", u8"处理", u8"账款", u8"条件", u8"方案", u8"发票"};
        const std::string ascii = "ABCDEFGHIJ0123456789-_ ";
        std::mt19937 rng(936);
        std::vector<std::string> out;
        for (int i = 0; i < kTexts; ++i) {
            const size_t bytes = 8 + rng() % 33;
            std::string utf8;
            std::string gb;
            while (gb.size() + 4 <= bytes) {
                if (gb.empty() || rng() % 2) {
                    const auto& w = words[rng() % words.size()];
                    utf8.assign(reinterpret_cast<const char*>(w.data()), w.size());
                    gb += *qvn::FromWide(qvn::WideString::FromUtf8(utf8), qvn::CP_GBK);
                } else {
                    gb += ascii[rng() % ascii.size()];
                }
            }
            out.push_back(gb);
        }
        return out;
    }();
    return texts;
}

void BM_GBToBig5_Module(benchmark::State& state)
{
    const auto& texts = GBTexts();
    qvn::TTranslator translator;
    for (auto _ : state)
        for (const auto& t : texts) benchmark::DoNotOptimize(translator.GBToBig5(t));
    state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_GBToBig5_Module)->Unit(benchmark::kMillisecond);

std::string IconvOnce(iconv_t h, const std::string& in, std::string& buffer)
{
    iconv(h, nullptr, nullptr, nullptr, nullptr);
    buffer.resize(in.size() * 2 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    iconv(h, &src, &srcLeft, &dst, &dstLeft);
    return std::string(buffer.data(), buffer.size() - dstLeft);
}

void BM_GBToBig5_Raw(benchmark::State& state)
{
    const auto& texts = GBTexts();
    iconv_t toUtf8 = iconv_open("UTF-8", "CP936");
    iconv_t toBig5 = iconv_open("CP950//TRANSLIT", "UTF-8");
    opencc::SimpleConverter s2tw("s2tw.json");
    std::string buffer;
    for (auto _ : state)
        for (const auto& t : texts) {
            const std::string utf8 = s2tw.Convert(IconvOnce(toUtf8, t, buffer));
            benchmark::DoNotOptimize(IconvOnce(toBig5, utf8, buffer));
        }
    iconv_close(toUtf8);
    iconv_close(toBig5);
    state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_GBToBig5_Raw)->Unit(benchmark::kMillisecond);

}  // namespace
