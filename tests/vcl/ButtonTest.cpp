#include <gtest/gtest.h>

#include "vcl/BitBtn.h"
#include "vcl/Button.h"
#include "vcl/Panel.h"
#include "vcl/PropAccess.h"
#include "vcl/SpeedButton.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

class ButtonTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        edit = new TTestEdit(form, form, "edit");
        ok = AddButton("btnOk");
        cancel = AddButton("btnCancel");
        ok->SetDefault(true);
        cancel->SetCancel(true);
    }
    TButton* AddButton(const std::string& name, TWinControl* parent = nullptr)
    {
        auto* b = new TButton(form);
        b->SetName(name);
        b->SetParent(parent != nullptr ? parent : form);
        b->OnClick = TNotifyEvent::From([this, b](TObject*) { clicks.push_back(b->Name()); });
        return b;
    }
    TForm* form = nullptr;
    TTestEdit* edit = nullptr;
    TButton* ok = nullptr;
    TButton* cancel = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(ButtonTest, EnterAndEscapeReachTheDefaultAndCancelButtons)
{
    robot.Focus(edit);
    robot.PressKey(VK_RETURN);
    robot.PressKey(VK_ESCAPE);
    robot.PressKey(VK_RETURN, {ssShift});  // modified keys are no dialog keys for buttons
    EXPECT_EQ(clicks, (std::vector<std::string>{"btnOk", "btnCancel"}));

    // The focused button answers Enter itself, not the default one.
    clicks.clear();
    robot.Focus(cancel);
    robot.PressKey(VK_RETURN);
    EXPECT_EQ(clicks, std::vector<std::string>{"btnCancel"});

    // A default button inside a panel still hears Enter; a disabled one does not.
    clicks.clear();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    ok->SetParent(panel);
    robot.Focus(edit);
    robot.PressKey(VK_RETURN);
    ok->SetEnabled(false);
    robot.PressKey(VK_RETURN);
    EXPECT_EQ(clicks, std::vector<std::string>{"btnOk"});
}

TEST_F(ButtonTest, SpaceAndMouseClickAndModalResult)
{
    ok->SetModalResult(mrOk);
    TModalResult seen = mrNone;
    ok->OnClick = TNotifyEvent::From([&](TObject*) { seen = form->ModalResult(); });
    robot.Click(ok);
    EXPECT_EQ(seen, mrOk) << "the form has the modal result before OnClick runs";
    form->SetModalResult(mrNone);
    robot.Focus(cancel);
    robot.PressKey(VK_SPACE);
    EXPECT_EQ(clicks, std::vector<std::string>{"btnCancel"});
}

TEST_F(ButtonTest, ModalFormEndsThroughItsButtons)
{
    auto* dialog = NewForm<TForm>(Application);
    dialog->SetName("dlg");
    auto* yes = new TBitBtn(dialog);
    yes->SetParent(dialog);
    yes->SetKind(bkYes);
    auto* no = new TBitBtn(dialog);
    no->SetParent(dialog);
    no->SetKind(bkNo);
    robot.OnNextModalForm([&](TCustomForm&) { robot.PressKey(VK_ESCAPE); });
    EXPECT_EQ(dialog->ShowModal(), mrNo);
    robot.OnNextModalForm([&](TCustomForm&) { robot.Click(yes); });
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    FreeComponent(dialog);
}

TEST_F(ButtonTest, BitBtnKindsGiveCaptionResultAndRole)
{
    struct Case {
        TBitBtnKind kind;
        const char* caption;
        TModalResult result;
        bool isDefault;
        bool isCancel;
    };
    const Case cases[] = {
        {bkOK, "OK", mrOk, true, false},          {bkCancel, "Cancel", mrCancel, false, true},
        {bkHelp, "&Help", mrNone, false, false},  {bkYes, "&Yes", mrYes, true, false},
        {bkNo, "&No", mrNo, false, true},         {bkClose, "&Close", mrNone, false, false},
        {bkAbort, "Abort", mrAbort, false, false}, {bkRetry, "&Retry", mrRetry, false, false},
        {bkIgnore, "&Ignore", mrIgnore, false, false}, {bkAll, "&All", mrAll, false, false},
    };
    auto* b = new TBitBtn(form);
    b->SetParent(form);
    for (const Case& c : cases) {
        b->SetKind(c.kind);
        EXPECT_EQ(b->Caption(), c.caption) << c.kind;
        EXPECT_EQ(b->ModalResult(), c.result) << c.kind;
        EXPECT_EQ(b->Default(), c.isDefault) << c.kind;
        EXPECT_EQ(b->Cancel(), c.isCancel) << c.kind;
    }
    b->SetCaption("Mine");
    SetPropPath(b, "Kind", "bkCustom");
    EXPECT_EQ(b->Caption(), "Mine") << "bkCustom keeps what was there";
    EXPECT_FALSE(TrySetPropPath(b, "Kind", "bkMaybe"));
    b->SetKind(static_cast<TBitBtnKind>(42));
    EXPECT_EQ(b->Kind(), bkCustom);
}

TEST_F(ButtonTest, CloseKindClosesTheFormWithoutClicking)
{
    auto* b = new TBitBtn(form);
    b->SetParent(form);
    b->SetKind(bkClose);
    int clicked = 0;
    b->OnClick = TNotifyEvent::From([&](TObject*) { ++clicked; });
    robot.Click(b);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(clicked, 0);
}

TEST(ButtonGlyphTest, GlyphStripSetsNumGlyphs)
{
    struct Case {
        int width;
        int height;
        int before;
        int expected;
    };
    const Case cases[] = {{16, 16, 3, 1}, {32, 16, 1, 2}, {64, 16, 1, 4}, {80, 16, 2, 1}, {20, 16, 3, 3}, {0, 0, 2, 2}};
    for (const Case& c : cases) {
        TBitBtn b(nullptr);
        b.SetNumGlyphs(c.before);
        b.SetGlyph(TBitmap(c.width, c.height));
        EXPECT_EQ(b.NumGlyphs(), c.expected) << c.width << "x" << c.height;
    }
    TSpeedButton s(nullptr);
    SetPropPath(&s, "NumGlyphs", 9);
    EXPECT_EQ(s.NumGlyphs(), 4);
    SetPropPath(&s, "NumGlyphs", 0);
    EXPECT_EQ(s.NumGlyphs(), 1);
}

TEST(ButtonGlyphTest, ImagesByStateAndPlacement)
{
    TBitmap strip(30, 10);
    for (int i = 0; i < 3; ++i) strip.Canvas()->Brush()->SetColor(i == 0 ? clRed : i == 1 ? clGray : clBlue),
                                strip.Canvas()->FillRect(Rect(i * 10, 0, i * 10 + 10, 9));
    TButtonGlyph glyph;
    glyph.SetGlyph(strip);
    ASSERT_EQ(glyph.NumGlyphs(), 3);
    TBitmap image;
    const std::pair<TButtonState, TColor> states[] = {{bsUp, clRed}, {bsDisabled, clGray}, {bsDown, clBlue}, {bsExclusive, clRed}};
    for (auto [state, color] : states) {
        glyph.ImageFor(state, image);
        EXPECT_EQ(image.Width(), 10);
        EXPECT_EQ(image.Pixel(5, 5), color) << state;
    }
    // Glyph at the left margin, caption after the spacing, both centred across.
    const auto p = glyph.Place(Rect(0, 0, 100, 30), Point(40, 13), blGlyphLeft, 4, 6);
    EXPECT_EQ(p.GlyphPos, Point(4, 10));
    EXPECT_EQ(p.TextRect, Bounds(20, 9, 40, 13));
    const auto centred = glyph.Place(Rect(0, 0, 100, 30), Point(40, 13), blGlyphLeft, -1, 4);
    EXPECT_EQ(centred.GlyphPos.X, 23);
    const auto top = glyph.Place(Rect(0, 0, 100, 60), Point(40, 13), blGlyphTop, 2, 3);
    EXPECT_EQ(top.GlyphPos, Point(45, 2));
    EXPECT_EQ(top.TextRect.Top, 15);
}

class SpeedButtonTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        for (int i = 0; i < 3; ++i) {
            auto* b = new TSpeedButton(form);
            b->SetName("sb" + std::to_string(i));
            b->SetParent(form);
            b->SetGroupIndex(1);
            group.push_back(b);
        }
        loner = new TSpeedButton(form);
        loner->SetParent(form);
    }
    std::string Downs() const
    {
        std::string s;
        for (auto* b : group) s += b->Down() ? '1' : '0';
        return s;
    }
    TForm* form = nullptr;
    std::vector<TSpeedButton*> group;
    TSpeedButton* loner = nullptr;
};

TEST_F(SpeedButtonTest, PressingOneReleasesTheOthers)
{
    bool downInClick = false;
    group[1]->OnClick = TNotifyEvent::From([&](TObject*) { downInClick = group[1]->Down(); });
    robot.Click(group[1]);
    EXPECT_EQ(Downs(), "010");
    EXPECT_TRUE(downInClick);
    robot.Click(group[2]);
    EXPECT_EQ(Downs(), "001");
    robot.Click(group[2]);
    EXPECT_EQ(Downs(), "001") << "without AllowAllUp a down button stays down";
    group[0]->SetAllowAllUp(true);  // shared by the group
    EXPECT_TRUE(group[2]->AllowAllUp());
    robot.Click(group[2]);
    EXPECT_EQ(Downs(), "000");
    SetPropPath(group[0], "Down", true);
    EXPECT_EQ(Downs(), "100");

    // Another parent is another group.
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* elsewhere = new TSpeedButton(form);
    elsewhere->SetParent(panel);
    elsewhere->SetGroupIndex(1);
    elsewhere->SetDown(true);
    EXPECT_EQ(Downs(), "100");
}

TEST_F(SpeedButtonTest, UngroupedButtonsSpringBack)
{
    int clicks = 0;
    loner->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    loner->SetDown(true);
    EXPECT_FALSE(loner->Down());
    robot.Click(loner);
    EXPECT_FALSE(loner->Down());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(loner->State(), bsUp);
    loner->SetEnabled(false);
    EXPECT_FALSE(robot.Click(loner));
    EXPECT_EQ(loner->State(), bsDisabled);
    // Leaving a group lets a down button up.
    robot.Click(group[0]);
    group[0]->SetGroupIndex(0);
    EXPECT_FALSE(group[0]->Down());
}

TEST_F(SpeedButtonTest, PaintsTheImageOfItsState)
{
    TBitmap strip(32, 16);
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(Rect(0, 0, 16, 15));
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect(Rect(16, 0, 32, 15));
    loner->SetGlyph(strip);
    loner->SetBounds(0, 0, 30, 30);
    ASSERT_EQ(loner->NumGlyphs(), 2);
    TBitmap up(30, 30);
    loner->Paint(*up.Canvas());
    EXPECT_EQ(up.Pixel(15, 15), clRed);
    loner->SetEnabled(false);
    TBitmap disabled(30, 30);
    loner->Paint(*disabled.Canvas());
    EXPECT_EQ(disabled.Pixel(15, 15), clBlue);
    EXPECT_EQ(loner->ClassName(), "TSpeedButton");
    EXPECT_TRUE(loner->InheritsFrom(TGraphicControl::StaticClassInfo()));
}

}  // namespace
}  // namespace qvn::test
