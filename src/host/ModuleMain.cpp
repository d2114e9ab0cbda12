// The module's start-up, in the order the units depend on one another: the
// controller unit binds the controller class first, the main block runs last
// and binds the program form class. Both bindings are plain constant-initialised
// pointers written from one constructor function, so no other unit's static
// initialisation can observe them half done.

#include "host/DLLBTCtrller.h"

namespace {

// The library's main block. The job form is not part of the module yet, so
// frmBaseBatchClass stays unbound and InitForm answers with the internal error.
void RunMainBlock() {}

__attribute__((constructor)) void StartModule()
{
    qvn::RegisterBatchController();
    RunMainBlock();
}

}  // namespace
