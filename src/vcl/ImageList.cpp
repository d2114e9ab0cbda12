#include "vcl/ImageList.h"

#include "platform/Format.h"
#include "vcl/Canvas.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TImageList, TComponent, [](TPropTable& t) {
    AddIntProp<TImageList, &TImageList::Width, &TImageList::SetWidth>(t, "Width");
    AddIntProp<TImageList, &TImageList::Height, &TImageList::SetHeight>(t, "Height");
})

TImageList::TImageList(TComponent* owner, int width, int height) : TComponent(owner), width_(16), height_(16)
{
    SetSize(width, height);
}

TImageList::~TImageList() = default;

void TImageList::SetSize(int width, int height)
{
    if (width < 1 || height < 1 || width > TBitmap::kMaxSide || height > TBitmap::kMaxSide)
        throw EInvalidGraphicOperation("Invalid image size");
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Clear();
}

void TImageList::SetWidth(int width) { SetSize(width, height_); }

void TImageList::SetHeight(int height) { SetSize(width_, height); }

template <typename IsTransparent>
int TImageList::AddStrip(const TBitmap& image, IsTransparent isTransparent)
{
    if (image.Empty() || image.Height() != height_ || image.Width() % width_ != 0)
        throw EInvalidGraphicOperation("Invalid image size");
    const int first = Count();
    for (int left = 0; left < image.Width(); left += width_) {
        auto entry = std::make_unique<Image>();
        entry->pixels.SetSize(width_, height_);
        bool anyTransparent = false;
        std::vector<bool> transparent(static_cast<size_t>(width_) * static_cast<size_t>(height_), false);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                entry->pixels.SetPixel(x, y, image.Pixel(left + x, y));
                if (isTransparent(left + x, y)) {
                    transparent[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = true;
                    anyTransparent = true;
                }
            }
        if (anyTransparent) entry->transparent = std::move(transparent);
        images_.push_back(std::move(entry));
    }
    return first;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask)
{
    return AddStrip(image, [mask](int x, int y) {
        if (mask == nullptr) return false;
        const TColor m = mask->Pixel(x, y);
        return m != clNone && m != 0;
    });
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    const TColor rgb = ColorToRGB(maskColor) & 0xFFFFFF;
    return AddStrip(image, [&image, rgb](int x, int y) { return image.Pixel(x, y) == rgb; });
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count()) throw EInvalidGraphicOperation("Image list index out of bounds (" + IntToStr(index) + ")");
    images_.erase(images_.begin() + index);
}

void TImageList::Clear() { images_.clear(); }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const
{
    if (index < 0 || index >= Count()) return;
    const Image& image = *images_[static_cast<size_t>(index)];
    for (int j = 0; j < height_; ++j)
        for (int i = 0; i < width_; ++i) {
            const size_t at = static_cast<size_t>(j) * static_cast<size_t>(width_) + static_cast<size_t>(i);
            if (!image.transparent.empty() && image.transparent[at]) continue;
            canvas.SetPixel(x + i, y + j, image.pixels.Pixel(i, j));
        }
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const
{
    if (index < 0 || index >= Count()) return false;
    bitmap.Assign(images_[static_cast<size_t>(index)]->pixels);
    return true;
}

}  // namespace qvn
