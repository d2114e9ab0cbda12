#pragma once
// Forms: TCustomForm holds the behaviour, TForm publishes it.
//
// A form is created in two steps: the constructor, then AfterConstruction,
// which fires OnCreate (a constructor cannot reach a derived class's
// handlers). NewForm<T>(owner, ...) does both. OnDestroy fires when freeing
// starts (Destroying: through the owner, FreeComponent or Release), while
// the whole form is intact.
//
// Focus: SetFocus on a control ends in SetFocusedControl, which records the
// new active control first, then runs OnExit of the controls being left
// (innermost first) and OnEnter of those being entered (outermost first),
// then tells the form through FocusChanged. A handler that moves the focus
// elsewhere stops the rest of that sequence.
//
// Keys: with KeyPreview the form's key events see every key first; setting
// the key to 0 there keeps it from the focused control. Tab and Shift+Tab
// move through the tab order, arrow keys among siblings, WM_NEXTDLGCTL to
// the next or previous control.
//
// Short-cuts: IsShortCut gives OnShortCut the first say, then the main menu
// (Menu). The key input offers a stroke to it after the popup menus of the
// focused control and its parents, before any key event (see KeyInput.h).
//
// Closing: Close asks OnCloseQuery, then OnClose with the action caHide
// (caNone keeps the form, caHide hides it, caMinimize minimises it, caFree
// releases it); Release posts CM_RELEASE so the form is freed by the next
// ProcessMessages, never inside one of its own handlers. A modal form's
// Close sets ModalResult to mrCancel and the modal loop ends.

#include <utility>

#include "vcl/WinControl.h"

namespace qvn {

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = SetOf<TBorderIcon>;
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

using TCloseEvent = Event<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = Event<void(TObject* Sender, bool& CanClose)>;
// Msg is the key-down message of the stroke (WParam the key, LParam the key
// data); setting Handled ends the stroke there.
using TShortCutEvent = Event<void(TMessage& Msg, bool& Handled)>;

class TMainMenu;

class TCustomForm : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // The creation step after the constructor: fires OnCreate. Derived forms
    // that override it call the base first.
    virtual void AfterConstruction();
    // Fires OnDestroy (once) while the form is intact.
    void Destroying() override;

    // The control that has (or gets, when the form is activated) the focus.
    // Setting it focuses it when the form is active; raises EInvalidOperation
    // for a control of another form or one that cannot take the focus.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // The form has the keyboard focus (it is the screen's active form).
    bool Active() const;

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons) { borderIcons_ = icons; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style) { formStyle_ = style; }
    // Not owned: freeing the menu elsewhere sets this to nullptr.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // See the file comment; true when the stroke was used.
    virtual bool IsShortCut(Word key, TShiftState shift);

    // Visible = true shows the form (OnShow, then it becomes the active
    // form); false hides it (OnHide; the most recent other visible form
    // becomes active).
    void SetVisible(bool visible) override;
    // Shows the form modally through the application's dialog host and
    // returns its ModalResult. Raises EInvalidOperation "Cannot make a
    // visible window modal" for a visible, disabled or already modal form.
    virtual TModalResult ShowModal();
    bool IsModal() const { return modal_; }
    // See the file comment.
    void Close();
    virtual bool CloseQuery();
    void Release();
    // Part of the modal loop: the form's ModalResult is set; ask whether it may close.
    void CloseModal();

    // Makes control the active control and activates the form.
    void FocusControl(TWinControl* control);
    void SetFocus() override;
    // The focus moves to control (this form or a control on it); see the
    // file comment. False when a handler moved the focus elsewhere meanwhile.
    bool SetFocusedControl(TWinControl* control);
    // control is going away (removing) or cannot keep the focus: the focus
    // leaves it for the form.
    void DefocusControl(TWinControl* control, bool removing);

    // The client area is the window less the frame of its border style.
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void Dispatch(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

protected:
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();
    // Told after every focus change on this form; records the active control.
    void FocusChanged(TWinControl* focused) override;
    bool DialogKey(Word key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TScreen;
    void ActivateWindow();
    void SetWindowFocus();
    void PlaceOnFirstShow();
    void HandleNextDlgCtl(const TMessage& m);
    bool SendFocusMessage(TWinControl* target, UINT msg);

    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;  // where the enter/exit walk stands
    bool keyPreview_ = false;
    TModalResult modalResult_ = mrNone;
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TMainMenu* menu_ = nullptr;
    bool modal_ = false;
    bool created_ = false;
    bool destroyFired_ = false;
    bool placed_ = false;
    bool releasePosted_ = false;
};

class TForm : public TCustomForm {
    QVN_CLASS_INFO()
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// Constructs a form and runs its creation step (OnCreate). Should that step
// raise, the form is freed and the exception passes on.
template <typename T, typename... Args>
T* NewForm(Args&&... args)
{
    T* form = new T(std::forward<Args>(args)...);
    try {
        form->AfterConstruction();
    } catch (...) {
        FreeComponent(form);
        throw;
    }
    return form;
}

}  // namespace qvn
