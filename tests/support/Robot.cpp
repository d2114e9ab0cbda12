#include "support/Robot.h"

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
    const LPARAM at = MakePointParam(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    auto send = [&](UINT msg, WPARAM keys) {
        if (auto* w = dynamic_cast<TWinControl*>(control))
            Application->SendMessage(w->Handle(), msg, keys, at);
        else
            try {
                control->Perform(msg, keys, at);
            } catch (...) {
                Application->HandleCurrentException(control);
            }
    };
    send(WM_LBUTTONDOWN, MK_LBUTTON);
    if (alive) send(WM_LBUTTONUP, 0);
    return true;
}

void Robot::PressKey(Word key, TShiftState shift) { SendKeyStroke(key, shift); }

void Robot::PressKey(TWinControl* control, Word key, TShiftState shift)
{
    Focus(control);
    SendKeyStrokeTo(control, key, shift);
}

}  // namespace qvn::test
