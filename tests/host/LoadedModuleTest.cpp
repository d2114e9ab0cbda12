// The built module of each edition, loaded by path as the shell loads it and
// driven only through the shell's header.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "VKLB58C/Controller.h"
#include "host/ShellHost.h"
#include "platform/Exceptions.h"
#include "support/VariantPrinting.h"

namespace qvn::test {
namespace {

constexpr const char* kFormClassNotBound = "QVN DLL Internal Error :\rNot Assign \"frmBaseBatchClass\" varible";

struct Edition {
    const char* name;
    const char* path;
};

class LoadedController : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override
    {
        module = LoadedModule::Load(GetParam().path);
        ASSERT_NE(module, nullptr);
        controller = module->NewController();
        ASSERT_NE(controller, nullptr);
        shell.AttachTo(*controller);
    }
    std::vector<Notification> From(Controller* sender, std::initializer_list<int32_t> codes)
    {
        std::vector<Notification> out;
        for (int32_t code : codes) out.push_back({code, sender});
        return out;
    }

    LoadedModule* module = nullptr;
    std::unique_ptr<Controller> controller;
    NotifyRecorder shell;
};

TEST_P(LoadedController, ModuleIsNamedForTheProgramInItsOwnEditionFolder)
{
    const std::filesystem::path path(module->Path());
    EXPECT_EQ(path.filename(), "VKLB58C.so");
    EXPECT_EQ(path.parent_path().filename(), GetParam().name);
}

TEST_P(LoadedController, ExportsOnlyGetController)
{
    EXPECT_NE(module->Symbol("GetController"), nullptr);
    for (const char* internal : {"_ZN3qvn18DLLControllerClassE", "_ZN3qvn17frmBaseBatchClassE",
                                 "_ZN3qvn13TDLLBTCtrller6CreateEv", "_ZN3qvn23RegisterBatchControllerEv",
                                 "_ZTIN3qvn9ExceptionE"})
        EXPECT_EQ(module->Symbol(internal), nullptr) << internal;

    const auto names = module->ExportedNames();
    if (names.empty()) GTEST_SKIP() << "nm is not available";
    EXPECT_EQ(names, std::set<std::string>{"GetController"});
}

TEST_P(LoadedController, EveryCallGivesAnotherController)
{
    auto second = module->NewController();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second.get(), controller.get());
    EXPECT_TRUE(second->IsReleased());
}

TEST_P(LoadedController, EveryOperationWithoutAFormAnswersNeutrally)
{
    controller->Server = Variant(u8"server manager");
    WideString version(u8"kept");
    controller->GetVersion(version);
    EXPECT_EQ(version, WideString(u8"kept"));
    EXPECT_EQ(controller->GetVisible(), 0);
    controller->SetVisible(-1);
    EXPECT_EQ(controller->GetVisible(), 0);
    EXPECT_EQ(controller->GetHandle(), 0u);
    for (const Variant& params : {Variant::Null(), Variant(), Variant(3), VarArrayOf({false, 1})})
        EXPECT_EQ(controller->SetParams(params), -1) << VarDebugText(params);
    EXPECT_EQ(controller->SetParam(5, 1), -1);
    EXPECT_EQ(controller->SetParam(0, 1), -1);
    Variant modal;
    controller->ShowModal(modal);
    EXPECT_EQ(modal, Variant(2));
    controller->FreeForm();
    Variant info = "kept";
    EXPECT_EQ(controller->GetInfo(info), -1);
    EXPECT_EQ(info, Variant("kept"));
    EXPECT_TRUE(controller->IsReleased());
    controller->Reserved();
    EXPECT_TRUE(shell.received.empty()) << "none of these is a notification";
    EXPECT_EQ(controller->Server, Variant(u8"server manager"));
    EXPECT_EQ(controller->ExitCode, 0);
    EXPECT_TRUE(controller->ResultData.IsEmpty());
}

TEST_P(LoadedController, NotificationsCarryTheControllerAsSender)
{
    Controller* c = controller.get();
    c->DoCreate(nullptr);
    c->DoShow(nullptr);
    c->DoHide(nullptr);
    c->DoCustomEvent(nullptr);
    c->Notify(7, c);
    // Without a form there is nothing being destroyed, so DoDestroy is silent.
    c->DoDestroy(nullptr);
    EXPECT_EQ(shell.received, From(c, {256, 272, 288, 320, 7}));

    // Without a handler the same calls do nothing at all.
    c->OnNotify = {};
    c->DoCreate(nullptr);
    c->DoCustomEvent(nullptr);
    EXPECT_EQ(shell.received.size(), 5u);
}

TEST_P(LoadedController, InitFormRaisesTheInternalErrorUntilAFormIsBound)
{
    // Host parameter arrays of every shape meet the same error: the form class is checked first.
    for (const Variant& params : {VarArrayOf({"ADMIN", "C01", "ERPDB", 0, "shell"}), VarArrayOf({"ADMIN"}),
                                  Variant::Null(), Variant(), Variant(42)}) {
        try {
            controller->InitForm(params);
            ADD_FAILURE() << "no error for " << VarDebugText(params);
        } catch (const Exception& e) {
            // The module's exception class is recognised across the boundary.
            EXPECT_EQ(e.Message(), kFormClassNotBound);
            EXPECT_STREQ(e.ClassName(), "Exception");
        }
    }
    EXPECT_TRUE(controller->IsReleased());
    EXPECT_TRUE(shell.received.empty()) << "no form was created";
}

INSTANTIATE_TEST_SUITE_P(Editions, LoadedController,
                         ::testing::Values(Edition{"full", QVN_MODULE_FULL}, Edition{"basic", QVN_MODULE_BASIC}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadedModules, BothEditionsLiveSideBySide)
{
    LoadedModule* full = LoadedModule::Load(QVN_MODULE_FULL);
    LoadedModule* basic = LoadedModule::Load(QVN_MODULE_BASIC);
    ASSERT_NE(full, nullptr);
    ASSERT_NE(basic, nullptr);
    EXPECT_NE(full->Symbol("GetController"), basic->Symbol("GetController"));
    auto a = full->NewController();
    auto b = basic->NewController();
    EXPECT_NE(a.get(), b.get());
    EXPECT_TRUE(a->IsReleased() && b->IsReleased());
}

}  // namespace
}  // namespace qvn::test
