#pragma once
// TGSpeedButton: a speed button whose picture is a numbered glyph of the
// suite's bitmap library. Without a picture (number 0, a number the library
// does not have, a load that failed) the button shows the number as its
// caption, so a missing glyph is still recognisable on the form.
//
// TF2Button: a glyph button bound to an edit (F2Control). It sits square at
// the edit's right and, when clicked, does what F2 in that edit does: it
// focuses the edit and asks the edit's owner form for the lookup window
// (QVM_F2KEY with LParam = the edit). An edit has at most one such button.
// At run time the button aligns only when its own properties are set; it
// does not follow the edit when the edit moves later.

#include <cstdint>

#include "vcl/SpeedButton.h"

namespace qvn {

class TWinControl;

// Where glyph pictures come from: the bitmap library, or a stand-in a test installs.
struct TGlyphSource {
    int (*MaxId)() = nullptr;
    bool (*Load)(TBitmap* bitmap, int index) = nullptr;
};
// The bitmap library's functions.
TGlyphSource LibraryGlyphSource();
// Installs a source (nullptr members fall back to the library); returns the one in use before.
TGlyphSource SetGlyphSource(TGlyphSource source);

class TGSpeedButton : public TSpeedButton {
    QVN_CLASS_INFO()
public:
    static constexpr const char* kGlyphLoadError = "读取 BMP 发生错误";

    explicit TGSpeedButton(TComponent* owner);

    int GlyphIndex() const { return glyphIndex_; }
    // Loads the glyph of that number (see the file comment); a load that
    // raises is reported in an error box and leaves the number as caption.
    void SetGlyphIndex(int index);
    // Kept for the form; the button does nothing with it.
    int HintIndex() const { return hintIndex_; }
    void SetHintIndex(int index) { hintIndex_ = index; }

private:
    void ShowGlyph(int index);
    void ClearGlyph();

    int glyphIndex_ = 0;
    int hintIndex_ = 0;
};

class TF2Button : public TGSpeedButton {
    QVN_CLASS_INFO()
public:
    static constexpr const char* kDuplicateBinding = "不能同时有两个 F2Button 指到同一个 Edit.";

    explicit TF2Button(TComponent* owner);
    ~TF2Button() override;

    TWinControl* F2Control() const { return f2Control_; }
    // Binds the edit and aligns. Refused (the old binding stays) when
    // another lookup button of the same parent already serves that edit;
    // that case is reported in an error box.
    void SetF2Control(TWinControl* control);
    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool on);
    uint8_t Gap() const { return gap_; }
    void SetGap(uint8_t gap);

    // Square at the edit's right, level with it (with AutoAlign and an edit).
    void AlignToControl();
    // OnClick, then the lookup request for the edit when it is enabled and takes the focus.
    void Click() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The lookup button of the same parent (this one included) that already serves control.
    TF2Button* ButtonServing(const TWinControl* control) const;

    TWinControl* f2Control_ = nullptr;
    bool autoAlign_ = true;
    uint8_t gap_ = 2;
};

// Sends the lookup request for control to the window of control's owner.
// False when the owner has no window.
bool RequestLookup(TWinControl* control);

}  // namespace qvn
