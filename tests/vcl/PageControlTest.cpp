#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/PageControl.h"
#include "vcl/PropAccess.h"
#include "vcl/TabSet.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// Pages A, B, C with an edit on each.
class PageControlTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        pc = new TPageControl(form);
        pc->SetName("pc");
        pc->SetParent(form);
        for (const char* name : {"A", "B", "C"}) {
            auto* sheet = new TTabSheet(form);
            sheet->SetName(std::string("ts") + name);
            sheet->SetCaption(name);
            sheet->SetPageControl(pc);
            sheet->OnShow = TNotifyEvent::From([this, name](TObject*) { log.push_back(std::string("show ") + name); });
            sheet->OnHide = TNotifyEvent::From([this, name](TObject*) { log.push_back(std::string("hide ") + name); });
            edits.push_back(new TTestEdit(form, sheet, std::string("ed") + name));
        }
        pc->OnChanging = TTabChangingEvent::From([this](TObject*, bool& allow) {
            log.push_back("changing");
            allow = allowChange;
        });
        pc->OnChange = TNotifyEvent::From([this](TObject*) { log.push_back("change"); });
        log.clear();
    }
    TTabSheet* Page(int i) const { return pc->Pages(i); }
    void ClickTab(int tab)
    {
        const TRect r = pc->TabRect(tab);
        Application->SendMessage(pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(r.Left + 2, r.Top + 2));
    }

    TForm* form = nullptr;
    TPageControl* pc = nullptr;
    std::vector<TTestEdit*> edits;
    bool allowChange = true;
};

TEST_F(PageControlTest, TheFirstPageShowsAndOnlyTheActiveOneIsShowing)
{
    EXPECT_EQ(pc->PageCount(), 3);
    EXPECT_EQ(pc->ActivePage(), Page(0));
    EXPECT_TRUE(Page(0)->Showing());
    EXPECT_FALSE(Page(1)->Showing());
    EXPECT_FALSE(edits[1]->CanFocus());
    const TRect inner = Page(0)->BoundsRect();
    EXPECT_GT(inner.Top, 0) << "below the tabs";
    EXPECT_LT(inner.Right, pc->Width());
    EXPECT_EQ(ErrorOf<EListError>([&] { pc->Pages(3); }), "List index out of bounds (3)");
}

TEST_F(PageControlTest, CodeSwitchesWithoutChangeEvents)
{
    pc->SetActivePageIndex(2);
    EXPECT_EQ(pc->ActivePage(), Page(2));
    EXPECT_TRUE(Page(2)->Showing());
    EXPECT_EQ(log, (std::vector<std::string>{"show C", "hide A"}));
    pc->SetActivePageIndex(7);
    EXPECT_EQ(pc->ActivePage(), nullptr);
    EXPECT_EQ(pc->TabIndex(), -1);
}

TEST_F(PageControlTest, UserChangesAskOnChangingWhichMayRefuse)
{
    ClickTab(1);
    EXPECT_EQ(pc->ActivePage(), Page(1));
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "show B", "hide A", "change"}));

    log.clear();
    allowChange = false;
    ClickTab(2);
    pc->SelectNextPage(true);
    EXPECT_EQ(pc->ActivePage(), Page(1));
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "changing"}));

    log.clear();
    allowChange = true;
    ClickTab(1);  // the active tab: nothing to change
    EXPECT_TRUE(log.empty());
}

TEST_F(PageControlTest, CtrlTabCyclesThePagesFromInside)
{
    robot.Focus(edits[0]);
    robot.PressKey(VK_TAB, {ssCtrl});
    EXPECT_EQ(pc->ActivePage(), Page(1));
    EXPECT_EQ(form->ActiveControl(), pc) << "the focus left the hidden page for the page control";
    robot.PressKey(VK_TAB, {ssCtrl, ssShift});
    robot.PressKey(VK_TAB, {ssCtrl, ssShift});
    EXPECT_EQ(pc->ActivePage(), Page(2)) << "wraps around";
}

TEST_F(PageControlTest, HiddenTabsAreSkippedInTabIndexes)
{
    Page(1)->SetTabVisible(false);
    EXPECT_EQ(pc->TabCount(), 2);
    EXPECT_EQ(Page(2)->TabIndex(), 1);
    EXPECT_EQ(Page(1)->TabIndex(), -1);
    EXPECT_EQ(pc->PageForTab(1), Page(2));
    pc->SetTabIndex(1);
    EXPECT_EQ(pc->ActivePage(), Page(2));
    pc->SelectNextPage(true);
    EXPECT_EQ(pc->ActivePage(), Page(0)) << "B has no tab";
    EXPECT_EQ(pc->FindNextPage(Page(0), true, false), Page(1));

    Page(0)->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), Page(2)) << "the active page lost its tab: the next tab's page shows";
    Page(2)->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), nullptr);
    EXPECT_EQ(pc->TabRect(0), TRect{});
}

TEST_F(PageControlTest, PageIndexReordersAndRemovingTheActivePageShowsTheNext)
{
    TTabSheet* c = Page(2);
    c->SetPageIndex(0);
    EXPECT_EQ(pc->Pages(0), c);
    EXPECT_EQ(c->PageIndex(), 0);
    c->SetPageIndex(99);
    EXPECT_EQ(c->PageIndex(), 2);

    TTabSheet* a = Page(0);
    TTabSheet* b = Page(1);
    FreeComponent(a);
    EXPECT_EQ(pc->PageCount(), 2);
    EXPECT_EQ(pc->ActivePage(), b);
    b->SetPageControl(nullptr);
    EXPECT_EQ(b->PageIndex(), -1);
    EXPECT_EQ(pc->ActivePage(), c);
}

TEST_F(PageControlTest, PagesSurviveTheirPageControl)
{
    TTabSheet* a = Page(0);
    FreeComponent(pc);
    EXPECT_EQ(a->PageControl(), nullptr);
    EXPECT_EQ(a->PageIndex(), -1);
}

TEST_F(PageControlTest, ActivePageIsPublished)
{
    auto* other = new TPageControl(form);
    auto* foreign = new TTabSheet(form);
    foreign->SetPageControl(other);
    (void)TrySetPropPath(pc, "ActivePage", Variant());
    EXPECT_EQ(GetObjectPropByName(pc, "ActivePage"), Page(0));
    FindPropInfo(pc, "ActivePage")->SetObject(pc, Page(2));
    EXPECT_EQ(pc->ActivePage(), Page(2));
    pc->SetActivePage(foreign);
    EXPECT_EQ(pc->ActivePage(), Page(2)) << "a sheet of another control is ignored";
    SetPropPath(Page(1), "TabVisible", Variant("False"));
    EXPECT_FALSE(Page(1)->TabVisible());
}

TEST_F(PageControlTest, DrawTabHookGetsEveryVisibleTab)
{
    Page(1)->SetTabVisible(false);
    std::vector<std::string> drawn;
    pc->OnDrawTab = TDrawTabEvent::From([&](TObject*, int tab, const TRect&, bool active) {
        drawn.push_back(pc->PageForTab(tab)->Caption() + (active ? "*" : ""));
    });
    TCanvas canvas;
    pc->PaintTabs(canvas);
    EXPECT_EQ(drawn, (std::vector<std::string>{"A*", "C"}));
}

class TabSetTest : public VclTest {};

TEST_F(TabSetTest, TabIndexAsksOnChangeAndStaysInsideTheTabs)
{
    TForm* form = NewShownForm("frm");
    auto* ts = new TTabSet(form);
    ts->SetParent(form);
    ts->Tabs()->SetCommaText("One,Two,Three");
    int clicks = 0;
    bool allow = true;
    ts->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    ts->OnChange = TTabChangeEvent::From([&](TObject*, int, bool& ok) { ok = allow; });
    ts->SetTabIndex(2);
    EXPECT_EQ(ts->TabIndex(), 2);
    EXPECT_EQ(clicks, 1);
    allow = false;
    ts->SetTabIndex(0);
    EXPECT_EQ(ts->TabIndex(), 2);
    allow = true;
    ts->SetTabIndex(5);
    ts->SetTabIndex(-2);
    EXPECT_EQ(ts->TabIndex(), 2);

    const TRect r = ts->TabRect(1);
    Application->SendMessage(ts->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(r.Left + 1, 3));
    Application->SendMessage(ts->Handle(), WM_LBUTTONUP, 0, MakePointParam(r.Left + 1, 3));
    EXPECT_EQ(ts->TabIndex(), 1);
    EXPECT_EQ(clicks, 2) << "one click per choice";

    // Replacing the text (as a conversion does) keeps the index while the tabs last.
    ts->Tabs()->SetText("Uno\r\nDos\r\nTres\r\n");
    EXPECT_EQ(ts->TabIndex(), 1);
    ts->Tabs()->Delete(2);
    ts->Tabs()->Delete(1);
    EXPECT_EQ(ts->TabIndex(), 0);
    ts->Tabs()->Clear();
    EXPECT_EQ(ts->TabIndex(), -1);
    (void)TrySetPropPath(ts, "Tabs", Variant());  // not a string list: refused, nothing breaks
}

}  // namespace
}  // namespace qvn::test
