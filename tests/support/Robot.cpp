#include "support/Robot.h"

#include "vcl/Menus.h"
#include "vcl/PropAccess.h"

namespace qvn::test {
namespace {

bool Reachable(const TControl* control)
{
    for (const TControl* c = control; c != nullptr; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return GetParentForm(control) != nullptr;
}

}  // namespace

Robot::Robot() : host_(HeadlessDialogHost()), previous_(&Application->DialogHost())
{
    host_.Reset();
    Application->SetDialogHost(&host_);
}

Robot::~Robot()
{
    host_.Reset();
    Application->SetDialogHost(previous_ == &host_ ? nullptr : previous_);
}

void Robot::Focus(TWinControl* control)
{
    if (control == nullptr) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    control->SetFocus();
}

void Robot::Type(TWinControl* control, const AnsiString& text)
{
    Focus(control);
    const TControlLink alive = control->Link();
    AnsiString kept;
    for (char ch : text) {
        const char left = SendCharStroke(control, ch);
        if (!alive) return;
        if (left != 0) kept += left;
    }
    // A read-only control refuses typing: its text stays as it was.
    if (HasPropByName(control, "ReadOnly") && GetOrdPropByName(control, "ReadOnly") != 0) return;
    control->SetText(kept);
}

bool Robot::Click(TControl* control)
{
    if (control == nullptr || !Reachable(control)) return false;
    const TControlLink alive = control->Link();
    if (auto* w = dynamic_cast<TWinControl*>(control); w != nullptr && w->TakesFocusOnClick()) {
        w->SetFocus();
        if (!alive || !w->Focused()) return false;
    }
    const TRect r = control->ClientRect();
    if (r.Width() <= 0 || r.Height() <= 0) {
        control->Click();
        return true;
    }
    SendMouse(control, WM_LBUTTONDOWN, MK_LBUTTON);
    if (alive) SendMouse(control, WM_LBUTTONUP, 0);
    return true;
}

bool Robot::RightClick(TControl* control)
{
    if (control == nullptr || !Reachable(control)) return false;
    const TControlLink alive = control->Link();
    SendMouse(control, WM_RBUTTONDOWN, MK_RBUTTON);
    if (alive) SendMouse(control, WM_RBUTTONUP, 0);
    return true;
}

void Robot::SendMouse(TControl* control, UINT msg, WPARAM keys)
{
    const TRect r = control->ClientRect();
    const LPARAM at = MakePointParam(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        Application->SendMessage(w->Handle(), msg, keys, at);
        return;
    }
    try {
        control->Perform(msg, keys, at);
    } catch (...) {
        Application->HandleCurrentException(control);
    }
}

bool Robot::ChooseMenuItem(TMenuItem* item)
{
    if (item == nullptr) return false;
    TMenu* menu = item->GetParentMenu();
    if (menu == nullptr) return false;
    if (auto* popup = dynamic_cast<TPopupMenu*>(menu); popup != nullptr && !popup->IsOpen()) return false;
    for (const TMenuItem* i = item; i->Parent() != nullptr; i = i->Parent())
        if (!i->Visible() || !i->Enabled()) return false;
    try {
        item->Click();
    } catch (...) {
        Application->HandleCurrentException(item);
    }
    return true;
}

bool Robot::ChooseMenuItem(TMenu* menu, const AnsiString& caption)
{
    return menu != nullptr && ChooseMenuItem(menu->Items()->Find(caption));
}

void Robot::PressKey(Word key, TShiftState shift) { SendKeyStroke(key, shift); }

void Robot::PressKey(TWinControl* control, Word key, TShiftState shift)
{
    Focus(control);
    SendKeyStrokeTo(control, key, shift);
}

}  // namespace qvn::test
