#include "vcl/KeyInput.h"

#include "vcl/Application.h"
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

// Step 1 of the file comment: true when the form used the key for navigation.
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
    if (!OfferAsDialogKey(h, key, keyData)) {
        Application->SendMessage(h, WM_KEYDOWN, key, keyData);
        if (const char ch = KeyToChar(key, shift); ch != 0 && !shift.Contains(ssAlt))
            Application->SendMessage(h, WM_CHAR, static_cast<unsigned char>(ch), keyData);
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
