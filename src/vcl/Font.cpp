#include "vcl/Font.h"

#include <cstdlib>

#include "vcl/PropTable.h"

namespace qvn {
namespace {

// a * b / c rounded half away from zero, as the platform's MulDiv does.
int MulDiv(int a, int b, int c)
{
    const long long p = static_cast<long long>(a) * b;
    const long long q = (std::llabs(p) * 2 + c) / (2LL * c);
    return static_cast<int>(p < 0 ? -q : q);
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TFont, TPersistent, [](TPropTable& t) {
    AddIntProp<TFont, &TFont::Charset, &TFont::SetCharset>(t, "Charset", "TFontCharset");
    AddIntProp<TFont, &TFont::Color, &TFont::SetColor>(t, "Color", "TColor");
    AddIntProp<TFont, &TFont::Height, &TFont::SetHeight>(t, "Height");
    AddStrProp<TFont, &TFont::Name, &TFont::SetName>(t, "Name", "TFontName");
    AddEnumProp<TFont, &TFont::Pitch, &TFont::SetPitch>(t, "Pitch", "TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
    AddIntProp<TFont, &TFont::Size, &TFont::SetSize>(t, "Size");
    AddSetProp<TFont, &TFont::Style, &TFont::SetStyle>(t, "Style", "TFontStyles",
                                                       {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
})

void TFont::SetName(const std::string& name)
{
    if (name.empty() || name == name_) return;  // a font always has a face name
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, kPixelsPerInch); }

void TFont::SetSize(int size) { SetHeight(-MulDiv(size, kPixelsPerInch, 72)); }

void TFont::SetCharset(TFontCharset charset)
{
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch)
{
    if (pitch == pitch_) return;
    pitch_ = pitch;
    Changed();
}

bool TFont::SameAs(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && charset_ == other.charset_ && color_ == other.color_ &&
           style_ == other.style_ && pitch_ == other.pitch_;
}

void TFont::Assign(const TPersistent& source)
{
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (font == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (font == this || SameAs(*font)) return;
    name_ = font->name_;
    height_ = font->height_;
    charset_ = font->charset_;
    color_ = font->color_;
    style_ = font->style_;
    pitch_ = font->pitch_;
    Changed();
}

void TFont::Changed() { OnChange(this); }

}  // namespace qvn
