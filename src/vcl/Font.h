#pragma once
// A font description: name, height, character set, colour, style and pitch.
// Every change fires OnChange, so the control or canvas using the font can
// react (repaint, re-measure). Size and Height are two views of one value at
// 96 pixels per inch: Size = -Height * 72 / 96, rounded.

#include <string>

#include "vcl/Charsets.h"
#include "vcl/Colors.h"
#include "vcl/Event.h"
#include "vcl/Object.h"
#include "vcl/SetOf.h"

namespace qvn {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = SetOf<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TPersistent {
    QVN_CLASS_INFO()
public:
    static constexpr int kPixelsPerInch = 96;

    TFont() = default;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int size);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // Copies every attribute of another font and fires OnChange once (when anything differed).
    void Assign(const TPersistent& source) override;
    bool SameAs(const TFont& other) const;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TColor color_ = clWindowText;
    TFontStyles style_;
    TFontPitch pitch_ = fpDefault;
};

}  // namespace qvn
