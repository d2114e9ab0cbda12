#include "lang/DisabledGlyph.h"

#include "lang/LangReader.h"
#include "vcl/Bitmap.h"
#include "vcl/Colors.h"
#include "vcl/Component.h"
#include "vcl/PropAccess.h"

namespace qvn {
namespace {

struct Rgb {
    int r, g, b;
};

Rgb Split(TColor rgb)
{
    const auto v = static_cast<uint32_t>(rgb);
    return {static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF)};
}

// The dark and outline pixels of the glyph: a pixel that is not transparent is
// marked when it is dark, or when a neighbour (the pixel itself at the border)
// is transparent.
std::vector<bool> OutlineMask(const TBitmap& glyph, TColor transparent)
{
    const int w = glyph.Width(), h = glyph.Height();
    std::vector<bool> mask(static_cast<size_t>(w) * static_cast<size_t>(h), false);
    auto at = [&](int x, int y) { return glyph.Pixel(x, y); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor p = at(x, y);
            if (p == transparent) continue;
            const Rgb c = Split(p);
            bool marked = c.r + c.g + c.b < 384;
            if (!marked) {
                const TColor up = y > 0 ? at(x, y - 1) : p;
                const TColor down = y + 1 < h ? at(x, y + 1) : p;
                const TColor left = x > 0 ? at(x - 1, y) : p;
                const TColor right = x + 1 < w ? at(x + 1, y) : p;
                marked = up == transparent || down == transparent || left == transparent || right == transparent;
            }
            mask[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = marked;
        }
    return mask;
}

}  // namespace

void MakeDisabledGlyph(TBitmap* glyph)
{
    if (glyph == nullptr || glyph->Empty()) return;
    const int w = glyph->Width(), h = glyph->Height();
    const TColor transparent = glyph->TransparentColor();
    const std::vector<bool> mask = OutlineMask(*glyph, transparent);
    auto masked = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && mask[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
    };
    // The embossed image: button face, the highlight one pixel right and down, the shadow on top.
    TBitmap disabled(w, h);
    const TColor face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            TColor c = face;
            if (masked(x - 1, y - 1)) c = highlight;
            if (masked(x, y)) c = shadow;
            disabled.SetPixel(x, y, c);
        }
    TBitmap original;
    original.Assign(*glyph);
    glyph->SetSize(2 * w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 2 * w; ++x) glyph->SetPixel(x, y, x < w ? original.Pixel(x, y) : disabled.Pixel(x - w, y));
}

std::vector<TComponent*> GlyphButtonsOf(TComponent* component)
{
    if (auto* owner = dynamic_cast<IGlyphButtons*>(component)) return owner->GlyphButtons();
    for (const char* kind : {"TSpeedButton", "TBitBtn", "TGSpeedButton"})
        if (InheritsFromClassNamed(component, kind)) return {component};
    return {};
}

void AddDisabledImage(TComponent* button)
{
    if (button == nullptr || GetOrdPropByName(button, "NumGlyphs") != 1) return;
    auto* glyph = dynamic_cast<TBitmap*>(GetObjectPropByName(button, "Glyph"));
    if (glyph == nullptr || glyph->Empty()) return;
    MakeDisabledGlyph(glyph);
    SetOrdPropByName(button, "NumGlyphs", 2);
}

}  // namespace qvn
