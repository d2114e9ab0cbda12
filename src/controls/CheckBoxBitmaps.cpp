#include "controls/CheckBoxBitmaps.h"

#include <string>

#include "vcl/Bitmap.h"
#include "vcl/Colors.h"

namespace qvn {
namespace {

enum class Mark { None, Tick, Gray };

constexpr int kWidth = 19, kHeight = 14;
constexpr TColor kTransparent = clOlive;
// The box: 13 x 13 at 1, 0; the bottom row stays transparent.
constexpr int kBoxLeft = 1, kBoxTop = 0, kBoxSide = 13;

void DrawBox(TBitmap& b, Mark mark, bool lookAlike)
{
    b.SetSize(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) b.SetPixel(x, y, kTransparent);
    const TColor frame = lookAlike ? clBlack : clGray;
    const TColor inside = mark == Mark::Gray ? clSilver : clWhite;
    for (int y = 0; y < kBoxSide; ++y)
        for (int x = 0; x < kBoxSide; ++x) {
            const bool edge = x == 0 || y == 0 || x == kBoxSide - 1 || y == kBoxSide - 1;
            b.SetPixel(kBoxLeft + x, kBoxTop + y, edge ? frame : inside);
        }
    if (mark == Mark::None) return;
    // A tick from the lower left up to the upper right, two pixels thick.
    const TColor ink = mark == Mark::Gray ? clGray : clBlack;
    const int tick[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
    for (const auto& p : tick) {
        b.SetPixel(kBoxLeft + p[0], kBoxTop + p[1], ink);
        b.SetPixel(kBoxLeft + p[0], kBoxTop + p[1] + 1, ink);
    }
}

}  // namespace

bool LoadCheckBoxBitmap(TBitmap& bitmap, std::string_view name)
{
    struct Entry {
        std::string_view Name;
        Mark Kind;
        bool LookAlike;
    };
    static constexpr Entry kEntries[] = {{"CHECKED", Mark::Tick, false}, {"UNCHECKED", Mark::None, false},
                                         {"GRAYED", Mark::Gray, false},  {"CHECK", Mark::Tick, true},
                                         {"UNCHECK", Mark::None, true},  {"GRAY", Mark::Gray, true}};
    for (const Entry& e : kEntries)
        if (e.Name == name) {
            DrawBox(bitmap, e.Kind, e.LookAlike);
            bitmap.SetTransparent(true);
            return true;
        }
    return false;
}

}  // namespace qvn
