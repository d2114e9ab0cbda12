#pragma once
// TWinControl: a control with a window. It holds child controls (its
// Parent list, in insertion order), has a window handle made on demand (an
// integer from the application's handle table, so messages can be addressed
// to it and are dropped once it is gone), can take the keyboard focus, keeps
// its windowed children in tab order, lays out aligned children (then
// moves its anchored ones), and gets the key events.
//
// Accelerators: CM_DIALOGCHAR is offered to the visible, enabled children
// in the order they were put here, depth first; the first that uses it ends
// the search, so a control on a hidden page or in a disabled container never answers.

#include <vector>

#include "vcl/Control.h"

namespace qvn {

class TWinControl : public TControl {
    QVN_CLASS_INFO()
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;  // raises EListError out of range
    // control is this one or sits somewhere inside it.
    bool ContainsControl(const TControl* control) const;

    HWND Handle();  // makes the handle when there is none yet
    bool HandleAllocated() const { return handle_ != 0; }
    void HandleNeeded() { (void)Handle(); }

    // Visible and enabled, itself and every parent up to and including its form.
    bool CanFocus() const;
    bool Focused() const;
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window"
    // when the control cannot take the focus.
    virtual void SetFocus();

    // Position among the parent's windowed children (-1 without a parent).
    // Setting it moves the control there (clamped), renumbering the others.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on) { tabStop_ = on; }
    // Every windowed descendant, depth first, each parent before its children, in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) windowed descendant after current that can take
    // the focus, wrapping around; nullptr when there is none. With
    // checkTabStop only tab stops count; with checkParent only direct children.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    // Focuses FindNextControl(current, goForward, checkTabStop, !checkTabStop).
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();
    // A click gives the control the focus, except on containers (controls
    // that accept children, such as panels and group boxes).
    virtual bool TakesFocusOnClick() const { return !ControlStyle().Contains(csAcceptsControls); }

    // Layout of aligned children: top, bottom, left, right, then client.
    void DisableAlign() { ++alignLevel_; }
    void EnableAlign();
    void Realign();

    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void Dispatch(TMessage& message) override;
    void Destroying() override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    // Fire OnEnter / OnExit (the focus arrives at / leaves this control or one inside it).
    virtual void DoEnter();
    virtual void DoExit();
    // Fire the key events; a handler consumes a key by setting it to 0.
    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyUp(Word& key, TShiftState shift);
    virtual void KeyPress(char& key);
    // The form's key preview, then this control's handler; true when the key was consumed.
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);

    // Which navigation keys the control keeps for itself (DLGC_WANTTAB,
    // DLGC_WANTARROWS, DLGC_WANTALLKEYS); those never reach the form's dialog handling.
    virtual LRESULT DialogCode() const { return 0; }
    // A navigation key nobody took: offered to the children (a default or
    // cancel button answers Enter or Esc). True when consumed.
    virtual bool DialogKey(Word key, TShiftState shift);
    // Offers the character to the children (see the file comment).
    bool DialogChar(char key) override;

    // Lays out the aligned children inside rect (the client area after AdjustClientRect).
    virtual void AlignControls(TControl* changed, TRect& rect);
    // Shrinks the area for aligned children (borders, bevels).
    virtual void AdjustClientRect(TRect& rect) const { (void)rect; }

    void FocusChanged(TWinControl* focused) override;
    void FontChanged() override;
    void ColorChanged() override;
    void ShowHintChanged() override;
    // Re-lays the children out, then tells the window (WM_MOVE, WM_SIZE) and runs Resize.
    void BoundsChanged(bool moved, bool resized) override;

private:
    friend class TControl;
    friend class TCustomForm;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void ApplyPendingTabOrder();
    void AlignChildren(TControl* changed);
    void AnchorChildren();
    void RemoveFocus(bool removing);
    void DestroyHandle();

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    HWND handle_ = 0;
    bool tabStop_ = false;
    int pendingTabOrder_ = -1;
    int alignLevel_ = 0;
    bool alignPending_ = false;
    bool aligning_ = false;
    bool focusing_ = false;
};

}  // namespace qvn
