#include "controls/CaptionText.h"

#include <algorithm>

#include "vcl/Canvas.h"

namespace qvn {

TAccelSplit SplitAccel(std::string_view caption)
{
    TAccelSplit split;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && split.AccelPos < 0) split.AccelPos = static_cast<int>(split.Shown.size());
        }
        split.Shown += caption[i];
    }
    return split;
}

void DrawCaptionText(TCanvas& canvas, const TRect& rect, std::string_view caption, bool centre)
{
    const TAccelSplit split = SplitAccel(caption);
    if (split.Shown.empty()) return;
    const int height = canvas.TextHeight(split.Shown);
    const int x = centre ? rect.Left + (rect.Width() - canvas.TextWidth(split.Shown)) / 2 : rect.Left;
    const int y = rect.Top + (rect.Height() - height) / 2;
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(x, y, split.Shown);
    if (split.AccelPos < 0) return;
    const auto pos = static_cast<size_t>(split.AccelPos);
    // A double-byte character is underlined whole.
    const size_t length = static_cast<unsigned char>(split.Shown[pos]) >= 0x80 && pos + 1 < split.Shown.size() ? 2 : 1;
    const int from = x + canvas.TextWidth(std::string_view(split.Shown).substr(0, pos));
    const int to = from + canvas.TextWidth(std::string_view(split.Shown).substr(pos, length));
    const int underline = std::min(y + height - 1, rect.Bottom - 1);
    canvas.Pen()->SetColor(canvas.Font()->Color());
    canvas.MoveTo(std::max(from, rect.Left), underline);
    canvas.LineTo(std::min(to, rect.Right), underline);
}

TRect IntersectRects(const TRect& a, const TRect& b)
{
    TRect r = Rect(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom));
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

}  // namespace qvn
