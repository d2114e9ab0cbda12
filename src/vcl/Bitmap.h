#pragma once
// A 24-bit bitmap held in memory: pixels are $00BBGGRR values, a new or
// enlarged area is white. A transparent bitmap leaves the pixels of its
// transparent colour out when drawn; that colour is the bottom-left pixel
// unless one was set.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Exceptions.h"
#include "vcl/Colors.h"
#include "vcl/Object.h"

namespace qvn {

class TCanvas;

QVN_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
QVN_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TPersistent {
    QVN_CLASS_INFO()
public:
    static constexpr int kMaxSide = 32768;
    static constexpr int64_t kMaxPixels = int64_t{1} << 26;

    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Keeps the pixels that remain inside; raises EInvalidGraphic for a
    // negative side or a bitmap larger than kMaxSide / kMaxPixels.
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // RGB of a pixel; clNone outside the bitmap.
    TColor Pixel(int x, int y) const;
    // System colours are stored as their RGB; outside the bitmap, or clNone, nothing happens.
    void SetPixel(int x, int y, TColor color);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    TTransparentMode TransparentMode() const { return mode_; }
    void SetTransparentMode(TTransparentMode mode) { mode_ = mode; }
    // The RGB left out when drawing transparently (clNone for an empty bitmap in automatic mode).
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);  // switches to the fixed mode

    // A canvas drawing on this bitmap (created on first use, owned by the bitmap).
    TCanvas* Canvas();

    // Copies size, pixels and transparency of another bitmap.
    void Assign(const TPersistent& source) override;
    bool SamePixels(const TBitmap& other) const;

private:
    size_t Offset(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x); }

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
    bool transparent_ = false;
    TTransparentMode mode_ = tmAuto;
    TColor transparentColor_ = clNone;
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace qvn
