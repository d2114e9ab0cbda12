#include "vcl/KeyInput.h"

#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/Menus.h"
#include "vcl/Screen.h"
#include "vcl/WinControl.h"

namespace qvn {
namespace {

LRESULT DialogMask(Word key)
{
    switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
    }
}

bool IsAlphaNumeric(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'); }

bool IsShortCutCandidate(Word key, TShiftState shift)
{
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
    return shift.Contains(ssCtrl) || shift.Contains(ssAlt) || KeyToChar(key, shift) == 0;
}

bool ClickShortCut(TWinControl* target, Word key, TShiftState shift)
{
    for (TControl* c = target; c != nullptr; c = c->Parent())
        if (TPopupMenu* menu = c->PopupMenu(); menu != nullptr && menu->IsShortCut(key, shift)) return true;
    TCustomForm* form = GetParentForm(target);
    return form != nullptr && form->IsShortCut(key, shift);
}

// Step 1 of the file comment: true when a menu item (or the form) used the stroke.
bool OfferAsShortCut(TWinControl* target, Word key, TShiftState shift)
{
    if (!IsShortCutCandidate(key, shift)) return false;
    try {
        return ClickShortCut(target, key, shift);
    } catch (...) {
        Application->HandleCurrentException(target);
        return true;
    }
}

// Step 2 of the file comment: true when the form used the key for navigation.
bool OfferAsDialogKey(HWND target, Word key, LPARAM keyData)
{
    const LRESULT mask = DialogMask(key);
    if (mask == 0) return false;
    if (Application->SendMessage(target, CM_WANTSPECIALKEY, key, keyData) != 0) return false;
    if ((Application->SendMessage(target, WM_GETDLGCODE) & mask) != 0) return false;
    TWinControl* control = Application->FindControl(target);
    TCustomForm* form = control != nullptr ? GetParentForm(control) : nullptr;
    if (form == nullptr) return false;
    return Application->SendMessage(form->Handle(), CM_DIALOGKEY, key, keyData) != 0;
}

// Step 4: true when a control of the form used the character as its accelerator.
bool OfferAsDialogChar(HWND target, char ch, LPARAM keyData)
{
    TWinControl* control = Application->FindControl(target);
    TCustomForm* form = control != nullptr ? GetParentForm(control) : nullptr;
    if (form == nullptr) return false;
    return Application->SendMessage(form->Handle(), CM_DIALOGCHAR, static_cast<unsigned char>(ch), keyData) != 0;
}

bool TakesNoCharacters(HWND target) { return (Application->SendMessage(target, WM_GETDLGCODE) & DLGC_BUTTON) != 0; }

void DeliverCharacter(HWND target, Word key, TShiftState shift, LPARAM keyData)
{
    if (shift.Contains(ssAlt)) {
        const char ch = KeyToChar(key, shift - TShiftState{ssAlt});
        if (!shift.Contains(ssCtrl) && IsAlphaNumeric(ch)) OfferAsDialogChar(target, ch, keyData);
        return;
    }
    const char ch = KeyToChar(key, shift);
    if (ch == 0) return;
    if (IsAlphaNumeric(ch) && TakesNoCharacters(target) && OfferAsDialogChar(target, ch, keyData)) return;
    Application->SendMessage(target, WM_CHAR, static_cast<unsigned char>(ch), keyData);
}

bool AsksForContextMenu(Word key, TShiftState shift)
{
    return (key == VK_APPS && shift.Empty()) || (key == VK_F10 && shift == TShiftState{ssShift});
}

HWND FocusedHandle()
{
    TWinControl* focused = Screen->ActiveControl();
    return focused != nullptr ? focused->Handle() : 0;
}

Word CharToKey(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') return static_cast<Word>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
    if (c == '\r') return VK_RETURN;
    if (c == '\t') return VK_TAB;
    if (c == 8) return VK_BACK;
    if (c == 27) return VK_ESCAPE;
    return VK_PROCESSKEY;
}

}  // namespace

char KeyToChar(Word key, TShiftState shift)
{
    switch (key) {
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 27;
    case VK_BACK: return 8;
    case VK_TAB: return '\t';
    case VK_SPACE: return ' ';
    default: break;
    }
    if (key >= 'A' && key <= 'Z') {
        if (shift.Contains(ssCtrl)) return static_cast<char>(key - 'A' + 1);
        return static_cast<char>(shift.Contains(ssShift) ? key : key - 'A' + 'a');
    }
    if (key >= '0' && key <= '9' && !shift.Contains(ssCtrl)) {
        static const char shifted[] = ")!@#$%^&*(";
        return shift.Contains(ssShift) ? shifted[key - '0'] : static_cast<char>(key);
    }
    return 0;
}

void SendKeyStroke(Word key, TShiftState shift)
{
    TWinControl* focused = Screen->ActiveControl();
    if (focused != nullptr) SendKeyStrokeTo(focused, key, shift);
}

void SendKeyStrokeTo(TWinControl* target, Word key, TShiftState shift)
{
    if (target == nullptr) return;
    const HWND h = target->Handle();
    const LPARAM keyData = ShiftStateToKeyData(shift);
    if (!OfferAsShortCut(target, key, shift) && !OfferAsDialogKey(h, key, keyData)) {
        TMessage keyDown{WM_KEYDOWN, key, keyData, 0};
        Application->SendMessage(h, keyDown);
        DeliverCharacter(h, key, shift, keyData);
        if (keyDown.WParam != 0 && AsksForContextMenu(key, shift))
            Application->SendMessage(h, WM_CONTEXTMENU, h, MakePointParam(-1, -1));
    }
    const HWND up = FocusedHandle();
    Application->SendMessage(up != 0 ? up : h, WM_KEYUP, key, keyData);
}

char SendCharStroke(TWinControl* target, char ch)
{
    if (target == nullptr) return 0;
    const HWND h = target->Handle();
    const Word key = CharToKey(ch);
    const auto c = static_cast<unsigned char>(ch);
    const TShiftState shift = (c >= 'A' && c <= 'Z') ? TShiftState{ssShift} : TShiftState{};
    const LPARAM keyData = ShiftStateToKeyData(shift);
    Application->SendMessage(h, WM_KEYDOWN, key, keyData);
    TMessage charMessage{WM_CHAR, c, keyData, 0};
    Application->SendMessage(h, charMessage);
    const HWND up = FocusedHandle();
    Application->SendMessage(up != 0 ? up : h, WM_KEYUP, key, keyData);
    return static_cast<char>(static_cast<unsigned char>(charMessage.WParam));
}

}  // namespace qvn
