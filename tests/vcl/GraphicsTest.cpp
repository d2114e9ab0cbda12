#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorOf.h"
#include "vcl/Canvas.h"
#include "vcl/Graphics.h"
#include "vcl/TextMetrics.h"

namespace qvn {
namespace {

TEST(GraphicsTest, ColorTextsUseNamesAndFallBackToHex)
{
    struct Case {
        TColor color;
        const char* text;
    } cases[] = {
        {clRed, "clRed"},           {clBtnFace, "clBtnFace"},   {clWindowText, "clWindowText"},
        {clInfoBk, "clInfoBk"},     {clNone, "clNone"},         {clDefault, "clDefault"},
        {clSilver, "clSilver"},     {clGray, "clGray"},  // the aliases clLtGray/clDkGray are never written
        {0x123456, "$00123456"},    {SystemColor(25), "$80000019"}, {0x00FF8000, "$00FF8000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorToString(c.color), c.text);
        EXPECT_EQ(StringToColor(c.text), c.color);
    }
}

TEST(GraphicsTest, ColorNamesAreReadWithoutCaseAndNumbersAsDecimalOrHex)
{
    EXPECT_EQ(StringToColor("CLYELLOW"), clYellow);
    EXPECT_EQ(StringToColor("clLtGray"), clSilver);
    EXPECT_EQ(StringToColor("255"), 255);
    EXPECT_EQ(StringToColor("0x80000005"), clWindow);
    EXPECT_EQ(test::ErrorOf<EConvertError>([] { StringToColor("clPink"); }), "'clPink' is not a valid integer value");
    int32_t color = 7;
    EXPECT_FALSE(IdentToColor("$000000FF", color));  // the table alone knows no numbers
    EXPECT_EQ(color, 7);
    std::string ident = "unchanged";
    EXPECT_FALSE(ColorToIdent(0x123456, ident));
    EXPECT_EQ(ident, "unchanged");
}

TEST(GraphicsTest, SystemColorsResolveThroughTheClassicPalette)
{
    struct Case {
        TColor color;
        int32_t rgb;
    } cases[] = {{clWindow, 0xFFFFFF}, {clBtnFace, 0xC0C0C0},  {clWindowText, 0},         {clHighlight, 0x800000},
                 {clInfoBk, 0xE1FFFF}, {clRed, clRed},         {clNone, clNone},          {clDefault, clDefault},
                 {SystemColor(200), 0}};
    for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.color), c.rgb) << ColorToString(c.color);
}

TEST(GraphicsTest, CursorAndCharsetNames)
{
    EXPECT_EQ(StringToCursor("crHourGlass"), crHourGlass);
    EXPECT_EQ(StringToCursor("crsize"), crSizeAll);
    EXPECT_EQ(CursorToString(crSizeAll), "crSizeAll");
    EXPECT_EQ(CursorToString(crNone), "crNone");
    EXPECT_EQ(CursorToString(5), "5");
    EXPECT_EQ(StringToCursor("-17"), crSQLWait);
    EXPECT_THROW(StringToCursor("crPointer"), EConvertError);
    int32_t charset = 0;
    EXPECT_TRUE(IdentToCharset("gb2312_charset", charset));
    EXPECT_EQ(charset, GB2312_CHARSET);
    std::string ident;
    EXPECT_TRUE(CharsetToIdent(OEM_CHARSET, ident));
    EXPECT_EQ(ident, "OEM_CHARSET");
    EXPECT_FALSE(CharsetToIdent(3, ident));
}

bool ToPriority(std::string_view ident, int32_t& value)
{
    if (ident != "prHigh") return false;
    value = 9;
    return true;
}
bool FromPriority(int32_t value, std::string& ident)
{
    if (value != 9) return false;
    ident = "prHigh";
    return true;
}

TEST(GraphicsTest, MappingsAreFoundByTypeNameAndNewOnesCanBeRegistered)
{
    EXPECT_NE(FindIdentMapping("tcolor"), nullptr);
    EXPECT_NE(FindIdentMapping("TCursor"), nullptr);
    EXPECT_NE(FindIdentMapping("TFontCharset"), nullptr);
    EXPECT_EQ(FindIdentMapping("Integer"), nullptr);
    int32_t value = 0;
    EXPECT_TRUE(IdentOrNumberToInt("TColor", "clAqua", value));
    EXPECT_EQ(value, clAqua);
    EXPECT_TRUE(IdentOrNumberToInt("Integer", "$1F", value));
    EXPECT_EQ(value, 31);
    EXPECT_FALSE(IdentOrNumberToInt("TColor", "cl Aqua", value));
    RegisterIntegerConsts("TTestPriority", &ToPriority, &FromPriority);
    EXPECT_TRUE(IdentOrNumberToInt("ttestpriority", "prHigh", value));
    EXPECT_EQ(value, 9);
    EXPECT_EQ(IntToIdentOrNumber("TTestPriority", 9), "prHigh");
    EXPECT_EQ(IntToIdentOrNumber("TTestPriority", 3), "3");
}

TEST(FontTest, DefaultsAndPublishedProperties)
{
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.Pitch(), fpDefault);
    std::vector<std::string> names;
    for (const TPropInfo* p : font.ClassInfo().Props()) names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"}));
}

TEST(FontTest, SizeAndHeightAreOneValueAt96Dpi)
{
    struct Case {
        int size;
        int height;
    } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}, {0, 0}, {-8, 11}};
    for (const Case& c : cases) {
        TFont font;
        font.SetSize(c.size);
        EXPECT_EQ(font.Height(), c.height) << c.size;
        EXPECT_EQ(font.Size(), c.size) << c.size;
    }
}

TEST(FontTest, EveryRealChangeFiresOnChangeOnce)
{
    TFont font;
    int changes = 0;
    font.OnChange = TNotifyEvent::From([&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    });
    font.SetColor(clRed);
    font.SetColor(clRed);
    font.SetStyle({fsBold});
    font.SetSize(8);  // already -11
    font.SetName("");  // a font keeps a face name
    font.SetName("Tahoma");
    EXPECT_EQ(changes, 3);
    TFont other;
    other.SetCharset(GB2312_CHARSET);
    font.Assign(other);
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(font.SameAs(other));
    font.Assign(other);
    EXPECT_EQ(changes, 4);
}

TEST(FontTest, AssignFromAnotherClassRaises)
{
    TFont font;
    TBrush brush;
    EXPECT_EQ(test::ErrorOf<EConvertError>([&] { font.Assign(brush); }), "Cannot assign a TBrush to a TFont");
}

TEST(TextMetricsTest, HeadlessMetricsFollowTheFontHeight)
{
    TCanvas canvas;
    EXPECT_EQ(canvas.TextWidth("abc"), 15);
    EXPECT_EQ(canvas.TextHeight("abc"), 13);
    EXPECT_EQ(canvas.TextWidth("\xD6\xD0"), 10);  // one double-byte character counts twice
    EXPECT_EQ(canvas.TextWidth(""), 0);
    canvas.Font()->SetStyle({fsBold});
    EXPECT_EQ(canvas.TextWidth("abc"), 18);
    canvas.Font()->SetStyle({});
    canvas.Font()->SetHeight(-22);
    EXPECT_EQ(canvas.TextWidth("ab"), 20);
    EXPECT_EQ(canvas.TextHeight("x"), 26);
    canvas.Font()->SetHeight(0);
    EXPECT_EQ(canvas.TextWidth("ab"), 2);  // never narrower than a pixel per character
}

TEST(TextMetricsTest, InstalledMetricsReplaceTheHeadlessOnes)
{
    struct Fixed : ITextMetrics {
        int TextWidth(const TFont&, std::string_view text) const override { return 100 + static_cast<int>(text.size()); }
        int TextHeight(const TFont&, std::string_view) const override { return 1; }
    } fixed;
    TCanvas canvas;
    SetTextMetrics(&fixed);
    EXPECT_EQ(canvas.TextWidth("ab"), 102);
    SetTextMetrics(nullptr);
    EXPECT_EQ(canvas.TextWidth("ab"), 10);
}

}  // namespace
}  // namespace qvn
