#pragma once
// Messages the program's controls send to the form that owns them. A form
// answers QVM_F2KEY as it answers F2 pressed in the control named by LParam
// (the lookup window); F3 and F4 carry the form's other per-control keys.

#include "vcl/Messages.h"

namespace qvn {

constexpr UINT QVM_F2KEY = WM_USER + 10;
constexpr UINT QVM_F3KEY = WM_USER + 11;
constexpr UINT QVM_F4KEY = WM_USER + 12;

}  // namespace qvn

namespace qvn {

// An accelerator character (Alt + letter) offered to a control: WParam is
// the character, Result 1 when the control used it. The component model's
// key routing does not deliver accelerators yet, so a caller sends it.
constexpr UINT QCM_DIALOGCHAR = CM_BASE + 6;

}  // namespace qvn
