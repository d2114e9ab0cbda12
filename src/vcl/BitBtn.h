#pragma once
// TBitBtn: a push button with a glyph. Kind gives a standard button its
// caption and modal result (BitBtnCaption, BitBtnModalResult); bkOK and bkYes
// become Default buttons, bkCancel and bkNo Cancel buttons. A bkClose button
// on a form closes the form instead of clicking.

#include "vcl/Button.h"
#include "vcl/ButtonGlyph.h"

namespace qvn {

class TCanvas;

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// The standard caption and modal result of a kind ("" and mrNone for bkCustom).
const char* BitBtnCaption(TBitBtnKind kind);
TModalResult BitBtnModalResult(TBitBtnKind kind);

class TBitBtn : public TButton {
    QVN_CLASS_INFO()
public:
    explicit TBitBtn(TComponent* owner);

    TBitBtnKind Kind() const { return kind_; }
    // A standard kind sets Caption, ModalResult, Default and Cancel; out-of-range kinds are ignored.
    void SetKind(TBitBtnKind kind);
    TBitmap* Glyph() { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap& bitmap) { glyph_.SetGlyph(bitmap); }
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int n) { glyph_.SetNumGlyphs(n); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    int Margin() const { return margin_; }
    void SetMargin(int m);  // -1 centres; below -1 counts as -1
    int Spacing() const { return spacing_; }
    void SetSpacing(int s);
    const TButtonGlyph& ButtonGlyph() const { return glyph_; }

    void Click() override;
    void Paint(TCanvas& canvas);

private:
    void GlyphChanged(TObject*) { Invalidate(); }

    TButtonGlyph glyph_;
    TBitBtnKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

}  // namespace qvn
