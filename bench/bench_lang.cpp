// GB -> Big5 conversion of short texts through the loaded language library (by
// way of TTranslator) against a directly linked iconv + OpenCC pipeline: the
// library path may cost at most 1.3 times the direct one.

#include <benchmark/benchmark.h>
#include <iconv.h>
#include <opencc/SimpleConverter.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "lang/CodeConverter.h"
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

// A lookup answer: rows of an ASCII code, a Chinese name, an ASCII phone number and a Chinese address.
qvn::Variant LookupAnswer(int rows)
{
    const auto& texts = GBTexts();
    qvn::Variant answer = qvn::VarArrayCreate(qvn::VarBound{0, rows - 1}, qvn::VarBound{0, 3});
    for (int r = 0; r < rows; ++r) {
        answer(r, 0) = qvn::Variant("V" + std::to_string(100000 + r));
        answer(r, 1) = qvn::Variant(texts[static_cast<size_t>(r) % texts.size()]);
        answer(r, 2) = qvn::Variant("021-" + std::to_string(50000000 + r));
        answer(r, 3) = qvn::Variant(texts[static_cast<size_t>(r * 7 + 3) % texts.size()] +
                                    texts[static_cast<size_t>(r * 13 + 5) % texts.size()]);
    }
    return answer;
}

// A client installation whose interface is Big5 over a GB database (data conversion 2).
void ConfigureBig5Interface()
{
    static const bool done = [] {
        const auto dir = std::filesystem::temp_directory_path() / "qvn-bench-lang";
        std::filesystem::create_directories(dir / "client");
        std::ofstream(dir / "registry.ini") << "[HKLM\\Software\\QVN\\Zentor]\nClientPath=" << (dir / "client").string() << "\n";
        std::ofstream(dir / "client" / "ZentorC.ini") << "[CodePage]\nUICodePage=950\nDBCodePage=936\n";
        setenv("QVN_REGISTRY", (dir / "registry.ini").c_str(), 1);
        setenv("QVN_ACP", "936", 1);
        return true;
    }();
    (void)done;
}

constexpr int kLookupRows = 100000;

void BM_DataToUI_Lookup100k(benchmark::State& state)
{
    ConfigureBig5Interface();
    const qvn::Variant answer = LookupAnswer(kLookupRows);
    qvn::TCodeConverter converter(nullptr);
    if (converter.DataConversion() != 2) state.SkipWithError("data conversion 2 not configured");
    for (auto _ : state) benchmark::DoNotOptimize(converter.DataToUI(answer));
    state.SetItemsProcessed(state.iterations() * kLookupRows);
}
BENCHMARK(BM_DataToUI_Lookup100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DataToUI_Lookup100k_Raw(benchmark::State& state)
{
    const qvn::Variant answer = LookupAnswer(kLookupRows);
    iconv_t toUtf8 = iconv_open("UTF-8", "CP936");
    iconv_t toBig5 = iconv_open("CP950//TRANSLIT", "UTF-8");
    opencc::SimpleConverter s2tw("s2tw.json");
    std::string buffer;
    for (auto _ : state)
        for (const auto& e : answer.ArrayRef().Elements()) {
            const std::string utf8 = s2tw.Convert(IconvOnce(toUtf8, e.AnsiRef(), buffer));
            benchmark::DoNotOptimize(IconvOnce(toBig5, utf8, buffer));
        }
    iconv_close(toUtf8);
    iconv_close(toBig5);
    state.SetItemsProcessed(state.iterations() * kLookupRows);
}
BENCHMARK(BM_DataToUI_Lookup100k_Raw)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
