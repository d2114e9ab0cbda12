#include "controls/ExtPageControl.h"

#include "controls/CaptionText.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TExtPageControl, TPageControl, [](TPropTable& t) {
    AddEventProp<TPageControl, &TPageControl::OnDrawTab>(t, "OnDrawTab", "TDrawTabEvent");
})

TExtPageControl::TExtPageControl(TComponent* owner) : TPageControl(owner) { SetOwnerDraw(true); }

void TExtPageControl::DrawTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active)
{
    if (OnDrawTab) {
        TPageControl::DrawTab(canvas, tabIndex, rect, active);
        return;
    }
    TRect r = rect;
    canvas.Font()->Assign(*Font());
    TFontStyles style = canvas.Font()->Style();
    if (active) {
        r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
        canvas.Font()->SetColor(clCaptionText);
        style.Include(fsBold);
        canvas.Brush()->SetColor(clActiveCaption);
    } else {
        canvas.Font()->SetColor(clInactiveCaptionText);
        style.Exclude(fsBold);
        canvas.Brush()->SetColor(clInactiveCaption);
    }
    canvas.Font()->SetStyle(style);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(r);
    if (!active) r.Top += 2;
    if (const TTabSheet* page = PageForTab(tabIndex)) DrawCaptionText(canvas, r, page->Caption(), true);
}

}  // namespace qvn
