#include <gtest/gtest.h>

#include "support/VariantPrinting.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// A 200 x 100 panel with one child at (20, 10), 50 x 30.
class AnchorsTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm", 600, 400);
        panel = new TTestPanel(form, form, "pnl");
        panel->SetBounds(0, 0, 200, 100);
        child = new TTestEdit(form, panel, "ed");
        child->SetBounds(20, 10, 50, 30);
    }

    TForm* form = nullptr;
    TTestPanel* panel = nullptr;
    TTestEdit* child = nullptr;
};

TEST_F(AnchorsTest, AnchoredEdgesKeepTheirDistanceWhenTheParentResizes)
{
    struct Case {
        const char* what;
        TAnchors anchors;
        TRect grown;  // after the panel became 260 x 140
    };
    const Case cases[] = {
        {"left, top (default) stays", {akLeft, akTop}, Bounds(20, 10, 50, 30)},
        {"right moves", {akRight, akTop}, Bounds(80, 10, 50, 30)},
        {"left and right stretch", {akLeft, akTop, akRight}, Bounds(20, 10, 110, 30)},
        {"bottom moves", {akLeft, akBottom}, Bounds(20, 50, 50, 30)},
        {"all four stretch both ways", {akLeft, akTop, akRight, akBottom}, Bounds(20, 10, 110, 70)},
        // The centre (45, 25) keeps its proportion: 45 * 260 / 200 = 58, 25 * 140 / 100 = 35.
        {"none keeps the centre in proportion", {}, Bounds(33, 20, 50, 30)},
        {"top only: centred across", {akTop}, Bounds(33, 10, 50, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        panel->SetBounds(0, 0, 200, 100);
        child->SetBounds(20, 10, 50, 30);
        child->SetAnchors(c.anchors);
        panel->SetBounds(0, 0, 260, 140);
        EXPECT_EQ(child->BoundsRect(), c.grown);
        panel->SetBounds(0, 0, 200, 100);
        EXPECT_EQ(child->BoundsRect(), Bounds(20, 10, 50, 30)) << "the distances are not re-measured on a resize";
    }
}

TEST_F(AnchorsTest, DistancesAreMeasuredWhenTheControlIsPlacedOrItsAnchorsChange)
{
    child->SetAnchors({akRight, akTop});
    panel->SetWidth(260);
    child->SetLeft(100);  // placed anew: 60 from the right edge now
    panel->SetWidth(200);
    EXPECT_EQ(child->Left(), 40);

    child->SetAnchors({akLeft, akTop});
    panel->SetWidth(300);
    child->SetAnchors({akRight, akTop});  // measured against 300
    panel->SetWidth(250);
    EXPECT_EQ(child->Left(), -10);

    // A new parent measures too.
    auto* other = new TTestPanel(form, form, "other");
    other->SetBounds(0, 0, 100, 100);
    child->SetParent(other);
    child->SetLeft(30);
    other->SetWidth(150);
    EXPECT_EQ(child->Left(), 80);
}

TEST_F(AnchorsTest, AlignedControlsIgnoreTheirAnchorsAndFormsAnchorTheirControls)
{
    auto* top = new TTestPanel(form, panel, "top");
    top->SetHeight(20);
    top->SetAnchors({akRight, akBottom});
    top->SetAlign(alTop);
    panel->SetBounds(0, 0, 260, 140);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 260, 20));

    auto* ok = new TTestButton(form, form, "ok");
    ok->SetBounds(500, 360, 75, 25);
    ok->SetAnchors({akRight, akBottom});
    form->SetBounds(form->Left(), form->Top(), 700, 450);
    EXPECT_EQ(ok->BoundsRect(), Bounds(600, 410, 75, 25));
}

TEST_F(AnchorsTest, AnEmptyParentCausesNoHarm)
{
    panel->SetBounds(0, 0, 0, 0);
    child->SetBounds(0, 0, 10, 10);
    child->SetAnchors({});
    panel->SetBounds(0, 0, 100, 100);
    EXPECT_EQ(child->BoundsRect(), Bounds(0, 0, 10, 10)) << "no proportion of nothing";
    child->SetAnchors({akLeft, akTop, akRight, akBottom});
    panel->SetBounds(0, 0, 0, 0);
    EXPECT_EQ(child->BoundsRect(), Bounds(0, 0, 0, 0)) << "a size never goes below zero";
    panel->SetBounds(0, 0, 100, 100);
    EXPECT_EQ(child->BoundsRect(), Bounds(0, 0, 10, 10));
}

TEST_F(AnchorsTest, AnchorsIsAPublishedSet)
{
    const TPropInfo* prop = FindPropInfo(child, "Anchors");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->TypeName, "TAnchors");
    EXPECT_EQ(GetPropValue(child, "Anchors"), Variant("akLeft,akTop"));
    SetPropValue(child, "Anchors", Variant("[akRight, akBottom]"));
    EXPECT_EQ(child->Anchors(), (TAnchors{akRight, akBottom}));
    SetOrdPropByName(child, "Anchors", 0);
    EXPECT_EQ(child->Anchors(), TAnchors{});
}

}  // namespace
}  // namespace qvn::test
