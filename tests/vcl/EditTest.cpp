#include <gtest/gtest.h>

#include "vcl/Edit.h"
#include "vcl/Label.h"
#include "vcl/Memo.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

class EditTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        edit = new TEdit(form);
        edit->SetName("edName");
        edit->SetParent(form);
        other = new TTestEdit(form, form, "other");
        edit->OnChange = TNotifyEvent::From([this](TObject*) { changes.push_back(edit->Text()); });
    }
    TForm* form = nullptr;
    TEdit* edit = nullptr;
    TTestEdit* other = nullptr;
    std::vector<std::string> changes;
};

TEST_F(EditTest, TypingAndCodeBothChangeTheTextButOnlyTypingModifies)
{
    robot.Type(edit, "hello");
    EXPECT_EQ(edit->Text(), "hello");
    EXPECT_EQ(changes, std::vector<std::string>{"hello"});
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(edit->SelStart(), 5);  // the caret after the typed text

    edit->SetText("by code");
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(changes.back(), "by code");
    edit->SetText("by code");  // unchanged: no event
    EXPECT_EQ(changes.size(), 2u);
}

TEST_F(EditTest, ReadOnlyEditKeepsItsTextWhenTypedInto)
{
    edit->SetText("kept");
    edit->SetReadOnly(true);
    robot.Type(edit, "xyz");
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_FALSE(edit->Modified());
}

TEST_F(EditTest, MaxLengthHoldsTypingButNotCode)
{
    edit->SetMaxLength(4);
    robot.Type(edit, "abcdefg");
    EXPECT_EQ(edit->Text(), "abcd");
    robot.Type(edit, "x\xd6\xd0\xce\xc4");  // x and two double-byte characters
    EXPECT_EQ(edit->Text(), "x\xd6\xd0") << "a double-byte character that does not fit is refused whole";
    edit->SetText("longer than four");
    EXPECT_EQ(edit->Text(), "longer than four");
    edit->SetMaxLength(-5);
    EXPECT_EQ(edit->MaxLength(), 0);
}

TEST_F(EditTest, KeyPressHandlerCanRefuseCharacters)
{
    edit->OnKeyPress = TKeyPressEvent::From([](TObject*, char& key) {
        if (key >= '0' && key <= '9') key = 0;
    });
    robot.Type(edit, "a1b2");
    EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(EditTest, CharCaseConvertsSingleByteLettersOnly)
{
    edit->SetText("Mixed \xd6\xd0 text");
    edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(edit->Text(), "MIXED \xd6\xd0 TEXT");
    robot.Type(edit, "abc");
    EXPECT_EQ(edit->Text(), "ABC");
    SetPropPath(edit, "CharCase", "ecLowerCase");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_FALSE(TrySetPropPath(edit, "CharCase", "ecTitleCase"));
    edit->SetCharCase(static_cast<TEditCharCase>(9));
    EXPECT_EQ(edit->CharCase(), ecLowerCase);
}

TEST_F(EditTest, SelectionStaysInsideTheText)
{
    edit->SetText("0123456789");
    edit->SetSelStart(3);
    edit->SetSelLength(4);
    EXPECT_EQ(edit->SelText(), "3456");
    edit->SetSelText("x");
    EXPECT_EQ(edit->Text(), "012x789");
    EXPECT_EQ(edit->SelStart(), 4);
    EXPECT_EQ(edit->SelLength(), 0);
    edit->SetSelStart(100);
    EXPECT_EQ(edit->SelStart(), 7);
    edit->SetSelLength(100);
    EXPECT_EQ(edit->SelLength(), 0);
    edit->SetSelStart(-3);
    edit->SetSelLength(-1);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelText(), "");
}

TEST_F(EditTest, AutoSelectSelectsAllOnEnter)
{
    edit->SetText("whole");
    robot.Focus(edit);
    EXPECT_EQ(edit->SelText(), "whole");
    robot.Focus(other);
    edit->SetAutoSelect(false);
    edit->SetSelStart(2);
    robot.Focus(edit);
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditTest, ReadOnlyRefusesTypedCharacters)
{
    edit->SetReadOnly(true);
    std::string seen;
    edit->OnKeyPress = TKeyPressEvent::From([&](TObject*, char& key) { seen += key; });
    robot.PressKey(edit, 'A');
    EXPECT_EQ(seen, "a");  // the handler still sees the key
    EXPECT_FALSE(edit->Modified());
}

TEST_F(EditTest, PublishedPropertiesByName)
{
    SetPropPath(edit, "Text", "named");
    SetPropPath(edit, "MaxLength", 12);
    SetPropPath(edit, "ReadOnly", "True");
    SetPropPath(edit, "PasswordChar", "*");
    SetPropPath(edit, "Font.Color", "clRed");
    SetPropPath(edit, "ImeName", "");
    EXPECT_EQ(edit->Text(), "named");
    EXPECT_EQ(edit->MaxLength(), 12);
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_EQ(edit->PasswordChar(), '*');
    EXPECT_EQ(edit->Font()->Color(), clRed);
    EXPECT_TRUE(HasPropByName(edit, "OnChange"));
    EXPECT_FALSE(TrySetPropPath(edit, "NoSuchProperty", 1));
    EXPECT_EQ(edit->ClassName(), "TEdit");
}

TEST_F(EditTest, MemoLinesAreAViewOnTheText)
{
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    int memoChanges = 0;
    memo->OnChange = TNotifyEvent::From([&](TObject*) { ++memoChanges; });
    memo->Lines()->Add("first");
    memo->Lines()->Add("second");
    EXPECT_EQ(memo->Text(), "first\r\nsecond\r\n");
    EXPECT_EQ(memoChanges, 2);
    memo->SetText("a\nb\rc\r\nd");
    ASSERT_EQ(memo->Lines()->Count(), 4);
    EXPECT_EQ(memo->Lines()->Get(2), "c");
    EXPECT_EQ(memo->Text(), "a\nb\rc\r\nd");  // the text stays as set
    memo->Lines()->Delete(0);
    EXPECT_EQ(memo->Text(), "b\r\nc\r\nd\r\n");
    memo->Lines()->Put(0, "B");
    memo->Lines()->Insert(3, "e");
    EXPECT_EQ(memo->Lines()->Text(), "B\r\nc\r\nd\r\ne\r\n");
    EXPECT_THROW(memo->Lines()->Get(9), EStringListError);
    EXPECT_THROW(memo->Lines()->Insert(-1, "x"), EStringListError);
    memo->Lines()->Clear();
    EXPECT_EQ(memo->Text(), "");
    EXPECT_EQ(memo->Lines()->Count(), 0);

    TStringList source;
    source.SetText("x\r\ny");
    EXPECT_FALSE(TrySetPropPath(memo, "Lines", "text"));  // not an object: refused
    memo->SetLines(source);
    EXPECT_EQ(GetStrPropByName(memo, "Text"), "x\r\ny\r\n");
    EXPECT_EQ(GetObjectPropByName(memo, "Lines"), memo->Lines());
}

TEST_F(EditTest, MemoKeepsEnterAndTabAsItIsTold)
{
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetTabStop(true);
    robot.Focus(memo);
    robot.PressKey(VK_TAB);
    EXPECT_TRUE(edit->Focused()) << "without WantTabs Tab moves on";
    memo->SetWantTabs(true);
    robot.Focus(memo);
    robot.PressKey(VK_TAB);
    EXPECT_TRUE(memo->Focused());
}

TEST_F(EditTest, LabelSizesItselfToItsText)
{
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(100, 10, 10, 10);
    label->SetCaption("&Name");  // the accelerator marker takes no room
    EXPECT_EQ(label->Width(), 4 * 5);
    EXPECT_EQ(label->Height(), 13);
    label->SetCaption("two\r\nlines here");
    EXPECT_EQ(label->Width(), 10 * 5);
    EXPECT_EQ(label->Height(), 26);
    label->SetCaption("");
    EXPECT_EQ(label->Width(), 5) << "an empty caption measures as one blank";

    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("longer caption");
    EXPECT_EQ(label->Left() + label->Width(), right) << "a right-aligned label keeps its right edge";

    label->SetAlignment(taLeftJustify);
    label->SetWordWrap(true);
    label->SetWidth(30);
    label->SetCaption("aaa bbb ccc");
    EXPECT_EQ(label->Width(), 30);
    EXPECT_EQ(label->TextLines(), (std::vector<std::string>{"aaa", "bbb", "ccc"}));
    EXPECT_EQ(label->Height(), 39);

    label->SetAutoSize(false);
    label->SetCaption("no more resizing at all");
    EXPECT_EQ(label->Width(), 30);

    EXPECT_FALSE(TrySetPropPath(label, "Layout", "tlMiddle"));
    SetPropPath(label, "Layout", "tlCenter");
    EXPECT_EQ(label->Layout(), tlCenter);
}

TEST_F(EditTest, LabelForgetsAFreedFocusControl)
{
    auto* label = new TLabel(form);
    label->SetParent(form);
    auto* target = new TEdit(form);
    label->SetFocusControl(target);
    EXPECT_EQ(GetObjectPropByName(label, "FocusControl"), target);
    FreeComponent(target);
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(EditTest, LabelPaintsItsBackgroundUnlessTransparent)
{
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetColor(clRed);
    TBitmap bitmap(label->Width(), label->Height());
    label->Paint(*bitmap.Canvas());
    EXPECT_EQ(bitmap.Pixel(0, label->Height() - 1), clRed);
    TBitmap clear(label->Width(), label->Height());
    label->SetTransparent(true);
    label->Paint(*clear.Canvas());
    EXPECT_EQ(clear.Pixel(0, label->Height() - 1), clWhite);
}

}  // namespace
}  // namespace qvn::test
