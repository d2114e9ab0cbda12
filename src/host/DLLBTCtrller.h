#pragma once
// The controller of a batch program module: owns at most one program form,
// answers the shell's operations through it, and tells the shell when the form
// is created, shown, hidden and destroyed by splicing itself into the form's
// events.

#include <memory>

#include "host/DLLBaseCtrller.h"
#include "host/ProgramForm.h"
#include "vcl/Event.h"

namespace qvn {

class TDLLBTCtrller : public TDLLBaseController {
public:
    TDLLBTCtrller() = default;
    // Frees a form still held (the shell hears 304 once).
    ~TDLLBTCtrller() override;

    // The value of the controller class reference.
    static TDLLBaseController* Create();

    void GetVersion(WideString& Version) override;
    int32_t GetVisible() override;
    void SetVisible(int16_t Value) override;
    WindowHandle GetHandle() override;
    // Raises the internal error when the module binds no form class.
    int32_t InitForm(const Variant& Params) override;
    int32_t SetParams(const Variant& Params) override;
    int32_t SetParam(int32_t Code, const Variant& Value) override;
    void ShowModal(Variant& ModalResult) override;
    void FreeForm() override;
    int32_t GetInfo(Variant& Info) override;
    bool IsReleased() override;

    // The form's OnShow / OnHide / OnDestroy while this controller holds it.
    void DoShow(TObject* Sender) override;
    void DoHide(TObject* Sender) override;
    void DoDestroy(TObject* Sender) override;

    IProgramForm* Form() const { return form_; }

    // The only run parameter code the form knows: the run-parameter array [False, Value].
    static constexpr int32_t kRunParamCode = 5;
    // The cancel result, answered by ShowModal without a form.
    static constexpr int32_t kModalCancel = 2;

private:
    bool CreateForm();
    void ChainFormEvents();
    void UnchainFormEvents();
    void ForgetForm();
    std::weak_ptr<void> Alive() const { return lifeToken_; }

    IProgramForm* form_ = nullptr;
    bool chained_ = false;
    TNotifyEvent OldOnShow;
    TNotifyEvent OldOnHide;
    TNotifyEvent OldOnDestroy;
    // Expires with the controller: the shell may free it from inside a
    // notification, and the code that raised the notification must then stop.
    std::shared_ptr<void> lifeToken_ = std::make_shared<int>(0);
};

// The class of program form the controller creates (with no owner): a factory,
// bound by the module's main block and empty until then.
using TProgramFormClass = IProgramForm* (*)();
extern TProgramFormClass frmBaseBatchClass;

// The controller unit's start-up: binds DLLControllerClass to TDLLBTCtrller.
void RegisterBatchController();

}  // namespace qvn
