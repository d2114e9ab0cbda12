#include "controls/GSpeedButton.h"

#include <string>
#include <vector>

#include "controls/GlyphLibrary.h"
#include "controls/ParentScope.h"
#include "controls/QvMessages.h"
#include "vcl/Application.h"
#include "vcl/MessageDialog.h"
#include "vcl/PropTable.h"
#include "vcl/WinControl.h"

namespace qvn {
namespace {

int LibraryMaxId() { return GetMaxBmpID(); }
bool LibraryLoad(TBitmap* bitmap, int index) { return LoadBmp(bitmap, index); }

TGlyphSource& CurrentSource()
{
    static TGlyphSource source = LibraryGlyphSource();
    return source;
}

}  // namespace

TGlyphSource LibraryGlyphSource() { return TGlyphSource{&LibraryMaxId, &LibraryLoad}; }

TGlyphSource SetGlyphSource(TGlyphSource source)
{
    const TGlyphSource library = LibraryGlyphSource();
    if (source.MaxId == nullptr) source.MaxId = library.MaxId;
    if (source.Load == nullptr) source.Load = library.Load;
    const TGlyphSource previous = CurrentSource();
    CurrentSource() = source;
    return previous;
}

bool RequestLookup(TWinControl* control)
{
    if (control == nullptr) return false;
    auto* owner = dynamic_cast<TWinControl*>(control->Owner());
    if (owner == nullptr || owner->IsDestroying()) return false;
    Application->SendMessage(owner->Handle(), QVM_F2KEY, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

// ---- TGSpeedButton -------------------------------------------------------------

// Glyph is published again by the speed button itself; the picture always
// comes from the library, so nothing here writes it anywhere.
QVN_DEFINE_CLASS_INFO(TGSpeedButton, TSpeedButton, [](TPropTable& t) {
    AddIntProp<TGSpeedButton, &TGSpeedButton::GlyphIndex, &TGSpeedButton::SetGlyphIndex>(t, "GlyphIndex");
    AddIntProp<TGSpeedButton, &TGSpeedButton::HintIndex, &TGSpeedButton::SetHintIndex>(t, "HintIndex");
})

TGSpeedButton::TGSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

void TGSpeedButton::SetGlyphIndex(int index)
{
    if (index == glyphIndex_) return;
    glyphIndex_ = index;
    SetCaption(std::to_string(index));
    try {
        ShowGlyph(index);
    } catch (...) {
        MessageDlg(kGlyphLoadError, mtError, TMsgDlgButtons{mbOK});
    }
    Invalidate();
}

void TGSpeedButton::ShowGlyph(int index)
{
    const TGlyphSource source = CurrentSource();
    if (index < 1 || index > source.MaxId()) {
        ClearGlyph();
        return;
    }
    TBitmap picture;
    // A failed load must not leave the previous number's picture beside the new number.
    if (!source.Load(&picture, index) || picture.Empty()) {
        ClearGlyph();
        return;
    }
    SetGlyph(picture);
    SetCaption("");
    SetNumGlyphs(picture.Width() / picture.Height());
}

void TGSpeedButton::ClearGlyph()
{
    TBitmap none;
    SetGlyph(none);
}

// ---- TF2Button -----------------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TF2Button, TGSpeedButton, [](TPropTable& t) {
    AddObjectProp<TF2Button, &TF2Button::F2Control, &TF2Button::SetF2Control>(t, "F2Control", "TWinControl");
    AddBoolProp<TF2Button, &TF2Button::AutoAlign, &TF2Button::SetAutoAlign>(t, "AutoAlign");
    AddIntProp<TF2Button, &TF2Button::Gap, &TF2Button::SetGap>(t, "Gap", "Byte");
})

TF2Button::TF2Button(TComponent* owner) : TGSpeedButton(owner)
{
    SetFlat(true);
    SetGlyphIndex(8);
}

TF2Button::~TF2Button()
{
    if (f2Control_ != nullptr) f2Control_->RemoveFreeNotification(this);
}

TF2Button* TF2Button::ButtonServing(const TWinControl* control) const
{
    return static_cast<TF2Button*>(FindInParentScope(*this, [control](TComponent* c) {
        auto* button = dynamic_cast<TF2Button*>(c);
        return button != nullptr && button->f2Control_ == control;
    }));
}

void TF2Button::SetF2Control(TWinControl* control)
{
    if (control == nullptr) {
        if (f2Control_ != nullptr) f2Control_->RemoveFreeNotification(this);
        f2Control_ = nullptr;
        return;
    }
    if (TF2Button* serving = ButtonServing(control)) {
        if (serving != this) MessageDlg(kDuplicateBinding, mtError, TMsgDlgButtons{mbOK});
        return;
    }
    if (f2Control_ != nullptr) f2Control_->RemoveFreeNotification(this);
    f2Control_ = control;
    control->FreeNotification(this);
    AlignToControl();
}

void TF2Button::SetAutoAlign(bool on)
{
    autoAlign_ = on;
    AlignToControl();
}

void TF2Button::SetGap(uint8_t gap)
{
    if (gap == gap_) return;
    gap_ = gap;
    AlignToControl();
}

void TF2Button::AlignToControl()
{
    if (f2Control_ == nullptr || !autoAlign_) return;
    const TWinControl& c = *f2Control_;
    SetBounds(c.Left() + c.Width() + gap_, c.Top(), c.Height(), c.Height());
}

void TF2Button::Click()
{
    const TControlLink alive = Link();
    TGSpeedButton::Click();
    if (!alive || f2Control_ == nullptr || !f2Control_->Enabled()) return;
    TWinControl* control = f2Control_;
    const TControlLink controlAlive = control->Link();
    if (control->CanFocus()) control->SetFocus();
    if (controlAlive && control->Focused()) RequestLookup(control);
}

void TF2Button::Notification(TComponent* component, TOperation operation)
{
    TGSpeedButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == f2Control_) f2Control_ = nullptr;
}

}  // namespace qvn
