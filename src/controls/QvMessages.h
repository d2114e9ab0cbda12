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
