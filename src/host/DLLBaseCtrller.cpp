#include "host/DLLBaseCtrller.h"

namespace qvn {

// Constant-initialised: no start-up code of any other unit can see it unset by accident.
TDLLControllerClass DLLControllerClass = nullptr;

void TDLLBaseController::DoCreate(TObject*) { Notify(kNotifyFormCreated, this); }
void TDLLBaseController::DoShow(TObject*) { Notify(kNotifyFormShown, this); }
void TDLLBaseController::DoHide(TObject*) { Notify(kNotifyFormHidden, this); }
void TDLLBaseController::DoDestroy(TObject*) { Notify(kNotifyFormDestroyed, this); }
void TDLLBaseController::DoCustomEvent(TObject*) { Notify(kNotifyCustomEvent, this); }

void TDLLBaseController::Notify(int32_t Code, Controller* Sender)
{
    // A copy: the handler may reassign OnNotify (or free the controller) while it runs.
    const ControllerNotifyEvent handler = OnNotify;
    if (handler.Code != nullptr) handler.Code(handler.Data, Code, Sender);
}

void TDLLBaseController::Reserved() {}

}  // namespace qvn
