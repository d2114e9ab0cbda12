#include "host/DLLBTCtrller.h"

#include <exception>

#include "host/OleVariant.h"
#include "platform/CodePage.h"
#include "platform/Exceptions.h"
#include "platform/OsUtils.h"

namespace qvn {

TProgramFormClass frmBaseBatchClass = nullptr;

void RegisterBatchController() { DLLControllerClass = &TDLLBTCtrller::Create; }

TDLLBaseController* TDLLBTCtrller::Create() { return new TDLLBTCtrller(); }

TDLLBTCtrller::~TDLLBTCtrller()
{
    if (form_ != nullptr) FreeForm();
    // Still held: the form is already on its way out (the shell frees us from
    // inside its 304). Leave it no handler that points here.
    if (form_ != nullptr) {
        UnchainFormEvents();
        ForgetForm();
    }
}

void TDLLBTCtrller::GetVersion(WideString& Version)
{
    if (form_ != nullptr) Version = AnsiToWide(form_->VersionText());
}

int32_t TDLLBTCtrller::GetVisible() { return form_ != nullptr && form_->Visible() ? -1 : 0; }

void TDLLBTCtrller::SetVisible(int16_t Value)
{
    if (form_ == nullptr) return;
    const bool show = Value != 0;
    const auto alive = Alive();
    form_->SetVisible(show);
    // The shell's 272 handler may have freed the form, or this controller.
    if (!show || alive.expired() || form_ == nullptr) return;
    if (form_->WindowState() == TProgramWindowState::Minimized) form_->SetWindowState(TProgramWindowState::Normal);
    form_->BringToForeground();
}

Controller::WindowHandle TDLLBTCtrller::GetHandle() { return form_ != nullptr ? form_->Handle() : 0; }

int32_t TDLLBTCtrller::InitForm(const Variant& Params)
{
    if (form_ == nullptr && !CreateForm()) return -1;
    // A form on its way out takes no second life.
    if (form_->IsDestroying()) return -1;
    ChainFormEvents();
    try {
        return form_->InitForm(Params) ? 0 : -1;
    } catch (const std::exception&) {
        return -1;
    }
}

bool TDLLBTCtrller::CreateForm()
{
    if (frmBaseBatchClass == nullptr) throw Exception(kNotAssignedFormClass);
    IProgramForm* form = nullptr;
    try {
        form = frmBaseBatchClass();
        if (form == nullptr) return false;
        form->SetModuleFileName(ModuleFileName(reinterpret_cast<const void*>(&TDLLBTCtrller::Create)));
        form->ServerManager() = Server;
    } catch (const std::exception&) {
        if (form != nullptr) form->Destroy();
        return false;
    }
    form_ = form;
    const auto alive = Alive();
    DoCreate(nullptr);
    // The shell may have freed the form (or us) while it handled 256.
    return !alive.expired() && form_ != nullptr;
}

int32_t TDLLBTCtrller::SetParams(const Variant& Params)
{
    if (form_ == nullptr || Params.IsNull() || !Params.IsArray()) return -1;
    try {
        form_->ApplyRunParams(Params);
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

int32_t TDLLBTCtrller::SetParam(int32_t Code, const Variant& Value)
{
    if (form_ == nullptr || Code != kRunParamCode) return -1;
    return SetParams(VarArrayOf({Variant(false), Value}));
}

void TDLLBTCtrller::ShowModal(Variant& ModalResult)
{
    ModalResult = Variant(form_ != nullptr ? form_->ShowModal() : kModalCancel);
}

void TDLLBTCtrller::FreeForm()
{
    if (form_ == nullptr || form_->IsDestroying()) return;
    IProgramForm* const form = form_;
    const auto alive = Alive();
    form->Destroy();
    if (alive.expired()) return;
    // A form that went without running its OnDestroy must not stay held.
    if (form_ == form) ForgetForm();
}

int32_t TDLLBTCtrller::GetInfo(Variant& Info)
{
    if (form_ == nullptr) return -1;
    Info = ToOleVariant(VarArrayOf({Variant(form_->UserID()), Variant(form_->CompanyCode()),
                                    Variant(form_->ProgramID()), Variant(form_->ProgramName())}));
    return 0;
}

bool TDLLBTCtrller::IsReleased() { return form_ == nullptr; }

void TDLLBTCtrller::DoShow(TObject* Sender)
{
    const TNotifyEvent old = OldOnShow;
    old(Sender);
    TDLLBaseController::DoShow(Sender);
}

void TDLLBTCtrller::DoHide(TObject* Sender)
{
    const TNotifyEvent old = OldOnHide;
    old(Sender);
    TDLLBaseController::DoHide(Sender);
}

void TDLLBTCtrller::DoDestroy(TObject* Sender)
{
    if (form_ != nullptr && !form_->IsDestroying()) {
        // Not the form going: the shell asked for the notification itself.
        // The form stays held; dropping it here would leak it with handlers
        // pointing at this controller.
        TDLLBaseController::DoDestroy(Sender);
        return;
    }
    if (form_ != nullptr) {
        const auto alive = Alive();
        ExitCode = form_->ExitCode();
        ResultData = ToOleVariant(form_->ResultData());
        const TNotifyEvent old = OldOnDestroy;
        old(Sender);
        if (alive.expired()) return;
        // The shell may still query the form while it handles 304.
        TDLLBaseController::DoDestroy(Sender);
        if (alive.expired() || form_ == nullptr) return;
        UnchainFormEvents();
    }
    ForgetForm();
}

void TDLLBTCtrller::ChainFormEvents()
{
    // Once per form: chaining again would save our own handlers as the old
    // ones, and every event would then call itself.
    if (chained_) return;
    OldOnShow = form_->OnShow();
    OldOnHide = form_->OnHide();
    OldOnDestroy = form_->OnDestroy();
    form_->OnShow() = TNotifyEvent::Of<&TDLLBTCtrller::DoShow>(this);
    form_->OnHide() = TNotifyEvent::Of<&TDLLBTCtrller::DoHide>(this);
    form_->OnDestroy() = TNotifyEvent::Of<&TDLLBTCtrller::DoDestroy>(this);
    chained_ = true;
}

void TDLLBTCtrller::UnchainFormEvents()
{
    if (!chained_) return;
    // Only where ours are still installed: a handler set after ours is the form's business.
    if (form_->OnShow() == TNotifyEvent::Of<&TDLLBTCtrller::DoShow>(this)) form_->OnShow() = OldOnShow;
    if (form_->OnHide() == TNotifyEvent::Of<&TDLLBTCtrller::DoHide>(this)) form_->OnHide() = OldOnHide;
    if (form_->OnDestroy() == TNotifyEvent::Of<&TDLLBTCtrller::DoDestroy>(this)) form_->OnDestroy() = OldOnDestroy;
    chained_ = false;
}

void TDLLBTCtrller::ForgetForm()
{
    form_ = nullptr;
    chained_ = false;
    // The saved handlers belong to the form that went; calling one later would reach it.
    OldOnShow = nullptr;
    OldOnHide = nullptr;
    OldOnDestroy = nullptr;
}

}  // namespace qvn
