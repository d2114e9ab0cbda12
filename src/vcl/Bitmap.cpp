#include "vcl/Bitmap.h"

#include "vcl/Canvas.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

void CheckSize(int width, int height)
{
    if (width < 0 || height < 0 || width > TBitmap::kMaxSide || height > TBitmap::kMaxSide ||
        int64_t{width} * height > TBitmap::kMaxPixels)
        throw EInvalidGraphic("Invalid bitmap size " + std::to_string(width) + " x " + std::to_string(height));
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TBitmap, TPersistent, [](TPropTable& t) {
    AddIntProp<TBitmap, &TBitmap::Width, &TBitmap::SetWidth>(t, "Width");
    AddIntProp<TBitmap, &TBitmap::Height, &TBitmap::SetHeight>(t, "Height");
    AddBoolProp<TBitmap, &TBitmap::Transparent, &TBitmap::SetTransparent>(t, "Transparent");
    AddIntProp<TBitmap, &TBitmap::TransparentColor, &TBitmap::SetTransparentColor>(t, "TransparentColor", "TColor");
    AddEnumProp<TBitmap, &TBitmap::TransparentMode, &TBitmap::SetTransparentMode>(t, "TransparentMode",
                                                                                 "TTransparentMode", {"tmAuto", "tmFixed"});
})

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height)
{
    CheckSize(width, height);
    if (width == width_ && height == height_) return;
    std::vector<uint32_t> resized(static_cast<size_t>(width) * static_cast<size_t>(height), kWhite);
    for (int y = 0; y < height && y < height_; ++y)
        for (int x = 0; x < width && x < width_; ++x)
            resized[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = pixels_[Offset(x, y)];
    pixels_ = std::move(resized);
    width_ = width;
    height_ = height;
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (!Contains(x, y)) return clNone;
    return static_cast<TColor>(pixels_[Offset(x, y)]);
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (!Contains(x, y) || color == clNone) return;
    pixels_[Offset(x, y)] = static_cast<uint32_t>(ColorToRGB(color)) & 0xFFFFFF;
}

TColor TBitmap::TransparentColor() const
{
    if (mode_ == tmFixed) return ColorToRGB(transparentColor_) & 0xFFFFFF;
    return Empty() ? clNone : Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    mode_ = tmFixed;
}

TCanvas* TBitmap::Canvas()
{
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
    return canvas_.get();
}

void TBitmap::Assign(const TPersistent& source)
{
    const auto* bitmap = dynamic_cast<const TBitmap*>(&source);
    if (bitmap == nullptr) return TPersistent::Assign(source);
    if (bitmap == this) return;
    width_ = bitmap->width_;
    height_ = bitmap->height_;
    pixels_ = bitmap->pixels_;
    transparent_ = bitmap->transparent_;
    mode_ = bitmap->mode_;
    transparentColor_ = bitmap->transparentColor_;
}

bool TBitmap::SamePixels(const TBitmap& other) const
{
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

}  // namespace qvn
