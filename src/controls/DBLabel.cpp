#include "controls/DBLabel.h"

#include <algorithm>

#include "controls/FieldLabel.h"
#include "controls/ParentScope.h"
#include "vcl/MessageDialog.h"
#include "vcl/PropTable.h"
#include "vcl/WinControl.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TDBLabel, TLabel, [](TPropTable& t) {
    AddObjectProp<TDBLabel, &TDBLabel::FocusControl, &TDBLabel::SetFocusControl>(t, "FocusControl", "TWinControl");
    AddBoolProp<TDBLabel, &TDBLabel::AutoAlign, &TDBLabel::SetAutoAlign>(t, "AutoAlign");
    AddBoolProp<TDBLabel, &TDBLabel::AutoCaption, &TDBLabel::SetAutoCaption>(t, "AutoCaption");
    AddIntProp<TDBLabel, &TDBLabel::Gap, &TDBLabel::SetGap>(t, "Gap", "Byte");
    AddEnumProp<TDBLabel, &TDBLabel::Pos, &TDBLabel::SetPos>(t, "Pos", "TPos", {"psTop", "psLeft", "psRight", "psBottom"});
})

TDBLabel::TDBLabel(TComponent* owner) : TLabel(owner) { SetCaption(kDefaultCaption); }

void TDBLabel::SetFocusControl(TWinControl* control)
{
    if (control == nullptr) {
        TLabel::SetFocusControl(nullptr);
        return;
    }
    if (control == FocusControl()) return;
    const TComponent* other = FindInParentScope(*this, [this, control](TComponent* c) {
        auto* label = dynamic_cast<TDBLabel*>(c);
        return label != nullptr && label != this && label->FocusControl() == control;
    });
    if (other != nullptr) {
        MessageDlg(kDuplicateBinding, mtError, TMsgDlgButtons{mbOK});
        return;
    }
    TLabel::SetFocusControl(control);
    RefreshFromControl();
}

void TDBLabel::SetAutoAlign(bool on)
{
    autoAlign_ = on;
    RefreshFromControl();
}

void TDBLabel::SetAutoCaption(bool on)
{
    autoCaption_ = on;
    RefreshFromControl();
}

void TDBLabel::SetGap(uint8_t gap)
{
    if (gap == gap_) return;
    gap_ = gap;
    RefreshFromControl();
}

void TDBLabel::SetPos(TPos pos)
{
    if (pos < psTop || pos > psBottom || pos == pos_) return;
    pos_ = pos;
    RefreshFromControl();
}

void TDBLabel::RefreshFromControl()
{
    UpdateCaption();
    AlignToControl();
}

void TDBLabel::UpdateCaption()
{
    if (!autoCaption_ || FocusControl() == nullptr) return;
    if (const auto label = FieldDisplayLabel(FocusControl())) SetCaption(*label);
}

void TDBLabel::AlignToControl()
{
    const TWinControl* c = FocusControl();
    if (!autoAlign_ || c == nullptr) return;
    const int gap = gap_;
    const int centred = Height() == c->Height() ? c->Top() : c->Top() + c->Height() / 2 - Height() / 2;
    int left = c->Left(), top = c->Top();
    switch (pos_) {
    case psTop: top = std::max(0, c->Top() - Height() - gap); break;
    case psLeft:
        left = std::max(0, c->Left() - Width() - gap);
        top = std::max(0, centred);
        break;
    case psRight:
        left = std::max(0, c->Left() + c->Width() + gap);
        top = std::max(0, centred);
        break;
    case psBottom: top = std::max(0, c->Top() + c->Height() + gap); break;
    }
    SetBounds(left, top, Width(), Height());
}

}  // namespace qvn
