#include "controls/GlyphLibrary.h"

#include <vector>

#include "tvres.h"
#include "vcl/Bitmap.h"

namespace qvn {

int GetMaxBmpID() { return ::GetMaxBmpID(); }

bool LoadBmp(TBitmap* bitmap, int index)
{
    if (bitmap == nullptr) return false;
    int width = 0, height = 0;
    const int count = ::GetBmpPixels(index, &width, &height, nullptr, 0);
    if (count <= 0 || width <= 0 || height <= 0) return false;
    std::vector<uint32_t> pixels(static_cast<size_t>(count));
    if (::GetBmpPixels(index, &width, &height, pixels.data(), count) != count) return false;
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->SetPixel(x, y, static_cast<TColor>(pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]));
    return true;
}

}  // namespace qvn
