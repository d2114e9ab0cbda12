#pragma once
// Captions the program's controls draw themselves: one line, vertically
// centred in a rectangle, the accelerator character ("&x") underlined.
// Headless, the canvas does not rasterise glyphs, but the underline is a
// real line, so where the accelerator sits can be seen on a bitmap.

#include <string>
#include <string_view>

#include "vcl/Geometry.h"

namespace qvn {

class TCanvas;

struct TAccelSplit {
    std::string Shown;      // the caption as drawn
    int AccelPos = -1;      // byte position of the accelerator in Shown, -1 when none
};
TAccelSplit SplitAccel(std::string_view caption);

// Draws the caption in the canvas's font and font colour, clear background;
// centred horizontally when centre is set, else from rect.Left.
void DrawCaptionText(TCanvas& canvas, const TRect& rect, std::string_view caption, bool centre = false);

TRect IntersectRects(const TRect& a, const TRect& b);

}  // namespace qvn
