#pragma once
// Keyboard input without a keyboard: one keystroke is delivered the way the
// platform's message loop delivers it.
//  1. A stroke with Ctrl or Alt, or of a key that types no character (F1..F24,
//     Del, Ins, ...), is first a short-cut candidate: the popup menus of the
//     control and of its parents, innermost first, then its form
//     (TCustomForm::IsShortCut: OnShortCut, then the main menu). The first
//     enabled item with that short-cut is clicked and the keystroke ends
//     there except for its key-up.
//  2. A navigation key (Tab, arrows, Enter, Esc) that the focused control
//     does not keep for itself (its dialog code) is offered to its form as
//     CM_DIALOGKEY; when the form uses it (Tab moves the focus, a default
//     button answers Enter), the keystroke ends there except for its key-up.
//  3. WM_KEYDOWN to the focused control (the form's key preview first).
//  4. The character the key makes, even if a key-down handler zeroed the key
//     (as on the platform): with Alt (no Ctrl), a letter or digit goes to
//     the form as CM_DIALOGCHAR (an accelerator); without Alt it goes to the
//     control as WM_CHAR, except that a letter or digit typed while a button
//     (DLGC_BUTTON) has the focus is offered as CM_DIALOGCHAR first.
//     The context-menu key (or Shift+F10) that no key-down handler consumed
//     asks for the control's context menu (WM_CONTEXTMENU).
//  5. WM_KEYUP to the control that has the focus by then.
// Exceptions from handlers go to Application->HandleException.

#include "vcl/ControlTypes.h"

namespace qvn {

class TWinControl;

// To the control with the keyboard focus (nothing happens when none has it).
void SendKeyStroke(Word key, TShiftState shift = {});
void SendKeyStrokeTo(TWinControl* target, Word key, TShiftState shift = {});
// Types one character: key-down of its key (VK_PROCESSKEY for bytes above
// 127, which come from an input method), WM_CHAR with the byte, key-up.
// Returns the character as the handlers left it (0 when one consumed it).
char SendCharStroke(TWinControl* target, char ch);
// The character a key makes (Enter 13, Esc 27, Backspace 8, Tab 9, space,
// letters and digits with Shift and Ctrl applied), 0 when none.
char KeyToChar(Word key, TShiftState shift);

}  // namespace qvn
