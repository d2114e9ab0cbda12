#include <gtest/gtest.h>

#include "lang/DisabledGlyph.h"
#include "lang/QVForm.h"
#include "platform/CodePage.h"
#include "support/ZentorFixture.h"
#include "vcl/Bitmap.h"
#include "vcl/Charsets.h"
#include "vcl/Colors.h"
#include "vcl/PropTable.h"
#include "vcl/VclTestKit.h"

namespace qvn {

// A control that publishes a font and an input-method name, as edits do.
class TFontHolder : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TFontHolder(TComponent* owner) : TWinControl(owner) {}
    const std::string& ImeName() const { return ime_; }
    void SetImeName(const std::string& v) { ime_ = v; }

private:
    std::string ime_ = "Chinese (Simplified) - US Keyboard";
};
QVN_DEFINE_CLASS_INFO(TFontHolder, TWinControl, [](TPropTable& t) {
    AddObjectProp<TControl, &TControl::Font>(t, "Font", "TFont");
    AddStrProp<TFontHolder, &TFontHolder::ImeName, &TFontHolder::SetImeName>(t, "ImeName");
})

// A form two levels below the base form, for the class chain of language files.
class TfrmBaseTest : public TQVForm {
    QVN_CLASS_INFO()
public:
    using TQVForm::TQVForm;
};
QVN_DEFINE_CLASS_INFO(TfrmBaseTest, TQVForm)

class TfrmJobTest : public TfrmBaseTest {
    QVN_CLASS_INFO()
public:
    using TfrmBaseTest::TfrmBaseTest;
};
QVN_DEFINE_CLASS_INFO(TfrmJobTest, TfrmBaseTest)

namespace {

class QVFormTest : public test::VclTest {
protected:
    void Configure(const std::string& ui)
    {
        install_.WriteFile("client/ZentorC.ini", "[CodePage]\nUICodePage=" + ui + "\n");
        install_.WriteFile("client/MultiLanguage/CHS/readme.txt", "");
    }
    void WriteLang(const std::string& file, const std::string& xml)
    {
        install_.WriteFile("client/MultiLanguage/CHS/" + file, xml);
    }
    test::ZentorInstall install_;
};

TEST_F(QVFormTest, CreationSettings)
{
    Configure("936");
    auto* form = NewForm<TQVForm>(Application);
    EXPECT_EQ(form->Caption(), "QVForm");
    EXPECT_EQ(form->Font()->Name(), "宋体");
    EXPECT_EQ(form->Font()->Height(), -13);
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_EQ(form->FindComponent("QvConverter"), form->QvConverter());
    EXPECT_EQ(form->FindComponent("LangController"), form->LangController());
    EXPECT_FALSE(form->LangController()->Active());
    EXPECT_TRUE(form->TranslateOnShow());
    EXPECT_EQ(form->ClassName(), "TQVForm");
}

TEST_F(QVFormTest, EnglishInterfaceGetsTahomaOnComponentsNotOnTheForm)
{
    Configure("437");
    auto* form = new TQVForm(Application);
    auto* holder = new TFontHolder(form);
    form->AfterConstruction();
    EXPECT_EQ(holder->Font()->Name(), "Tahoma");
    EXPECT_EQ(holder->Font()->Charset(), GB2312_CHARSET);
    EXPECT_EQ(holder->ImeName(), "");
    EXPECT_EQ(form->Font()->Name(), "宋体");
}

TEST_F(QVFormTest, LanguageFilesOfTheClassChainApplyOnShowDerivedLast)
{
    Configure("936");
    WriteLang("TQVForm.Lng", "<TQVForm Caption=\"base\" Hint=\"base hint\"/>");
    WriteLang("TfrmJobTest.Lng", "<TfrmJobTest Caption=\"job\"/>");
    auto* form = NewForm<TfrmJobTest>(Application);
    form->Show();
    EXPECT_EQ(form->Caption(), "job");
    EXPECT_EQ(form->Hint(), "base hint");
    // Without files nothing changes and nothing is raised.
    auto* plain = NewForm<TfrmBaseTest>(Application);
    plain->SetCaption("designed");
    plain->Show();
    EXPECT_EQ(plain->Caption(), "base");  // TQVForm.Lng still applies to every form
}

TEST_F(QVFormTest, OwnLanguageStopsBeforeTheBaseForm)
{
    Configure("936");
    WriteLang("TQVForm.Lng", "<TQVForm Caption=\"base\"/>");
    WriteLang("TfrmBaseTest.Lng", "<TfrmBaseTest Hint=\"own\"/>");
    auto* form = NewForm<TfrmJobTest>(Application);
    form->LoadOwnLanguage(form, true);
    EXPECT_EQ(form->Caption(), "QVForm");
    EXPECT_EQ(form->Hint(), "own");
}

TEST_F(QVFormTest, ConvertFormRunsOnce)
{
    Configure("950");
    auto* form = NewForm<TQVForm>(Application);
    form->SetHint("提示");
    form->ConvertForm();
    form->ConvertForm();
    EXPECT_EQ(form->Hint(), "\xB4\xA3\xA5\xDC");
    EXPECT_TRUE(form->Converted());
}

TEST_F(QVFormTest, LangMsgFromFileOrDefault)
{
    Configure("950");
    install_.WriteFile("client/MultiLanguage/CHT/TfrmBaseGene.Lng", "<TfrmBaseGene><sOption Msg=\"Options\"/><sBare/></TfrmBaseGene>");
    auto* form = NewForm<TQVForm>(Application);
    EXPECT_EQ(form->LangMsg("TfrmBaseGene", "sOption", "选项"), "Options");
    EXPECT_EQ(form->LangMsg("TfrmBaseGene", "sBare", "提示"), "\xB4\xA3\xA5\xDC");         // default, shown in Big5
    EXPECT_EQ(form->LangMsg("TfrmBaseGene", "sBare", "提示", false), "提示");                 // default as designed
    EXPECT_EQ(form->LangMsg("NoFile", "sOption", "x"), "x");
}

TEST(DisabledGlyphTest, DarkAndOutlinePixelsBecomeTheEmbossedImage)
{
    const TColor t = clFuchsia;
    TBitmap glyph(5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) glyph.SetPixel(x, y, t);
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x) glyph.SetPixel(x, y, clSilver);  // light block
    glyph.SetPixel(4, 0, clBlack);                                      // a dark corner pixel
    MakeDisabledGlyph(&glyph);
    ASSERT_EQ(glyph.Width(), 10);
    EXPECT_EQ(glyph.Pixel(2, 2), ColorToRGB(clSilver));  // the original stays on the left
    const TColor face = ColorToRGB(clBtnFace), light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    struct Case { int x, y; TColor expected; };
    const Case cases[] = {
        {1, 1, dark},   // light, next to transparent: outline
        {2, 2, light},  // light inside: not marked, but below-right of a marked pixel
        {3, 3, dark},
        {4, 4, light},  // transparent, below-right of a marked pixel
        {0, 0, face},
        {4, 0, dark},   // dark pixel
        {0, 4, face},
    };
    for (const auto& c : cases) EXPECT_EQ(glyph.Pixel(5 + c.x, c.y), c.expected) << c.x << "," << c.y;
}

}  // namespace
}  // namespace qvn
