#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/Menus.h"
#include "vcl/PropAccess.h"
#include "vcl/Splitter.h"
#include "vcl/ToolBar.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

class ToolBarTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        bar = new TToolBar(form);
        bar->SetParent(form);
    }
    TToolButton* AddButton(TToolButtonStyle style, bool grouped = false)
    {
        auto* b = new TToolButton(form);
        b->SetStyle(style);
        b->SetGrouped(grouped);
        b->SetParent(bar);
        return b;
    }
    std::string Downs() const
    {
        std::string s;
        for (int i = 0; i < bar->ButtonCount(); ++i) s += bar->Buttons(i)->Down() ? "1" : "0";
        return s;
    }

    TForm* form = nullptr;
    TToolBar* bar = nullptr;
};

TEST_F(ToolBarTest, ButtonsLineUpInOrder)
{
    bar->SetButtonWidth(25);
    bar->SetButtonHeight(24);
    TToolButton* a = AddButton(tbsButton);
    TToolButton* sep = AddButton(tbsSeparator);
    TToolButton* b = AddButton(tbsButton);
    EXPECT_EQ(a->BoundsRect(), Bounds(0, 0, 25, 24));
    EXPECT_EQ(sep->BoundsRect(), Bounds(25, 0, 8, 24));
    EXPECT_EQ(b->BoundsRect(), Bounds(33, 0, 25, 24));
    EXPECT_EQ(b->Index(), 2);
    FreeComponent(sep);
    EXPECT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(b->Left(), 25);
    EXPECT_EQ(ErrorOf<EListError>([&] { bar->Buttons(2); }), "List index out of bounds (2)");
    EXPECT_EQ(bar->Align(), alTop);
}

TEST_F(ToolBarTest, GroupedCheckButtonsKeepOneDown)
{
    TToolButton* g1 = AddButton(tbsCheck, true);
    TToolButton* g2 = AddButton(tbsCheck, true);
    AddButton(tbsSeparator);
    TToolButton* g3 = AddButton(tbsCheck, true);  // a separate group
    TToolButton* single = AddButton(tbsCheck);
    const struct {
        TToolButton* click;
        const char* downs;
    } steps[] = {{g1, "10000"}, {g2, "01000"}, {g2, "01000"}, {g3, "01010"}, {single, "01011"}, {single, "01010"}};
    for (const auto& s : steps) {
        EXPECT_TRUE(robot.Click(s.click));
        EXPECT_EQ(Downs(), s.downs);
    }
    g2->SetAllowAllUp(true);
    robot.Click(g2);
    EXPECT_EQ(Downs(), "00010");
    g1->SetDown(true);
    g2->SetDown(true);
    EXPECT_EQ(Downs(), "01010");
}

TEST_F(ToolBarTest, ClicksFireOnClickButDropDownArrowsPopTheMenu)
{
    auto* menu = new TPopupMenu(form);
    int popups = 0;
    int clicks = 0;
    menu->OnPopup = TNotifyEvent::From([&](TObject*) { ++popups; });
    TToolButton* drop = AddButton(tbsDropDown);
    drop->SetWidth(40);
    bar->SetButtonWidth(40);
    drop->SetDropdownMenu(menu);
    drop->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    robot.Click(drop);  // the middle: the button part
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(popups, 0);
    drop->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(35, 5));
    drop->Perform(WM_LBUTTONUP, 0, MakePointParam(35, 5));
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(clicks, 1) << "the arrow does not click";
    EXPECT_EQ(menu->PopupComponent(), drop);
    EXPECT_EQ(menu->PopupPoint(), Point(bar->Left() + drop->Left(), bar->Top() + drop->Top() + drop->Height()));
    FreeComponent(menu);
    EXPECT_EQ(drop->DropdownMenu(), nullptr);
    robot.Click(drop);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ToolBarTest, SeparatorsNeverClickAndButtonsSurviveTheBar)
{
    TToolButton* sep = AddButton(tbsSeparator);
    int clicks = 0;
    sep->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    robot.Click(sep);
    sep->SetDown(true);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(sep->Down());
    FreeComponent(bar);
    EXPECT_EQ(sep->ToolBar(), nullptr);
    EXPECT_EQ(sep->Index(), -1);
}

TEST_F(ToolBarTest, ButtonPropertiesArePublished)
{
    TToolButton* b = AddButton(tbsButton);
    SetPropPath(b, "Style", Variant("tbsCheck"));
    SetPropPath(b, "ImageIndex", Variant(3));
    SetPropPath(b, "Caption", Variant("Save"));
    EXPECT_EQ(b->Style(), tbsCheck);
    EXPECT_EQ(b->ImageIndex(), 3);
    EXPECT_EQ(b->Caption(), "Save");
    SetPropPath(bar, "Flat", Variant(true));
    SetPropPath(bar, "ButtonWidth", Variant(30));
    EXPECT_TRUE(bar->Flat());
    EXPECT_EQ(b->Width(), 30);
}

// A left panel, the splitter, and a client panel filling the rest of a 400-wide form.
class SplitterTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm", 400, 300);
        left = new TTestPanel(form, form, "left");
        left->SetWidth(150);
        left->SetAlign(alLeft);
        splitter = new TSplitter(form);
        splitter->SetParent(form);
        splitter->SetLeft(200);  // dropped anywhere; alignment puts it after the panel
        client = new TTestPanel(form, form, "client");
        client->SetAlign(alClient);
    }
    void Drag(int dx)
    {
        splitter->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(1, 10));
        splitter->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakePointParam(1 + dx, 10));
        splitter->Perform(WM_LBUTTONUP, 0, MakePointParam(1 + dx, 10));
    }
    TForm* form = nullptr;
    TTestPanel *left = nullptr, *client = nullptr;
    TSplitter* splitter = nullptr;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourWithinBounds)
{
    ASSERT_EQ(splitter->Left(), 150);
    EXPECT_EQ(splitter->FindNeighbour(), left);
    const struct {
        int dx;
        int width;
    } drags[] = {{30, 180}, {-50, 130}, {1000, 400 - 3 - 30}, {-1000, 0}};
    for (const auto& d : drags) {
        Drag(d.dx);
        EXPECT_EQ(left->Width(), d.width) << d.dx;
        EXPECT_EQ(splitter->Left(), d.width);
        EXPECT_EQ(client->Left(), d.width + 3);
    }
    EXPECT_EQ(splitter->FindNeighbour(), left) << "a neighbour dragged shut is still found";
    splitter->SetAutoSnap(false);
    EXPECT_TRUE(splitter->MoveBy(10));
    EXPECT_EQ(left->Width(), 30) << "without AutoSnap the minimum holds";
}

TEST_F(SplitterTest, OnCanResizeMayChangeOrRefuseAndOnMovedFollows)
{
    int moved = 0;
    splitter->OnMoved = TNotifyEvent::From([&](TObject*) { ++moved; });
    splitter->OnCanResize = TCanResizeEvent::From([](TObject*, int& size, bool& accept) {
        if (size > 200) accept = false;
        size = size / 10 * 10;
    });
    EXPECT_TRUE(splitter->MoveBy(17));
    EXPECT_EQ(left->Width(), 160);
    EXPECT_FALSE(splitter->MoveBy(100));
    EXPECT_EQ(left->Width(), 160);
    EXPECT_EQ(moved, 1);
}

TEST_F(SplitterTest, WithoutANeighbourNothingMoves)
{
    left->SetAlign(alRight);
    EXPECT_EQ(splitter->FindNeighbour(), nullptr);
    EXPECT_FALSE(splitter->MoveBy(20));
    splitter->SetParent(nullptr);
    EXPECT_FALSE(splitter->MoveBy(20));
}

}  // namespace
}  // namespace qvn::test
