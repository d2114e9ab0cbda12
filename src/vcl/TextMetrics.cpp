#include "vcl/TextMetrics.h"

#include <atomic>

#include "vcl/Font.h"

namespace qvn {
namespace {

int EmHeight(const TFont& font)
{
    const int h = font.Height();
    return h < 0 ? -h : h * 5 / 6;
}

const THeadlessTextMetrics kHeadless;
std::atomic<const ITextMetrics*> gMetrics{nullptr};

}  // namespace

int THeadlessTextMetrics::AverageCharWidth(const TFont& font)
{
    int width = (EmHeight(font) * 5 + 5) / 11;
    if (width < 1) width = 1;
    if (font.Style().Contains(fsBold)) ++width;
    return width;
}

int THeadlessTextMetrics::TextWidth(const TFont& font, std::string_view text) const
{
    return AverageCharWidth(font) * static_cast<int>(text.size());
}

int THeadlessTextMetrics::TextHeight(const TFont& font, std::string_view) const
{
    return (EmHeight(font) * 6 + 2) / 5;
}

const ITextMetrics& CurrentTextMetrics()
{
    const ITextMetrics* m = gMetrics.load();
    return m != nullptr ? *m : kHeadless;
}

void SetTextMetrics(const ITextMetrics* metrics) { gMetrics.store(metrics); }

}  // namespace qvn
