#include <gtest/gtest.h>

#include "controls/SelectPnl.h"
#include "lang/CodeConverter.h"
#include "lang/LanguageController.h"
#include "platform/CodePage.h"
#include "support/ZentorFixture.h"
#include "vcl/ComboBox.h"
#include "vcl/Grids.h"
#include "vcl/Label.h"
#include "vcl/ListView.h"
#include "vcl/Menus.h"
#include "vcl/TabSet.h"
#include "vcl/TreeView.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

// A form with one of each kind of list the language files and the converter reach.
class LanguageListsTest : public test::VclTest {
protected:
    void Build()
    {
        form = NewShownForm("frmLists");
        combo = new TComboBox(form);
        combo->SetName("cbo03");
        combo->SetParent(form);
        combo->Items()->Add("供应商");
        combo->Items()->Add("员工");
        combo->SetItemIndex(1);
        list = new TListView(form);
        list->SetName("lvList");
        list->SetParent(form);
        list->Columns()->Add()->SetCaption("编号");
        list->Columns()->Add()->SetCaption("名称");
        TListItem* item = list->Items()->Add();
        item->SetCaption("应付");
        item->SubItems()->Add("供应商");
        item->SubItems()->Add("员工");  // under no column
        tree = new TTreeView(form);
        tree->SetName("tvTree");
        tree->SetParent(form);
        TTreeNode* root = tree->Items()->Add(nullptr, "应付");
        tree->Items()->AddChild(root, "员工");
        label = new TLabel(form);
        label->SetName("lbl01");
        label->SetParent(form);
        label->SetCaption("起始年月");
    }
    void Configure(const std::string& ui)
    {
        install_.WriteFile("client/ZentorC.ini", "[CodePage]\nUICodePage=" + ui + "\n");
        install_.WriteFile("client/MultiLanguage/CHS/readme.txt", "");
    }
    void Apply(const std::string& xml)
    {
        install_.WriteFile("client/MultiLanguage/CHS/L.Lng", xml);
        TQvLangController c(nullptr);
        c.SetLangPackageName("L");
        c.SetActive(true);
        c.ReadComponent(form);
    }

    test::ZentorInstall install_;
    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    TListView* list = nullptr;
    TTreeView* tree = nullptr;
    TLabel* label = nullptr;
};

TEST_F(LanguageListsTest, IndexedPathsReachLinesColumnsItemsAndNodes)
{
    Configure("936");
    Build();
    Apply("<L><cbo03 Items_3=\"fourth\"/>"
          "<lvList Columns_1.Caption=\"Name\" Columns_5.Caption=\"none\" Items_0.Caption=\"AP\"/>"
          "<tvTree Items_1.Text=\"Staff\" Items_9.Text=\"none\"/>"
          "<lbl01 Caption=\"Start\" Font.Color=\"clRed\" Tag_2=\"stops\"/></L>");
    ASSERT_EQ(combo->Items()->Count(), 4);
    EXPECT_EQ(combo->Items()->Get(2), "");
    EXPECT_EQ(combo->Items()->Get(3), "fourth");
    EXPECT_EQ(combo->ItemIndex(), 1);  // the selection is unchanged
    EXPECT_EQ(list->Columns()->Items(1)->Caption(), "Name");
    EXPECT_EQ(list->Items()->Item(0)->Caption(), "AP");
    EXPECT_EQ(tree->Items()->Item(1)->Text(), "Staff");
    EXPECT_EQ(label->Caption(), "Start");
    EXPECT_EQ(label->Font()->Color(), clRed);
}

TEST_F(LanguageListsTest, AColumnPastTheEndChangesNothing)
{
    Configure("936");
    Build();
    list->Columns()->Delete(1);
    Apply("<L><lvList Columns_1.Caption=\"x\"/></L>");
    EXPECT_EQ(list->Columns()->Count(), 1);
    EXPECT_EQ(list->Columns()->Items(0)->Caption(), "编号");
    EXPECT_EQ(list->Caption(), "");
}

TEST_F(LanguageListsTest, WholeFormConversionReachesEveryKindOfList)
{
    Configure("950");
    Build();
    auto* tabs = new TTabSet(form);
    tabs->SetParent(form);
    tabs->Tabs()->Add("基本");
    tabs->Tabs()->Add("系统");
    tabs->SetTabIndex(1);
    auto* grid = new TStringGrid(form);
    grid->SetParent(form);
    grid->SetCells(1, 1, "金额");
    auto* menu = new TPopupMenu(form);
    auto* panel = new TSelectPanel(form);
    panel->SetName("sp02");
    panel->SetParent(form);
    panel->SetHintWord("编号");
    TCodeConverter conv(form);
    conv.ConvertComponents(form);
    EXPECT_EQ(panel->HintWord(), conv.GBToBig5("编号"));
    const auto big5 = [&](const char* gb) { return conv.GBToBig5(gb); };
    EXPECT_EQ(combo->Items()->Get(0), big5("供应商"));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Style(), csOwnerDrawFixed);
    EXPECT_EQ(list->Columns()->Items(0)->Caption(), big5("编号"));
    EXPECT_EQ(list->Items()->Item(0)->Caption(), big5("应付"));
    EXPECT_EQ(list->Items()->Item(0)->SubItems()->Get(0), big5("供应商"));
    EXPECT_EQ(list->Items()->Item(0)->SubItems()->Get(1), "员工");  // under no column: untouched
    EXPECT_EQ(tree->Items()->Item(1)->Text(), big5("员工"));
    EXPECT_EQ(label->Caption(), big5("起始年月"));
    EXPECT_EQ(label->Font()->Charset(), 136);
    EXPECT_EQ(tabs->Tabs()->Get(1), big5("系统"));
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(grid->Cells(1, 1), big5("金额"));
    EXPECT_TRUE(menu->OwnerDraw());
}

TEST_F(LanguageListsTest, GBInterfaceOnBig5SystemOnlyTurnsListsOwnerDrawn)
{
    SetProcessCodePage(CP_BIG5);
    Configure("936");
    Build();
    auto* menu = new TPopupMenu(form);
    TCodeConverter conv(form);
    ASSERT_EQ(conv.UIConversion(), 4);
    conv.ConvertComponents(form);
    SetProcessCodePage(CP_GBK);
    EXPECT_EQ(list->Columns()->Items(0)->Caption(), "编号");
    EXPECT_EQ(label->Caption(), "起始年月");
    EXPECT_EQ(combo->Style(), csOwnerDrawFixed);
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_EQ(label->Font()->Charset(), 134);
}

}  // namespace
}  // namespace qvn
