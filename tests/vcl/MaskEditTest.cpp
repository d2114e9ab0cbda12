#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/EditMask.h"
#include "vcl/MaskEdit.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

struct MaskCase {
    const char* mask;
    const char* input;  // given to Text
    const char* editText;
    const char* text;
};

// Text set through the mask, the full display it gives and the text read back.
const MaskCase kMaskCases[] = {
    // Literals saved, blank character '_': Text shows the blanks as spaces.
    {"!9999/99/99;1;_", "", "____/__/__", "    /  /  "},
    {"!9999/99/99;1;_", "2024/05/06", "2024/05/06", "2024/05/06"},
    {"!9999/99/99;1;_", "20240506", "2024/05/06", "2024/05/06"},  // literals put in
    {"!9999/99/99;1;_", "2024/5", "2024/5_/__", "2024/5 /  "},
    {"9999/99/99;1; ", "", "    /  /  ", "    /  /  "},
    {"99/99/9999;1; ", "02/03/2004", "02/03/2004", "02/03/2004"},
    {"999/99;1; ", "113/01", "113/01", "113/01"},
    // Literals not saved: only the typed characters.
    {"9999/99/99;0;_", "20240506", "2024/05/06", "20240506"},
    {"9999/99/99;0;_", "2024", "2024/__/__", "2024"},
    {"9999/99/99;0;_", "", "____/__/__", ""},
    {"!999;0;_", "5", "__5", "5"},  // '!' keeps optional places as leading blanks
    // Characters a place cannot take are dropped; case directives convert.
    {"00-00;1;_", "1a2-3x4", "12-34", "12-34"},
    {">LL<ll;0;_", "abCD", "ABcd", "ABcd"},
    {"\\A99;1;_", "A12", "A12", "A12"},  // an escaped mask character is a literal
    {"99;;*", "1", "1*", "1 "},          // empty save field keeps literals; blank '*'
    // No mask: a plain edit.
    {"", "anything", "anything", "anything"},
};

TEST(EditMaskTest, FormatsAndReportsTexts)
{
    for (const MaskCase& c : kMaskCases) {
        TMaskEdit edit(nullptr);
        edit.SetEditMask(c.mask);
        edit.SetText(c.input);
        EXPECT_EQ(edit.EditText(), c.editText) << c.mask << " <- " << c.input;
        EXPECT_EQ(edit.Text(), c.text) << c.mask << " <- " << c.input;
    }
}

TEST(EditMaskTest, MaxLengthIsTheNumberOfPlaces)
{
    TMaskEdit edit(nullptr);
    edit.SetMaxLength(3);
    EXPECT_FALSE(edit.IsMasked());
    EXPECT_EQ(edit.MaxLength(), 3);
    edit.SetEditMask("!9999/99/99;1;_");
    EXPECT_TRUE(edit.IsMasked());
    EXPECT_EQ(edit.MaxLength(), 10);
    edit.SetEditMask(">LL;0;_");
    EXPECT_EQ(edit.MaxLength(), 2);
    EXPECT_EQ(GetOrdPropByName(&edit, "MaxLength"), 2);
}

// The blank appearance of a kept-literal mask is found by switching to the
// no-literal form, emptying the text and switching back.
TEST(EditMaskTest, BlankAppearanceThroughMaskSwitching)
{
    struct Case {
        const char* keep;
        const char* drop;
        const char* typed;         // Text under the kept-literal mask
        const char* withoutLiterals;  // Text after switching to the other form
        const char* blank;
    };
    const Case cases[] = {
        {"9999/99/99;1; ", "9999/99/99;0; ", "2024/05/06", "20240506", "    /  /  "},
        {"99/99/9999;1; ", "99/99/9999;0; ", "12/34/567 ", "1234567", "  /  /    "},
        {"99-9999;1; ", "99-9999;0; ", "12-3456", "123456", "  -    "},
        {"999/99;1; ", "999/99;0; ", "113/01", "11301", "   /  "},
    };
    for (const Case& c : cases) {
        TMaskEdit edit(nullptr);
        edit.SetEditMask(c.keep);
        edit.SetText(c.typed);
        ASSERT_EQ(edit.Text(), c.typed) << c.keep;
        edit.SetEditMask(c.drop);
        EXPECT_EQ(edit.Text(), c.withoutLiterals) << "the typed characters move into the new mask: " << c.drop;
        edit.SetText("");
        edit.SetEditMask(c.keep);
        EXPECT_EQ(edit.Text(), c.blank) << c.keep;
        edit.SetText(c.typed);
        EXPECT_EQ(edit.Text(), c.typed) << c.keep;
    }
}

TEST(EditMaskTest, ValidationNeedsEveryRequiredPlace)
{
    const TEditMask mask("00/99;1;_");
    int pos = 0;
    EXPECT_TRUE(mask.Validate("12/__", pos));
    EXPECT_EQ(pos, -1);
    EXPECT_FALSE(mask.Validate("1_/34", pos));
    EXPECT_EQ(pos, 1);
    EXPECT_FALSE(mask.Validate("", pos));  // a short text has its places empty
    EXPECT_EQ(pos, 0);
}

TEST(EditMaskTest, OddMasksGiveNeutralResults)
{
    for (const char* odd : {";", ";;", "\\", "!", "><", "<>", ";1;", "99;1;;", "\\;9;0;x"}) {
        TMaskEdit edit(nullptr);
        EXPECT_NO_THROW(edit.SetEditMask(odd)) << odd;
        EXPECT_NO_THROW(edit.SetText("12;34")) << odd;
        EXPECT_LE(static_cast<int>(edit.EditText().size()), std::max(edit.MaxLength(), 5)) << odd;
    }
    TMaskEdit edit(nullptr);
    edit.SetEditMask("\\;9;0;x");
    edit.SetText("5");
    EXPECT_EQ(edit.EditText(), ";5");  // an escaped ';' is a literal, not a field separator
    EXPECT_EQ(edit.Text(), "5");
}

class MaskEditTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        edit = new TMaskEdit(form);
        edit->SetName("edDate");
        edit->SetParent(form);
        other = new TTestEdit(form, form, "other");
        edit->OnChange = TNotifyEvent::From([this](TObject*) { ++changes; });
    }
    TForm* form = nullptr;
    TMaskEdit* edit = nullptr;
    TTestEdit* other = nullptr;
    int changes = 0;
};

TEST_F(MaskEditTest, TypedTextFillsTheMaskAndMarksItModified)
{
    edit->SetEditMask("!9999/99/99;1; ");
    EXPECT_FALSE(edit->Modified());
    robot.Type(edit, "20240131");
    EXPECT_EQ(edit->Text(), "2024/01/31");
    EXPECT_TRUE(edit->Modified());
    EXPECT_GT(changes, 0);
    robot.Focus(other);  // complete: leaves without complaint
    EXPECT_TRUE(other->Focused());
}

TEST_F(MaskEditTest, LeavingWithARequiredPlaceEmptyRaisesAndKeepsTheFocus)
{
    edit->SetEditMask("0000/00/00;1;_");
    robot.Type(edit, "2024");
    robot.Focus(other);
    ASSERT_NE(robot.LastDialog(), nullptr);
    EXPECT_EQ(robot.LastDialog()->Text, std::string(TCustomMaskEdit::kInvalidInput) + ".");
    EXPECT_EQ(ErrorOf<EDBEditError>([&] { edit->ValidateEdit(); }), TCustomMaskEdit::kInvalidInput);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(form->ActiveControl(), edit);
    EXPECT_EQ(edit->SelStart(), 5);  // the caret goes to the first empty required place

    // Text set by code is not the person's input and is not checked.
    edit->SetText("");
    EXPECT_FALSE(edit->Modified());
    robot.Focus(other);
    EXPECT_TRUE(other->Focused());
}

TEST_F(MaskEditTest, EscapeUndoesTheTypingOfAModifiedEdit)
{
    edit->SetEditMask("9999/99/99;1;_");
    edit->SetText("2023/12/31");
    robot.Type(edit, "2024");
    ASSERT_TRUE(edit->Modified());
    robot.PressKey(VK_ESCAPE);
    EXPECT_EQ(edit->Text(), "2023/12/31");
    EXPECT_FALSE(edit->Modified());
}

TEST_F(MaskEditTest, MaskAndTextByName)
{
    SetPropPath(edit, "EditMask", "!9999/99/99;1; ");
    SetPropPath(edit, "Text", "20240506");
    EXPECT_EQ(GetStrPropByName(edit, "Text"), "2024/05/06");
    EXPECT_EQ(GetStrPropByName(edit, "EditMask"), "!9999/99/99;1; ");
    EXPECT_EQ(edit->ClassName(), "TMaskEdit");
    EXPECT_TRUE(edit->InheritsFrom(TCustomEdit::StaticClassInfo()));
}

}  // namespace
}  // namespace qvn::test
