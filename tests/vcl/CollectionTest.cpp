#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/Collection.h"
#include "vcl/ListView.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// A collection that records what it is told.
class TRecordingColumns : public TTypedCollection<TListColumn> {
public:
    TRecordingColumns() : TTypedCollection<TListColumn>(nullptr) {}
    std::vector<std::string> told;

protected:
    void Update(TCollectionItem* item) override { told.push_back(item != nullptr ? "item" : "all"); }
    void Notify(TCollectionItem* item, TOperation op) override
    {
        told.push_back(std::string(op == TOperation::opInsert ? "insert " : "remove ") + std::to_string(item->Index()));
    }
};

TEST(CollectionTest, ItemsKnowTheirIndexAndKeepTheirIdThroughMoves)
{
    TRecordingColumns c;
    TListColumn* a = c.Add();
    TListColumn* b = c.Add();
    TListColumn* first = c.Insert(0);
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_EQ(b->Index(), 2);
    EXPECT_EQ(a->Collection(), &c);

    const int idOfB = b->ID();
    b->SetIndex(-5);  // clamped to the front
    EXPECT_EQ(b->Index(), 0);
    EXPECT_EQ(c.FindItemID(idOfB), b);
    c.Delete(0);
    EXPECT_EQ(c.FindItemID(idOfB), nullptr);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(a->Index(), 1);
}

TEST(CollectionTest, OutOfRangeIndexesRaiseEListErrorOrGiveNothing)
{
    TRecordingColumns c;
    c.Add();
    EXPECT_EQ(ErrorOf<EListError>([&] { c.Items(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf<EListError>([&] { c.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf<EListError>([&] { c.Insert(3); }), "List index out of bounds (3)");
    EXPECT_EQ(c.FindItemByIndex(1), nullptr);
    EXPECT_EQ(c.Count(), 1);
}

TEST(CollectionTest, UpdatesHoldReportsBackUntilTheOutermostEnd)
{
    TRecordingColumns c;
    c.Add();
    EXPECT_EQ(c.told, (std::vector<std::string>{"insert 0", "all"}));
    c.told.clear();
    c.Items(0)->SetCaption("x");
    EXPECT_EQ(c.told, std::vector<std::string>{"item"});

    c.told.clear();
    c.BeginUpdate();
    c.BeginUpdate();
    c.Add()->SetCaption("y");
    c.Delete(0);
    c.EndUpdate();
    EXPECT_EQ(c.told, (std::vector<std::string>{"insert 1", "remove 0"}));
    c.EndUpdate();
    EXPECT_EQ(c.told.back(), "all");
    EXPECT_EQ(std::count(c.told.begin(), c.told.end(), "all"), 1);
    c.EndUpdate();  // unbalanced: ignored
}

TEST(CollectionTest, AssignCopiesEveryItem)
{
    TRecordingColumns from;
    from.Add()->SetCaption("Name");
    from.Items(0)->SetWidth(80);
    from.Add()->SetCaption("Date");
    TRecordingColumns to;
    to.Add()->SetCaption("old");
    to.Assign(from);
    ASSERT_EQ(to.Count(), 2);
    EXPECT_EQ(to.Items(0)->Caption(), "Name");
    EXPECT_EQ(to.Items(0)->Width(), 80);
    EXPECT_EQ(to.Items(1)->Caption(), "Date");
    TStringList notACollection;
    EXPECT_NE(ErrorOf<EConvertError>([&] { to.Assign(notACollection); }), "<no error>");
}

TEST(CollectionTest, ColumnPropertiesArePublished)
{
    TRecordingColumns c;
    TListColumn* col = c.Add();
    SetPropPath(col, "Caption", Variant("Amount"));
    SetPropPath(col, "Alignment", Variant("taRightJustify"));
    SetPropPath(col, "Width", Variant(120));
    SetPropPath(col, "AutoSize", Variant(true));
    EXPECT_EQ(col->Caption(), "Amount");
    EXPECT_EQ(col->Alignment(), taRightJustify);
    EXPECT_TRUE(col->AutoSize());
    EXPECT_EQ(col->ClassName(), "TListColumn");
    EXPECT_TRUE(col->InheritsFrom(TCollectionItem::StaticClassInfo()));
}

TEST(CollectionTest, ColumnWidthStaysWithinMinAndMax)
{
    TRecordingColumns c;
    TListColumn* col = c.Add();
    col->SetMinWidth(30);
    col->SetMaxWidth(100);
    const struct {
        int set;
        int expected;
    } cases[] = {{10, 30}, {50, 50}, {500, 100}, {-7, 30}};
    for (const auto& k : cases) {
        col->SetWidth(k.set);
        EXPECT_EQ(col->Width(), k.expected) << k.set;
    }
}

}  // namespace
}  // namespace qvn::test
