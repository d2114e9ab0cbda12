#include "vcl/WinControl.h"

#include <algorithm>

#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/PropTable.h"
#include "vcl/Screen.h"

namespace qvn {
namespace {

const char* const kCannotFocus = "Cannot focus a disabled or invisible window";

}  // namespace

QVN_DEFINE_CLASS_INFO(TWinControl, TControl, [](TPropTable& t) {
    AddIntProp<TWinControl, &TWinControl::TabOrder, &TWinControl::SetTabOrder>(t, "TabOrder", "TTabOrder");
    AddBoolProp<TWinControl, &TWinControl::TabStop, &TWinControl::SetTabStop>(t, "TabStop");
    AddEventProp<TWinControl, &TWinControl::OnEnter>(t, "OnEnter");
    AddEventProp<TWinControl, &TWinControl::OnExit>(t, "OnExit");
    AddEventProp<TWinControl, &TWinControl::OnKeyDown>(t, "OnKeyDown", "TKeyEvent");
    AddEventProp<TWinControl, &TWinControl::OnKeyPress>(t, "OnKeyPress", "TKeyPressEvent");
    AddEventProp<TWinControl, &TWinControl::OnKeyUp>(t, "OnKeyUp", "TKeyEvent");
})

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    RemoveFocus(true);
    Screen->ControlDestroyed(this);
    DestroyHandle();
    if (Parent() != nullptr) Parent()->RemoveControl(this);
    // The children are owned elsewhere; they only lose their parent.
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

void TWinControl::Destroying()
{
    if (IsDestroying()) return;
    RemoveFocus(true);
    DestroyHandle();
    TControl::Destroying();
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return controls_[static_cast<size_t>(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c != nullptr; c = c->Parent())
        if (c == this) return true;
    return false;
}

HWND TWinControl::Handle()
{
    if (handle_ == 0) handle_ = Application->AllocateHandle(this);
    return handle_;
}

void TWinControl::DestroyHandle()
{
    if (handle_ == 0) return;
    const HWND h = handle_;
    handle_ = 0;
    Application->ReleaseHandle(h);
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(w);
        w->ApplyPendingTabOrder();
    }
    control->ParentFontChanged();
    control->ParentColorChanged();
    control->ParentShowHintChanged();
    control->UpdateAnchorRules();
    if (control->Align() != alNone) AlignChildren(control);
}

void TWinControl::RemoveControl(TControl* control)
{
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        w->RemoveFocus(true);
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    control->parent_ = nullptr;
    if (control->Align() != alNone) AlignChildren(nullptr);
}

void TWinControl::RemoveFocus(bool removing)
{
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && !form->IsDestroying()) form->DefocusControl(this, removing);
}

bool TWinControl::CanFocus() const
{
    if (GetParentForm(this) == nullptr) return false;
    for (const TControl* c = this; c != nullptr; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const { return Screen->ActiveControl() == this; }

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm(this);
    if (form == nullptr) throw EInvalidOperation(kCannotFocus);
    form->FocusControl(this);
}

int TWinControl::TabOrder() const
{
    if (Parent() == nullptr) return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (Parent() == nullptr) {
        pendingTabOrder_ = order;
        return;
    }
    auto& list = Parent()->tabList_;
    const int current = TabOrder();
    if (current < 0) return;
    order = std::clamp(order, 0, static_cast<int>(list.size()) - 1);
    if (order == current) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + order, this);
}

void TWinControl::ApplyPendingTabOrder()
{
    if (pendingTabOrder_ < 0) return;
    const int order = pendingTabOrder_;
    pendingTabOrder_ = -1;
    SetTabOrder(order);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
    if (next != nullptr) next->SetFocus();
}

void TWinControl::SelectFirst()
{
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (first != nullptr) first->SetFocus();
}

void TWinControl::EnableAlign()
{
    if (alignLevel_ > 0) --alignLevel_;
    if (alignLevel_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() { AlignChildren(nullptr); }

void TWinControl::AlignChildren(TControl* changed)
{
    if (alignLevel_ > 0) {
        alignPending_ = true;
        return;
    }
    if (aligning_ || IsDestroying()) return;
    alignPending_ = false;
    aligning_ = true;
    try {
        TRect rect = ClientRect();
        AdjustClientRect(rect);
        AlignControls(changed, rect);
        AnchorChildren();
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AnchorChildren()
{
    const TPoint size = Point(ClientWidth(), ClientHeight());
    // Copy: a child's resize handler may add or remove controls.
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        if (std::find(controls_.begin(), controls_.end(), c) != controls_.end()) c->ApplyAnchors(size);
}

void TWinControl::AlignControls(TControl* changed, TRect& r)
{
    (void)changed;
    // Each alignment in turn takes its strip off the remaining area; controls
    // of the same alignment go in the order they were put on this parent.
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        for (TControl* c : list) {
            switch (align) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                r.Top += c->Height();
                break;
            case alBottom:
                r.Bottom -= c->Height();
                c->SetBounds(r.Left, r.Bottom, r.Width(), c->Height());
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                r.Left += c->Width();
                break;
            case alRight:
                r.Right -= c->Width();
                c->SetBounds(r.Right, r.Top, c->Width(), r.Height());
                break;
            default:
                c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                break;
            }
        }
    }
}

void TWinControl::BoundsChanged(bool moved, bool resized)
{
    const TControlLink self = Link();
    if (resized) AlignChildren(nullptr);
    if (HandleAllocated()) {
        if (moved) Perform(WM_MOVE, 0, MakePointParam(Left(), Top()));
        if (!self) return;
        if (resized) Perform(WM_SIZE, SIZE_RESTORED, MakePointParam(ClientWidth(), ClientHeight()));
        if (!self) return;
    }
    TControl::BoundsChanged(moved, resized);
}

void TWinControl::SetVisible(bool visible)
{
    TControl::SetVisible(visible);
    if (!visible && Parent() != nullptr) RemoveFocus(false);
}

void TWinControl::SetEnabled(bool enabled)
{
    TControl::SetEnabled(enabled);
    if (!enabled && Parent() != nullptr) RemoveFocus(false);
}

void TWinControl::FocusChanged(TWinControl* focused)
{
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->FocusChanged(focused);
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->ParentFontChanged();
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->ParentColorChanged();
}

void TWinControl::ShowHintChanged()
{
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->ParentShowHintChanged();
}

void TWinControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: DoKeyDown(m); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: DoKeyUp(m); return;
    case WM_CHAR:
    case WM_SYSCHAR: DoKeyPress(m); return;
    case WM_GETDLGCODE: m.Result = DialogCode(); return;
    case CM_DIALOGKEY: m.Result = DialogKey(static_cast<Word>(m.WParam), KeyDataToShiftState(m.LParam)) ? 1 : 0; return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_FOCUSCHANGED: FocusChanged(reinterpret_cast<TWinControl*>(m.LParam)); return;
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(this); form != nullptr && !IsDestroying()) form->SetFocusedControl(this);
        return;
    default: TControl::Dispatch(m);
    }
}

void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }
void TWinControl::KeyDown(Word& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(Word& key, TShiftState shift) { OnKeyUp(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }

bool TWinControl::DoKeyDown(TMessage& m)
{
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->KeyPreview()) {
        const TControlLink self = Link();
        if (static_cast<TWinControl*>(form)->DoKeyDown(m) || !self) return true;
    }
    Word key = static_cast<Word>(m.WParam);
    KeyDown(key, KeyDataToShiftState(m.LParam));
    m.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& m)
{
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->KeyPreview()) {
        const TControlLink self = Link();
        if (static_cast<TWinControl*>(form)->DoKeyUp(m) || !self) return true;
    }
    Word key = static_cast<Word>(m.WParam);
    KeyUp(key, KeyDataToShiftState(m.LParam));
    m.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& m)
{
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->KeyPreview()) {
        const TControlLink self = Link();
        if (static_cast<TWinControl*>(form)->DoKeyPress(m) || !self) return true;
    }
    char key = static_cast<char>(static_cast<unsigned char>(m.WParam));
    KeyPress(key);
    m.WParam = static_cast<unsigned char>(key);
    return key == 0;
}

bool TWinControl::DialogChar(char key)
{
    const std::vector<TControl*> children = controls_;
    const TControlLink self = Link();
    for (TControl* c : children) {
        if (!self) return true;
        if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
        if (!c->Visible() || !c->Enabled()) continue;
        if (c->Perform(CM_DIALOGCHAR, static_cast<unsigned char>(key)) != 0) return true;
    }
    return false;
}

bool TWinControl::DialogKey(Word key, TShiftState shift)
{
    const LPARAM keyData = ShiftStateToKeyData(shift);
    // Copy: a child answering the key may change this list.
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        if (c->Perform(CM_DIALOGKEY, key, keyData) != 0) return true;
    return false;
}

}  // namespace qvn
