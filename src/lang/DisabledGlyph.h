#pragma once
// Generated images for disabled glyph buttons: a button whose glyph holds one
// image gets a second, embossed grey image beside it.

#include <vector>

namespace qvn {

class TBitmap;
class TComponent;

// Widens the glyph to twice its width and draws the disabled image right of
// the original one.
void MakeDisabledGlyph(TBitmap* glyph);

// Components that carry glyph buttons of their own (an edit with a lookup
// button, the selection panel) name them, so the base form can give each its
// disabled image.
class IGlyphButtons {
public:
    virtual ~IGlyphButtons() = default;
    virtual std::vector<TComponent*> GlyphButtons() const = 0;
};

// The glyph buttons of a component by the base form's rules: the buttons a
// component names, or the component itself when it is a speed button, a bitmap
// button or a glyph speed button.
std::vector<TComponent*> GlyphButtonsOf(TComponent* component);

// Adds the disabled image to a button whose glyph holds one image (NumGlyphs 1).
void AddDisabledImage(TComponent* button);

}  // namespace qvn
