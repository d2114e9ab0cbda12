#include <gtest/gtest.h>

#include <string>

#include "controls/GSpeedButton.h"
#include "controls/GlyphLibrary.h"
#include "controls/LookupTestForm.h"
#include "vcl/Edit.h"
#include "vcl/PropAccess.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

using test::FakeGlyphs;
using test::TLookupForm;

class GlyphButtonTest : public test::VclTest {
protected:
    void SetUp() override { form = NewShownForm<TLookupForm>("LookupForm"); }

    TGSpeedButton* NewButton()
    {
        auto* b = new TGSpeedButton(form);
        b->SetParent(form);
        return b;
    }
    TEdit* NewEdit(const std::string& name, int left, int width, int height, TWinControl* parent = nullptr)
    {
        auto* e = new TEdit(form);
        e->SetName(name);
        e->SetParent(parent != nullptr ? parent : form);
        e->SetAutoSize(false);
        e->SetBounds(left, 40, width, height);
        return e;
    }
    TF2Button* NewF2Button(TWinControl* parent = nullptr)
    {
        auto* b = new TF2Button(form);
        b->SetParent(parent != nullptr ? parent : form);
        return b;
    }

    TLookupForm* form = nullptr;
};

TEST_F(GlyphButtonTest, GlyphNumbersShowPictureOrNumber)
{
    struct Case {
        int number;
        bool picture;
        int numGlyphs;
    };
    // Library numbers with pictures, then 0, a number without picture, one
    // past the highest and negative ones: the last four show the number.
    const Case cases[] = {{8, true, 1}, {4, true, 2}, {47, true, 1},     {0, false, 0},
                          {3, false, 0}, {GetMaxBmpID() + 1, false, 0}, {-7, false, 0}, {1 << 30, false, 0}};
    TGSpeedButton* b = NewButton();
    for (const Case& c : cases) {
        b->SetGlyphIndex(8);  // a picture shown before, so a stale one would show
        b->SetGlyphIndex(c.number);
        SCOPED_TRACE(c.number);
        EXPECT_EQ(b->GlyphIndex(), c.number);
        if (c.picture) {
            EXPECT_EQ(b->Caption(), "");
            EXPECT_FALSE(b->Glyph()->Empty());
            EXPECT_EQ(b->NumGlyphs(), c.numGlyphs);
        } else {
            EXPECT_EQ(b->Caption(), std::to_string(c.number));
            EXPECT_TRUE(b->Glyph()->Empty());
        }
    }
    EXPECT_TRUE(robot.Dialogs().empty());
}

TEST_F(GlyphButtonTest, ImageCountComesFromThePicturesProportions)
{
    FakeGlyphs fake;
    TGSpeedButton* b = NewButton();
    b->SetGlyphIndex(FakeGlyphs::kWide);
    EXPECT_EQ(b->NumGlyphs(), 2);
    EXPECT_EQ(b->Glyph()->Width(), 46);
    EXPECT_EQ(b->Caption(), "");
    b->SetGlyphIndex(FakeGlyphs::kTall);
    EXPECT_EQ(b->NumGlyphs(), 1);
}

TEST_F(GlyphButtonTest, PictureThatFailsToLoadIsReportedAndShowsTheNumber)
{
    FakeGlyphs fake;
    TGSpeedButton* b = NewButton();
    b->SetGlyphIndex(FakeGlyphs::kWide);
    b->SetGlyphIndex(FakeGlyphs::kThrows);
    ASSERT_EQ(robot.Dialogs().size(), 1u);
    EXPECT_EQ(robot.LastDialog()->Text, TGSpeedButton::kGlyphLoadError);
    EXPECT_EQ(robot.LastDialog()->DlgType, mtError);
    EXPECT_EQ(robot.LastDialog()->Buttons, TMsgDlgButtons{mbOK});
    EXPECT_EQ(b->GlyphIndex(), FakeGlyphs::kThrows);
    EXPECT_EQ(b->Caption(), std::to_string(FakeGlyphs::kThrows));
    // The same number again changes nothing and asks nothing.
    b->SetGlyphIndex(FakeGlyphs::kThrows);
    EXPECT_EQ(robot.Dialogs().size(), 1u);
}

TEST_F(GlyphButtonTest, ButtonsArePublishedComponents)
{
    TGSpeedButton* g = NewButton();
    EXPECT_EQ(g->ClassName(), "TGSpeedButton");
    EXPECT_TRUE(g->InheritsFrom(TSpeedButton::StaticClassInfo()));
    SetPropValue(g, "GlyphIndex", 47);
    SetPropValue(g, "HintIndex", 12);
    EXPECT_EQ(g->GlyphIndex(), 47);
    EXPECT_EQ(g->HintIndex(), 12);
    EXPECT_EQ(GetObjectPropByName(g, "Glyph"), g->Glyph());
    EXPECT_EQ(GetOrdPropByName(g, "NumGlyphs"), 1);

    TF2Button* f2 = NewF2Button();
    EXPECT_EQ(f2->ClassName(), "TF2Button");
    EXPECT_TRUE(f2->Flat());
    EXPECT_EQ(f2->GlyphIndex(), 8);
    EXPECT_EQ(f2->Caption(), "");
    EXPECT_TRUE(f2->AutoAlign());
    EXPECT_EQ(f2->Gap(), 2);
    EXPECT_EQ(f2->F2Control(), nullptr);
    EXPECT_FALSE(TrySetPropPath(f2, "Gap", 256));  // a byte
    SetPropValue(f2, "Gap", 9);
    EXPECT_EQ(f2->Gap(), 9);
    EXPECT_EQ(FindPropInfo(f2, "F2Control")->Kind, TTypeKind::tkClass);
    EXPECT_TRUE(HasPropByName(f2, "OnClick"));
}

TEST_F(GlyphButtonTest, LookupButtonSitsSquareAtTheEditsRight)
{
    TEdit* edit = NewEdit("Edit1", 10, 100, 21);
    TF2Button* b = NewF2Button();
    b->SetF2Control(edit);
    EXPECT_EQ(b->BoundsRect(), Bounds(112, 40, 21, 21));

    b->SetGap(5);
    EXPECT_EQ(b->Left(), 115);
    // Without AutoAlign the button stays where it is, even when asked again.
    b->SetAutoAlign(false);
    b->SetBounds(0, 0, 30, 30);
    b->SetGap(0);
    EXPECT_EQ(b->BoundsRect(), Bounds(0, 0, 30, 30));
    // Setting AutoAlign on aligns at once; at run time it does not follow the edit later.
    b->SetAutoAlign(true);
    EXPECT_EQ(b->BoundsRect(), Bounds(110, 40, 21, 21));
    edit->SetLeft(200);
    EXPECT_EQ(b->Left(), 110);
}

TEST_F(GlyphButtonTest, ClickRunsOnClickThenAsksTheFormForTheLookup)
{
    TEdit* edit = NewEdit("Edit1", 10, 100, 21);
    TEdit* other = NewEdit("Other", 200, 100, 21);
    TF2Button* b = NewF2Button();
    b->SetF2Control(edit);
    robot.Focus(other);
    std::vector<std::string> steps;
    b->OnClick = TNotifyEvent::From([&](TObject*) { steps.push_back(edit->Focused() ? "click in edit" : "click"); });
    edit->OnEnter = TNotifyEvent::From([&](TObject*) { steps.push_back("enter"); });

    ASSERT_TRUE(robot.Click(b));
    EXPECT_EQ(steps, (std::vector<std::string>{"click", "enter"}));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(form->Lookups, std::vector<TWinControl*>{edit});
}

TEST_F(GlyphButtonTest, NoLookupForAnEditThatCannotTakeTheFocus)
{
    auto* page = new test::TTestPanel(form, form, "Page");
    TEdit* edit = NewEdit("Edit1", 10, 100, 21, page);
    TF2Button* b = NewF2Button();
    b->SetF2Control(edit);
    int clicks = 0;
    b->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });

    struct Case {
        const char* what;
        bool editEnabled, editVisible, pageVisible;
    };
    for (const Case c : {Case{"disabled", false, true, true}, {"hidden", true, false, true}, {"on hidden page", true, true, false}}) {
        SCOPED_TRACE(c.what);
        edit->SetEnabled(c.editEnabled);
        edit->SetVisible(c.editVisible);
        page->SetVisible(c.pageVisible);
        clicks = 0;
        ASSERT_TRUE(robot.Click(b));
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(form->Lookups.empty());
        EXPECT_FALSE(edit->Focused());
    }
    // Without an edit the click is only a click.
    b->SetF2Control(nullptr);
    ASSERT_TRUE(robot.Click(b));
    EXPECT_TRUE(form->Lookups.empty());
}

TEST_F(GlyphButtonTest, OneLookupButtonPerEdit)
{
    TEdit* edit = NewEdit("Edit1", 10, 100, 21);
    TEdit* edit2 = NewEdit("Edit2", 10, 100, 21);
    TF2Button* first = NewF2Button();
    TF2Button* second = NewF2Button();
    first->SetF2Control(edit);
    second->SetF2Control(edit2);

    second->SetF2Control(edit);
    ASSERT_EQ(robot.Dialogs().size(), 1u);
    EXPECT_EQ(robot.LastDialog()->Text, TF2Button::kDuplicateBinding);
    EXPECT_EQ(robot.LastDialog()->DlgType, mtError);
    EXPECT_EQ(second->F2Control(), edit2);
    EXPECT_EQ(first->F2Control(), edit);

    // The same binding again is no conflict, and nothing is said.
    first->SetF2Control(edit);
    EXPECT_EQ(robot.Dialogs().size(), 1u);
    EXPECT_EQ(first->F2Control(), edit);

    // Buttons on a panel are owned by the form, not the panel; they are still checked.
    auto* panel = new test::TTestPanel(form, form, "Panel");
    TEdit* inner = NewEdit("Inner", 10, 100, 21, panel);
    NewF2Button(panel)->SetF2Control(inner);
    TF2Button* third = NewF2Button(panel);
    third->SetF2Control(inner);
    EXPECT_EQ(third->F2Control(), nullptr);
    EXPECT_EQ(robot.Dialogs().size(), 2u);
}

TEST_F(GlyphButtonTest, FreedEditIsForgottenAndFreedButtonLeavesNoTrace)
{
    TEdit* edit = NewEdit("Edit1", 10, 100, 21);
    TF2Button* b = NewF2Button();
    b->SetF2Control(edit);
    FreeComponent(edit);
    EXPECT_EQ(b->F2Control(), nullptr);
    ASSERT_TRUE(robot.Click(b));
    EXPECT_TRUE(form->Lookups.empty());

    TEdit* edit2 = NewEdit("Edit2", 10, 100, 21);
    b->SetF2Control(edit2);
    FreeComponent(b);
    FreeComponent(edit2);  // must not notify the freed button
}

}  // namespace
}  // namespace qvn
