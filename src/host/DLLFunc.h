#pragma once
// The module's one export, GetController (declared with C linkage in the
// shell's header): a new controller of the bound class on every call.

#include "VKLB58C/Controller.h"
