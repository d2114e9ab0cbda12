// The selection panel's layouts: the frame of the two inner panels for each
// style, the range edits side by side or stacked, the list with its buttons,
// which parts show, and the exchange of the panel's size with the size kept
// for the other layout family.

#include "controls/GSpeedButton.h"
#include "controls/SelectPnl.h"
#include "vcl/TextMetrics.h"

namespace qvn {
namespace {

int TextWidthIn(const TControl& control, const std::string& text)
{
    return CurrentTextMetrics().TextWidth(*control.Font(), text);
}

int TextHeightIn(const TControl& control, const std::string& text)
{
    return CurrentTextMetrics().TextHeight(*control.Font(), text);
}

void Place(TControl* control, int left, int top) { control->SetBounds(left, top, control->Width(), control->Height()); }

}  // namespace

// Runs at once and never nests: moving a part may resize the panel's children, not the panel.
void TSelectPanel::Relayout()
{
    if (layingOut_ || IsDestroying()) return;
    SizeTypeCheck();
    LayoutFor(style_);
}

void TSelectPanel::Resize()
{
    Relayout();
    TGroupBox::Resize();
}

void TSelectPanel::FontChanged()
{
    TGroupBox::FontChanged();
    if (itemList_ != nullptr) Relayout();
}

void TSelectPanel::Loaded()
{
    TGroupBox::Loaded();
    Relayout();
}

int TSelectPanel::CaptionHeight() const { return TextHeightIn(*this, Caption()); }

void TSelectPanel::SizeTypeCheck()
{
    const std::string caption = typeCheck_->Caption();
    typeCheck_->SetBounds(typeCheck_->Left(), typeCheck_->Top(), TextWidthIn(*typeCheck_, caption) + 24,
                          TextHeightIn(*typeCheck_, caption) + 2);
}

void TSelectPanel::LayoutFor(TSelectStyle style)
{
    layingOut_ = true;
    try {
        switch (style) {
        case sp_Range:
            typeCheck_->Hide();
            PlaceFrames(rangePanel_, listPanel_, CaptionHeight() + 3, rangePanel_->BevelWidth() + 2);
            if (useVertical_)
                LayoutVerticalRange();
            else
                LayoutHorizontalRange();
            break;
        case sp_Discrete:
            typeCheck_->Hide();
            PlaceFrames(listPanel_, rangePanel_, CaptionHeight() + 3, listPanel_->BevelWidth() + 2);
            LayoutList();
            break;
        case sp_UserChoice:
            typeCheck_->Show();
            Place(typeCheck_, 16, CaptionHeight() + 1);
            PlaceFrames(userChoice_ ? rangePanel_ : listPanel_, userChoice_ ? listPanel_ : rangePanel_,
                        TextHeightIn(*typeCheck_, typeCheck_->Caption()) + typeCheck_->Top() + 2, 2);
            LayoutVerticalRange();
            LayoutList();
            break;
        }
    } catch (...) {
        layingOut_ = false;
        throw;
    }
    layingOut_ = false;
}

// The front panel gets the frame (2 from the left, top given, bottomMargin
// above the bottom, as wide less the same margin); the other one shares it.
void TSelectPanel::PlaceFrames(TPanel* front, TPanel* back, int top, int margin)
{
    const int left = 2;
    front->SetBounds(left, top, Width() - left - margin, Height() - top - margin);
    back->SetBoundsRect(front->BoundsRect());
}

void TSelectPanel::LayoutHorizontalRange()
{
    TLabel& bl = *beginLabel_;
    bl.SetCaption(WordAt(*beginWords_, 0, beginLabel_));
    Place(&bl, 2, (rangePanel_->Height() - beginEdit_->Height()) / 2);
    const int top = bl.Top();
    const int endLabelWidth = endLabel_->Width();
    int w = 0;
    if (canOpenWin_)
        w = rangePanel_->Width() - bl.Left() - bl.Width() - beginButton_->Width() - endLabelWidth - endButton_->Width() - 8;
    else
        w = rangePanel_->Width() - bl.Left() - bl.Width() - endLabelWidth - 4;
    beginEdit_->SetBounds(bl.Left() + bl.Width() + 1, top, w / 2 - 1, beginEdit_->Height());
    if (canOpenWin_) Place(beginButton_, beginEdit_->Left() + beginEdit_->Width() + 2, top);
    endLabel_->SetCaption(WordAt(*finalWords_, 0, endLabel_));
    Place(endLabel_, canOpenWin_ ? beginButton_->Left() + beginButton_->Width() + 2 : beginEdit_->Left() + beginEdit_->Width() + 4,
          top);
    endEdit_->SetBounds(endLabel_->Left() + endLabel_->Width() + 2, top, beginEdit_->Width(), endEdit_->Height());
    if (canOpenWin_) Place(endButton_, endEdit_->Left() + endEdit_->Width() + 2, top);
}

void TSelectPanel::LayoutVerticalRange()
{
    TLabel& bl = *beginLabel_;
    bl.SetCaption(WordAt(*beginWords_, 1, beginLabel_));
    const int g = (rangePanel_->Height() - beginEdit_->Height() - endEdit_->Height()) / 3;
    Place(&bl, 2, g);
    const int width = canOpenWin_ ? rangePanel_->Width() - bl.Left() - bl.Width() - beginButton_->Width() - 4
                                  : rangePanel_->Width() - bl.Left() - bl.Width() - 2;
    beginEdit_->SetBounds(bl.Left() + bl.Width() + 2, bl.Top(), width, beginEdit_->Height());
    if (canOpenWin_) Place(beginButton_, beginEdit_->Left() + beginEdit_->Width() + 1, bl.Top());
    endLabel_->SetCaption(WordAt(*finalWords_, 1, endLabel_));
    Place(endLabel_, bl.Left(), g + bl.Top() + beginEdit_->Height());
    endEdit_->SetBounds(beginEdit_->Left(), endLabel_->Top(), beginEdit_->Width(), endEdit_->Height());
    if (canOpenWin_) Place(endButton_, beginButton_->Left(), endLabel_->Top());
}

void TSelectPanel::LayoutList()
{
    // The lookup button's room is kept even while it is hidden.
    itemList_->SetBounds(itemList_->Left(), 0, listPanel_->Width() - itemList_->Left() - listButton_->Width() - 3,
                         listPanel_->Height());
    Place(listButton_, itemList_->Width() + 2, itemList_->Top());
    Place(deleteButton_, listButton_->Left(), listButton_->Top() + listButton_->Height());
    Place(clearButton_, listButton_->Left(), deleteButton_->Top() + deleteButton_->Height());
}

// ---- visibility and size -----------------------------------------------------------

void TSelectPanel::SwitchVisibility(TSelectStyle style)
{
    if (Designing()) return;
    typeCheck_->SetVisible(style == sp_UserChoice);
    const bool range = style == sp_Range || (typeCheck_->Visible() && typeCheck_->Checked());
    rangePanel_->SetVisible(range);
    listPanel_->SetVisible(!range);
    if (ComponentState() != 0) Relayout();
}

bool TSelectPanel::ParentLoading() const
{
    const TWinControl* parent = Parent();
    return parent != nullptr && parent->HasState(csLoading) && parent->HasState(csReading);
}

void TSelectPanel::SwapSize()
{
    if (ParentLoading()) return;
    const int width = Width(), height = Height();
    SetBounds(Left(), Top(), otherWidth_, otherHeight_);
    otherWidth_ = width;
    otherHeight_ = height;
}

void TSelectPanel::SetStyle(TSelectStyle style)
{
    if (style < sp_Range || style > sp_UserChoice) return;
    TSelectStyle next = style;
    bool accept = true;
    if (!Designing()) OnStyleChanging(this, style_, next, accept);
    if (!accept || next < sp_Range || next > sp_UserChoice) return;
    SwitchVisibility(next);
    const bool familyChanges = next != style_ && (next == sp_Range || style_ == sp_Range);
    if (familyChanges && !useVertical_ && !HasState(csLoading)) SwapSize();
    SizeTypeCheck();
    LayoutFor(next);
    const TSelectStyle old = style_;
    if (!Designing()) OnStyleChange(this, old, next);
    style_ = next;
}

void TSelectPanel::SetUseVertical(bool on)
{
    if (on == useVertical_ || style_ != sp_Range) return;
    useVertical_ = on;
    if (!HasState(csLoading)) SwapSize();
    Relayout();
}

}  // namespace qvn
