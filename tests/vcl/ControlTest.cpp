#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

using ControlTest = VclTest;

TEST_F(ControlTest, ParentListsFollowSetParentAndFreeing)
{
    TForm* form = NewShownForm("frm");
    auto* p1 = new TTestPanel(form, form, "p1");
    auto* p2 = new TTestPanel(form, form, "p2");
    auto* child = new TControl(form);
    child->SetParent(p1);
    EXPECT_EQ(p1->ControlCount(), 1);
    EXPECT_EQ(p1->Controls(0), child);
    child->SetParent(p2);
    EXPECT_EQ(p1->ControlCount(), 0);
    EXPECT_EQ(p2->Controls(0), child);
    EXPECT_EQ(child->ParentForm(), form);
    EXPECT_THROW(p2->Controls(1), EListError);
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { p2->SetParent(p2); }), "A control cannot have itself as its parent");
    EXPECT_THROW(form->SetParent(p1), EInvalidOperation);  // a descendant
    FreeComponent(child);
    EXPECT_EQ(p2->ControlCount(), 0);
    // A parent freed before its children leaves them without a parent, not freed.
    auto* orphan = new TTestEdit(form, p1, "orphan");
    FreeComponent(p1);
    EXPECT_EQ(orphan->Parent(), nullptr);
}

TEST_F(ControlTest, AlignedChildrenShareTheClientAreaInTheLibrarysOrder)
{
    TForm* form = NewShownForm("frm", 400, 300);
    auto add = [&](const char* name, TAlign align, int w, int h) {
        auto* c = new TTestPanel(form, nullptr, name);
        c->SetBounds(5, 5, w, h);
        c->SetAlign(align);
        c->SetParent(form);
        return c;
    };
    auto* client = add("client", alClient, 10, 10);
    auto* top1 = add("top1", alTop, 10, 20);
    auto* left = add("left", alLeft, 50, 10);
    auto* top2 = add("top2", alTop, 10, 30);
    auto* bottom = add("bottom", alBottom, 10, 40);
    auto* right = add("right", alRight, 60, 10);
    auto* free = add("free", alNone, 33, 44);
    struct Expect {
        TControl* control;
        TRect bounds;
    };
    auto check = [](const std::vector<Expect>& expected) {
        for (const Expect& e : expected) EXPECT_EQ(e.control->BoundsRect(), e.bounds) << e.control->Name();
    };
    check({{top1, Rect(0, 0, 400, 20)},
           {top2, Rect(0, 20, 400, 50)},
           {bottom, Rect(0, 260, 400, 300)},
           {left, Rect(0, 50, 50, 260)},
           {right, Rect(340, 50, 400, 260)},
           {client, Rect(50, 50, 340, 260)},
           {free, Rect(5, 5, 38, 49)}});

    top1->SetVisible(false);  // hidden controls take no room
    form->SetBounds(0, 0, 500, 200);
    check({{top2, Rect(0, 0, 500, 30)},
           {bottom, Rect(0, 160, 500, 200)},
           {left, Rect(0, 30, 50, 160)},
           {right, Rect(440, 30, 500, 160)},
           {client, Rect(50, 30, 440, 160)}});

    // A child that grows pushes the others; sizes never go negative.
    top2->SetHeight(300);
    EXPECT_EQ(top2->BoundsRect(), Rect(0, 0, 500, 300));
    EXPECT_EQ(client->Height(), 0);
    EXPECT_EQ(bottom->Top(), 160);
}

TEST_F(ControlTest, DisableAlignDefersTheLayoutUntilEnabled)
{
    TForm* form = NewShownForm("frm", 200, 100);
    form->DisableAlign();
    auto* top = new TTestPanel(form, form, "top");
    top->SetAlign(alTop);
    EXPECT_EQ(top->Width(), 185);
    form->EnableAlign();
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 41));
}

TEST_F(ControlTest, FontAndColourFollowTheParentUntilSetDirectly)
{
    TForm* form = NewShownForm("frm");
    form->Font()->SetName("SimSun");
    form->Font()->SetHeight(-13);
    auto* panel = new TTestPanel(form, form, "pnl");
    auto* edit = new TTestEdit(form, panel, "ed");
    EXPECT_EQ(edit->Font()->Name(), "SimSun");
    form->Font()->SetColor(clRed);
    EXPECT_EQ(edit->Font()->Color(), clRed);  // through the panel
    edit->Font()->SetSize(12);
    EXPECT_FALSE(edit->ParentFont());
    form->Font()->SetName("Tahoma");
    EXPECT_EQ(edit->Font()->Name(), "SimSun");
    EXPECT_EQ(panel->Font()->Name(), "Tahoma");
    edit->SetParentFont(true);
    EXPECT_EQ(edit->Font()->Name(), "Tahoma");

    panel->SetParentColor(true);
    EXPECT_EQ(panel->Color(), clBtnFace);
    form->SetColor(clWhite);
    EXPECT_EQ(panel->Color(), clWhite);
    panel->SetColor(clYellow);
    EXPECT_FALSE(panel->ParentColor());
    form->SetColor(clBlack);
    EXPECT_EQ(panel->Color(), clYellow);

    form->SetShowHint(true);
    EXPECT_TRUE(edit->ShowHint());  // parent show hint is the default
    edit->SetShowHint(false);
    form->SetShowHint(false);
    form->SetShowHint(true);
    EXPECT_FALSE(edit->ShowHint());
}

TEST_F(ControlTest, TextChangesRunTheChangeHookOnlyWhenTheTextDiffers)
{
    TTestEdit edit(nullptr);
    int changes = 0;
    edit.OnChange = TNotifyEvent::From([&](TObject*) { ++changes; });
    edit.SetText("abc");
    edit.SetText("abc");
    edit.SetCaption("\xC6\xF0\xCA\xBC");  // GB bytes pass through unchanged
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(edit.Text(), "\xC6\xF0\xCA\xBC");
}

TEST_F(ControlTest, OnlyAPressAndReleaseInsideAControlClickIt)
{
    TForm* form = NewShownForm("frm");
    auto* btn = new TTestButton(form, form, "btn");
    int clicks = 0;
    btn->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    btn->OnMouseUp = TMouseEvent::From([&](TObject*, TMouseButton b, TShiftState, int x, int y) {
        log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    });
    const HWND h = btn->Handle();
    Application->SendMessage(h, WM_LBUTTONUP, 0, MakePointParam(3, 4));  // a stray release
    EXPECT_EQ(clicks, 0);
    Application->SendMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(3, 4));
    Application->SendMessage(h, WM_LBUTTONUP, 0, MakePointParam(300, 4));  // released outside
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(robot.Click(btn));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(btn->Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"up 0 3,4", "up 0 300,4", "up 0 37,12"}));
    btn->SetEnabled(false);
    EXPECT_FALSE(robot.Click(btn));
    EXPECT_EQ(clicks, 1);
    // A container does not take the focus on click.
    auto* panel = new TTestPanel(form, form, "pnl");
    auto* ed = new TTestEdit(form, form, "ed");
    robot.Focus(ed);
    EXPECT_TRUE(robot.Click(panel));
    EXPECT_TRUE(ed->Focused());
}

TEST_F(ControlTest, PropertiesArePublishedByName)
{
    TForm* form = NewShownForm("frm");
    auto* ed = new TTestEdit(form, form, "ed");
    SetPropPath(form, "Font.Color", Variant("clRed"));
    EXPECT_EQ(form->Font()->Color(), clRed);
    SetPropValue(form, "Align", Variant("alClient"));
    EXPECT_EQ(form->Align(), alClient);
    SetPropValue(form, "KeyPreview", Variant(true));
    EXPECT_TRUE(form->KeyPreview());
    SetPropValue(form, "BorderIcons", Variant("[biSystemMenu,biMaximize]"));
    EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biSystemMenu, biMaximize}));
    SetPropValue(ed, "TabOrder", Variant(0));
    SetOrdPropByName(ed, "Left", 17);
    EXPECT_EQ(ed->Left(), 17);
    robot.Focus(ed);
    EXPECT_EQ(GetObjectPropByName(form, "ActiveControl"), ed);
    SetPropValue(form, "Tag", Variant(5));
    EXPECT_EQ(form->Tag(), 5);
    EXPECT_TRUE(HasPropByName(ed, "OnExit"));
    EXPECT_TRUE(HasPropByName(form, "Caption"));
    // What the class library keeps protected is not published by the base classes.
    EXPECT_FALSE(HasPropByName(ed, "Text"));
    EXPECT_FALSE(HasPropByName(ed, "Font"));
    EXPECT_FALSE(TrySetPropPath(form, "Position", Variant("poNowhere")));
}

}  // namespace
}  // namespace qvn::test

namespace qvn::test {
namespace {

TEST_F(ControlTest, TheRobotTypesThroughTheKeyHandlersAndSetsTheTextOnce)
{
    TForm* form = NewShownForm("frm");
    auto* ed = new TTestEdit(form, form, "ed");
    int changes = 0;
    ed->OnChange = TNotifyEvent::From([&](TObject*) { ++changes; });
    ed->OnKeyPress = TKeyPressEvent::From([](TObject*, char& key) {
        if (key < '0' || key > '9') key = 0;  // digits only
    });
    robot.Type(ed, "1a2\xD6\xD0" "3");
    EXPECT_EQ(ed->Text(), "123");
    EXPECT_EQ(changes, 1);
    ed->SetEnabled(false);
    EXPECT_THROW(robot.Type(ed, "9"), EInvalidOperation);
    EXPECT_EQ(ed->Text(), "123");
}

}  // namespace
}  // namespace qvn::test
