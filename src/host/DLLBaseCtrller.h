#pragma once
// The module side of the shell's controller: the notification half of the
// operations lives here, the form half in the concrete controller.

#include "VKLB58C/Controller.h"

namespace qvn {

class TDLLBaseController : public Controller {
public:
    // Each of these ignores Sender: the shell is always told about the controller itself.
    void DoCreate(TObject* Sender) override;
    void DoShow(TObject* Sender) override;
    void DoHide(TObject* Sender) override;
    void DoDestroy(TObject* Sender) override;
    void DoCustomEvent(TObject* Sender) override;
    void Notify(int32_t Code, Controller* Sender) override;
    void Reserved() override;
};

// The class of controller GetController instantiates: a factory, bound by the
// controller unit's start-up and empty until then.
using TDLLControllerClass = TDLLBaseController* (*)();
extern TDLLControllerClass DLLControllerClass;

// The exact texts of the module's internal errors (shown to whoever assembled
// the module wrongly, so they keep their historical spelling).
inline constexpr const char* kNotAssignedControllerClass =
    "QVN DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible";
inline constexpr const char* kNotAssignedFormClass =
    "QVN DLL Internal Error :\rNot Assign \"frmBaseBatchClass\" varible";

}  // namespace qvn
