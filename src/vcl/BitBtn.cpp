#include "vcl/BitBtn.h"

#include "vcl/Canvas.h"
#include "vcl/Form.h"
#include "vcl/PropTable.h"

namespace qvn {

const char* BitBtnCaption(TBitBtnKind kind)
{
    static const char* const captions[] = {"", "OK", "Cancel", "&Help", "&Yes", "&No", "&Close", "Abort", "&Retry", "&Ignore", "&All"};
    return kind >= bkCustom && kind <= bkAll ? captions[kind] : "";
}

TModalResult BitBtnModalResult(TBitBtnKind kind)
{
    static const TModalResult results[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo, mrNone, mrAbort, mrRetry, mrIgnore, mrAll};
    return kind >= bkCustom && kind <= bkAll ? results[kind] : mrNone;
}

QVN_DEFINE_CLASS_INFO(TBitBtn, TButton, [](TPropTable& t) {
    AddObjectProp<TBitBtn, &TBitBtn::Glyph, &TBitBtn::SetGlyph>(t, "Glyph", "TBitmap");
    AddEnumProp<TBitBtn, &TBitBtn::Kind, &TBitBtn::SetKind>(
        t, "Kind", "TBitBtnKind",
        {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
    AddEnumProp<TBitBtn, &TBitBtn::Layout, &TBitBtn::SetLayout>(
        t, "Layout", "TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    AddIntProp<TBitBtn, &TBitBtn::Margin, &TBitBtn::SetMargin>(t, "Margin");
    AddIntProp<TBitBtn, &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs>(t, "NumGlyphs", "TNumGlyphs");
    AddIntProp<TBitBtn, &TBitBtn::Spacing, &TBitBtn::SetSpacing>(t, "Spacing");
})

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner)
{
    glyph_.OnChange = TNotifyEvent::Of<&TBitBtn::GlyphChanged>(this);
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    if (kind < bkCustom || kind > bkAll || kind == kind_) return;
    kind_ = kind;
    if (kind == bkCustom) return;
    SetDefault(kind == bkOK || kind == bkYes);
    SetCancel(kind == bkCancel || kind == bkNo);
    if (!HasState(csLoading) || Caption().empty()) SetCaption(BitBtnCaption(kind));
    SetModalResult(BitBtnModalResult(kind));
}

void TBitBtn::SetLayout(TButtonLayout l)
{
    if (l < blGlyphLeft || l > blGlyphBottom || l == layout_) return;
    layout_ = l;
    Invalidate();
}

void TBitBtn::SetMargin(int m)
{
    margin_ = m < -1 ? -1 : m;
    Invalidate();
}

void TBitBtn::SetSpacing(int s)
{
    spacing_ = s < -1 ? -1 : s;
    Invalidate();
}

void TBitBtn::Click()
{
    if (kind_ == bkClose)
        if (TCustomForm* form = GetParentForm(this)) {
            form->Close();
            return;
        }
    TButton::Click();
}

void TBitBtn::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(client);
    const TRect inner = Rect(client.Left + 4, client.Top + 4, client.Right - 4, client.Bottom - 4);
    glyph_.Draw(canvas, inner, Caption(), layout_, margin_, spacing_, Enabled() ? bsUp : bsDisabled);
}

}  // namespace qvn
