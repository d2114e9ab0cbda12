#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/Menus.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// An edit with its own popup menu inside a panel with another, a second
// edit straight on the form, and the form's main menu. Several items share
// a short-cut so that the order in which the menus are asked shows.
class MenuShortCutTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        panel = new TTestPanel(form, form, "pnl");
        edit = new TTestEdit(form, panel, "ed");
        other = new TTestEdit(form, form, "other");
        auto* editMenu = new TPopupMenu(form);
        auto* panelMenu = new TPopupMenu(form);
        mainMenu = new TMainMenu(form);
        edit->SetPopupMenu(editMenu);
        panel->SetPopupMenu(panelMenu);
        form->SetMenu(mainMenu);
        AddItem(editMenu, "E-Del", ShortCut('D', {ssCtrl}));
        AddItem(editMenu, "E-Off", ShortCut('E', {ssCtrl}))->SetEnabled(false);
        AddItem(panelMenu, "P-Del", ShortCut('D', {ssCtrl}));
        AddItem(panelMenu, "P-Print", ShortCut('P', {ssCtrl}));
        AddItem(mainMenu, "M-Del", ShortCut('D', {ssCtrl}));
        AddItem(mainMenu, "M-Print", ShortCut('P', {ssCtrl}));
        AddItem(mainMenu, "M-Off", ShortCut('E', {ssCtrl}));
        // Short-cuts live in sub-menus too.
        AddItem(AddItem(mainMenu, "M-View", scNone), "M-Refresh", ShortCut(VK_F5, {}));
        AddItem(mainMenu, "M-Delete", ShortCut(VK_DELETE, {}));
        AddItem(mainMenu, "M-A", ShortCut('A', {}));
        AddItem(mainMenu, "M-Save", ShortCut('S', {ssAlt}));
        for (TTestEdit* e : {edit, other})
            e->OnKeyDown = TKeyEvent::From([this, e](TObject*, Word& key, TShiftState) {
                log.push_back("down " + e->Name() + " " + std::to_string(key));
            });
    }
    template <typename Parent>
    TMenuItem* AddItem(Parent* parent, const std::string& caption, TShortCut shortCut)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->SetShortCut(shortCut);
        item->OnClick = TNotifyEvent::From([this, caption](TObject*) { log.push_back("click " + caption); });
        if constexpr (std::is_same_v<Parent, TMenuItem>)
            parent->Add(item);
        else
            parent->Items()->Add(item);
        return item;
    }

    TForm* form = nullptr;
    TTestPanel* panel = nullptr;
    TTestEdit* edit = nullptr;
    TTestEdit* other = nullptr;
    TMainMenu* mainMenu = nullptr;
};

TEST_F(MenuShortCutTest, TheInnermostPopupMenuThenTheParentsThenTheMainMenuAnswer)
{
    struct Case {
        const char* what;
        bool onOther;  // the focus on the edit outside the panel
        Word key;
        TShiftState shift;
        const char* expected;  // the log of the stroke
    };
    const Case cases[] = {
        {"the control's own popup menu first", false, 'D', {ssCtrl}, "click E-Del"},
        {"then its parent's", false, 'P', {ssCtrl}, "click P-Print"},
        {"outside the panel only the main menu", true, 'P', {ssCtrl}, "click M-Print"},
        {"a disabled item is passed over", false, 'E', {ssCtrl}, "click M-Off"},
        {"a function key, in a sub-menu", false, VK_F5, {}, "click M-Refresh"},
        {"a key that types nothing", false, VK_DELETE, {}, "click M-Delete"},
        {"a key that types a character is no short-cut", false, 'A', {}, "down ed 65"},
        {"a short-cut nobody has reaches the control", false, 'Q', {ssCtrl}, "down ed 81"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        robot.Focus(c.onOther ? other : edit);
        log.clear();
        robot.PressKey(c.key, c.shift);
        EXPECT_EQ(log, std::vector<std::string>{c.expected});
    }
}

TEST_F(MenuShortCutTest, OnShortCutHasTheFirstSayBeforeTheMainMenu)
{
    std::vector<std::string> seen;
    bool handle = true;
    form->OnShortCut = TShortCutEvent::From([&](TMessage& msg, bool& handled) {
        seen.push_back(std::to_string(msg.WParam) + (KeyDataToShiftState(msg.LParam).Contains(ssCtrl) ? " ctrl" : ""));
        handled = handle;
    });
    robot.Focus(other);
    robot.PressKey('P', {ssCtrl});
    EXPECT_EQ(seen, std::vector<std::string>{"80 ctrl"});
    EXPECT_TRUE(log.empty()) << "handled by the form";
    handle = false;
    robot.PressKey('P', {ssCtrl});
    EXPECT_EQ(log, std::vector<std::string>{"click M-Print"});

    seen.clear();
    robot.Focus(edit);
    robot.PressKey('D', {ssCtrl});
    EXPECT_TRUE(seen.empty()) << "a popup menu took it before the form was asked";
}

TEST_F(MenuShortCutTest, AShortCutComesBeforeKeyPreviewAndTheRestKeepsTheOrder)
{
    form->SetKeyPreview(true);
    form->OnKeyDown = TKeyEvent::From([&](TObject*, Word& key, TShiftState shift) {
        if (key == 'V' && shift.Contains(ssCtrl) && shift.Contains(ssAlt)) log.push_back("form Ctrl+Alt+V");
    });
    robot.Focus(edit);
    robot.PressKey('V', {ssCtrl, ssAlt});
    EXPECT_EQ(log, (std::vector<std::string>{"form Ctrl+Alt+V", "down ed 86"})) << "no item has it";

    log.clear();
    AddItem(mainMenu, "M-Paste", ShortCut('V', {ssCtrl, ssAlt}));
    robot.PressKey('V', {ssCtrl, ssAlt});
    EXPECT_EQ(log, std::vector<std::string>{"click M-Paste"});

    // Alt + a letter: a short-cut wins over an accelerator with that letter.
    auto* save = new TTestButton(form, form, "btnSave");
    save->SetCaption("&Save");
    log.clear();
    robot.PressKey('S', {ssAlt});
    EXPECT_EQ(log, std::vector<std::string>{"click M-Save"});
}

TEST_F(MenuShortCutTest, TheFormsMenuIsAWeakPublishedReference)
{
    const TPropInfo* prop = FindPropInfo(form, "Menu");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->TypeName, "TMainMenu");
    EXPECT_EQ(GetObjectPropByName(form, "Menu"), mainMenu);
    auto* popup = new TPopupMenu(form);
    EXPECT_EQ(ErrorOf<EPropertyError>([&] { prop->SetObject(form, popup); }), "Invalid property value");
    EXPECT_NE(FindPropInfo(form, "OnShortCut"), nullptr);

    FreeComponent(mainMenu);
    EXPECT_EQ(form->Menu(), nullptr);
    robot.Focus(other);
    robot.PressKey(VK_F5);
    EXPECT_EQ(log, std::vector<std::string>{"down other 116"});
}

TEST_F(MenuShortCutTest, AnItemThatRaisesEndsTheStrokeAndTheErrorIsReported)
{
    std::string reported;
    Application->OnException = TExceptionEvent::From([&](TObject*, const std::exception& e) { reported = e.what(); });
    auto* failing = AddItem(mainMenu, "M-Fail", ShortCut(VK_F9, {}));
    failing->OnClick = TNotifyEvent::From([](TObject*) { throw Exception("no printer"); });
    robot.Focus(other);
    robot.PressKey(VK_F9);
    Application->OnException = nullptr;
    EXPECT_EQ(reported, "no printer");
    EXPECT_TRUE(log.empty()) << "the control never saw the key";
}

}  // namespace
}  // namespace qvn::test
