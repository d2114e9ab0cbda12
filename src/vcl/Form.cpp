#include "vcl/Form.h"

#include "vcl/Application.h"
#include "vcl/DialogHost.h"
#include "vcl/Menus.h"
#include "vcl/PropTable.h"
#include "vcl/Screen.h"

namespace qvn {
namespace {

const char* const kCannotFocus = "Cannot focus a disabled or invisible window";

// The frame a border style puts around the client area: border width on
// each side and caption height (fixed metrics, so layouts are the same everywhere).
struct Frame {
    int Border;
    int Caption;
};

Frame FrameOf(TFormBorderStyle style)
{
    switch (style) {
    case bsNone: return {0, 0};
    case bsSingle:
    case bsDialog: return {3, 19};
    case bsToolWindow: return {3, 15};
    case bsSizeToolWin: return {4, 15};
    default: return {4, 19};
    }
}

// Visible and enabled from control up to, not including, its form.
bool CanFocusWithinForm(const TWinControl* control, const TCustomForm* form)
{
    for (const TControl* c = control; c != nullptr && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TCustomForm, TWinControl)

QVN_DEFINE_CLASS_INFO(TForm, TCustomForm, [](TPropTable& t) {
    AddObjectProp<TCustomForm, &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl>(t, "ActiveControl", "TWinControl");
    control_props::Align(t);
    AddSetProp<TCustomForm, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons>(
        t, "BorderIcons", "TBorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
    AddEnumProp<TCustomForm, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle>(
        t, "BorderStyle", "TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    control_props::Caption(t);
    AddIntProp<TControl, &TControl::ClientHeight, &TControl::SetClientHeight>(t, "ClientHeight");
    AddIntProp<TControl, &TControl::ClientWidth, &TControl::SetClientWidth>(t, "ClientWidth");
    control_props::Color(t);
    control_props::Font(t);
    AddEnumProp<TCustomForm, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle>(
        t, "FormStyle", "TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
    AddBoolProp<TCustomForm, &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview>(t, "KeyPreview");
    AddObjectProp<TCustomForm, &TCustomForm::Menu, &TCustomForm::SetMenu>(t, "Menu", "TMainMenu");
    AddIntProp<TCustomForm, &TCustomForm::ModalResult, &TCustomForm::SetModalResult>(t, "ModalResult", "TModalResult");
    control_props::ParentFont(t);
    AddEnumProp<TCustomForm, &TCustomForm::Position, &TCustomForm::SetPosition>(
        t, "Position", "TPosition",
        {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
         "poMainFormCenter", "poOwnerFormCenter"});
    AddEnumProp<TCustomForm, &TCustomForm::WindowState, &TCustomForm::SetWindowState>(
        t, "WindowState", "TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
    AddEventProp<TCustomForm, &TCustomForm::OnActivate>(t, "OnActivate");
    control_props::ClickEvents(t);
    AddEventProp<TCustomForm, &TCustomForm::OnClose>(t, "OnClose", "TCloseEvent");
    AddEventProp<TCustomForm, &TCustomForm::OnCloseQuery>(t, "OnCloseQuery", "TCloseQueryEvent");
    AddEventProp<TCustomForm, &TCustomForm::OnCreate>(t, "OnCreate");
    AddEventProp<TCustomForm, &TCustomForm::OnDeactivate>(t, "OnDeactivate");
    AddEventProp<TCustomForm, &TCustomForm::OnDestroy>(t, "OnDestroy");
    AddEventProp<TCustomForm, &TCustomForm::OnHide>(t, "OnHide");
    control_props::MouseEvents(t);
    control_props::OnResize(t);
    AddEventProp<TCustomForm, &TCustomForm::OnShortCut>(t, "OnShortCut", "TShortCutEvent");
    AddEventProp<TCustomForm, &TCustomForm::OnShow>(t, "OnShow");
})

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    TControl::SetVisible(false);
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    SetParentFont(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    // OnDestroy is not fired here: a derived form is already gone. Free forms
    // through their owner, FreeComponent or Release so it runs in time.
    activeControl_ = nullptr;
    focusedControl_ = nullptr;
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction()
{
    if (created_) return;
    created_ = true;
    try {
        DoCreate();
    } catch (...) {
        Application->HandleCurrentException(this);
    }
}

void TCustomForm::Destroying()
{
    if (IsDestroying()) return;
    if (Visible()) {
        modal_ = false;
        Hide();
    }
    if (!destroyFired_) {
        destroyFired_ = true;
        try {
            DoDestroy();
        } catch (...) {
            Application->HandleCurrentException(this);
        }
    }
    // From here on the focus leaves the form without events.
    if (Screen->ActiveForm() == this || Screen->FocusedForm() == this) Screen->ClearFocus(this);
    activeControl_ = nullptr;
    focusedControl_ = nullptr;
    TWinControl::Destroying();
}

bool TCustomForm::Active() const { return Screen->ActiveForm() == this; }

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (activeControl_ == control) return;
    if (control != nullptr) {
        if (control == this || GetParentForm(control) != this) throw EInvalidOperation(kCannotFocus);
        if (!HasState(csLoading) && !CanFocusWithinForm(control, this)) throw EInvalidOperation(kCannotFocus);
    }
    activeControl_ = control;
    if (!HasState(csLoading) && Active()) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control)
{
    const bool wasActive = Active();
    SetActiveControl(control);
    if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus()
{
    if (Active()) return;
    if (!Visible() || !Enabled()) throw EInvalidOperation(kCannotFocus);
    ActivateWindow();
}

void TCustomForm::ActivateWindow()
{
    if (activeControl_ != nullptr && !activeControl_->CanFocus()) activeControl_ = nullptr;
    if (activeControl_ == nullptr) activeControl_ = FindNextControl(nullptr, true, true, false);
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    TWinControl* target = activeControl_ != nullptr ? activeControl_ : this;
    if (Screen->ActiveForm() == this && Screen->ActiveControl() == target) return;
    target->HandleNeeded();
    SetFocusedControl(target);
}

bool TCustomForm::SendFocusMessage(TWinControl* target, UINT msg)
{
    const int count = Screen->FocusCount();
    Application->SendMessage(target->Handle(), msg, 0, 0);
    return Screen->FocusCount() == count;
}

bool TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (control == nullptr || IsDestroying() || GetParentForm(control) != this) return false;
    Screen->CountFocusChange();
    activeControl_ = control != this ? control : nullptr;
    Screen->SetFocus(this, control);
    if (control->focusing_) return false;

    const TControlLink target = control->Link();
    const TControlLink self = Link();
    control->focusing_ = true;
    bool done = false;
    try {
        done = [&] {
            if (Screen->FocusedForm() != this) {
                if (TCustomForm* old = Screen->FocusedForm()) {
                    Screen->SetFocusedForm(nullptr);
                    if (!SendFocusMessage(old, CM_DEACTIVATE)) return false;
                }
                Screen->SetFocusedForm(this);
                if (!SendFocusMessage(this, CM_ACTIVATE)) return false;
            }
            if (focusedControl_ == nullptr) focusedControl_ = this;
            if (focusedControl_ == control) return true;
            // Leave the controls that do not hold the new one, innermost first...
            while (focusedControl_ != nullptr && !focusedControl_->ContainsControl(control)) {
                TWinControl* leaving = focusedControl_;
                focusedControl_ = focusedControl_->Parent();
                if (!SendFocusMessage(leaving, CM_EXIT)) return false;
            }
            if (focusedControl_ == nullptr) focusedControl_ = this;
            // ...then enter the ones that lead to it, outermost first.
            while (focusedControl_ != control) {
                TWinControl* entering = control;
                while (entering->Parent() != nullptr && entering->Parent() != focusedControl_) entering = entering->Parent();
                if (entering->Parent() == nullptr) return false;
                focusedControl_ = entering;
                if (!SendFocusMessage(entering, CM_ENTER)) return false;
            }
            Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
            return true;
        }();
    } catch (...) {
        if (target) control->focusing_ = false;
        throw;
    }
    if (target) control->focusing_ = false;
    return done && self;
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing)
{
    if (control == nullptr || IsDestroying()) return;
    if (removing && focusedControl_ != nullptr && control->ContainsControl(focusedControl_))
        focusedControl_ = control->Parent();
    if (activeControl_ != nullptr && control->ContainsControl(activeControl_)) {
        activeControl_ = nullptr;
        if (Active()) SetWindowFocus();
    }
    // Nothing may keep pointing at a window that goes away.
    if (removing && Screen->ActiveControl() != nullptr && control->ContainsControl(Screen->ActiveControl()))
        Screen->SetFocus(this, this);
}

void TCustomForm::FocusChanged(TWinControl* focused) { TWinControl::FocusChanged(focused); }

void TCustomForm::SetVisible(bool visible)
{
    if (visible == Visible()) return;
    const TControlLink self = Link();
    if (visible) {
        TControl::SetVisible(true);
        PlaceOnFirstShow();
        DoShow();
        if (!self || !Visible()) return;
        ActivateWindow();
        return;
    }
    const bool wasActive = Active() || Screen->FocusedForm() == this;
    TControl::SetVisible(false);
    DoHide();
    if (!self || !wasActive) return;
    if (Screen->FocusedForm() == this) {
        Screen->SetFocusedForm(nullptr);
        Perform(CM_DEACTIVATE);
        if (!self) return;
    }
    Screen->ClearFocus(this);
    if (TCustomForm* next = Screen->NextActiveCandidate(this)) next->ActivateWindow();
}

void TCustomForm::PlaceOnFirstShow()
{
    if (placed_) return;
    placed_ = true;
    const TCustomForm* over = nullptr;
    switch (position_) {
    case poMainFormCenter: over = Application->MainForm(); break;
    case poOwnerFormCenter: over = dynamic_cast<const TCustomForm*>(Owner()); break;
    case poScreenCenter:
    case poDesktopCenter: break;
    default: return;
    }
    if (over == this) over = nullptr;
    const TRect area = over != nullptr ? over->BoundsRect() : Rect(0, 0, Screen->Width(), Screen->Height());
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::SetWindowState(TWindowState state)
{
    if (state == windowState_) return;
    windowState_ = state;
    NotifyPeer(TPeerChange::Bounds);
    if (HandleAllocated()) {
        const WPARAM kind = state == wsMinimized ? SIZE_MINIMIZED : state == wsMaximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
        Perform(WM_SIZE, kind, MakePointParam(ClientWidth(), ClientHeight()));
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    Realign();
}

TRect TCustomForm::ClientRect() const
{
    const Frame f = FrameOf(borderStyle_);
    return Rect(0, 0, std::max(0, Width() - 2 * f.Border), std::max(0, Height() - 2 * f.Border - f.Caption));
}

TPoint TCustomForm::ClientOrigin() const
{
    const Frame f = FrameOf(borderStyle_);
    return Point(Left() + f.Border, Top() + f.Border + f.Caption);
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    ReferTo(menu_, menu);
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    ForgetIfFreed(menu_, component, operation);
}

bool TCustomForm::IsShortCut(Word key, TShiftState shift)
{
    TMessage message{WM_KEYDOWN, key, ShiftStateToKeyData(shift), 0};
    bool handled = false;
    const TControlLink self = Link();
    OnShortCut(message, handled);
    if (handled || !self) return true;
    return menu_ != nullptr && menu_->IsShortCut(key, shift);
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    TCustomForm* previous = Screen->ActiveForm();
    const TControlLink previousLink = previous != nullptr ? previous->Link() : TControlLink();
    const TControlLink self = Link();
    modal_ = true;
    modalResult_ = mrNone;
    TModalResult result = mrCancel;
    try {
        Show();
        if (self) Application->DialogHost().RunModal(*this);
        if (self) result = modalResult_;
    } catch (...) {
        if (self) {
            modal_ = false;
            Hide();
        }
        throw;
    }
    if (self) {
        modal_ = false;
        Hide();
    }
    if (previousLink && previous->Visible() && !previous->Active()) previous->ActivateWindow();
    return result;
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    const TControlLink self = Link();
    DoClose(action);
    if (!self || action == caNone) return;
    if (Application->MainForm() == this) Application->Terminate();
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::CloseModal()
{
    try {
        TCloseAction action = caNone;
        const TControlLink self = Link();
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (!self) return;
        if (action == caNone)
            modalResult_ = mrNone;
        else if (action == caFree)
            Release();
    } catch (...) {
        modalResult_ = mrNone;
        Application->HandleCurrentException(this);
    }
}

void TCustomForm::Release()
{
    if (releasePosted_) return;
    releasePosted_ = Application->PostMessage(Handle(), CM_RELEASE);
}

void TCustomForm::HandleNextDlgCtl(const TMessage& m)
{
    if ((m.LParam & 0xFFFF) != 0) {
        TWinControl* target = Application->FindControl(static_cast<HWND>(m.WParam));
        if (target != nullptr && GetParentForm(target) == this && target->CanFocus()) target->SetFocus();
        return;
    }
    SelectNext(activeControl_, m.WParam == 0, true);
}

bool TCustomForm::DialogKey(Word key, TShiftState shift)
{
    if (!shift.Contains(ssAlt)) {
        switch (key) {
        case VK_TAB:
            if (shift.Contains(ssCtrl)) break;
            SelectNext(activeControl_, !shift.Contains(ssShift), true);
            return true;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (activeControl_ == nullptr || activeControl_->Parent() == nullptr) return false;
            activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
            return true;
        default: break;
        }
    }
    return TWinControl::DialogKey(key, shift);
}

void TCustomForm::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_CLOSE: Close(); return;
    case CM_RELEASE: FreeComponent(this); return;  // nothing may touch the form after this
    case WM_NEXTDLGCTL: HandleNextDlgCtl(m); return;
    case CM_ACTIVATE: Activate(); return;
    case CM_DEACTIVATE: Deactivate(); return;
    default: TWinControl::Dispatch(m);
    }
}

void TCustomForm::DoCreate() { OnCreate(this); }
void TCustomForm::DoDestroy() { OnDestroy(this); }
void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }
void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }
void TCustomForm::Activate() { OnActivate(this); }
void TCustomForm::Deactivate() { OnDeactivate(this); }

}  // namespace qvn
