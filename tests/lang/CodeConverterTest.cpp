#include <gtest/gtest.h>

#include "lang/CodeConverter.h"
#include "platform/CodePage.h"
#include "support/ErrorOf.h"
#include "support/VariantPrinting.h"
#include "support/ZentorFixture.h"
#include "vcl/Charsets.h"
#include "vcl/Font.h"
#include "vcl/Screen.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

// Code pages chosen by the client configuration of a scratch installation.
class CodeConverterTest : public test::VclTest {
protected:
    void Configure(const std::string& ui, const std::string& db = "936", int systemCodePage = CP_GBK)
    {
        SetProcessCodePage(systemCodePage);
        install_.WriteFile("client/ZentorC.ini", "[CodePage]\nUICodePage=" + ui + "\nDBCodePage=" + db + "\n");
    }
    void TearDown() override
    {
        SetProcessCodePage(CP_GBK);
        test::VclTest::TearDown();
    }
    test::ZentorInstall install_;
};

TEST_F(CodeConverterTest, ConfigurationDecidesTheConversions)
{
    struct Case { const char* ui; const char* db; int system; int uiConv; int dataConv; bool translator; };
    const Case cases[] = {
        {"936", "936", CP_GBK, 0, 0, false}, {"950", "936", CP_GBK, 2, 2, true},
        {"936", "950", CP_BIG5, 4, 1, true}, {"437", "936", CP_LATIN1, 0, 0, false},
    };
    for (const auto& c : cases) {
        Configure(c.ui, c.db, c.system);
        TCodeConverter conv(nullptr);
        EXPECT_EQ(conv.UIConversion(), c.uiConv) << c.ui;
        EXPECT_EQ(conv.DataConversion(), c.dataConv) << c.ui;
        EXPECT_EQ(conv.HasTranslator(), c.translator) << c.ui;
    }
}

TEST_F(CodeConverterTest, ValueConversionsOverArrays)
{
    Configure("950", "936");
    TCodeConverter conv(nullptr);
    // One dimension: texts through the library, numbers come back as texts, nested arrays converted.
    const Variant row = VarArrayOf({Variant("应付"), Variant(12), Variant("A01"), VarArrayOf({Variant("供应商")})});
    EXPECT_EQ(conv.DataToUI(row), VarArrayOf({Variant("\xC0\xB3\xA5\x49"), Variant("12"), Variant("A01"),
                                              VarArrayOf({Variant("\xA8\xD1\xC0\xB3\xB0\xD3")})}));
    // Two dimensions keep Empty and Null.
    Variant grid = VarArrayCreate(VarBound{0, 1}, VarBound{0, 1});
    grid(0, 0) = Variant("应付");
    grid(0, 1) = Variant::Null();
    grid(1, 0) = Variant(2.5);
    const Variant out = conv.DataToUI(grid);
    EXPECT_EQ(out(0, 0), Variant("\xC0\xB3\xA5\x49"));
    EXPECT_TRUE(out(0, 1).IsNull());
    EXPECT_TRUE(out(1, 1).IsEmpty());
    EXPECT_EQ(out(1, 0), Variant("2.5"));
    // A Null inside a one-dimensional array: the data-side conversion gives up quietly, the UI side raises.
    const Variant withNull = VarArrayOf({Variant("应付"), Variant::Null()});
    EXPECT_EQ(conv.UIToData(withNull), withNull);
    EXPECT_THROW(conv.DataToUI(withNull), EVariantError);
    // Back from the database side and single values.
    EXPECT_EQ(conv.UIToData(Variant("\xC0\xB3\xA5\x49")), Variant("应付"));
    EXPECT_EQ(conv.DesignToUI(Variant("应付")), Variant("\xC0\xB3\xA5\x49"));
    EXPECT_EQ(conv.UIToDesign(Variant("\xC0\xB3\xA5\x49")), Variant("应付"));
    EXPECT_TRUE(conv.DataToUI(Variant::Null()).IsNull());
    EXPECT_EQ(conv.GBToBig5(""), "");
}

TEST_F(CodeConverterTest, ArraysConvertAsEveryTextOnItsOwnWould)
{
    Configure("950", "936");
    TCodeConverter conv(nullptr);
    // Repeated texts, texts with line breaks, a truncated character at the end of a
    // text and invalid bytes: the whole-array conversion equals the single ones.
    const std::vector<std::string> texts = {"应付账款", "供应商", "应付账款", "第一行\n第二行", "尾\xD3",
                                            "\xFF坏", "", "A01", "发票", "供应商", "干部\r\n"};
    Variant array = VarArrayCreate(0, static_cast<int>(texts.size()) - 1);
    for (size_t i = 0; i < texts.size(); ++i) array[static_cast<int>(i)] = Variant(texts[i]);
    const Variant out = conv.DataToUI(array);
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(out[static_cast<int>(i)], Variant(conv.GBToBig5(texts[i]))) << i;
}

TEST_F(CodeConverterTest, NoConversionLeavesValuesAlone)
{
    Configure("936");
    TCodeConverter conv(nullptr);
    const Variant v = VarArrayOf({Variant("应付"), Variant(1), Variant::Null()});
    EXPECT_EQ(conv.DataToUI(v), v);
    EXPECT_EQ(conv.UIToData(v), v);
    EXPECT_EQ(conv.DesignToUI(Variant(7)), Variant(7));
}

TEST_F(CodeConverterTest, FontsPerKind)
{
    const std::pair<int, int> cases[] = {{0, GB2312_CHARSET}, {1, GB2312_CHARSET}, {4, GB2312_CHARSET},
                                         {2, CHINESEBIG5_CHARSET}, {3, CHINESEBIG5_CHARSET}};
    for (auto [kind, charset] : cases) {
        TFont f;
        TCodeConverter::ApplyUIFont(static_cast<uint8_t>(kind), &f);
        EXPECT_EQ(f.Name(), "SimSun") << kind;
        EXPECT_EQ(f.Charset(), charset) << kind;
    }
    TFont untouched;
    TCodeConverter::ApplyUIFont(5, &untouched);
    EXPECT_EQ(untouched.Name(), TFont().Name());
    TCodeConverter::ApplyUIFont(2, nullptr);
}

TEST_F(CodeConverterTest, WholeFormOnABig5Interface)
{
    Configure("950");
    auto* form = NewShownForm("frmJob");
    form->SetCaption("应付批次");
    form->SetHint("提示");
    TCodeConverter conv(form);
    conv.ConvertComponents(form);
    EXPECT_EQ(form->Caption(), "应付批次");  // the caption only changes on a Big5 system
    EXPECT_EQ(form->Hint(), "\xB4\xA3\xA5\xDC");
    EXPECT_EQ(Screen->HintFont()->Charset(), CHINESEBIG5_CHARSET);
}

TEST_F(CodeConverterTest, GBInterfaceOnABig5SystemConvertsOnlyTheFormCaption)
{
    Configure("936", "936", CP_BIG5);
    auto* form = NewShownForm("frmJob");
    form->SetCaption("应付");
    form->SetHint("提示");
    TCodeConverter conv(form);
    ASSERT_EQ(conv.UIConversion(), 4);
    conv.ConvertComponents(form);
    EXPECT_EQ(form->Caption(), "\xC0\xB3\xA5\x49");
    EXPECT_EQ(form->Hint(), "提示");
    EXPECT_EQ(Screen->MenuFont()->Charset(), GB2312_CHARSET);
}

TEST_F(CodeConverterTest, MessageBoxes)
{
    Configure("936");
    auto* form = NewShownForm("frmJob");
    form->SetCaption("应付批次");
    TCodeConverter conv(form);
    EXPECT_EQ(conv.ShowMessageDlg("", mtWarning, mbYesNo), mrNone);
    EXPECT_EQ(robot.Dialogs().size(), 0u);
    robot.AnswerNextDialog(mrYes);
    form->SetWindowState(wsMinimized);
    EXPECT_EQ(conv.ShowMessageDlg("继续?", mtConfirmation, mbYesNo), mrYes);
    const TShownDialog* d = robot.LastDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Text, "继续?      ");
    EXPECT_EQ(d->Caption, "应付批次");
    EXPECT_EQ(d->FontName, "SimSun");
    EXPECT_EQ(d->FontCharset, GB2312_CHARSET);
    EXPECT_EQ(form->WindowState(), wsNormal);
}

}  // namespace
}  // namespace qvn
