#include <gtest/gtest.h>

#include "controls/DBLabel.h"
#include "controls/FieldLabel.h"
#include "vcl/Edit.h"
#include "vcl/PropAccess.h"
#include "vcl/PropTable.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

// An input control bound to a data field, as the data-aware edits publish it.
class TFieldEdit : public TEdit {
    QVN_CLASS_INFO()
public:
    explicit TFieldEdit(TComponent* owner) : TEdit(owner) {}
    std::string Field;
};
QVN_DEFINE_CLASS_INFO(TFieldEdit, TEdit, [](TPropTable& t) { AddStrProp<TFieldEdit, &TFieldEdit::Field, &TFieldEdit::Field>(t, "DataField"); })

class DBLabelTest : public test::VclTest {
protected:
    void SetUp() override { form = NewShownForm("LabelForm"); }

    template <typename E = TEdit>
    E* NewEdit(int left, int top, int height = 21)
    {
        auto* e = new E(form);
        e->SetParent(form);
        e->SetAutoSize(false);
        e->SetBounds(left, top, 100, height);
        return e;
    }
    TDBLabel* NewLabel(int width = 52, int height = 13)
    {
        auto* l = new TDBLabel(form);
        l->SetParent(form);
        l->SetAutoSize(false);
        l->SetBounds(0, 0, width, height);
        return l;
    }
    TForm* form = nullptr;
};

TEST_F(DBLabelTest, NewLabelDefaults)
{
    TDBLabel* l = NewLabel();
    EXPECT_EQ(l->ClassName(), "TDBLabel");
    EXPECT_EQ(l->Caption(), TDBLabel::kDefaultCaption);
    EXPECT_TRUE(l->AutoAlign());
    EXPECT_TRUE(l->AutoCaption());
    EXPECT_EQ(l->Gap(), 4);
    EXPECT_EQ(GetPropValue(l, "Pos"), Variant("psLeft"));
    SetPropValue(l, "Pos", "psBottom");
    EXPECT_EQ(l->Pos(), psBottom);
    EXPECT_FALSE(TrySetPropPath(l, "Gap", -1));
}

TEST_F(DBLabelTest, PlacesItselfBesideTheControl)
{
    struct Case {
        TPos pos;
        int editLeft, editTop, editHeight, labelHeight;
        int left, top;
    };
    const Case cases[] = {
        {psLeft, 100, 10, 21, 13, 44, 14},   // centred: 10 + 10 - 6
        {psLeft, 30, 10, 21, 13, 0, 14},     // never left of the parent
        {psLeft, 100, 10, 13, 13, 44, 10},   // as high as the control: level with it
        {psRight, 100, 10, 21, 13, 204, 14},
        {psTop, 100, 5, 21, 13, 100, 0},     // 5 - 13 - 4 held at 0
        {psTop, 100, 40, 21, 13, 100, 23},
        {psBottom, 100, 10, 21, 13, 100, 35},
        {psLeft, 100, 0, 4, 13, 44, 0},      // 0 + 2 - 6 held at 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pos " << c.pos << " edit " << c.editLeft << "," << c.editTop);
        TEdit* edit = NewEdit(c.editLeft, c.editTop, c.editHeight);
        TDBLabel* l = NewLabel(52, c.labelHeight);
        l->SetPos(c.pos);
        l->SetFocusControl(edit);
        EXPECT_EQ(l->Left(), c.left);
        EXPECT_EQ(l->Top(), c.top);
        FreeComponent(l);
        FreeComponent(edit);
    }
}

TEST_F(DBLabelTest, SettingsRefreshOnlyWithAutoAlign)
{
    TEdit* edit = NewEdit(100, 10);
    TDBLabel* l = NewLabel();
    l->SetFocusControl(edit);
    l->SetGap(10);
    EXPECT_EQ(l->Left(), 38);
    l->SetAutoAlign(false);
    l->SetBounds(1, 1, 52, 13);
    l->SetGap(4);
    EXPECT_EQ(l->Left(), 1);
    l->SetAutoAlign(true);
    EXPECT_EQ(l->Left(), 44);
}

TEST_F(DBLabelTest, CaptionComesFromTheBoundField)
{
    TDBLabel* plain = NewLabel();
    plain->SetFocusControl(NewEdit(100, 10));
    EXPECT_EQ(plain->Caption(), TDBLabel::kDefaultCaption);  // no data field

    auto* bound = NewEdit<TFieldEdit>(100, 50);
    bound->Field = "PrintDate";
    TDBLabel* l = NewLabel();
    l->SetFocusControl(bound);
    EXPECT_EQ(l->Caption(), "PrintDate");

    // A resolver that knows display labels, one that fails, and AutoCaption off.
    const auto previous = SetFieldLabelResolver([](const TComponent&, const std::string& field) -> std::optional<std::string> {
        if (field == "Broken") throw std::runtime_error("no such field");
        if (field == "PrintDate") return std::string("制表日期");
        return std::nullopt;
    });
    l->SetAutoCaption(true);
    EXPECT_EQ(l->Caption(), "制表日期");
    bound->Field = "Broken";
    l->SetAutoCaption(true);
    EXPECT_EQ(l->Caption(), "制表日期");
    bound->Field = "Unknown";
    l->SetAutoCaption(true);
    EXPECT_EQ(l->Caption(), "制表日期");
    SetFieldLabelResolver(previous);
    bound->Field = "Other";
    l->SetAutoCaption(false);
    EXPECT_EQ(l->Caption(), "制表日期");
}

TEST_F(DBLabelTest, OneLabelPerControl)
{
    TEdit* edit = NewEdit(100, 10);
    TEdit* edit2 = NewEdit(100, 50);
    TDBLabel* first = NewLabel();
    TDBLabel* second = NewLabel();
    first->SetFocusControl(edit);
    second->SetFocusControl(edit2);
    second->SetFocusControl(edit);
    ASSERT_EQ(robot.Dialogs().size(), 1u);
    EXPECT_EQ(robot.LastDialog()->Text, TDBLabel::kDuplicateBinding);
    EXPECT_EQ(robot.LastDialog()->DlgType, mtError);
    EXPECT_EQ(second->FocusControl(), edit2);
    first->SetFocusControl(edit);
    EXPECT_EQ(robot.Dialogs().size(), 1u);

    // Released, then freed controls are forgotten.
    first->SetFocusControl(nullptr);
    second->SetFocusControl(edit);
    EXPECT_EQ(second->FocusControl(), edit);
    FreeComponent(edit);
    EXPECT_EQ(second->FocusControl(), nullptr);
}

}  // namespace
}  // namespace qvn
