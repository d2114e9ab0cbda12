#include "vcl/Bevel.h"

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TBevel, TGraphicControl, [](TPropTable& t) {
    control_props::Align(t);
    control_props::ParentShowHint(t);
    AddEnumProp<TBevel, &TBevel::Shape, &TBevel::SetShape>(
        t, "Shape", "TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"});
    AddEnumProp<TBevel, &TBevel::Style, &TBevel::SetStyle>(t, "Style", "TBevelStyle", {"bsLowered", "bsRaised"});
})

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape shape)
{
    if (shape < bsBox || shape > bsSpacer || shape == shape_) return;
    shape_ = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style)
{
    if (style < bsLowered || style > bsRaised || style == style_) return;
    style_ = style;
    Invalidate();
}

void TBevel::Paint(TCanvas& canvas)
{
    const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width();
    const int h = Height();
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        canvas.Pen()->SetColor(color);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    switch (shape_) {
    case bsBox:
        line(first, 0, h - 1, 0, 0);
        line(first, 0, 0, w, 0);
        line(second, w - 1, 0, w - 1, h - 1);
        line(second, w - 1, h - 1, -1, h - 1);
        break;
    case bsFrame:
        line(first, 0, 0, w - 1, 0);
        line(first, 0, 0, 0, h - 1);
        line(first, w - 2, 1, w - 2, h - 2);
        line(first, 1, h - 2, w - 1, h - 2);
        line(second, 1, 1, w - 2, 1);
        line(second, 1, 1, 1, h - 2);
        line(second, w - 1, 0, w - 1, h);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer: break;
    }
}

}  // namespace qvn
