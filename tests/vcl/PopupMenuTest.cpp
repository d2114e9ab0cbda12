#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/Label.h"
#include "vcl/Menus.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// A list with its own menu (删除 / 刷新) on a panel whose menu serves the
// rest of the panel: an edit and a label that have none.
class PopupMenuTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        form->SetBounds(100, 50, 400, 300);
        panel = new TTestPanel(form, form, "pnl");
        panel->SetBounds(5, 5, 300, 200);
        list = new TTestEdit(form, panel, "lst");
        list->SetBounds(10, 20, 100, 40);
        edit = new TTestEdit(form, panel, "ed");
        edit->SetBounds(10, 80, 100, 20);
        label = new TLabel(form);
        label->SetParent(panel);
        label->SetBounds(10, 120, 60, 13);

        listMenu = NewMenu("pmList", {"删除(&D)", "刷新(&R)"});
        panelMenu = NewMenu("pmPanel", {"&Help"});
        list->SetPopupMenu(listMenu);
        panel->SetPopupMenu(panelMenu);
        for (TPopupMenu* m : {listMenu, panelMenu})
            m->OnPopup = TNotifyEvent::From([this, m](TObject*) { log.push_back("popup " + m->Name()); });
    }

    TPopupMenu* NewMenu(const std::string& name, std::initializer_list<const char*> captions)
    {
        auto* menu = new TPopupMenu(form);
        menu->SetName(name);
        for (const char* caption : captions) {
            auto* item = new TMenuItem(form);
            item->SetCaption(caption);
            item->OnClick = TNotifyEvent::From([this, item](TObject*) { log.push_back("click " + item->Caption()); });
            menu->Items()->Add(item);
        }
        return menu;
    }

    TForm* form = nullptr;
    TTestPanel* panel = nullptr;
    TTestEdit* list = nullptr;
    TTestEdit* edit = nullptr;
    TLabel* label = nullptr;
    TPopupMenu* listMenu = nullptr;
    TPopupMenu* panelMenu = nullptr;
};

TEST_F(PopupMenuTest, RightClickPopsUpTheMenuOfTheControlOrOfItsNearestParentThatHasOne)
{
    struct Case {
        const char* what;
        TControl* clicked;
        TPopupMenu* menu;
        TComponent* popupComponent;
    };
    const Case cases[] = {
        {"own menu", list, listMenu, list},
        {"windowed control without one", edit, panelMenu, panel},
        {"graphic control without one", label, panelMenu, panel},
        {"the container itself", panel, panelMenu, panel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        ASSERT_TRUE(robot.RightClick(c.clicked));
        EXPECT_EQ(log, std::vector<std::string>{"popup " + c.menu->Name()});
        EXPECT_TRUE(c.menu->IsOpen());
        EXPECT_EQ(TPopupMenu::OpenMenu(), c.menu) << "one popup menu open at a time";
        EXPECT_EQ(c.menu->PopupComponent(), c.popupComponent);
    }
    EXPECT_FALSE(listMenu->IsOpen());
    EXPECT_FALSE(edit->Focused()) << "a right click does not move the focus";

    // The point is where the mouse was, on the screen: form, panel, list, then the middle of the list.
    robot.RightClick(list);
    EXPECT_EQ(listMenu->PopupPoint(), Point(100 + 5 + 10 + 50, 50 + 5 + 20 + 20));

    panel->SetPopupMenu(nullptr);
    log.clear();
    robot.RightClick(edit);
    EXPECT_TRUE(log.empty()) << "no menu anywhere up the chain";
    panelMenu->SetAutoPopup(false);
    panel->SetPopupMenu(panelMenu);
    robot.RightClick(edit);
    EXPECT_TRUE(log.empty()) << "AutoPopup off";
}

TEST_F(PopupMenuTest, OnContextPopupFiresOnTheWayUpAndHandledKeepsTheMenuDown)
{
    std::vector<TPoint> positions;
    bool editHandles = false;
    edit->OnContextPopup = TContextPopupEvent::From([&](TObject*, TPoint pos, bool& handled) {
        log.push_back("context ed");
        positions.push_back(pos);
        handled = editHandles;
    });
    panel->OnContextPopup = TContextPopupEvent::From([&](TObject*, TPoint pos, bool&) {
        log.push_back("context pnl");
        positions.push_back(pos);
    });
    robot.RightClick(edit);
    EXPECT_EQ(log, (std::vector<std::string>{"context ed", "context pnl", "popup pmPanel"}));
    // Each control hears the point in its own client coordinates.
    EXPECT_EQ(positions, (std::vector<TPoint>{Point(50, 10), Point(60, 90)}));

    panelMenu->CloseMenu();
    log.clear();
    editHandles = true;
    robot.RightClick(edit);
    EXPECT_EQ(log, std::vector<std::string>{"context ed"});
    EXPECT_FALSE(panelMenu->IsOpen());
    EXPECT_TRUE(HasPropByName(edit, "OnContextPopup"));
}

TEST_F(PopupMenuTest, TheContextMenuKeyPopsTheFocusedControlsMenuUpAtItsCorner)
{
    robot.Focus(list);
    robot.PressKey(VK_APPS);
    EXPECT_TRUE(listMenu->IsOpen());
    EXPECT_EQ(listMenu->PopupPoint(), list->ClientToScreen(Point(0, 0)));
    listMenu->CloseMenu();

    robot.Focus(edit);
    edit->OnKeyDown = TKeyEvent::From([](TObject*, Word& key, TShiftState) {
        if (key == VK_F10) key = 0;
    });
    robot.PressKey(VK_F10, {ssShift});
    EXPECT_FALSE(panelMenu->IsOpen()) << "the key-down handler consumed Shift+F10";
    robot.PressKey(VK_APPS);
    EXPECT_TRUE(panelMenu->IsOpen());
}

TEST_F(PopupMenuTest, ChoosingAnItemClosesTheMenuAndRunsIt)
{
    TMenuItem* del = listMenu->Items()->Items(0);
    TMenuItem* refresh = listMenu->Items()->Items(1);
    EXPECT_FALSE(robot.ChooseMenuItem(del)) << "the menu is not open";
    EXPECT_TRUE(log.empty());

    robot.RightClick(list);
    log.clear();
    ASSERT_TRUE(robot.ChooseMenuItem(listMenu, "删除(&D)"));
    EXPECT_EQ(log, std::vector<std::string>{"click " + del->Caption()});
    EXPECT_FALSE(listMenu->IsOpen());
    EXPECT_EQ(TPopupMenu::OpenMenu(), nullptr);

    robot.RightClick(list);
    refresh->SetEnabled(false);
    EXPECT_FALSE(robot.ChooseMenuItem(refresh));
    EXPECT_TRUE(listMenu->IsOpen()) << "a disabled item leaves the menu open";
    refresh->SetEnabled(true);
    refresh->SetAutoCheck(true);
    EXPECT_TRUE(robot.ChooseMenuItem(refresh));
    EXPECT_TRUE(refresh->Checked());
    EXPECT_FALSE(robot.ChooseMenuItem(listMenu, "nothing like it"));
    EXPECT_FALSE(robot.ChooseMenuItem(nullptr));

    // An item that opens a sub-menu keeps the menu open.
    auto* sub = new TMenuItem(form);
    refresh->Add(sub);
    robot.RightClick(list);
    robot.ChooseMenuItem(refresh);
    EXPECT_TRUE(listMenu->IsOpen());
    EXPECT_TRUE(robot.ChooseMenuItem(sub));
    EXPECT_FALSE(listMenu->IsOpen());
}

TEST_F(PopupMenuTest, AHandlerMayFreeTheMenuOrTheControl)
{
    TMenuItem* del = listMenu->Items()->Items(0);
    del->OnClick = TNotifyEvent::From([&](TObject*) { FreeComponent(listMenu); });
    robot.RightClick(list);
    EXPECT_TRUE(robot.ChooseMenuItem(listMenu, "删除(&D)"));
    EXPECT_EQ(list->PopupMenu(), nullptr);
    EXPECT_EQ(TPopupMenu::OpenMenu(), nullptr);

    panelMenu->OnPopup = TNotifyEvent::From([&](TObject*) { FreeComponent(edit); });
    robot.RightClick(edit);
    EXPECT_TRUE(panelMenu->IsOpen());
    EXPECT_EQ(panelMenu->PopupComponent(), panel);
}

TEST_F(PopupMenuTest, FreeingTheMenuFirstClearsTheReferenceAndTheMenuForgetsAFreedControl)
{
    robot.RightClick(list);
    FreeComponent(listMenu);  // while open
    EXPECT_EQ(list->PopupMenu(), nullptr);
    EXPECT_EQ(TPopupMenu::OpenMenu(), nullptr);
    log.clear();
    robot.RightClick(list);
    EXPECT_EQ(log, std::vector<std::string>{"popup pmPanel"}) << "the parent's menu answers now";
    EXPECT_EQ(GetObjectPropByName(list, "PopupMenu"), nullptr);

    FreeComponent(panel);
    EXPECT_EQ(panelMenu->PopupComponent(), nullptr);
}

TEST_F(PopupMenuTest, PopupMenuIsAPublishedObjectProperty)
{
    const TPropInfo* prop = FindPropInfo(edit, "PopupMenu");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->TypeName, "TPopupMenu");
    prop->SetObject(edit, listMenu);
    EXPECT_EQ(edit->PopupMenu(), listMenu);
    EXPECT_EQ(GetObjectPropByName(edit, "PopupMenu"), listMenu);
    auto* mainMenu = new TMainMenu(form);
    EXPECT_EQ(ErrorOf<EPropertyError>([&] { prop->SetObject(edit, mainMenu); }), "Invalid property value");
    EXPECT_EQ(edit->PopupMenu(), listMenu);
    EXPECT_NE(FindPropInfo(label, "PopupMenu"), nullptr) << "graphic controls have one too";
}

}  // namespace
}  // namespace qvn::test
