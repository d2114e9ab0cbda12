#include "vcl/ToolBar.h"

#include <algorithm>

#include "vcl/AccelText.h"
#include "vcl/ImageList.h"
#include "vcl/Menus.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kDropDownArrowWidth = 14;

}  // namespace

// ---- TToolButton -----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TToolButton, TGraphicControl, [](TPropTable& t) {
    AddBoolProp<TToolButton, &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp>(t, "AllowAllUp");
    control_props::Caption(t);
    AddBoolProp<TToolButton, &TToolButton::Down, &TToolButton::SetDown>(t, "Down");
    AddObjectProp<TToolButton, &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu>(t, "DropdownMenu", "TPopupMenu");
    AddBoolProp<TToolButton, &TToolButton::Grouped, &TToolButton::SetGrouped>(t, "Grouped");
    AddIntProp<TToolButton, &TToolButton::ImageIndex, &TToolButton::SetImageIndex>(t, "ImageIndex", "TImageIndex");
    AddBoolProp<TToolButton, &TToolButton::Indeterminate, &TToolButton::SetIndeterminate>(t, "Indeterminate");
    AddBoolProp<TToolButton, &TToolButton::Marked, &TToolButton::SetMarked>(t, "Marked");
    control_props::ParentShowHint(t);
    AddEnumProp<TToolButton, &TToolButton::Style, &TToolButton::SetStyle>(
        t, "Style", "TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"});
    AddBoolProp<TToolButton, &TToolButton::Wrap, &TToolButton::SetWrap>(t, "Wrap");
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton()
{
    if (toolBar_ != nullptr) {
        TToolBar* bar = toolBar_;
        toolBar_ = nullptr;
        bar->RemoveButton(this);
    }
}

void TToolButton::SetToolBar(TToolBar* toolBar) { SetParent(toolBar); }

void TToolButton::SetParent(TWinControl* parent)
{
    auto* bar = dynamic_cast<TToolBar*>(parent);
    if (toolBar_ != nullptr && toolBar_ != bar) {
        TToolBar* old = toolBar_;
        toolBar_ = nullptr;
        old->RemoveButton(this);
    }
    TGraphicControl::SetParent(parent);
    if (bar != nullptr && toolBar_ != bar) {
        toolBar_ = bar;
        bar->InsertButton(this);
    }
}

int TToolButton::Index() const
{
    if (toolBar_ == nullptr) return -1;
    const auto& b = toolBar_->buttons_;
    return static_cast<int>(std::find(b.begin(), b.end(), this) - b.begin());
}

void TToolButton::SetStyle(TToolButtonStyle style)
{
    if (style == style_) return;
    style_ = style;
    if (style == tbsSeparator || style == tbsDivider) {
        down_ = false;
        SetWidth(kSeparatorWidth);
    }
    if (toolBar_ != nullptr) toolBar_->ArrangeButtons();
}

std::vector<TToolButton*> TToolButton::Group() const
{
    std::vector<TToolButton*> group;
    if (toolBar_ == nullptr || !IsGroupedCheck()) return group;
    const auto& b = toolBar_->buttons_;
    int first = Index();
    while (first > 0 && b[static_cast<size_t>(first - 1)]->IsGroupedCheck()) --first;
    for (size_t i = static_cast<size_t>(first); i < b.size() && b[i]->IsGroupedCheck(); ++i) group.push_back(b[i]);
    return group;
}

void TToolButton::SetDown(bool down)
{
    if (style_ == tbsSeparator || style_ == tbsDivider) return;
    if (down == down_) return;
    down_ = down;
    if (down)
        for (TToolButton* other : Group())
            if (other != this) other->down_ = false;
    Invalidate();
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu)
{
    ReferTo(dropdownMenu_, menu);
}

void TToolButton::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    ForgetIfFreed(dropdownMenu_, component, operation);
}

void TToolButton::TextChanged()
{
    TGraphicControl::TextChanged();
    if (toolBar_ != nullptr && toolBar_->ShowCaptions()) toolBar_->ArrangeButtons();
}

bool TToolButton::CheckMenuDropdown()
{
    if (dropdownMenu_ == nullptr) return false;
    int x = Left();
    int y = Top() + Height();
    for (const TControl* p = Parent(); p != nullptr; p = p->Parent()) {
        x += p->Left();
        y += p->Top();
    }
    dropdownMenu_->SetPopupComponent(this);
    dropdownMenu_->Popup(x, y);
    return true;
}

void TToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TControlLink alive = Link();
    if (button == mbLeft && dropdownMenu_ != nullptr) {
        const bool onArrow = style_ == tbsDropDown && x >= Width() - kDropDownArrowWidth;
        if (onArrow || style_ == tbsButton || style_ == tbsCheck) {
            menuDropped_ = true;
            CheckMenuDropdown();
            if (!alive) return;
        }
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    menuDropped_ = false;
    TGraphicControl::MouseUp(button, shift, x, y);
}

bool TToolButton::DialogChar(char key)
{
    if (style_ == tbsSeparator || style_ == tbsDivider || !Enabled() || !Visible()) return false;
    if (!IsAccel(key, Caption())) return false;
    if (!CheckMenuDropdown()) Click();
    return true;
}

void TToolButton::Click()
{
    if (menuDropped_) {
        menuDropped_ = false;
        return;
    }
    if (style_ == tbsSeparator || style_ == tbsDivider) return;
    if (style_ == tbsCheck) {
        if (!IsGroupedCheck())
            SetDown(!down_);
        else if (!down_)
            SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
    }
    TGraphicControl::Click();
}

// ---- TToolBar ----------------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TToolBar, TWinControl, [](TPropTable& t) {
    control_props::Align(t);
    AddIntProp<TToolBar, &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight>(t, "ButtonHeight");
    AddIntProp<TToolBar, &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth>(t, "ButtonWidth");
    control_props::Caption(t);
    control_props::Color(t);
    AddObjectProp<TToolBar, &TToolBar::DisabledImages, &TToolBar::SetDisabledImages>(t, "DisabledImages",
                                                                                   "TCustomImageList");
    AddBoolProp<TToolBar, &TToolBar::Flat, &TToolBar::SetFlat>(t, "Flat");
    control_props::Font(t);
    AddObjectProp<TToolBar, &TToolBar::HotImages, &TToolBar::SetHotImages>(t, "HotImages", "TCustomImageList");
    AddObjectProp<TToolBar, &TToolBar::Images, &TToolBar::SetImages>(t, "Images", "TCustomImageList");
    AddIntProp<TToolBar, &TToolBar::Indent, &TToolBar::SetIndent>(t, "Indent");
    AddBoolProp<TToolBar, &TToolBar::List, &TToolBar::SetList>(t, "List");
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddBoolProp<TToolBar, &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions>(t, "ShowCaptions");
    AddBoolProp<TToolBar, &TToolBar::Wrapable, &TToolBar::SetWrapable>(t, "Wrapable");
    control_props::ClickEvents(t);
    control_props::OnResize(t);
})

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar()
{
    for (TToolButton* b : buttons_) b->toolBar_ = nullptr;
    buttons_.clear();
}

TToolButton* TToolBar::Buttons(int index) const
{
    if (index < 0 || index >= ButtonCount()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return buttons_[static_cast<size_t>(index)];
}

void TToolBar::InsertButton(TToolButton* button)
{
    buttons_.push_back(button);
    ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* button)
{
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
    if (!IsDestroying()) ArrangeButtons();
}

void TToolBar::SetButtonWidth(int w)
{
    buttonWidth_ = std::max(w, 0);
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int h)
{
    buttonHeight_ = std::max(h, 0);
    ArrangeButtons();
}

void TToolBar::SetIndent(int indent)
{
    indent_ = std::max(indent, 0);
    ArrangeButtons();
}

void TToolBar::ArrangeButtons()
{
    if (arranging_) return;
    arranging_ = true;
    int x = indent_;
    int y = 0;
    for (TToolButton* b : buttons_) {
        if (!b->Visible()) continue;
        const bool separator = b->style_ == tbsSeparator || b->style_ == tbsDivider;
        const int width = separator ? b->Width() : buttonWidth_;
        if (wrapable_ && x > indent_ && x + width > ClientWidth()) {
            x = indent_;
            y += buttonHeight_;
        }
        b->SetBounds(x, y, width, buttonHeight_);
        x += width;
        if (b->wrap_) {
            x = indent_;
            y += buttonHeight_;
        }
    }
    arranging_ = false;
}

void TToolBar::BoundsChanged(bool moved, bool resized)
{
    TWinControl::BoundsChanged(moved, resized);
    if (resized && wrapable_) ArrangeButtons();
}

void TToolBar::SetImageList(TImageList*& slot, TImageList* images)
{
    if (ReferTo(slot, images)) Invalidate();
}

void TToolBar::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    for (TImageList** images : {&images_, &hotImages_, &disabledImages_}) ForgetIfFreed(*images, component, operation);
}

}  // namespace qvn
