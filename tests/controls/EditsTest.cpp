#include <gtest/gtest.h>

#include "controls/ExtPageControl.h"
#include "controls/FieldLabel.h"
#include "controls/LookupTestForm.h"
#include "controls/QvBtnDBEdit.h"
#include "controls/QvDBEdit.h"
#include "controls/QvEdit.h"
#include "controls/QvSpinEdit.h"
#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/PropAccess.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

using test::TLookupForm;

class EditsTest : public test::VclTest {
protected:
    void SetUp() override { form = NewShownForm<TLookupForm>("EditForm"); }
    template <typename E>
    E* NewEdit(const std::string& name)
    {
        auto* e = new E(form);
        e->SetName(name);
        e->SetParent(form);
        e->SetAutoSize(false);
        e->SetBounds(100, 50, 121, 21);
        return e;
    }
    TLookupForm* form = nullptr;
};

// Label placement is the same for the three edits that carry a label.
template <typename E>
void CheckLabelPlacement(E* edit)
{
    TLabel* label = edit->EditLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Name(), "EditLabel");
    EXPECT_EQ(label->FocusControl(), edit);
    EXPECT_EQ(GetStrPropByName(edit, "Caption"), "");
    EXPECT_EQ(GetPropValue(edit, "LabelPosition"), Variant("lpLeft"));
    EXPECT_EQ(edit->LabelSpacing(), 4);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 40, 13);

    struct Case {
        TLabelPosition position;
        int left, top;
    };
    for (const Case c : {Case{lpLeft, 56, 54}, {lpAbove, 100, 33}, {lpBelow, 100, 75}, {lpRight, 225, 54}}) {
        edit->SetLabelPosition(c.position);
        EXPECT_EQ(label->BoundsRect(), Bounds(c.left, c.top, 40, 13)) << c.position;
    }
    edit->SetLabelSpacing(-1);
    EXPECT_EQ(edit->LabelSpacing(), 4);
    edit->SetLabelSpacing(0);
    EXPECT_EQ(label->Left(), 221);
    // The label follows the edit's moves, visibility and enabled state, and its caption.
    edit->SetLabelPosition(lpLeft);
    edit->SetLabelSpacing(4);
    edit->SetLeft(200);
    EXPECT_EQ(label->Left(), 156);
    SetStrPropByName(edit, "Caption", "每隔");
    EXPECT_EQ(label->Caption(), "每隔");
    EXPECT_EQ(edit->Text(), "");
    edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    edit->SetVisible(true);
    edit->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    EXPECT_EQ(label->Parent(), edit->Parent());

    // A label freed elsewhere is forgotten.
    FreeComponent(label);
    EXPECT_EQ(edit->EditLabel(), nullptr);
    EXPECT_EQ(GetStrPropByName(edit, "Caption"), "");
    SetStrPropByName(edit, "Caption", "x");
    edit->SetLeft(10);
}

TEST_F(EditsTest, EditsCarryTheirLabel)
{
    {
        SCOPED_TRACE("TQvEdit");
        CheckLabelPlacement(NewEdit<TQvEdit>("Hours"));
    }
    {
        SCOPED_TRACE("TQvDBEdit");
        CheckLabelPlacement(NewEdit<TQvDBEdit>("Field"));
    }
    {
        SCOPED_TRACE("TQvBtnDBEdit");
        CheckLabelPlacement(NewEdit<TQvBtnDBEdit>("Lookup"));
    }
}

TEST_F(EditsTest, DataFieldGivesTheCaptionOnlyWhileDesigning)
{
    auto* edit = NewEdit<TQvDBEdit>("Field");
    SetStrPropByName(edit, "DataField", "SchemeName");
    EXPECT_EQ(edit->DataField(), "SchemeName");
    EXPECT_EQ(edit->LabelCaption(), "");
    edit->SetState(csDesigning, true);
    const auto previous = SetFieldLabelResolver([](const TComponent&, const std::string& f) -> std::optional<std::string> {
        if (f == "SchemeName") return std::string("方案名");
        return std::nullopt;
    });
    edit->SetDataField("SchemeName");
    EXPECT_EQ(edit->LabelCaption(), "方案名");
    edit->SetDataField("NoSuchField");
    EXPECT_EQ(edit->LabelCaption(), "方案名");
    SetFieldLabelResolver(previous);
}

TEST_F(EditsTest, ButtonEditPlacesItsButtonAndAsksForTheLookup)
{
    auto* edit = NewEdit<TQvBtnDBEdit>("Lookup");
    TGSpeedButton* button = edit->Button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), "F2Button");
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->GlyphIndex(), 8);
    EXPECT_EQ(edit->GlyphIndex(), 8);
    EXPECT_EQ(edit->ButtonSpacing(), 2);
    EXPECT_EQ(button->BoundsRect(), Bounds(223, 50, 21, 21));
    EXPECT_EQ(edit->GlyphButtons(), std::vector<TComponent*>{button});

    SetPropValue(edit, "ButtonSpacing", 5);
    SetPropValue(edit, "GlyphIndex", 47);
    SetStrPropByName(edit, "ButtonHint", "查找");
    EXPECT_EQ(button->BoundsRect(), Bounds(226, 50, 21, 21));
    EXPECT_EQ(button->GlyphIndex(), 47);
    EXPECT_EQ(button->Hint(), "查找");
    edit->SetBounds(10, 10, 50, 30);
    EXPECT_EQ(button->BoundsRect(), Bounds(65, 10, 30, 30));

    ASSERT_TRUE(robot.Click(button));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(form->Lookups, std::vector<TWinControl*>{edit});

    // OnDialog replaces the lookup.
    std::vector<TObject*> dialogs;
    edit->OnDialog = TNotifyEvent::From([&](TObject* sender) { dialogs.push_back(sender); });
    ASSERT_TRUE(robot.Click(button));
    EXPECT_EQ(dialogs, std::vector<TObject*>{edit});
    EXPECT_EQ(form->Lookups.size(), 1u);

    // The button follows the edit; disabled, there is nothing to click.
    edit->OnDialog = nullptr;
    edit->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(robot.Click(button));
    edit->SetVisible(false);
    EXPECT_FALSE(button->Visible());

    FreeComponent(button);
    EXPECT_EQ(edit->Button(), nullptr);
    EXPECT_TRUE(edit->GlyphButtons().empty());
    edit->SetVisible(true);
    edit->SetGlyphIndex(4);
    EXPECT_EQ(edit->ButtonHint(), "");
}

TEST_F(EditsTest, SpinEditKeepsTheSignFirst)
{
    auto* spin = new TQvSpinEdit(form);
    spin->SetParent(form);
    EXPECT_EQ(spin->ClassName(), "TQvSpinEdit");
    std::vector<std::string> changes;
    spin->OnChange = TNotifyEvent::From([&](TObject*) { changes.push_back(spin->Text()); });

    struct Case {
        const char* typed;
        const char* kept;
        bool reported;
    };
    const Case cases[] = {{"12+", "12", true}, {"-5", "-5", true}, {"+5", "+5", true}, {"5-", "5", true},
                          {"1+2", "1", true},  {"-5-", "-5", true}, {"  ", "  ", false}, {"-", "-", true}};
    for (const Case c : cases) {
        spin->SetText("7");
        changes.clear();
        spin->SetText(c.typed);
        EXPECT_EQ(spin->Text(), c.kept) << c.typed;
        EXPECT_EQ(changes, c.reported ? std::vector<std::string>{c.kept} : std::vector<std::string>{}) << c.typed;
    }
    changes.clear();
    spin->SetText("");
    EXPECT_TRUE(changes.empty());
    robot.Type(spin, "3+");
    EXPECT_EQ(spin->Text(), "3");
}

TEST_F(EditsTest, PageControlDrawsItsTabs)
{
    auto* pages = new TExtPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(0, 0, 300, 200);
    EXPECT_TRUE(pages->OwnerDraw());
    for (const char* caption : {"A", "B", "C"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    pages->Pages(1)->SetTabVisible(false);
    pages->SetActivePageIndex(0);

    std::vector<std::pair<int, bool>> drawn;
    SetMethodPropByName(pages, "OnDrawTab", TDrawTabEvent::From([&](TObject*, int index, const TRect&, bool active) {
                                                  drawn.emplace_back(index, active);
                                              }).ToMethod());
    TBitmap b(300, 200);
    pages->PaintTabs(*b.Canvas());
    EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{0, true}, {1, false}}));

    pages->OnDrawTab = nullptr;
    pages->PaintTabs(*b.Canvas());
    const TRect active = pages->TabRect(0), inactive = pages->TabRect(1);
    // Active: shrunk by 2 and filled with the active caption colour; inactive: the whole tab.
    EXPECT_EQ(b.Pixel(active.Left + 2, active.Top + 2), ColorToRGB(clActiveCaption));
    EXPECT_NE(b.Pixel(active.Left + 1, active.Top + 1), ColorToRGB(clActiveCaption));
    EXPECT_EQ(b.Pixel(inactive.Left, inactive.Top), ColorToRGB(clInactiveCaption));
    // Tab 1 shows page C: its caption's width decides nothing here, but the page is the right one.
    EXPECT_EQ(pages->PageForTab(1)->Caption(), "C");
}

}  // namespace
}  // namespace qvn
