#pragma once
// Drives forms the way a person would, without a display: focuses, types,
// clicks, presses keys, answers dialogs and reads back what they said. Every
// step goes through the same messages and events as real input, so focus
// events, key preview and validation run as they do for a person.

#include <functional>
#include <vector>

#include "vcl/Application.h"
#include "vcl/HeadlessDialogHost.h"
#include "vcl/KeyInput.h"
#include "vcl/WinControl.h"

namespace qvn {
class TMenu;
class TMenuItem;
}  // namespace qvn

namespace qvn::test {

class Robot {
public:
    Robot();
    // Installs the headless host; the host the application had before comes back.
    ~Robot();
    Robot(const Robot&) = delete;
    Robot& operator=(const Robot&) = delete;

    // SetFocus, with the exit and enter events; raises as SetFocus does.
    void Focus(TWinControl* control);
    // Focuses the control, then types each character (key down, key press,
    // key up, through the form's key preview). The characters the handlers
    // let through replace the control's text in one step, which runs its
    // change handling (OnChange). Use PressKey for Enter, Tab and the like.
    void Type(TWinControl* control, const AnsiString& text);
    // A click on a visible, enabled control: a control that takes the focus
    // on click gets it first; when a handler then keeps the focus elsewhere
    // (a failed exit check), there is no click. The click is a left button
    // press and release in the middle of the control (a control without
    // area is clicked directly). False when nothing was clicked.
    bool Click(TControl* control);
    // A right button press and release in the middle of a visible, enabled
    // control: its context menu (or its nearest parent's) pops up. The focus
    // does not move. False when nothing was clicked.
    bool RightClick(TControl* control);
    // Clicks a visible, enabled menu item under visible, enabled parents; an
    // item of a popup menu only while that menu is open. False when it could
    // not be chosen. The second form finds the item among the menu's top
    // items by caption ('&' markers and ASCII case ignored).
    bool ChooseMenuItem(TMenuItem* item);
    bool ChooseMenuItem(TMenu* menu, const AnsiString& caption);
    // A keystroke to the control with the focus (or focus control first).
    void PressKey(Word key, TShiftState shift = {});
    void PressKey(TWinControl* control, Word key, TShiftState shift = {});

    void AnswerNextDialog(TModalResult result) { host_.AnswerNext(result); }
    void AnswerNextDialogWith(THeadlessDialogHost::DialogAnswer answer) { host_.AnswerNextWith(std::move(answer)); }
    void OnNextModalForm(THeadlessDialogHost::ModalAction action) { host_.ActOnNextModal(std::move(action)); }
    const TShownDialog* LastDialog() const { return host_.LastDialog(); }
    const std::vector<TShownDialog>& Dialogs() const { return host_.Dialogs(); }
    const std::vector<TShownModalForm>& ModalForms() const { return host_.ModalForms(); }
    THeadlessDialogHost& Host() { return host_; }

    int ProcessMessages() { return Application->ProcessMessages(); }

private:
    // Delivers a mouse message in the middle of the control as its window would get it.
    static void SendMouse(TControl* control, UINT msg, WPARAM keys);

    THeadlessDialogHost& host_;
    TDialogHost* previous_;
};

}  // namespace qvn::test
