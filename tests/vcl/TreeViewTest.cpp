#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/PropAccess.h"
#include "vcl/TreeView.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// root1 (a (a1, a2), b), root2
class TreeViewTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        tv = new TTreeView(form);
        tv->SetParent(form);
        TTreeNodes* n = tv->Items();
        root1 = n->Add(nullptr, "root1");
        root2 = n->Add(root1, "root2");
        a = n->AddChild(root1, "a");
        b = n->AddChild(root1, "b");
        a2 = n->AddChild(a, "a2");
        a1 = n->AddChildFirst(a, "a1");
    }
    std::string Order() const
    {
        std::string s;
        for (int i = 0; i < tv->Items()->Count(); ++i) s += tv->Items()->Item(i)->Text() + " ";
        return s;
    }

    TForm* form = nullptr;
    TTreeView* tv = nullptr;
    TTreeNode *root1, *root2, *a, *b, *a1, *a2;
};

TEST_F(TreeViewTest, AbsoluteIndexesRunDepthFirst)
{
    EXPECT_EQ(Order(), "root1 a a1 a2 b root2 ");
    EXPECT_EQ(a2->AbsoluteIndex(), 3);
    EXPECT_EQ(a2->Index(), 1);
    EXPECT_EQ(a2->Level(), 2);
    EXPECT_EQ(a2->Parent(), a);
    EXPECT_EQ(root1->Count(), 2);
    EXPECT_EQ(root1->Item(1), b);
    EXPECT_EQ(tv->Items()->GetFirstNode(), root1);

    TTreeNode* first = tv->Items()->AddFirst(root2, "first");
    TTreeNode* before = tv->Items()->Insert(b, "beforeB");
    EXPECT_EQ(Order(), "first root1 a a1 a2 beforeB b root2 ");
    EXPECT_EQ(first->AbsoluteIndex(), 0);
    EXPECT_EQ(before->Parent(), root1);
    EXPECT_EQ(a2->GetNext(), before);
    EXPECT_EQ(before->GetPrev(), a2);
}

TEST_F(TreeViewTest, BadIndexesAndForeignNodes)
{
    EXPECT_EQ(ErrorOf<EListError>([&] { tv->Items()->Item(6); }), "List index out of bounds (6)");
    EXPECT_EQ(ErrorOf<EListError>([&] { a->Item(2); }), "List index out of bounds (2)");
    auto* other = new TTreeView(form);
    TTreeNode* foreign = other->Items()->Add(nullptr, "x");
    tv->Items()->Delete(foreign);
    tv->SetSelected(foreign);
    EXPECT_EQ(other->Items()->Count(), 1);
    EXPECT_EQ(tv->Selected(), nullptr);
    EXPECT_EQ(tv->Items()->AddChild(foreign, "y")->Parent(), nullptr) << "a foreign parent means the top level";
}

TEST_F(TreeViewTest, DeletingABranchClearsTheSelectionInIt)
{
    std::vector<std::string> deleted;
    tv->OnDeletion = TTVExpandedEvent::From([&](TObject*, TTreeNode* n) { deleted.push_back(n->Text()); });
    tv->SetSelected(a2);
    a->Delete();
    EXPECT_EQ(tv->Selected(), nullptr);
    EXPECT_EQ(deleted, (std::vector<std::string>{"a2", "a1", "a"}));
    EXPECT_EQ(Order(), "root1 b root2 ");
    EXPECT_EQ(b->AbsoluteIndex(), 1);
    tv->Items()->Clear();
    EXPECT_EQ(tv->Items()->Count(), 0);
    EXPECT_EQ(tv->Items()->GetFirstNode(), nullptr);
}

TEST_F(TreeViewTest, ADeletionHandlerThatDeletesNodesIsHarmless)
{
    int deletions = 0;
    tv->OnDeletion = TTVExpandedEvent::From([&](TObject*, TTreeNode* n) {
        ++deletions;
        n->Delete();
        if (n == a2) a1->Delete();  // a sibling not reached yet
    });
    a->Delete();
    EXPECT_EQ(deletions, 3);
    EXPECT_EQ(Order(), "root1 b root2 ");
}

TEST_F(TreeViewTest, SelectingAsksOnChangingAndOpensTheParents)
{
    std::vector<std::string> changes;
    tv->OnChange = TTVChangedEvent::From([&](TObject*, TTreeNode* n) { changes.push_back(n ? n->Text() : "-"); });
    tv->OnChanging = TTVChangingEvent::From([&](TObject*, TTreeNode* n, bool& allow) { allow = n != b; });
    a2->SetSelected(true);
    EXPECT_TRUE(a2->Selected());
    EXPECT_TRUE(root1->Expanded());
    EXPECT_TRUE(a->Expanded());
    tv->SetSelected(b);
    EXPECT_EQ(tv->Selected(), a2);
    EXPECT_EQ(changes, std::vector<std::string>{"a2"});
}

TEST_F(TreeViewTest, ExpandingAsksAndCollapsingMovesTheSelectionUp)
{
    std::vector<std::string> log2;
    tv->OnExpanding = TTVExpandingEvent::From([&](TObject*, TTreeNode* n, bool& allow) {
        log2.push_back("expanding " + n->Text());
        allow = n != root2;
    });
    tv->OnCollapsed = TTVExpandedEvent::From([&](TObject*, TTreeNode* n) { log2.push_back("collapsed " + n->Text()); });
    root1->Expand(true);
    EXPECT_TRUE(a->Expanded());
    EXPECT_FALSE(b->Expanded()) << "a node without children does not expand";
    root2->Expand(false);
    EXPECT_FALSE(root2->Expanded());
    tv->SetSelected(a1);
    root1->Collapse(false);
    EXPECT_EQ(tv->Selected(), root1);
    EXPECT_EQ(log2, (std::vector<std::string>{"expanding root1", "expanding a", "collapsed root1"}));
}

TEST_F(TreeViewTest, KeysWalkTheVisibleNodes)
{
    robot.Focus(tv);
    const struct {
        Word key;
        const char* selected;
        bool root1Open;
    } steps[] = {
        {VK_DOWN, "root1", false}, {VK_DOWN, "root2", false}, {VK_UP, "root1", false}, {VK_RIGHT, "root1", true},
        {VK_RIGHT, "a", true},     {VK_DOWN, "b", true},      {VK_LEFT, "root1", true}, {VK_LEFT, "root1", false},
        {VK_END, "root2", false},  {VK_HOME, "root1", false},
    };
    for (const auto& s : steps) {
        robot.PressKey(s.key);
        ASSERT_NE(tv->Selected(), nullptr);
        EXPECT_EQ(tv->Selected()->Text(), s.selected) << "key " << s.key;
        EXPECT_EQ(root1->Expanded(), s.root1Open) << "key " << s.key;
    }
    EXPECT_TRUE(tv->Focused());
}

TEST_F(TreeViewTest, ClicksSelectOrToggleOnTheButton)
{
    const int rh = tv->RowHeight();
    Application->SendMessage(tv->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(5, 2));
    EXPECT_TRUE(root1->Expanded());
    EXPECT_EQ(tv->Selected(), nullptr);
    Application->SendMessage(tv->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(40, rh + 2));
    EXPECT_EQ(tv->Selected(), a);
    EXPECT_EQ(tv->GetNodeAt(40, 2 * rh + 2), b) << "a is still closed";
}

TEST_F(TreeViewTest, NodeTextIsPublishedAndItemsAssignCopiesTheTree)
{
    SetPropPath(a1, "Text", Variant("renamed"));
    EXPECT_EQ(a1->Text(), "renamed");
    auto* copy = new TTreeView(form);
    copy->SetItems(*tv->Items());
    ASSERT_EQ(copy->Items()->Count(), 6);
    EXPECT_EQ(copy->Items()->Item(2)->Text(), "renamed");
    EXPECT_EQ(copy->Items()->Item(2)->Level(), 2);
    EXPECT_EQ(GetObjectPropByName(tv, "Items"), tv->Items());
    EXPECT_EQ(tv->Items()->ClassName(), "TTreeNodes");
}

}  // namespace
}  // namespace qvn::test
