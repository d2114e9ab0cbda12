#pragma once
// TBitCheckBox: the check box of the program's forms. It draws its box from
// one bitmap per state (checked, unchecked, grayed), so the box looks the
// same everywhere and can be replaced per control. A bitmap may hold a
// second image for the disabled box.
//
// Changing State by code fires nothing. A click (mouse or space bar)
// toggles, fires OnClick and then takes the focus. The caption's
// accelerator (CM_DIALOGCHAR) focuses the box and toggles it without OnClick.

#include <memory>

#include "vcl/Alignment.h"
#include "vcl/CheckBox.h"
#include "vcl/CustomControl.h"

namespace qvn {

class TBitCheckBox : public TCustomControl {
    QVN_CLASS_INFO()
public:
    explicit TBitCheckBox(TComponent* owner);
    ~TBitCheckBox() override;

    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight a);  // left or right; others are ignored
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool on) { allowGrayed_ = on; }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);  // out-of-range states are ignored
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool on) { SetState(on ? cbChecked : cbUnchecked); }
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool on) { parentCtl3D_ = on; }

    // Setting copies the bitmap; nullptr reloads the module's picture for the
    // state. A strip of whole square images sets the state's image count.
    TBitmap* CheckedGlyph() const { return glyphs_[cbChecked].get(); }
    void SetCheckedGlyph(TBitmap* bitmap) { SetGlyph(cbChecked, bitmap); }
    TBitmap* UncheckedGlyph() const { return glyphs_[cbUnchecked].get(); }
    void SetUncheckedGlyph(TBitmap* bitmap) { SetGlyph(cbUnchecked, bitmap); }
    TBitmap* GrayedGlyph() const { return glyphs_[cbGrayed].get(); }
    void SetGrayedGlyph(TBitmap* bitmap) { SetGlyph(cbGrayed, bitmap); }
    // Images per bitmap, held to 1..2.
    int CheckedNumGlyphs() const { return numGlyphs_[cbChecked]; }
    void SetCheckedNumGlyphs(int n) { SetNumGlyphs(cbChecked, n); }
    int UncheckedNumGlyphs() const { return numGlyphs_[cbUnchecked]; }
    void SetUncheckedNumGlyphs(int n) { SetNumGlyphs(cbUnchecked, n); }
    int GrayedNumGlyphs() const { return numGlyphs_[cbGrayed]; }
    void SetGrayedNumGlyphs(int n) { SetNumGlyphs(cbGrayed, n); }

    // unchecked -> grayed (AllowGrayed) or checked -> unchecked; grayed -> checked.
    void Toggle();
    // A click of the user: toggles, fires OnClick, takes the focus.
    void Click() override;

    // Width of one image of the current state's bitmap.
    int ImageWidth() const;
    // Where the caption goes (focus rectangle aside), clipped to the client area.
    TRect CaptionRect(const TCanvas& canvas) const;
    void Paint(TCanvas& canvas) override;
    void Dispatch(TMessage& message) override;

protected:
    void KeyPress(char& key) override;
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override { Invalidate(); }
    void FontChanged() override;
    void FocusChanged(TWinControl* focused) override;

private:
    void SetGlyph(TCheckBoxState state, const TBitmap* bitmap);
    void SetNumGlyphs(TCheckBoxState state, int n);
    bool AcceleratorPressed(char key);
    void DrawFocusRect(TCanvas& canvas, const TRect& rect) const;
    void DrawImage(TCanvas& canvas) const;

    std::unique_ptr<TBitmap> glyphs_[3];
    int numGlyphs_[3] = {1, 1, 1};
    TCheckBoxState state_ = cbUnchecked;
    TLeftRight alignment_ = taRightJustify;
    bool allowGrayed_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
};

}  // namespace qvn
