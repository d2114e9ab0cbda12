#include "host/StandInForm.h"

#include <algorithm>

#include "platform/Exceptions.h"

namespace qvn::test {

StandInWorld& StandInWorld::Instance()
{
    static StandInWorld world;
    return world;
}

void StandInWorld::Reset()
{
    auto& world = Instance();
    // Forms a test left behind are freed without telling anybody (their
    // controllers are gone by now).
    for (StandInForm* form : std::vector<StandInForm*>(world.created)) {
        form->OnShow() = nullptr;
        form->OnHide() = nullptr;
        form->OnDestroy() = nullptr;
        form->Destroy();
    }
    world = StandInWorld{};
}

void StandInWorld::ProcessMessages()
{
    while (!closeRequests.empty()) {
        StandInForm* form = closeRequests.front();
        closeRequests.pop_front();
        form->Destroy();
    }
}

IProgramForm* StandInForm::Create()
{
    auto& world = StandInWorld::Instance();
    if (world.throwInConstruction) throw Exception("cannot create the form");
    if (world.failConstruction) return nullptr;
    return new StandInForm();
}

StandInForm::StandInForm()
{
    auto& world = StandInWorld::Instance();
    world.created.push_back(this);
    ++world.alive;
    // The framework's own handlers, which must keep running under the controller's.
    onShow_ = TNotifyEvent::From([this](TObject*) { Log().push_back("form OnShow"); });
    onHide_ = TNotifyEvent::From([this](TObject*) { Log().push_back("form OnHide"); });
    onDestroy_ = TNotifyEvent::From([this](TObject*) { Log().push_back("form OnDestroy"); });
}

StandInForm::~StandInForm()
{
    auto& world = StandInWorld::Instance();
    std::erase(world.created, this);
    std::erase(world.closeRequests, this);
    --world.alive;
}

bool StandInForm::InitForm(const Variant& params)
{
    initParams.push_back(params);
    if (throwOnInit) throw EVariantError("Invalid variant type conversion");
    visible_ = false;
    // The form's rule for a host parameter array without its shell value:
    // it carries on, but closes itself as soon as messages are processed.
    if (!params.IsArray() || params.DimCount() != 1 || params.HighBound() < 4) PostClose();
    return initAnswer;
}

void StandInForm::ApplyRunParams(const Variant& params)
{
    if (throwOnRunParams) throw EVariantError("Invalid variant type conversion");
    runParams.push_back(params);
}

void StandInForm::SetVisible(bool value)
{
    if (value == visible_) return;
    visible_ = value;
    const TNotifyEvent& handler = value ? onShow_ : onHide_;
    handler(this);
}

int StandInForm::ShowModal()
{
    SetVisible(true);
    SetVisible(false);
    return modalResult;
}

void StandInForm::PostClose() { StandInWorld::Instance().closeRequests.push_back(this); }

void StandInForm::Destroy()
{
    destroying_ = true;
    // As a form hides itself before its OnDestroy runs.
    SetVisible(false);
    onDestroy_(this);
    delete this;
}

}  // namespace qvn::test
