#include "host/DLLFunc.h"

#include "host/DLLBaseCtrller.h"
#include "platform/Exceptions.h"

extern "C" qvn::Controller* GetController()
{
    if (qvn::DLLControllerClass == nullptr) throw qvn::Exception(qvn::kNotAssignedControllerClass);
    // The module keeps no reference: the shell owns what it gets.
    return qvn::DLLControllerClass();
}
