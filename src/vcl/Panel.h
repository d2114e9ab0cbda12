#pragma once
// TCustomPanel / TPanel: a container with up to two bevels (outer, then
// inner, each BevelWidth wide) and a border of BorderWidth between them, a
// caption placed by Alignment and centred vertically, and an optional
// single-line window border (BorderStyle bsSingle, 2 pixels inside the
// window). Aligned children share what is left inside (AdjustClientRect).

#include "vcl/Alignment.h"
#include "vcl/CustomControl.h"
#include "vcl/Form.h"

namespace qvn {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
// A control's border: bsNone or bsSingle (the first two form border styles).
using TBorderStyle = TFormBorderStyle;

class TCustomPanel : public TCustomControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);  // at least 1
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);  // at least 0
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);  // only bsNone and bsSingle
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

    TRect ClientRect() const override;
    // The client area less border and bevels.
    TRect DisplayRect() const;
    void Paint(TCanvas& canvas) override;

protected:
    void AdjustClientRect(TRect& rect) const override;

private:
    void FrameChanged();

    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
    QVN_CLASS_INFO()
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// Draws a 3-D frame of width pixels inside rect (top-left in topColor,
// bottom-right in bottomColor) and shrinks rect by it.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

}  // namespace qvn
