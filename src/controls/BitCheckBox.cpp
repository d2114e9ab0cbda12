#include "controls/BitCheckBox.h"

#include <algorithm>
#include <cctype>

#include "controls/CaptionText.h"
#include "controls/CheckBoxBitmaps.h"
#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/Messages.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

const char* const kDefaultBitmaps[] = {"UNCHECKED", "CHECKED", "GRAYED"};

}  // namespace

QVN_DEFINE_CLASS_INFO(TBitCheckBox, TCustomControl, [](TPropTable& t) {
    AddEnumProp<TBitCheckBox, &TBitCheckBox::Alignment, &TBitCheckBox::SetAlignment>(t, "Alignment", "TLeftRight",
                                                                                     {"taLeftJustify", "taRightJustify"});
    AddBoolProp<TBitCheckBox, &TBitCheckBox::AllowGrayed, &TBitCheckBox::SetAllowGrayed>(t, "AllowGrayed");
    control_props::Caption(t);
    AddBoolProp<TBitCheckBox, &TBitCheckBox::Checked, &TBitCheckBox::SetChecked>(t, "Checked");
    AddObjectProp<TBitCheckBox, &TBitCheckBox::CheckedGlyph, &TBitCheckBox::SetCheckedGlyph>(t, "CheckedGlyph", "TBitmap");
    AddObjectProp<TBitCheckBox, &TBitCheckBox::GrayedGlyph, &TBitCheckBox::SetGrayedGlyph>(t, "GrayedGlyph", "TBitmap");
    AddObjectProp<TBitCheckBox, &TBitCheckBox::UncheckedGlyph, &TBitCheckBox::SetUncheckedGlyph>(t, "UncheckedGlyph", "TBitmap");
    AddIntProp<TBitCheckBox, &TBitCheckBox::CheckedNumGlyphs, &TBitCheckBox::SetCheckedNumGlyphs>(t, "CheckedNumGlyphs");
    AddIntProp<TBitCheckBox, &TBitCheckBox::GrayedNumGlyphs, &TBitCheckBox::SetGrayedNumGlyphs>(t, "GrayedNumGlyphs");
    AddIntProp<TBitCheckBox, &TBitCheckBox::UncheckedNumGlyphs, &TBitCheckBox::SetUncheckedNumGlyphs>(t, "UncheckedNumGlyphs");
    AddEnumProp<TBitCheckBox, &TBitCheckBox::State, &TBitCheckBox::SetState>(t, "State", "TCheckBoxState",
                                                                             {"cbUnchecked", "cbChecked", "cbGrayed"});
    control_props::Color(t);
    AddBoolProp<TBitCheckBox, &TBitCheckBox::Ctl3D, &TBitCheckBox::SetCtl3D>(t, "Ctl3D");
    control_props::Font(t);
    control_props::ParentColor(t);
    AddBoolProp<TBitCheckBox, &TBitCheckBox::ParentCtl3D, &TBitCheckBox::SetParentCtl3D>(t, "ParentCtl3D");
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TBitCheckBox::TBitCheckBox(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    for (int s = cbUnchecked; s <= cbGrayed; ++s) {
        glyphs_[s] = std::make_unique<TBitmap>();
        SetGlyph(static_cast<TCheckBoxState>(s), nullptr);
    }
}

TBitCheckBox::~TBitCheckBox() = default;

void TBitCheckBox::SetAlignment(TLeftRight a)
{
    if ((a != taLeftJustify && a != taRightJustify) || a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

void TBitCheckBox::SetState(TCheckBoxState state)
{
    if (state < cbUnchecked || state > cbGrayed || state == state_) return;
    state_ = state;
    Invalidate();
}

void TBitCheckBox::SetCtl3D(bool on)
{
    if (on == ctl3D_) return;
    ctl3D_ = on;
    parentCtl3D_ = false;
    Invalidate();
}

void TBitCheckBox::SetGlyph(TCheckBoxState state, const TBitmap* bitmap)
{
    TBitmap& glyph = *glyphs_[state];
    if (bitmap != nullptr)
        glyph.Assign(*bitmap);
    else
        LoadCheckBoxBitmap(glyph, kDefaultBitmaps[state]);
    if (glyph.Height() > 0 && glyph.Width() > 0 && glyph.Width() % glyph.Height() == 0)
        numGlyphs_[state] = std::clamp(glyph.Width() / glyph.Height(), 1, 2);
    Invalidate();
}

void TBitCheckBox::SetNumGlyphs(TCheckBoxState state, int n)
{
    numGlyphs_[state] = std::clamp(n, 1, 2);
    Invalidate();
}

void TBitCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TBitCheckBox::Click()
{
    const TControlLink alive = Link();
    Toggle();
    TCustomControl::Click();
    if (alive && Showing() && CanFocus() && !Focused()) SetFocus();
}

void TBitCheckBox::KeyPress(char& key)
{
    TCustomControl::KeyPress(key);
    if (key == ' ') Click();
}

void TBitCheckBox::FontChanged()
{
    TCustomControl::FontChanged();
    Invalidate();
}

void TBitCheckBox::FocusChanged(TWinControl* focused)
{
    TCustomControl::FocusChanged(focused);
    Invalidate();
}

bool TBitCheckBox::AcceleratorPressed(char key)
{
    const TAccelSplit split = SplitAccel(Caption());
    if (split.AccelPos < 0 || key == 0) return false;
    const auto accel = static_cast<unsigned char>(split.Shown[static_cast<size_t>(split.AccelPos)]);
    if (std::toupper(accel) != std::toupper(static_cast<unsigned char>(key))) return false;
    if (!Enabled() || !CanFocus()) return false;
    SetFocus();
    if (Focused()) Toggle();
    return true;
}

void TBitCheckBox::Dispatch(TMessage& m)
{
    if (m.Msg == CM_DIALOGCHAR) {
        m.Result = AcceleratorPressed(static_cast<char>(m.WParam)) ? 1 : 0;
        return;
    }
    TCustomControl::Dispatch(m);
}

int TBitCheckBox::ImageWidth() const { return glyphs_[state_]->Width() / numGlyphs_[state_]; }

TRect TBitCheckBox::CaptionRect(const TCanvas& canvas) const
{
    const std::string caption = Caption();
    const TRect client = ClientRect();
    const int textHeight = canvas.TextHeight(caption);
    int width = canvas.TextWidth(caption);
    if (caption.find('&') != std::string::npos) width -= canvas.TextWidth("&");
    TRect r;
    r.Left = alignment_ == taRightJustify ? ImageWidth() + 4 : 1;
    r.Right = r.Left + width;
    r.Top = (client.Height() - textHeight) / 2 - 2;
    r.Bottom = r.Top + textHeight + 3;
    return IntersectRects(r, client);
}

void TBitCheckBox::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());

    const TRect captionRect = CaptionRect(canvas);
    if (Enabled()) {
        DrawCaptionText(canvas, captionRect, Caption());
    } else {
        if (ctl3D_) {
            canvas.Font()->SetColor(clBtnHighlight);
            const TRect shifted = Rect(captionRect.Left + 1, captionRect.Top + 1, captionRect.Right + 1, captionRect.Bottom + 1);
            DrawCaptionText(canvas, shifted, Caption());
        }
        canvas.Font()->SetColor(clGrayText);
        DrawCaptionText(canvas, captionRect, Caption());
    }
    if (Focused()) {
        const TRect f = Rect(std::max(0, captionRect.Left - 1), std::max(0, captionRect.Top - 1), captionRect.Right + 1,
                             std::min(Height(), captionRect.Bottom + 1));
        DrawFocusRect(canvas, f);
    }
    DrawImage(canvas);
}

// Dotted and inverting, as the platform's focus rectangle.
void TBitCheckBox::DrawFocusRect(TCanvas& canvas, const TRect& r) const
{
    if (r.Width() <= 0 || r.Height() <= 0) return;
    auto invert = [&canvas](int x, int y) {
        const TColor c = canvas.Pixel(x, y);
        if (c != clNone) canvas.SetPixel(x, y, static_cast<TColor>(static_cast<uint32_t>(c) ^ 0xFFFFFFu));
    };
    for (int x = r.Left; x < r.Right; x += 2) {
        invert(x, r.Top);
        if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
    }
    for (int y = r.Top + 2; y < r.Bottom - 1; y += 2) {
        invert(r.Left, y);
        if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
    }
}

void TBitCheckBox::DrawImage(TCanvas& canvas) const
{
    const TBitmap& source = *glyphs_[state_];
    const int count = numGlyphs_[state_];
    const int w = ImageWidth();
    if (w <= 0 || source.Height() <= 0) return;
    const int index = !Enabled() && count == 2 ? 1 : 0;
    TBitmap image(w, source.Height());
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < w; ++x) image.SetPixel(x, y, source.Pixel(index * w + x, y));
    image.SetTransparentColor(source.TransparentColor());
    image.SetTransparent(true);
    const int x = alignment_ == taRightJustify ? 0 : ClientWidth() - w;
    const int y = (ClientHeight() - source.Height()) / 2;
    canvas.Draw(x, y, image);
}

}  // namespace qvn
