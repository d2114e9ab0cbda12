#include "vcl/SpeedButton.h"

#include "vcl/AccelText.h"

#include "vcl/Canvas.h"
#include "vcl/PropTable.h"
#include "vcl/WinControl.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TSpeedButton, TGraphicControl, [](TPropTable& t) {
    control_props::Align(t);
    AddBoolProp<TSpeedButton, &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp>(t, "AllowAllUp");
    AddIntProp<TSpeedButton, &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex>(t, "GroupIndex");
    AddBoolProp<TSpeedButton, &TSpeedButton::Down, &TSpeedButton::SetDown>(t, "Down");
    control_props::Caption(t);
    AddBoolProp<TSpeedButton, &TSpeedButton::Flat, &TSpeedButton::SetFlat>(t, "Flat");
    control_props::Font(t);
    AddObjectProp<TSpeedButton, &TSpeedButton::Glyph, &TSpeedButton::SetGlyph>(t, "Glyph", "TBitmap");
    AddEnumProp<TSpeedButton, &TSpeedButton::Layout, &TSpeedButton::SetLayout>(
        t, "Layout", "TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    AddIntProp<TSpeedButton, &TSpeedButton::Margin, &TSpeedButton::SetMargin>(t, "Margin");
    AddIntProp<TSpeedButton, &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs>(t, "NumGlyphs", "TNumGlyphs");
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddIntProp<TSpeedButton, &TSpeedButton::Spacing, &TSpeedButton::SetSpacing>(t, "Spacing");
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 23, 22);
    glyph_.OnChange = TNotifyEvent::Of<&TSpeedButton::GlyphChanged>(this);
}

TButtonState TSpeedButton::State() const
{
    if (!Enabled()) return bsDisabled;
    if (pressing_) return bsDown;
    return down_ ? bsExclusive : bsUp;
}

void TSpeedButton::SetGroupIndex(int index)
{
    if (index == groupIndex_) return;
    groupIndex_ = index;
    if (index == 0) down_ = false;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool down)
{
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = down;
    Invalidate();
    if (down) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool on)
{
    if (on == allowAllUp_) return;
    allowAllUp_ = on;
    UpdateExclusive();
}

void TSpeedButton::UpdateExclusive()
{
    if (groupIndex_ == 0 || Parent() == nullptr) return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i)); other != nullptr && other != this)
            other->ButtonPressed(*this);
}

void TSpeedButton::ButtonPressed(const TSpeedButton& sender)
{
    if (sender.groupIndex_ != groupIndex_) return;
    if (sender.down_ && down_) {
        down_ = false;
        Invalidate();
    }
    allowAllUp_ = sender.allowAllUp_;
}

void TSpeedButton::SetFlat(bool on)
{
    if (on == flat_) return;
    flat_ = on;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout l)
{
    if (l < blGlyphLeft || l > blGlyphBottom || l == layout_) return;
    layout_ = l;
    Invalidate();
}

void TSpeedButton::SetMargin(int m)
{
    margin_ = m < -1 ? -1 : m;
    Invalidate();
}

void TSpeedButton::SetSpacing(int s)
{
    spacing_ = s < -1 ? -1 : s;
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled()) pressing_ = true;
    TGraphicControl::MouseDown(button, shift, x, y);
}

bool TSpeedButton::DialogChar(char key)
{
    if (!IsAccel(key, Caption()) || !Enabled() || !Visible() || Parent() == nullptr || !Parent()->Showing()) return false;
    Click();
    return true;
}

void TSpeedButton::Dispatch(TMessage& m)
{
    // The group rules apply before the click fires, so OnClick sees the new Down.
    if (m.Msg == WM_LBUTTONUP && pressing_) {
        pressing_ = false;
        if (groupIndex_ != 0 && ClientRect().Contains(Point(PointParamX(m.LParam), PointParamY(m.LParam))))
            SetDown(!down_);
        Invalidate();
    }
    TGraphicControl::Dispatch(m);
}

void TSpeedButton::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    const TRect client = ClientRect();
    const TButtonState state = State();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(client);
    if (!flat_ || state == bsDown || state == bsExclusive) {
        const bool sunk = state == bsDown || state == bsExclusive;
        canvas.Pen()->SetColor(sunk ? clBtnShadow : clBtnHighlight);
        canvas.MoveTo(client.Left, client.Bottom - 1);
        canvas.LineTo(client.Left, client.Top);
        canvas.LineTo(client.Right, client.Top);
        canvas.Pen()->SetColor(sunk ? clBtnHighlight : clBtnShadow);
        canvas.MoveTo(client.Right - 1, client.Top);
        canvas.LineTo(client.Right - 1, client.Bottom - 1);
        canvas.LineTo(client.Left - 1, client.Bottom - 1);
    }
    TRect inner = Rect(client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1);
    if (state == bsDown || state == bsExclusive) inner = Rect(inner.Left + 1, inner.Top + 1, inner.Right + 1, inner.Bottom + 1);
    glyph_.Draw(canvas, inner, Caption(), layout_, margin_, spacing_, state);
}

}  // namespace qvn
