#pragma once
// A program form for controller tests: it does what the controller may ask of
// a form, the way the form framework does it (own OnShow/OnHide/OnDestroy
// handlers, hidden after initialisation, OnHide then OnDestroy when freed while
// shown, a self-close that goes through a posted request), and records it all.

#include <deque>
#include <string>
#include <vector>

#include "host/ProgramForm.h"
#include "vcl/Object.h"

namespace qvn::test {

class StandInForm;

// What the test scripts and what it can observe; one per test (see Reset).
struct StandInWorld {
    std::vector<std::string> log;  // shared with the shell's recorder for ordering checks
    std::vector<StandInForm*> created;
    int alive = 0;
    bool failConstruction = false;  // the factory answers nullptr
    bool throwInConstruction = false;
    std::deque<StandInForm*> closeRequests;  // posted self-closes

    // Frees every form that asked to close itself (as the message loop would).
    void ProcessMessages();
    static StandInWorld& Instance();
    static void Reset();
};

class StandInForm : public TObject, public IProgramForm {
public:
    // The form class bound into frmBaseBatchClass by the tests.
    static IProgramForm* Create();

    // Script.
    bool initAnswer = true;
    bool throwOnInit = false;
    bool throwOnRunParams = false;
    int modalResult = 1;
    int32_t exitCode = 0;
    Variant resultData;
    AnsiString versionText = "5.8.0";
    AnsiString userID = "ADMIN";
    AnsiString companyCode = "C01";
    AnsiString programID = "VKLB58C";
    AnsiString programName = "Batch job";
    WindowHandle handle = 0x5A5A;

    // Observations.
    std::string moduleFileName;
    Variant serverManager;
    std::vector<Variant> initParams;
    std::vector<Variant> runParams;
    int foregroundCalls = 0;
    TProgramWindowState windowState = TProgramWindowState::Normal;

    // Posts a close request: the form frees itself when messages are processed.
    void PostClose();

    void SetModuleFileName(const std::string& fileName) override { moduleFileName = fileName; }
    Variant& ServerManager() override { return serverManager; }
    bool InitForm(const Variant& params) override;
    void ApplyRunParams(const Variant& params) override;
    AnsiString VersionText() const override { return versionText; }
    AnsiString UserID() const override { return userID; }
    AnsiString CompanyCode() const override { return companyCode; }
    AnsiString ProgramID() const override { return programID; }
    AnsiString ProgramName() const override { return programName; }
    int32_t ExitCode() const override { return exitCode; }
    Variant ResultData() const override { return resultData; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool value) override;
    TProgramWindowState WindowState() const override { return windowState; }
    void SetWindowState(TProgramWindowState state) override { windowState = state; }
    WindowHandle Handle() override { return handle; }
    void BringToForeground() override { ++foregroundCalls; }
    int ShowModal() override;
    TNotifyEvent& OnShow() override { return onShow_; }
    TNotifyEvent& OnHide() override { return onHide_; }
    TNotifyEvent& OnDestroy() override { return onDestroy_; }
    bool IsDestroying() const override { return destroying_; }
    void Destroy() override;

private:
    StandInForm();
    ~StandInForm() override;
    std::vector<std::string>& Log() { return StandInWorld::Instance().log; }

    bool visible_ = true;  // created visible; InitForm hides it
    bool destroying_ = false;
    TNotifyEvent onShow_;
    TNotifyEvent onHide_;
    TNotifyEvent onDestroy_;
};

}  // namespace qvn::test
