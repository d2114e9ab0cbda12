#include <gtest/gtest.h>

#include <memory>

#include "controls/BitCheckBox.h"
#include "controls/QvMessages.h"
#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/PropAccess.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

// A strip of count square images of side pixels, image i filled with colours[i];
// the bottom-left pixel of each image is the transparent colour.
std::unique_ptr<TBitmap> Strip(int side, int count, const std::vector<TColor>& colours)
{
    auto b = std::make_unique<TBitmap>(side * count, side);
    for (int i = 0; i < count; ++i)
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) b->SetPixel(i * side + x, y, colours[static_cast<size_t>(i)]);
    for (int i = 0; i < count; ++i) b->SetPixel(i * side, side - 1, clFuchsia);
    return b;
}

class BitCheckBoxTest : public test::VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("CheckForm");
        box = new TBitCheckBox(form);
        box->SetName("Notify");
        box->SetParent(form);
        box->SetColor(clWhite);
    }
    // Paints the box onto a bitmap of its size.
    std::unique_ptr<TBitmap> Painted()
    {
        auto b = std::make_unique<TBitmap>(box->Width(), box->Height());
        box->Paint(*b->Canvas());
        return b;
    }
    TForm* form = nullptr;
    TBitCheckBox* box = nullptr;
};

TEST_F(BitCheckBoxTest, NewBoxDefaults)
{
    EXPECT_EQ(box->ClassName(), "TBitCheckBox");
    EXPECT_EQ(box->Width(), 97);
    EXPECT_EQ(box->Height(), 17);
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(box->Alignment(), taRightJustify);
    EXPECT_TRUE(box->TabStop());
    EXPECT_TRUE(box->ParentCtl3D());
    for (const char* name : {"CheckedGlyph", "UncheckedGlyph", "GrayedGlyph"}) {
        auto* glyph = dynamic_cast<TBitmap*>(GetObjectPropByName(box, name));
        ASSERT_NE(glyph, nullptr) << name;
        EXPECT_EQ(glyph->Width(), 19);
        EXPECT_EQ(glyph->Height(), 14);
    }
    EXPECT_FALSE(box->CheckedGlyph()->SamePixels(*box->UncheckedGlyph()));
    EXPECT_EQ(GetOrdPropByName(box, "CheckedNumGlyphs"), 1);
    SetPropValue(box, "State", "cbGrayed");
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_TRUE(HasPropByName(box, "OnClick"));
    EXPECT_TRUE(HasPropByName(box, "OnKeyPress"));
}

TEST_F(BitCheckBoxTest, ClicksCycleThroughTheStatesAndTakeTheFocus)
{
    int clicks = 0;
    box->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    box->SetAllowGrayed(true);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(robot.Click(box));
        seen.push_back(box->State());
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(box->Focused());

    box->SetAllowGrayed(false);
    robot.PressKey(box, VK_SPACE);
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(clicks, 4);
    // A state set by code fires nothing.
    box->SetState(cbUnchecked);
    box->SetState(static_cast<TCheckBoxState>(7));
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 4);
}

TEST_F(BitCheckBoxTest, GlyphsSetTheirImageCount)
{
    box->SetCheckedGlyph(Strip(19, 2, {clRed, clBlue}).get());
    EXPECT_EQ(box->CheckedNumGlyphs(), 2);
    TBitmap notSquare(19, 14);
    box->SetCheckedGlyph(&notSquare);
    EXPECT_EQ(box->CheckedNumGlyphs(), 2);  // not a whole multiple: the count stays
    box->SetGrayedGlyph(Strip(4, 5, {clRed, clRed, clRed, clRed, clRed}).get());
    EXPECT_EQ(box->GrayedNumGlyphs(), 2);
    TBitmap empty;
    box->SetUncheckedGlyph(&empty);
    EXPECT_EQ(box->UncheckedNumGlyphs(), 1);

    for (auto [set, stored] : {std::pair{5, 2}, {0, 1}, {-3, 1}, {1, 1}, {2, 2}}) {
        box->SetCheckedNumGlyphs(set);
        EXPECT_EQ(box->CheckedNumGlyphs(), stored) << set;
    }
    // Nothing reloads the module's picture.
    box->SetCheckedGlyph(nullptr);
    EXPECT_EQ(box->CheckedGlyph()->Width(), 19);
    EXPECT_EQ(box->CheckedGlyph()->Height(), 14);
    // A painted box with an empty picture draws no image and does not fail.
    box->SetState(cbUnchecked);
    EXPECT_NO_THROW(Painted());
}

TEST_F(BitCheckBoxTest, PaintsTheImageOfTheStateAtItsSide)
{
    box->SetBounds(0, 0, 97, 24);
    box->SetCheckedGlyph(Strip(16, 2, {clRed, clBlue}).get());
    box->SetState(cbChecked);

    struct Case {
        TLeftRight alignment;
        bool enabled;
        int imageLeft;
        TColor colour;
    };
    for (const Case c : {Case{taRightJustify, true, 0, clRed}, {taRightJustify, false, 0, clBlue}, {taLeftJustify, true, 97 - 16, clRed}}) {
        SCOPED_TRACE(testing::Message() << c.alignment << c.enabled);
        box->SetAlignment(c.alignment);
        box->SetEnabled(c.enabled);
        const auto painted = Painted();
        const TBitmap& b = *painted;
        const int top = (24 - 16) / 2;
        EXPECT_EQ(b.Pixel(c.imageLeft + 8, top + 8), c.colour);
        EXPECT_EQ(b.Pixel(c.imageLeft + 8, top - 1), clWhite);  // the fill above the image
        EXPECT_EQ(b.Pixel(c.imageLeft, top + 15), clWhite);     // the transparent pixel
    }
}

TEST_F(BitCheckBoxTest, AcceleratorIsUnderlinedAndTogglesWithoutOnClick)
{
    box->SetCaption("&Log");
    box->Font()->SetColor(clBlack);
    TCanvas measure;
    measure.Font()->Assign(*box->Font());
    const TRect r = box->CaptionRect(measure);
    const int w = box->ImageWidth();
    EXPECT_EQ(r.Left, w + 4);
    EXPECT_EQ(r.Right, r.Left + measure.TextWidth("&Log") - measure.TextWidth("&"));
    const int textHeight = measure.TextHeight("&Log");
    EXPECT_EQ(r.Top, (17 - textHeight) / 2 - 2);
    EXPECT_EQ(r.Bottom, r.Top + textHeight + 3);

    // The underline sits below the L only.
    const auto painted = Painted();
    const TBitmap& b = *painted;
    const int l = measure.TextWidth("L");
    int underlineRow = -1;
    for (int y = r.Top; y < r.Bottom && underlineRow < 0; ++y)
        if (b.Pixel(r.Left + 1, y) == clBlack) underlineRow = y;
    ASSERT_GE(underlineRow, 0);
    EXPECT_EQ(b.Pixel(r.Left + l - 1, underlineRow), clBlack);
    EXPECT_EQ(b.Pixel(r.Left + l + 1, underlineRow), clWhite);

    int clicks = 0;
    box->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'l'), 1);
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'x'), 0);
    box->SetEnabled(false);
    EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'L'), 0);
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(BitCheckBoxTest, FocusRectangleAndDisabledCaption)
{
    box->SetCaption("&Log");
    robot.Focus(box);
    auto painted = Painted();
    TCanvas measure;
    measure.Font()->Assign(*box->Font());
    const TRect r = box->CaptionRect(measure);
    // The dotted frame one pixel outside the caption rectangle, drawn by inverting.
    EXPECT_NE(painted->Pixel(r.Left - 1, std::max(0, r.Top - 1)), clWhite);

    // Disabled with 3-D: the highlight copy one pixel right and down, then gray text.
    box->SetEnabled(false);
    painted = Painted();
    const TBitmap& b = *painted;
    bool gray = false, highlight = false;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = r.Left; x < r.Right + 1; ++x) {
            gray = gray || b.Pixel(x, y) == ColorToRGB(clGrayText);
            highlight = highlight || b.Pixel(x, y) == ColorToRGB(clBtnHighlight);
        }
    EXPECT_TRUE(gray);
    EXPECT_TRUE(highlight);
}

TEST_F(BitCheckBoxTest, AbsurdSizesAndFontsPaintWithoutFailing)
{
    for (int h : {0, 1, 3, 400}) {
        for (int fontHeight : {-1, -300, 0, 5000}) {
            box->SetBounds(0, 0, h == 0 ? 0 : 50, h);
            box->Font()->SetHeight(fontHeight);
            box->SetCaption("&&A&");
            if (h > 0 && h < 400) {
                EXPECT_NO_THROW(Painted()) << h << " " << fontHeight;
            }
            TCanvas measure;
            const TRect r = box->CaptionRect(measure);
            EXPECT_GE(r.Width(), 0);
            EXPECT_GE(r.Height(), 0);
        }
    }
}

}  // namespace
}  // namespace qvn
