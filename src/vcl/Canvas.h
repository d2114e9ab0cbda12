#pragma once
// A drawing surface: pen, brush and font, shapes, text and block transfers.
// A canvas bound to a bitmap draws into its pixels; one without a bitmap (a
// control's canvas in a headless run) draws nothing but still measures text.
// Text is measured through the current text metrics; glyphs are not
// rasterised headless, so TextOut paints only the opaque background box.
// Everything is clipped to the bitmap.

#include <memory>
#include <string_view>

#include "vcl/Bitmap.h"
#include "vcl/Brush.h"
#include "vcl/Font.h"
#include "vcl/Geometry.h"
#include "vcl/Object.h"
#include "vcl/Pen.h"
#include "vcl/RasterOp.h"

namespace qvn {

class TCanvas : public TPersistent {
    QVN_CLASS_INFO()
public:
    explicit TCanvas(TBitmap* surface = nullptr);
    ~TCanvas() override;

    TBitmap* Surface() const { return surface_; }
    TFont* Font() const { return font_.get(); }
    TBrush* Brush() const { return brush_.get(); }
    TPen* Pen() const { return pen_.get(); }
    TRasterOp CopyMode() const { return copyMode_; }
    void SetCopyMode(TRasterOp mode) { copyMode_ = mode; }

    TColor Pixel(int x, int y) const;  // clNone without a surface or outside it
    void SetPixel(int x, int y, TColor color);

    TPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = Point(x, y); }
    // A one-pixel line in the pen colour, from the pen position up to (not including) x, y.
    void LineTo(int x, int y);
    void FillRect(const TRect& rect);   // brush colour (a clear brush fills nothing)
    void FrameRect(const TRect& rect);  // one-pixel border in the brush colour
    void Rectangle(const TRect& rect);  // pen outline, brush inside

    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    // Paints the text's box with the brush (unless clear) and moves the pen to its end.
    void TextOut(int x, int y, std::string_view text);

    // The bitmap at x, y; a transparent bitmap leaves its transparent colour out.
    void Draw(int x, int y, const TBitmap& bitmap);
    // The source rectangle of another canvas into dest, scaled to its size, combined by CopyMode.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    // Copies the source rectangle (same size) replacing the pixels of colour by the brush colour.
    void BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor color);
    // Block transfer of w x h pixels from source at sx, sy to x, y combined by op (brush as pattern).
    void BitBlt(int x, int y, int w, int h, const TBitmap& source, int sx, int sy, TRasterOp op);
    // As BitBlt, but pixels whose mask pixel is black use backOp, the others foreOp.
    void MaskBlt(int x, int y, int w, int h, const TBitmap& source, int sx, int sy, const TBitmap& mask, int mx, int my,
                 TRasterOp foreOp, TRasterOp backOp);

private:
    uint32_t BrushRgb() const;
    void Combine(int x, int y, uint32_t source, TRasterOp op);

    TBitmap* surface_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TPen> pen_;
    TRasterOp copyMode_ = SRCCOPY;
    TPoint penPos_;
};

}  // namespace qvn
