#include <gtest/gtest.h>

#include "lang/LanguageController.h"
#include "lang/LanguageFolder.h"
#include "platform/CodePage.h"
#include "support/ErrorOf.h"
#include "support/ZentorFixture.h"
#include "vcl/Form.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

// An installation with a client configuration choosing a UI code page and its language folder.
class LanguageTest : public test::VclTest {
protected:
    void UseCodePage(const std::string& codePage, bool withFolder = true)
    {
        install_.WriteFile("client/ZentorC.ini", "[CodePage]\nUICodePage=" + codePage + "\n");
        if (withFolder) install_.WriteFile("client/MultiLanguage/CHS/readme.txt", "");
    }
    std::string WriteLang(const std::string& file, const std::string& bytes)
    {
        return install_.WriteFile("client/MultiLanguage/CHS/" + file, bytes);
    }
    test::ZentorInstall install_;
};

TEST_F(LanguageTest, LanguageFolderFollowsTheUICodePage)
{
    UseCodePage("936");
    EXPECT_EQ(GetLanguageFolder(TDesignType::dtClient), install_.Folder("client/MultiLanguage/CHS/"));
    UseCodePage("950");  // no CHT folder
    EXPECT_EQ(GetLanguageFolder(TDesignType::dtClient), "");
    UseCodePage("1252");
    EXPECT_EQ(GetLanguageFolder(TDesignType::dtClient), "");
    TQvLangController c(nullptr);
    c.SetLangPackageName("TQVForm");
    EXPECT_EQ(c.FileName(), "TQVForm.Lng");
}

TEST_F(LanguageTest, ReadLangMsg)
{
    UseCodePage("936");
    WriteLang("TfrmBaseGene.Lng", "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                  "<TfrmBaseGene><Msgs><sOption Msg=\"选项\"/><sNoMsg Other=\"x\"/></Msgs></TfrmBaseGene>");
    WriteLang("Broken.Lng", "<Broken><sOption Msg=\"x\"></Broken>");
    struct Case { const char* file; const char* id; std::string expected; };
    const Case cases[] = {
        {"TfrmBaseGene", "sOption", "选项"},
        {"TfrmBaseGene", "sNoMsg", "default"},
        {"TfrmBaseGene", "sMissing", "default"},
        {"TfrmBaseGene", "", "default"},
        {"NoSuchFile", "sOption", "default"},
        {"Broken", "sOption", "default"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadLangMsg(TDesignType::dtClient, c.file, c.id, "default"), c.expected) << c.file << "/" << c.id;
}

TEST_F(LanguageTest, FilesInEveryDeclaredEncoding)
{
    UseCodePage("936");
    const std::string gbCaption = "应付批次";                       // GB bytes (the literal's own encoding)
    const std::string utf8Caption = reinterpret_cast<const char*>(u8"应付批次");
    const std::string big5Caption = "\xC0\xB3\xA5\x49";          // 應付 in Big5
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("<F Caption=\"UTF16\"/>")) utf16 += std::string{c, '\0'};
    struct Case { std::string bytes; std::string caption; };
    const Case cases[] = {
        {"<?xml version=\"1.0\" encoding=\"GB2312\"?><F Caption=\"" + gbCaption + "\"/>", gbCaption},
        {"<?xml version='1.0' encoding='big5'?><F Caption=\"" + big5Caption + "\"/>", "\x91\xAA\xB8\xB6"},  // the same characters in GBK
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><F Caption=\"" + utf8Caption + "\"/>", gbCaption},
        {"<F Caption=\"" + utf8Caption + "\"/>", gbCaption},
        {"\xEF\xBB\xBF<F Caption=\"BOM\"/>", "BOM"},
        {utf16, "UTF16"},
    };
    for (const auto& c : cases) {
        WriteLang("F.Lng", c.bytes);
        auto* form = NewShownForm("frmTest");
        TQvLangController controller(nullptr);
        controller.SetLangPackageName("F");
        controller.SetActive(true);
        controller.ReadComponent(form);
        EXPECT_EQ(form->Caption(), c.caption);
        FreeComponent(form);
    }
}

TEST_F(LanguageTest, ErrorsOfTheController)
{
    UseCodePage("936");
    TQvLangController c(nullptr);
    EXPECT_EQ(test::ErrorOf<LanguageControllerError>([&] { c.SetActive(true); }), "Cannot Find File !");
    EXPECT_EQ(test::ErrorOf<LanguageControllerError>([&] { c.Reader(); }), "No active LanguageController!");
    WriteLang("Bad.Lng", "<Form Caption=\"x\"><unclosed></Form>");
    c.SetLangPackageName("Bad");
    const std::string reason = test::ErrorOf<LanguageControllerError>([&] { c.SetActive(true); });
    EXPECT_NE(reason.find("offset"), std::string::npos) << reason;
    EXPECT_FALSE(c.Active());
    WriteLang("Odd.Lng", "<?xml version=\"1.0\" encoding=\"x-klingon\"?><Form/>");
    c.SetLangPackageName("Odd");
    EXPECT_EQ(test::ErrorOf<LanguageControllerError>([&] { c.SetActive(true); }), "Unsupported encoding: x-klingon");
    c.SetLangPackageName("Missing");
    EXPECT_NE(test::ErrorOf<LanguageControllerError>([&] { c.SetActive(true); }).find("Cannot open file"), std::string::npos);
}

TEST_F(LanguageTest, EventsAndActivationFollowTheFile)
{
    UseCodePage("936");
    WriteLang("A.Lng", "<A Caption=\"a\"/>");
    WriteLang("B.Lng", "<B Caption=\"b\"/>");
    TQvLangController c(nullptr);
    std::vector<std::string> events;
    for (auto [e, name] : {std::pair{&c.BeforeOpen, "BeforeOpen"}, {&c.AfterOpen, "AfterOpen"},
                           {&c.BeforeClose, "BeforeClose"}, {&c.AfterClose, "AfterClose"}})
        *e = TNotifyEvent::From([&events, name](TObject*) { events.push_back(name); });
    c.SetLangPackageName("A");
    c.SetActive(true);
    c.SetActive(true);  // already active: nothing
    EXPECT_TRUE(c.Active());
    c.SetLangPackageName("B");  // another file closes the first
    EXPECT_FALSE(c.Active());
    EXPECT_EQ(events, (std::vector<std::string>{"BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose"}));
    // While loading, only the requested value is kept; Loaded applies it.
    c.SetState(csLoading, true);
    c.SetActive(true);
    EXPECT_FALSE(c.Active());
    c.Loaded();
    EXPECT_TRUE(c.Active());
}

TEST_F(LanguageTest, AttributesBecomePropertyAssignments)
{
    UseCodePage("936");
    WriteLang("T.Lng", "<T Caption=\"Form caption\" Font.Color=\"clRed\" NoSuchProp=\"ignored\" Color=\"notacolour\">"
                       "<pnlMain Hint=\"panel hint\"><btnOk Hint=\"ok\"/></pnlMain>"
                       "<btnOk Hint=\"first element wins\"/>"
                       "<Skipped Hint=\"excluded\"/></T>");
    auto* form = NewShownForm("frmT");
    auto* panel = new test::TTestPanel(form, form, "pnlMain");
    auto* skipped = new test::TTestPanel(form, form, "Skipped");
    auto* inner = new test::TTestButton(skipped, skipped, "btnOk");  // owned by the excluded component
    TQvLangController c(nullptr);
    TStringList exclude;
    exclude.Add(" skipped ");
    c.SetExcludeControls(&exclude);
    c.SetLangPackageName("T");
    c.SetActive(true);
    int before = 0, after = 0;
    c.BeforeLoadComponent = TLoadComponentEvent::From([&](TComponent*, pugi::xml_node) { ++before; });
    c.AfterLoadComponent = TLoadComponentEvent::From([&](TComponent*, pugi::xml_node) { ++after; });
    c.ReadComponent(form);
    EXPECT_EQ(form->Caption(), "Form caption");
    EXPECT_EQ(form->Font()->Color(), clRed);
    EXPECT_EQ(panel->Hint(), "panel hint");
    EXPECT_EQ(skipped->Hint(), "");
    EXPECT_EQ(inner->Hint(), "ok");  // visited although its owner is excluded
    EXPECT_EQ(before, 3);
    EXPECT_EQ(after, 3);
}

}  // namespace
}  // namespace qvn
