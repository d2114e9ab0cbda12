#include <gtest/gtest.h>

#include "vcl/Bevel.h"
#include "vcl/GroupBox.h"
#include "vcl/Panel.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

using PanelTest = VclTest;

TEST_F(PanelTest, BevelsAndBorderShrinkTheAreaOfAlignedChildren)
{
    struct Case {
        TBevelCut outer;
        TBevelCut inner;
        int bevelWidth;
        int borderWidth;
        TBorderStyle border;
        TRect display;  // within a 100 x 50 panel
    };
    const Case cases[] = {
        {bvNone, bvNone, 1, 0, bsNone, Rect(0, 0, 100, 50)},
        {bvRaised, bvNone, 1, 0, bsNone, Rect(1, 1, 99, 49)},
        {bvRaised, bvLowered, 2, 0, bsNone, Rect(4, 4, 96, 46)},
        {bvSpace, bvNone, 1, 3, bsNone, Rect(4, 4, 96, 46)},
        {bvNone, bvNone, 1, 0, bsSingle, Rect(0, 0, 96, 46)},
        {bvLowered, bvRaised, 20, 20, bsNone, Rect(50, 25, 50, 25)},  // absurd sizes leave an empty area
    };
    TForm* form = NewShownForm("frm");
    for (const Case& c : cases) {
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(0, 0, 100, 50);
        panel->SetBevelOuter(c.outer);
        panel->SetBevelInner(c.inner);
        panel->SetBevelWidth(c.bevelWidth);
        panel->SetBorderWidth(c.borderWidth);
        panel->SetBorderStyle(c.border);
        auto* child = new TTestPanel(form, panel);
        child->SetAlign(alClient);
        EXPECT_EQ(panel->DisplayRect(), c.display) << c.outer << c.inner << c.bevelWidth << c.borderWidth;
        EXPECT_EQ(child->BoundsRect(), c.display);
    }
}

TEST_F(PanelTest, PanelPropertiesByNameAndBadValues)
{
    TForm* form = NewShownForm("frm");
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    SetPropPath(panel, "BevelOuter", "bvLowered");
    SetPropPath(panel, "BevelInner", "bvRaised");
    SetPropPath(panel, "Alignment", "taLeftJustify");
    SetPropPath(panel, "Caption", "title");
    EXPECT_EQ(panel->BevelOuter(), bvLowered);
    EXPECT_EQ(panel->BevelInner(), bvRaised);
    EXPECT_EQ(panel->Alignment(), taLeftJustify);
    EXPECT_FALSE(TrySetPropPath(panel, "BevelOuter", "bvDeep"));
    EXPECT_FALSE(TrySetPropPath(panel, "BorderStyle", "bsSizeable"));
    SetPropPath(panel, "BevelWidth", 0);
    SetPropPath(panel, "BorderWidth", -7);
    EXPECT_EQ(panel->BevelWidth(), 1);
    EXPECT_EQ(panel->BorderWidth(), 0);
    EXPECT_TRUE(panel->ControlStyle().Contains(csAcceptsControls));
    EXPECT_FALSE(panel->TakesFocusOnClick());
}

TEST_F(PanelTest, PanelPaintsItsBevels)
{
    TForm* form = NewShownForm("frm");
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 20, 10);
    panel->SetBevelOuter(bvRaised);
    panel->SetColor(clRed);
    TBitmap bitmap(20, 10);
    panel->Paint(*bitmap.Canvas());
    EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bitmap.Pixel(19, 9), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bitmap.Pixel(10, 5), clRed);
    panel->SetBevelOuter(bvLowered);
    panel->Paint(*bitmap.Canvas());
    EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRGB(clBtnShadow));
}

TEST_F(PanelTest, GroupBoxKeepsChildrenInsideItsFrame)
{
    TForm* form = NewShownForm("frm");
    auto* group = new TGroupBox(form);
    group->SetParent(form);
    group->SetBounds(0, 0, 185, 105);
    group->SetCaption("Range");
    auto* child = new TTestPanel(form, group);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(2, 15, 183, 103));
    group->Font()->SetHeight(-20);  // a taller caption line
    EXPECT_EQ(child->Top(), 2 + 24);
    group->SetBounds(0, 0, 3, 3);
    EXPECT_EQ(child->Width(), 0);
    EXPECT_EQ(child->Height(), 0);
    EXPECT_EQ(group->ClassName(), "TGroupBox");
    EXPECT_EQ(GetStrPropByName(group, "Caption"), "Range");
}

TEST_F(PanelTest, BevelShapesByName)
{
    TBevel bevel(nullptr);
    SetPropPath(&bevel, "Shape", "bsTopLine");
    SetPropPath(&bevel, "Style", "bsRaised");
    EXPECT_EQ(bevel.Shape(), bsTopLine);
    EXPECT_EQ(bevel.Style(), bsRaised);
    EXPECT_FALSE(TrySetPropPath(&bevel, "Shape", "bsCircle"));
    bevel.SetBounds(0, 0, 10, 10);
    TBitmap bitmap(10, 10);
    bevel.Paint(*bitmap.Canvas());
    EXPECT_EQ(bitmap.Pixel(5, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bitmap.Pixel(5, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bitmap.Pixel(5, 5), clWhite);
}

}  // namespace
}  // namespace qvn::test
