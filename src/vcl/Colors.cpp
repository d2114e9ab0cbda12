#include "vcl/Colors.h"

#include <array>
#include <iterator>

#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "vcl/IdentMap.h"

namespace qvn {
namespace {

// The classic desktop scheme, by system colour index.
constexpr std::array<int32_t, 31> kClassicPalette = {
    0xC0C0C0,  // scroll bar
    0x808000,  // background
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application work space
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3D dark shadow
    0xDFDFDF,  // 3D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0x000000,  // (unused)
    0x800000,  // hot light
    0xD08410,  // gradient active caption
    0xB5B5B5,  // gradient inactive caption
    0xC56A31,  // menu highlight
    0xC0C0C0,  // menu bar
};

// Order matters where values repeat: the first name of a value is the one written.
constexpr TIdentMapEntry kColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
    // Read-only aliases: accepted as names, never written.
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
};

}  // namespace

int32_t ColorToRGB(TColor color)
{
    if (color >= 0) return color;
    const auto index = static_cast<size_t>(color & 0xFF);
    return index < kClassicPalette.size() ? kClassicPalette[index] : 0;
}

bool ColorToIdent(int32_t color, std::string& ident) { return IntToIdent(color, ident, kColors); }

bool IdentToColor(std::string_view ident, int32_t& color) { return IdentToInt(ident, color, kColors); }

std::string ColorToString(TColor color)
{
    std::string ident;
    if (ColorToIdent(color, ident)) return ident;
    return "$" + IntToHex(static_cast<uint32_t>(color), 8);
}

TColor StringToColor(std::string_view text)
{
    int32_t color = 0;
    if (IdentToColor(text, color)) return color;
    return StrToInt(text);
}

}  // namespace qvn
