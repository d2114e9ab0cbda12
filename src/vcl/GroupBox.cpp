#include "vcl/GroupBox.h"

#include <algorithm>

#include "vcl/AccelText.h"
#include "vcl/PropTable.h"
#include "vcl/TextMetrics.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TCustomGroupBox, TCustomControl)

QVN_DEFINE_CLASS_INFO(TGroupBox, TCustomGroupBox, [](TPropTable& t) {
    control_props::Align(t);
    control_props::Caption(t);
    control_props::Color(t);
    control_props::Font(t);
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) const
{
    rect.Top += CurrentTextMetrics().TextHeight(*Font(), "0");
    rect = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
    // A box too small for its frame leaves an empty area, never a negative one.
    rect.Right = std::max(rect.Right, rect.Left);
    rect.Bottom = std::max(rect.Bottom, rect.Top);
}

TRect TCustomGroupBox::DisplayRect() const
{
    TRect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

void TCustomGroupBox::FontChanged()
{
    TCustomControl::FontChanged();
    Realign();
}

void TCustomGroupBox::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const int h = canvas.TextHeight("0");
    const TRect frame = Rect(client.Left, client.Top + h / 2, client.Right, client.Bottom);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(frame);
    const std::string shown = StripAccelChars(Caption());
    if (shown.empty()) return;
    canvas.Brush()->SetColor(Color());
    canvas.TextOut(8, 0, shown);
}

}  // namespace qvn
