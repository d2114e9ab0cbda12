#pragma once
// TSpeedButton: a flat-capable button without a window (never focused).
// With GroupIndex 0 it springs back after each press. Buttons of one parent
// with the same non-zero GroupIndex form a group: pressing one puts it Down
// and releases the others; a down button comes up again when pressed only
// if the group allows all buttons up (AllowAllUp, shared by the group).
// Setting Down by code follows the same rules; with GroupIndex 0 it stays up.
// The caption's accelerator clicks the button (Down stays as it is).

#include "vcl/ButtonGlyph.h"
#include "vcl/GraphicControl.h"

namespace qvn {

class TSpeedButton : public TGraphicControl {
    QVN_CLASS_INFO()
public:
    explicit TSpeedButton(TComponent* owner);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on);
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    TBitmap* Glyph() { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap& bitmap) { glyph_.SetGlyph(bitmap); }
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int n) { glyph_.SetNumGlyphs(n); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    int Margin() const { return margin_; }
    void SetMargin(int m);
    int Spacing() const { return spacing_; }
    void SetSpacing(int s);
    const TButtonGlyph& ButtonGlyph() const { return glyph_; }
    // The picture state: up, disabled, pressed, or held down in a group.
    TButtonState State() const;

    void Paint(TCanvas& canvas) override;
    void Dispatch(TMessage& message) override;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DialogChar(char key) override;

private:
    // Tells the other buttons of the group that this one went down (or changed AllowAllUp).
    void UpdateExclusive();
    void ButtonPressed(const TSpeedButton& sender);
    void GlyphChanged(TObject*) { Invalidate(); }

    TButtonGlyph glyph_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool pressing_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

}  // namespace qvn
