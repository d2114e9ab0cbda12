#include "vcl/ButtonGlyph.h"

#include <algorithm>

#include "vcl/AccelText.h"
#include "vcl/Canvas.h"

namespace qvn {

void TButtonGlyph::SetGlyph(const TBitmap& bitmap)
{
    glyph_.Assign(bitmap);
    glyph_.SetTransparent(true);
    if (glyph_.Height() > 0 && glyph_.Width() % glyph_.Height() == 0) {
        const int n = glyph_.Width() / glyph_.Height();
        numGlyphs_ = n > 4 || n < 1 ? 1 : n;
    }
    OnChange(nullptr);
}

void TButtonGlyph::SetNumGlyphs(int n)
{
    n = std::clamp(n, 1, 4);
    if (n == numGlyphs_) return;
    numGlyphs_ = n;
    OnChange(nullptr);
}

int TButtonGlyph::ImageIndexFor(TButtonState state) const
{
    const int index = static_cast<int>(state);
    return index >= 0 && index < numGlyphs_ ? index : 0;
}

void TButtonGlyph::ImageFor(TButtonState state, TBitmap& out) const
{
    const int w = ImageWidth();
    const int h = ImageHeight();
    out.SetSize(w, h);
    if (w == 0 || h == 0) return;
    const int x0 = ImageIndexFor(state) * w;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.SetPixel(x, y, glyph_.Pixel(x0 + x, y));
    out.SetTransparentColor(glyph_.TransparentColor());
    out.SetTransparent(true);
}

TButtonGlyph::Placement TButtonGlyph::Place(const TRect& client, TPoint textSize, TButtonLayout layout, int margin,
                                            int spacing) const
{
    const TPoint clientSize{client.Width(), client.Height()};
    const TPoint glyphSize{ImageWidth(), ImageHeight()};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (textSize.X == 0 || glyphSize.X == 0) spacing = 0;
    // Along the layout axis; across it both are centred.
    const int clientLen = horizontal ? clientSize.X : clientSize.Y;
    const int glyphLen = horizontal ? glyphSize.X : glyphSize.Y;
    const int textLen = horizontal ? textSize.X : textSize.Y;
    if (glyphLen == 0) {
        margin = -1;
    }
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientLen - glyphLen - textLen) / 3;
            spacing = margin;
        } else {
            margin = (clientLen - (glyphLen + spacing + textLen) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientLen - (margin + glyphLen) - textLen) / 2;
    }
    int glyphAt = margin;
    int textAt = margin + glyphLen + spacing;
    if (layout == blGlyphRight || layout == blGlyphBottom) {
        glyphAt = clientLen - margin - glyphLen;
        textAt = glyphAt - spacing - textLen;
    }
    Placement p;
    if (horizontal) {
        p.GlyphPos = Point(client.Left + glyphAt, client.Top + (clientSize.Y - glyphSize.Y + 1) / 2);
        const int ty = client.Top + (clientSize.Y - textSize.Y + 1) / 2;
        p.TextRect = Bounds(client.Left + textAt, ty, textSize.X, textSize.Y);
    } else {
        p.GlyphPos = Point(client.Left + (clientSize.X - glyphSize.X + 1) / 2, client.Top + glyphAt);
        const int tx = client.Left + (clientSize.X - textSize.X + 1) / 2;
        p.TextRect = Bounds(tx, client.Top + textAt, textSize.X, textSize.Y);
    }
    return p;
}

void TButtonGlyph::Draw(TCanvas& canvas, const TRect& client, const std::string& caption, TButtonLayout layout,
                        int margin, int spacing, TButtonState state) const
{
    const std::string shown = StripAccelChars(caption);
    const TPoint textSize{shown.empty() ? 0 : canvas.TextWidth(shown), shown.empty() ? 0 : canvas.TextHeight(shown)};
    const Placement p = Place(client, textSize, layout, margin, spacing);
    if (!glyph_.Empty()) {
        TBitmap image;
        ImageFor(state, image);
        canvas.Draw(p.GlyphPos.X, p.GlyphPos.Y, image);
    }
    if (!shown.empty()) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut(p.TextRect.Left, p.TextRect.Top, shown);
    }
}

}  // namespace qvn
