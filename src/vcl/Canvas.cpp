#include "vcl/Canvas.h"

#include <algorithm>
#include <cstdlib>

#include "vcl/TextMetrics.h"

namespace qvn {
namespace {

uint32_t Rgb(TColor color) { return static_cast<uint32_t>(ColorToRGB(color)) & 0xFFFFFF; }

// Drawing a bitmap onto itself must read the original pixels: such a source is copied first.
class SourceView {
public:
    SourceView(const TBitmap& source, const TBitmap* surface)
    {
        if (&source == surface) {
            copy_.Assign(source);
            bitmap_ = &copy_;
        } else {
            bitmap_ = &source;
        }
    }
    const TBitmap& operator*() const { return *bitmap_; }

private:
    TBitmap copy_;
    const TBitmap* bitmap_;
};

// Destination span [from, to) of a run starting at origin with length count, clipped to [0, limit).
struct Span {
    int from;
    int to;
};
Span Clip(int origin, int count, int limit)
{
    const int64_t from = std::max<int64_t>(0, -int64_t{origin});
    const int64_t to = std::min<int64_t>(count, int64_t{limit} - origin);
    return Span{static_cast<int>(from), static_cast<int>(std::max(from, to))};
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TCanvas, TPersistent)

TCanvas::TCanvas(TBitmap* surface)
    : surface_(surface), font_(std::make_unique<TFont>()), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>())
{
}

TCanvas::~TCanvas() = default;

uint32_t TCanvas::BrushRgb() const { return Rgb(brush_->Color()); }

TColor TCanvas::Pixel(int x, int y) const { return surface_ != nullptr ? surface_->Pixel(x, y) : clNone; }

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (surface_ != nullptr) surface_->SetPixel(x, y, color);
}

void TCanvas::Combine(int x, int y, uint32_t source, TRasterOp op)
{
    if (surface_ == nullptr || !surface_->Contains(x, y)) return;
    const auto dest = static_cast<uint32_t>(surface_->Pixel(x, y));
    surface_->SetPixel(x, y, static_cast<TColor>(ApplyRasterOp(op, BrushRgb(), source, dest)));
}

void TCanvas::LineTo(int x, int y)
{
    // Bresenham; the end point is left out as the platform does.
    int x0 = penPos_.X, y0 = penPos_.Y;
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        SetPixel(x0, y0, pen_->Color());
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    penPos_ = Point(x, y);
}

void TCanvas::FillRect(const TRect& rect)
{
    if (surface_ == nullptr || brush_->Style() == bsClear) return;
    const int left = std::max(rect.Left, 0), top = std::max(rect.Top, 0);
    const int right = std::min(rect.Right, surface_->Width()), bottom = std::min(rect.Bottom, surface_->Height());
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) surface_->SetPixel(x, y, brush_->Color());
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    for (int x = rect.Left; x < rect.Right; ++x) {
        SetPixel(x, rect.Top, brush_->Color());
        SetPixel(x, rect.Bottom - 1, brush_->Color());
    }
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        SetPixel(rect.Left, y, brush_->Color());
        SetPixel(rect.Right - 1, y, brush_->Color());
    }
}

void TCanvas::Rectangle(const TRect& rect)
{
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    FillRect(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
    const TColor saved = brush_->Color();
    const TBrushStyle savedStyle = brush_->Style();
    brush_->SetColor(pen_->Color());
    brush_->SetStyle(bsSolid);
    FrameRect(rect);
    brush_->SetStyle(savedStyle);
    brush_->SetColor(saved);
}

int TCanvas::TextWidth(std::string_view text) const { return CurrentTextMetrics().TextWidth(*font_, text); }

int TCanvas::TextHeight(std::string_view text) const { return CurrentTextMetrics().TextHeight(*font_, text); }

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    const int w = TextWidth(text);
    FillRect(Bounds(x, y, w, TextHeight(text)));
    penPos_ = Point(x + w, y);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (surface_ == nullptr || bitmap.Empty()) return;
    const SourceView src(bitmap, surface_);
    const TColor transparent = bitmap.Transparent() ? bitmap.TransparentColor() : clNone;
    const Span cols = Clip(x, bitmap.Width(), surface_->Width()), rows = Clip(y, bitmap.Height(), surface_->Height());
    for (int j = rows.from; j < rows.to; ++j)
        for (int i = cols.from; i < cols.to; ++i) {
            const TColor c = (*src).Pixel(i, j);
            if (c != transparent) surface_->SetPixel(x + i, y + j, c);
        }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    if (surface_ == nullptr || source.surface_ == nullptr) return;
    const int dw = dest.Width(), dh = dest.Height(), sw = sourceRect.Width(), sh = sourceRect.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const SourceView src(*source.surface_, surface_);
    const Span cols = Clip(dest.Left, dw, surface_->Width()), rows = Clip(dest.Top, dh, surface_->Height());
    for (int j = rows.from; j < rows.to; ++j)
        for (int i = cols.from; i < cols.to; ++i) {
            const TColor c = (*src).Pixel(sourceRect.Left + static_cast<int>(int64_t{i} * sw / dw),
                                          sourceRect.Top + static_cast<int>(int64_t{j} * sh / dh));
            if (c != clNone) Combine(dest.Left + i, dest.Top + j, static_cast<uint32_t>(c), copyMode_);
        }
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor color)
{
    if (surface_ == nullptr) return;
    const int w = std::min(dest.Width(), sourceRect.Width()), h = std::min(dest.Height(), sourceRect.Height());
    if (w <= 0 || h <= 0) return;
    const SourceView src(source, surface_);
    const TColor replaced = ColorToRGB(color) & 0xFFFFFF;
    const Span cols = Clip(dest.Left, w, surface_->Width()), rows = Clip(dest.Top, h, surface_->Height());
    for (int j = rows.from; j < rows.to; ++j)
        for (int i = cols.from; i < cols.to; ++i) {
            const TColor c = (*src).Pixel(sourceRect.Left + i, sourceRect.Top + j);
            if (c == clNone) continue;
            surface_->SetPixel(dest.Left + i, dest.Top + j, c == replaced ? brush_->Color() : c);
        }
}

void TCanvas::BitBlt(int x, int y, int w, int h, const TBitmap& source, int sx, int sy, TRasterOp op)
{
    if (surface_ == nullptr || w <= 0 || h <= 0) return;
    const SourceView src(source, surface_);
    const Span cols = Clip(x, w, surface_->Width()), rows = Clip(y, h, surface_->Height());
    for (int j = rows.from; j < rows.to; ++j)
        for (int i = cols.from; i < cols.to; ++i) {
            const TColor c = (*src).Pixel(sx + i, sy + j);
            // Outside the source the transfer reads black, as a device context does.
            Combine(x + i, y + j, c == clNone ? 0u : static_cast<uint32_t>(c), op);
        }
}

void TCanvas::MaskBlt(int x, int y, int w, int h, const TBitmap& source, int sx, int sy, const TBitmap& mask, int mx,
                      int my, TRasterOp foreOp, TRasterOp backOp)
{
    if (surface_ == nullptr || w <= 0 || h <= 0) return;
    const SourceView src(source, surface_);
    const Span cols = Clip(x, w, surface_->Width()), rows = Clip(y, h, surface_->Height());
    for (int j = rows.from; j < rows.to; ++j)
        for (int i = cols.from; i < cols.to; ++i) {
            const TColor c = (*src).Pixel(sx + i, sy + j);
            const TColor m = mask.Pixel(mx + i, my + j);
            const bool fore = m != clNone && m != 0;
            Combine(x + i, y + j, c == clNone ? 0u : static_cast<uint32_t>(c), fore ? foreOp : backOp);
        }
}

}  // namespace qvn
