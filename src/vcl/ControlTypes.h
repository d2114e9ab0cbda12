#pragma once
// The vocabulary shared by controls, forms and dialogs: alignment, shift
// state, mouse buttons, modal results and the signatures of the key, mouse
// and close events.

#include "vcl/Event.h"
#include "vcl/Messages.h"
#include "vcl/SetOf.h"

namespace qvn {

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = SetOf<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Behaviour switches a control class sets for itself.
enum TControlStyleItem { csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csNoStdEvents };
using TControlStyle = SetOf<TControlStyleItem>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

class TObject;

using TKeyEvent = Event<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = Event<void(TObject* Sender, char& Key)>;
using TMouseEvent = Event<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = Event<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Mouse messages carry the buttons and modifier keys held in WParam.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// Key messages (WM_KEYDOWN, WM_CHAR, WM_KEYUP, CM_DIALOGKEY) carry the
// modifier keys in LParam: there is no keyboard to ask, so whoever produces
// the keystroke says which modifiers were held (Shift, Alt, Ctrl).
inline LPARAM ShiftStateToKeyData(TShiftState shift)
{
    return static_cast<LPARAM>((shift * TShiftState{ssShift, ssAlt, ssCtrl}).Bits());
}
inline TShiftState KeyDataToShiftState(LPARAM keyData)
{
    return TShiftState::FromBits(static_cast<uint64_t>(keyData)) * TShiftState{ssShift, ssAlt, ssCtrl};
}

inline WPARAM ShiftStateToMouseKeys(TShiftState shift)
{
    WPARAM keys = 0;
    if (shift.Contains(ssLeft)) keys |= MK_LBUTTON;
    if (shift.Contains(ssRight)) keys |= MK_RBUTTON;
    if (shift.Contains(ssMiddle)) keys |= MK_MBUTTON;
    if (shift.Contains(ssShift)) keys |= MK_SHIFT;
    if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
    return keys;
}
inline TShiftState MouseKeysToShiftState(WPARAM keys)
{
    TShiftState s;
    if (keys & MK_LBUTTON) s.Include(ssLeft);
    if (keys & MK_RBUTTON) s.Include(ssRight);
    if (keys & MK_MBUTTON) s.Include(ssMiddle);
    if (keys & MK_SHIFT) s.Include(ssShift);
    if (keys & MK_CONTROL) s.Include(ssCtrl);
    return s;
}

// Mouse coordinates travel as two signed 16-bit halves of LParam.
inline LPARAM MakePointParam(int x, int y)
{
    return static_cast<LPARAM>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) | static_cast<uint16_t>(x));
}
inline int PointParamX(LPARAM p) { return static_cast<int16_t>(static_cast<uint16_t>(p & 0xFFFF)); }
inline int PointParamY(LPARAM p) { return static_cast<int16_t>(static_cast<uint16_t>((p >> 16) & 0xFFFF)); }

}  // namespace qvn
