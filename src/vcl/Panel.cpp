#include "vcl/Panel.h"

#include <algorithm>

#include "vcl/AccelText.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

TRect Inset(const TRect& r, int by)
{
    TRect out = Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
    // Frames wider than the panel leave an empty area in its middle, never a negative one.
    if (out.Right < out.Left) out.Left = out.Right = (r.Left + r.Right) / 2;
    if (out.Bottom < out.Top) out.Top = out.Bottom = (r.Top + r.Bottom) / 2;
    return out;
}

const std::vector<std::string> kBevelCuts = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

}  // namespace

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    for (int i = 0; i < width && rect.Width() > 0 && rect.Height() > 0; ++i) {
        canvas.Pen()->SetColor(topColor);
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right, rect.Top);
        canvas.Pen()->SetColor(bottomColor);
        canvas.MoveTo(rect.Right - 1, rect.Top + 1);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
        canvas.LineTo(rect.Left, rect.Bottom - 1);
        canvas.SetPixel(rect.Left, rect.Bottom - 1, bottomColor);
        rect = Inset(rect, 1);
    }
}

QVN_DEFINE_CLASS_INFO(TCustomPanel, TCustomControl)

QVN_DEFINE_CLASS_INFO(TPanel, TCustomPanel, [](TPropTable& t) {
    control_props::Align(t);
    AddEnumProp<TCustomPanel, &TCustomPanel::Alignment, &TCustomPanel::SetAlignment>(
        t, "Alignment", "TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
    AddEnumProp<TCustomPanel, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner>(t, "BevelInner", "TPanelBevel", kBevelCuts);
    AddEnumProp<TCustomPanel, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter>(t, "BevelOuter", "TPanelBevel", kBevelCuts);
    AddIntProp<TCustomPanel, &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth>(t, "BevelWidth", "TBevelWidth");
    AddIntProp<TCustomPanel, &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth>(t, "BorderWidth", "TBorderWidth");
    AddEnumProp<TCustomPanel, &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle>(t, "BorderStyle", "TBorderStyle",
                                                                                         {"bsNone", "bsSingle"});
    control_props::Caption(t);
    control_props::Color(t);
    control_props::Font(t);
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
    control_props::OnResize(t);
})

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::FrameChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut cut)
{
    if (cut < bvNone || cut > bvSpace || cut == bevelInner_) return;
    bevelInner_ = cut;
    FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut)
{
    if (cut < bvNone || cut > bvSpace || cut == bevelOuter_) return;
    bevelOuter_ = cut;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int w)
{
    w = std::max(1, w);
    if (w == bevelWidth_) return;
    bevelWidth_ = w;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int w)
{
    w = std::max(0, w);
    if (w == borderWidth_) return;
    borderWidth_ = w;
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style)
{
    if ((style != bsNone && style != bsSingle) || style == borderStyle_) return;
    borderStyle_ = style;
    FrameChanged();
}

void TCustomPanel::SetAlignment(TAlignment a)
{
    if (a < taLeftJustify || a > taCenter || a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

TRect TCustomPanel::ClientRect() const
{
    const TRect full = TCustomControl::ClientRect();
    return borderStyle_ == bsSingle ? Rect(0, 0, Inset(full, 2).Width(), Inset(full, 2).Height()) : full;
}

void TCustomPanel::AdjustClientRect(TRect& rect) const
{
    int size = borderWidth_;
    if (bevelOuter_ != bvNone) size += bevelWidth_;
    if (bevelInner_ != bvNone) size += bevelWidth_;
    rect = Inset(rect, size);
}

TRect TCustomPanel::DisplayRect() const
{
    TRect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

void TCustomPanel::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    TRect r = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        const TColor top = cut == bvLowered ? clBtnShadow : cut == bvRaised ? clBtnHighlight : Color();
        const TColor bottom = cut == bvLowered ? clBtnHighlight : cut == bvRaised ? clBtnShadow : Color();
        Frame3D(canvas, r, top, bottom, bevelWidth_);
    };
    bevel(bevelOuter_);
    Frame3D(canvas, r, Color(), Color(), borderWidth_);
    bevel(bevelInner_);
    const std::string shown = StripAccelChars(Caption());
    if (shown.empty()) return;
    const int w = canvas.TextWidth(shown);
    int x = r.Left;
    if (alignment_ == taRightJustify) x = r.Right - w;
    if (alignment_ == taCenter) x = r.Left + (r.Width() - w) / 2;
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(x, r.Top + (r.Height() - canvas.TextHeight(shown)) / 2, shown);
}

}  // namespace qvn
