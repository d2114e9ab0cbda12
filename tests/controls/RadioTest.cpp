#include <gtest/gtest.h>

#include "controls/QvMessages.h"
#include "controls/QvRadioButton.h"
#include "controls/QvRadioGroup.h"
#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/PropAccess.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

class RadioTest : public test::VclTest {
protected:
    void SetUp() override { form = NewShownForm("RadioForm"); }
    TQvRadioButton* NewRadio(TWinControl* parent, const std::string& name)
    {
        auto* r = new TQvRadioButton(form);
        r->SetName(name);
        r->SetParent(parent);
        return r;
    }
    TQvRadioGroup* NewGroup(int items, int columns, int width, int height)
    {
        auto* g = new TQvRadioGroup(form);
        g->SetParent(form);
        g->SetBounds(0, 0, width, height);
        g->SetColumns(columns);
        TStringList lines;
        for (int i = 0; i < items; ++i) lines.Add("Item" + std::to_string(i));
        g->SetItems(lines);
        return g;
    }
    TForm* form = nullptr;
};

TEST_F(RadioTest, CaptionOffsetFollowsTheFontSize)
{
    struct Case {
        int points, offset;
    };
    const Case cases[] = {{1, 17},  {8, 17},  {9, 19},  {12, 19}, {15, 19}, {16, 20}, {17, 20}, {18, 21}, {20, 21},
                          {23, 21}, {24, 23}, {29, 23}, {30, 25}, {36, 27}, {41, 27}, {42, 29}, {43, 29}, {44, 31},
                          {60, 31}, {61, 39}, {80, 39}, {81, 44}, {0, 44},  {-5, 44}, {100000, 44}};
    for (const Case c : cases) EXPECT_EQ(TQvRadioButton::CaptionOffset(c.points), c.offset) << c.points;

    TQvRadioButton* r = NewRadio(form, "Queue");
    r->SetColor(clWhite);
    r->Font()->SetColor(clBlack);
    r->SetCaption("&Queue");
    for (auto [size, left] : {std::pair{9, 19}, {12, 19}, {20, 21}}) {
        r->Font()->SetSize(size);
        EXPECT_EQ(r->CaptionRect().Left, left) << size;
    }
    // The caption's background is filled 4 pixels around the caption area, the underline drawn in the font colour.
    TBitmap b(150, 40);
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(Rect(0, 0, 150, 40));
    r->Paint(*b.Canvas());
    EXPECT_EQ(b.Pixel(21 - 4, 0), clWhite);
    EXPECT_EQ(b.Pixel(21 - 5, 0), clRed);
    bool underline = false;
    for (int y = 0; y < 17; ++y) underline = underline || b.Pixel(22, y) == clBlack;
    EXPECT_TRUE(underline);
}

TEST_F(RadioTest, CheckingUnchecksSiblingsOnly)
{
    auto* panel = new test::TTestPanel(form, form, "Panel");
    auto* other = new test::TTestPanel(form, form, "Other");
    TQvRadioButton* a = NewRadio(panel, "A");
    TQvRadioButton* b = NewRadio(panel, "B");
    TQvRadioButton* c = NewRadio(panel, "C");
    TQvRadioButton* d = NewRadio(other, "D");
    int clicks = 0;
    b->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    a->SetChecked(true);
    c->SetChecked(true);
    d->SetChecked(true);
    ASSERT_TRUE(robot.Click(b));
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_TRUE(d->Checked());
    EXPECT_TRUE(b->TabStop());
    EXPECT_FALSE(c->TabStop());
    EXPECT_EQ(clicks, 1);
    // Clicking the checked one again changes nothing.
    ASSERT_TRUE(robot.Click(b));
    EXPECT_EQ(clicks, 1);
    SetPropValue(a, "Checked", true);
    EXPECT_FALSE(b->Checked());
}

TEST_F(RadioTest, AcceleratorFocusesWithoutChecking)
{
    TQvRadioButton* r = NewRadio(form, "Mode");
    r->SetCaption("实时&R");
    EXPECT_EQ(r->Perform(CM_DIALOGCHAR, 'r'), 1);
    EXPECT_TRUE(r->Focused());
    EXPECT_FALSE(r->Checked());
    EXPECT_EQ(r->ClassName(), "TQvRadioButton");
    EXPECT_EQ(r->Width(), 113);
    EXPECT_EQ(r->Height(), 17);
    EXPECT_FALSE(r->TabStop());
}

TEST_F(RadioTest, GroupArrangesButtonsInColumns)
{
    TQvRadioGroup* g = NewGroup(5, 2, 200, 105);
    ASSERT_EQ(g->ButtonCount(), 5);
    EXPECT_EQ(g->Buttons(3)->BoundsRect(), Bounds(103, 14, 95, 29));
    EXPECT_EQ(g->Buttons(0)->BoundsRect(), Bounds(8, 14, 95, 29));
    EXPECT_EQ(g->Buttons(2)->BoundsRect(), Bounds(8, 72, 95, 29));
    EXPECT_TRUE(g->Buttons(4)->Visible());
    EXPECT_EQ(g->Buttons(4)->Caption(), "Item4");

    // A size change re-arranges: one column of 5 in 100 x 60 -> I = 42, 8 high, margin 14 + 1.
    g->SetColumns(1);
    g->SetBounds(0, 0, 100, 60);
    EXPECT_EQ(g->Buttons(1)->BoundsRect(), Bounds(8, 15 + 8, 90, 8));

    // Absurdly small or large groups still arrange without failing.
    g->SetBounds(0, 0, 0, 0);
    g->SetColumns(16);
    g->Font()->SetHeight(-500);
    EXPECT_EQ(g->ButtonCount(), 5);
}

TEST_F(RadioTest, ItemIndexAndColumnsAreHeldInRange)
{
    TQvRadioGroup* g = NewGroup(5, 1, 200, 105);
    int clicks = 0;
    g->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    for (auto [set, stored] : {std::pair{7, 4}, {-3, -1}, {2, 2}}) {
        g->SetItemIndex(set);
        EXPECT_EQ(g->ItemIndex(), stored) << set;
    }
    EXPECT_TRUE(g->Buttons(2)->Checked());
    EXPECT_FALSE(g->Buttons(4)->Checked());
    for (auto [set, stored] : {std::pair{0, 1}, {20, 16}, {-1, 1}, {3, 3}}) {
        g->SetColumns(set);
        EXPECT_EQ(g->Columns(), stored) << set;
    }
    EXPECT_FALSE(TrySetPropPath(g, "Nothing", 1));
    SetPropValue(g, "ItemIndex", 1);
    EXPECT_TRUE(g->Buttons(1)->Checked());
    EXPECT_FALSE(g->Buttons(2)->Checked());

    // A click on a button selects it and fires the group's click.
    clicks = 0;
    ASSERT_TRUE(robot.Click(g->Buttons(4)));
    EXPECT_EQ(g->ItemIndex(), 4);
    EXPECT_EQ(clicks, 1);

    // Fewer lines: ItemIndex follows the last, surplus buttons go.
    TStringList two;
    two.Add("x");
    two.Add("y");
    g->SetItems(two);
    EXPECT_EQ(g->ButtonCount(), 2);
    EXPECT_EQ(g->ItemIndex(), 1);
    EXPECT_TRUE(g->Buttons(1)->Checked());
    EXPECT_EQ(g->Buttons(0)->Caption(), "x");

    g->SetEnabled(false);
    EXPECT_FALSE(g->Buttons(0)->Enabled());
    g->Items()->Clear();
    EXPECT_EQ(g->ButtonCount(), 0);
    EXPECT_EQ(g->ItemIndex(), -1);
}

TEST_F(RadioTest, GroupButtonKeysReachTheGroup)
{
    TQvRadioGroup* g = NewGroup(2, 1, 200, 105);
    std::string pressed;
    g->OnKeyPress = TKeyPressEvent::From([&](TObject*, char& key) { pressed += key; });
    g->SetItemIndex(0);
    robot.PressKey(g->Buttons(0), 'A');
    EXPECT_EQ(pressed, "a");
}

TEST_F(RadioTest, LoadingStoresItemIndexUntilLoaded)
{
    auto* g = new TQvRadioGroup(form);
    g->SetParent(form);
    g->SetState(csLoading, true);
    g->SetItemIndex(9);
    g->Items()->Add("a");
    g->Items()->Add("b");
    EXPECT_EQ(g->ItemIndex(), 9);
    EXPECT_EQ(g->ButtonCount(), 0);
    g->Loaded();
    EXPECT_EQ(g->ButtonCount(), 2);
    EXPECT_EQ(g->ItemIndex(), 1);
    EXPECT_TRUE(g->Buttons(1)->Checked());
}

}  // namespace
}  // namespace qvn
