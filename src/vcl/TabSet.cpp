#include "vcl/TabSet.h"

#include "vcl/PropTable.h"

namespace qvn {
namespace {

constexpr int kStartMargin = 5;
constexpr int kTabTextMargin = 12;

}  // namespace

QVN_DEFINE_CLASS_INFO(TTabSet, TCustomControl, [](TPropTable& t) {
    control_props::Align(t);
    control_props::Font(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddIntProp<TTabSet, &TTabSet::TabIndex, &TTabSet::SetTabIndex>(t, "TabIndex");
    AddObjectProp<TTabSet, &TTabSet::Tabs, &TTabSet::SetTabs>(t, "Tabs", "TStrings");
    AddEventProp<TTabSet, &TTabSet::OnChange>(t, "OnChange", "TTabChangeEvent");
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner), tabs_(std::make_unique<TStringList>())
{
    SetBounds(0, 0, 185, 21);
    // A click is the choice of a tab (SetTabIndex fires OnClick), not the button's release.
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    tabs_->OnChange = TNotifyEvent::Of<&TTabSet::TabsChanged>(this);
}

TTabSet::~TTabSet() { tabs_->OnChange = nullptr; }

void TTabSet::TabsChanged(TObject*)
{
    if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
    Invalidate();
}

void TTabSet::SetTabIndex(int index)
{
    if (index == tabIndex_ || index < -1 || index >= tabs_->Count()) return;
    bool allow = true;
    const TControlLink alive = Link();
    OnChange(this, index, allow);
    if (!alive || !allow || index >= tabs_->Count()) return;
    tabIndex_ = index;
    Invalidate();
    Click();
}

TRect TTabSet::TabRect(int index) const
{
    if (index < 0 || index >= tabs_->Count()) return TRect{};
    int left = kStartMargin;
    for (int i = 0; i < index; ++i) left += Canvas()->TextWidth(tabs_->Get(i)) + kTabTextMargin;
    return Bounds(left, 0, Canvas()->TextWidth(tabs_->Get(index)) + kTabTextMargin, Height());
}

int TTabSet::IndexOfTabAt(int x, int y) const
{
    for (int i = 0; i < tabs_->Count(); ++i)
        if (TabRect(i).Contains(Point(x, y))) return i;
    return -1;
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TControlLink alive = Link();
    if (button == mbLeft) {
        const int tab = IndexOfTabAt(x, y);
        if (tab >= 0) SetTabIndex(tab);
    }
    if (alive) TCustomControl::MouseDown(button, shift, x, y);
}

}  // namespace qvn
