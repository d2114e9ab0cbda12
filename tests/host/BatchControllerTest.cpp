// The batch controller linked in beside a stand-in program form.

#include <gtest/gtest.h>

#include <memory>

#include "host/DLLBTCtrller.h"
#include "host/ShellHost.h"
#include "host/StandInForm.h"
#include "platform/Dispatch.h"
#include "platform/Exceptions.h"
#include "platform/OsUtils.h"
#include "support/ErrorOf.h"
#include "support/VariantPrinting.h"

namespace qvn::test {
namespace {

struct ServerManagerDouble : Dispatch {
    Variant Invoke(std::string_view member, CallKind, std::span<Variant>) override { RaiseUnknownMember(member); }
};

using Log = std::vector<std::string>;

class BatchController : public ::testing::Test {
protected:
    void SetUp() override
    {
        StandInWorld::Reset();
        RegisterBatchController();
        frmBaseBatchClass = &StandInForm::Create;
        controller.reset(GetController());
        server = std::make_shared<ServerManagerDouble>();
        controller->Server = Variant(DispatchPtr(server));
        shell.log = &World().log;
        shell.AttachTo(*controller);
    }
    void TearDown() override
    {
        controller.reset();
        StandInWorld::Reset();
        frmBaseBatchClass = nullptr;
    }

    static StandInWorld& World() { return StandInWorld::Instance(); }
    static Variant HostParams() { return VarArrayOf({"ADMIN", "C01", "ERPDB", 0, "shell"}); }
    // The form after a successful InitForm, with the records of that cleared.
    StandInForm& InitialisedForm()
    {
        EXPECT_EQ(controller->InitForm(HostParams()), 0);
        EXPECT_EQ(World().created.size(), 1u);
        shell.received.clear();
        World().log.clear();
        return *World().created.back();
    }
    std::vector<Notification> Expected(std::initializer_list<int32_t> codes)
    {
        std::vector<Notification> out;
        for (int32_t code : codes) out.push_back({code, controller.get()});
        return out;
    }

    std::shared_ptr<ServerManagerDouble> server;
    std::unique_ptr<Controller> controller;
    NotifyRecorder shell;
};

TEST_F(BatchController, InitFormCreatesTheFormOnceAndHandsItModuleServerAndParams)
{
    EXPECT_EQ(controller->InitForm(HostParams()), 0);
    ASSERT_EQ(World().created.size(), 1u);
    StandInForm& form = *World().created.back();
    EXPECT_EQ(shell.received, Expected({kNotifyFormCreated}));
    EXPECT_EQ(form.moduleFileName, ModuleFileName(reinterpret_cast<const void*>(&TDLLBTCtrller::Create)));
    EXPECT_FALSE(form.moduleFileName.empty());
    EXPECT_EQ(form.serverManager.ToDispatch(), server);
    EXPECT_EQ(form.initParams, std::vector<Variant>{HostParams()});
    EXPECT_FALSE(controller->IsReleased());
    EXPECT_EQ(controller->GetVisible(), 0) << "initialisation leaves the form hidden";

    // Called again: the same form is asked again (it refuses), no second creation.
    form.initAnswer = false;
    EXPECT_EQ(controller->InitForm(HostParams()), -1);
    EXPECT_EQ(World().created.size(), 1u);
    EXPECT_EQ(form.initParams.size(), 2u);
    EXPECT_EQ(CodesOf(shell.received), std::vector<int32_t>{kNotifyFormCreated});
}

TEST_F(BatchController, SecondInitFormDoesNotChainTheEventsAgain)
{
    StandInForm& form = InitialisedForm();
    EXPECT_EQ(controller->InitForm(HostParams()), 0);
    shell.received.clear();
    World().log.clear();

    controller->SetVisible(-1);
    controller->SetVisible(0);
    EXPECT_EQ(World().log, (Log{"form OnShow", "notify 272", "form OnHide", "notify 288"}));
    controller->FreeForm();
    EXPECT_EQ(World().log, (Log{"form OnShow", "notify 272", "form OnHide", "notify 288", "form OnDestroy", "notify 304"}));
    (void)form;
}

TEST_F(BatchController, FormHandlersRunBeforeTheShellHearsOfShowAndHide)
{
    StandInForm& form = InitialisedForm();
    form.windowState = TProgramWindowState::Minimized;

    controller->SetVisible(-1);
    EXPECT_EQ(controller->GetVisible(), -1);
    EXPECT_EQ(form.windowState, TProgramWindowState::Normal) << "a minimised form is restored when shown";
    EXPECT_EQ(form.foregroundCalls, 1);
    controller->SetVisible(0);
    EXPECT_EQ(controller->GetVisible(), 0);
    EXPECT_EQ(form.foregroundCalls, 1) << "hiding brings nothing to the foreground";

    EXPECT_EQ(World().log, (Log{"form OnShow", "notify 272", "form OnHide", "notify 288"}));
    EXPECT_EQ(shell.received, Expected({kNotifyFormShown, kNotifyFormHidden}));
}

TEST_F(BatchController, AnyNonZeroSixteenBitValueShows)
{
    StandInForm& form = InitialisedForm();
    for (int16_t value : {int16_t{1}, int16_t{-1}, int16_t{0x100}}) {
        controller->SetVisible(value);
        EXPECT_TRUE(form.Visible()) << value;
        controller->SetVisible(0);
        EXPECT_FALSE(form.Visible()) << value;
    }
}

TEST_F(BatchController, AnswersComeFromTheForm)
{
    StandInForm& form = InitialisedForm();
    form.versionText = "版本 5.8";
    form.modalResult = 1;

    WideString version;
    controller->GetVersion(version);
    EXPECT_EQ(version, WideString(u8"版本 5.8"));
    EXPECT_EQ(controller->GetHandle(), form.handle);

    Variant modal;
    controller->ShowModal(modal);
    EXPECT_EQ(modal, Variant(1));
    EXPECT_EQ(CodesOf(shell.received), (std::vector<int32_t>{kNotifyFormShown, kNotifyFormHidden}));

    form.userID = "张三";
    Variant info = "untouched";
    EXPECT_EQ(controller->GetInfo(info), 0);
    ASSERT_TRUE(info.IsArray());
    EXPECT_EQ(info.LowBound(), 0);
    EXPECT_EQ(info.HighBound(), 3);
    // The shell receives wide text.
    EXPECT_EQ(info, VarArrayOf({u8"张三", u8"C01", u8"VKLB58C", u8"Batch job"}));
}

TEST_F(BatchController, WithoutAFormEveryAnswerIsNeutralAndNoFormIsCreated)
{
    WideString version(u8"kept");
    controller->GetVersion(version);
    EXPECT_EQ(version, WideString(u8"kept"));
    EXPECT_EQ(controller->GetVisible(), 0);
    controller->SetVisible(-1);
    EXPECT_EQ(controller->GetHandle(), 0u);
    EXPECT_EQ(controller->SetParams(VarArrayOf({false, 1})), -1);
    EXPECT_EQ(controller->SetParam(5, 1), -1);
    Variant modal;
    controller->ShowModal(modal);
    EXPECT_EQ(modal, Variant(2));
    controller->FreeForm();
    Variant info = "kept";
    EXPECT_EQ(controller->GetInfo(info), -1);
    EXPECT_EQ(info, Variant("kept"));
    EXPECT_TRUE(controller->IsReleased());

    EXPECT_EQ(World().alive, 0);
    EXPECT_TRUE(shell.received.empty());
}

TEST_F(BatchController, SetParamsPassesOnlyArraysToTheForm)
{
    StandInForm& form = InitialisedForm();
    const Variant nested = VarArrayOf({Variant::Null(), VarArrayOf({Variant::Null(), VarArrayCreate(3, 2)})});
    struct Case {
        const char* what;
        Variant params;
        int32_t answer;
    };
    const Case cases[] = {
        {"Null", Variant::Null(), -1},
        {"Empty", Variant(), -1},
        {"integer", Variant(5), -1},
        {"text", Variant("1,2"), -1},
        {"run parameter array", VarArrayOf({false, "2024-01-01"}), 0},
        {"empty array", VarArrayCreate(0, -1), 0},
        {"nested garbage (the form's to judge)", nested, 0},
        {"two-dimensional array", VarArrayCreate({0, 1}, {0, 1}), 0},
    };
    for (const Case& c : cases) {
        form.runParams.clear();
        EXPECT_EQ(controller->SetParams(c.params), c.answer) << c.what;
        const auto passed = c.answer == 0 ? std::vector<Variant>{c.params} : std::vector<Variant>{};
        EXPECT_EQ(form.runParams, passed) << c.what;
    }

    form.throwOnRunParams = true;
    EXPECT_EQ(controller->SetParams(VarArrayOf({false, 1})), -1) << "the form's failure is swallowed";
}

TEST_F(BatchController, SetParamKnowsOnlyCodeFive)
{
    StandInForm& form = InitialisedForm();
    for (int32_t code : {0, 4, 6, -1, 0x7fffffff}) EXPECT_EQ(controller->SetParam(code, "x"), -1) << code;
    EXPECT_TRUE(form.runParams.empty());

    EXPECT_EQ(controller->SetParam(5, "2024-01-01"), 0);
    EXPECT_EQ(controller->SetParam(5, Variant::Null()), 0);
    EXPECT_EQ(form.runParams, (std::vector<Variant>{VarArrayOf({false, "2024-01-01"}), VarArrayOf({false, Variant::Null()})}));

    form.throwOnRunParams = true;
    EXPECT_EQ(controller->SetParam(5, 1), -1);
}

TEST_F(BatchController, FreeFormCollectsTheFormsLeavingsAndTellsTheShellOnce)
{
    StandInForm& form = InitialisedForm();
    form.exitCode = 1;
    form.resultData = "T-20240101-0001";
    Variant infoDuring304;
    bool releasedDuring304 = true;
    shell.reaction = [&](int32_t code, Controller* sender) {
        if (code != kNotifyFormDestroyed) return;
        // The shell may still ask the controller while it handles 304.
        sender->GetInfo(infoDuring304);
        releasedDuring304 = sender->IsReleased();
    };

    controller->FreeForm();
    EXPECT_EQ(World().log, (Log{"form OnDestroy", "notify 304"}));
    EXPECT_EQ(shell.received, Expected({kNotifyFormDestroyed}));
    EXPECT_TRUE(infoDuring304.IsArray());
    EXPECT_FALSE(releasedDuring304);
    EXPECT_TRUE(controller->IsReleased());
    EXPECT_EQ(controller->ExitCode, 1);
    EXPECT_EQ(controller->ResultData, Variant(u8"T-20240101-0001")) << "the result reaches the shell as wide text";
    EXPECT_EQ(World().alive, 0);

    controller->FreeForm();
    EXPECT_EQ(shell.received.size(), 1u);
}

TEST_F(BatchController, FormClosingItselfReleasesTheController)
{
    // Without the shell value (element 4) the form closes itself once messages run.
    EXPECT_EQ(controller->InitForm(VarArrayOf({"ADMIN", "C01", "ERPDB", 0})), 0);
    EXPECT_FALSE(controller->IsReleased());
    StandInForm& form = *World().created.back();
    form.exitCode = 2;

    World().ProcessMessages();
    EXPECT_TRUE(controller->IsReleased());
    EXPECT_EQ(CodesOf(shell.received), (std::vector<int32_t>{kNotifyFormCreated, kNotifyFormDestroyed}));
    EXPECT_EQ(controller->ExitCode, 2);

    // Afterwards the shell's calls find no form, and its own DoShow reaches no
    // handler of the form that went.
    World().log.clear();
    controller->DoShow(nullptr);
    EXPECT_EQ(World().log, Log{"notify 272"});
    Variant info = "kept";
    EXPECT_EQ(controller->GetInfo(info), -1);
}

TEST_F(BatchController, DestroyingTheControllerWhileShownFreesTheFormWithOne304)
{
    StandInForm& form = InitialisedForm();
    controller->SetVisible(-1);
    form.exitCode = 1;
    int32_t exitCodeSeen = -99;
    shell.reaction = [&](int32_t code, Controller* sender) {
        if (code == kNotifyFormDestroyed) exitCodeSeen = sender->ExitCode;
    };

    controller.reset();
    EXPECT_EQ(World().alive, 0);
    EXPECT_EQ(CodesOf(shell.received), (std::vector<int32_t>{kNotifyFormShown, kNotifyFormHidden, kNotifyFormDestroyed}));
    EXPECT_EQ(exitCodeSeen, 1);
}

TEST_F(BatchController, ShellMayFreeTheControllerWhileItHandles304)
{
    InitialisedForm();
    shell.reaction = [&](int32_t code, Controller*) {
        if (code == kNotifyFormDestroyed) controller.reset();
    };
    World().created.back()->PostClose();
    World().ProcessMessages();
    EXPECT_EQ(controller, nullptr);
    EXPECT_EQ(World().alive, 0);
    EXPECT_EQ(World().log, (Log{"form OnDestroy", "notify 304"}));
}

TEST_F(BatchController, ShellCallsDuring304DoNotFreeTheFormTwiceOrRevive)
{
    InitialisedForm();
    int32_t initAnswer = 0;
    shell.reaction = [&](int32_t code, Controller* sender) {
        if (code != kNotifyFormDestroyed) return;
        sender->FreeForm();
        initAnswer = sender->InitForm(HostParams());
    };
    controller->FreeForm();
    EXPECT_EQ(initAnswer, -1);
    EXPECT_EQ(World().alive, 0);
    EXPECT_TRUE(controller->IsReleased());
    EXPECT_EQ(CodesOf(shell.received), std::vector<int32_t>{kNotifyFormDestroyed});
}

TEST_F(BatchController, ShellsOwnDoDestroyKeepsALiveForm)
{
    StandInForm& form = InitialisedForm();
    controller->DoDestroy(nullptr);
    EXPECT_EQ(shell.received, Expected({kNotifyFormDestroyed}));
    EXPECT_FALSE(controller->IsReleased()) << "the form is still there; dropping it would leak it";
    EXPECT_EQ(World().log, Log{"notify 304"});

    controller->SetVisible(-1);
    EXPECT_TRUE(form.Visible());
    controller.reset();
    EXPECT_EQ(World().alive, 0);
}

TEST_F(BatchController, ANewFormAfterTheFirstOneWentIsChainedAgain)
{
    InitialisedForm();
    controller->FreeForm();
    shell.received.clear();
    World().log.clear();

    EXPECT_EQ(controller->InitForm(HostParams()), 0);
    ASSERT_EQ(World().created.size(), 1u);
    controller->SetVisible(-1);
    EXPECT_EQ(World().log, (Log{"notify 256", "form OnShow", "notify 272"}));
}

TEST_F(BatchController, FormsThatCannotBeMadeOrInitialisedAnswerMinusOne)
{
    World().failConstruction = true;
    EXPECT_EQ(controller->InitForm(HostParams()), -1);
    World().failConstruction = false;
    World().throwInConstruction = true;
    EXPECT_EQ(controller->InitForm(HostParams()), -1);
    EXPECT_TRUE(controller->IsReleased());
    EXPECT_TRUE(shell.received.empty());

    World().throwInConstruction = false;
    StandInForm& form = InitialisedForm();
    form.throwOnInit = true;
    EXPECT_EQ(controller->InitForm(HostParams()), -1);
}

TEST_F(BatchController, WithoutAHandlerTheWholeLifeRunsQuietly)
{
    controller->OnNotify = {};
    EXPECT_EQ(controller->InitForm(HostParams()), 0);
    controller->SetVisible(-1);
    controller->DoCustomEvent(nullptr);
    Variant modal;
    controller->ShowModal(modal);
    controller->FreeForm();
    EXPECT_TRUE(controller->IsReleased());
    EXPECT_EQ(World().log, (Log{"form OnShow", "form OnHide", "form OnDestroy"}));
}

TEST_F(BatchController, UnboundClassesRaiseTheInternalErrors)
{
    frmBaseBatchClass = nullptr;
    EXPECT_EQ(ErrorOf<Exception>([&] { controller->InitForm(HostParams()); }),
              "QVN DLL Internal Error :\rNot Assign \"frmBaseBatchClass\" varible");
    EXPECT_TRUE(controller->IsReleased());

    DLLControllerClass = nullptr;
    EXPECT_EQ(ErrorOf<Exception>([] { delete GetController(); }),
              "QVN DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
}

TEST_F(BatchController, EveryCallCreatesAnotherController)
{
    std::unique_ptr<Controller> other(GetController());
    EXPECT_NE(other.get(), controller.get());
    EXPECT_NE(dynamic_cast<TDLLBTCtrller*>(other.get()), nullptr);
}

}  // namespace
}  // namespace qvn::test
