#pragma once
// The picture of a bitmap button or speed button: a glyph bitmap holding
// NumGlyphs images side by side (up, disabled, down, exclusive), and the
// placement of picture and caption inside the button (Layout, Margin,
// Spacing; -1 centres).

#include <string>

#include "vcl/Bitmap.h"
#include "vcl/Event.h"
#include "vcl/Geometry.h"

namespace qvn {

class TCanvas;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TButtonGlyph {
public:
    TButtonGlyph() = default;

    TBitmap* Glyph() { return &glyph_; }
    const TBitmap* Glyph() const { return &glyph_; }
    // Copies the bitmap; a strip whose width is a whole multiple (2 to 4) of
    // its height sets NumGlyphs (more than 4 images count as one).
    void SetGlyph(const TBitmap& bitmap);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);  // limited to 1..4
    // Size of one image.
    int ImageWidth() const { return glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_; }
    int ImageHeight() const { return glyph_.Height(); }
    // The image shown in a state: its own when the strip has one, else the up image.
    int ImageIndexFor(TButtonState state) const;
    // Copies that image into out (empty when there is no glyph).
    void ImageFor(TButtonState state, TBitmap& out) const;

    struct Placement {
        TPoint GlyphPos;
        TRect TextRect;
    };
    // Where the glyph and a caption of textSize go inside client.
    Placement Place(const TRect& client, TPoint textSize, TButtonLayout layout, int margin, int spacing) const;
    // Draws the glyph image and the caption (accelerator markers removed) in client.
    void Draw(TCanvas& canvas, const TRect& client, const std::string& caption, TButtonLayout layout, int margin,
              int spacing, TButtonState state) const;

    TNotifyEvent OnChange;

private:
    TBitmap glyph_;
    int numGlyphs_ = 1;
};

}  // namespace qvn
