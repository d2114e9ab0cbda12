// The glyph pictures, drawn as text: one character per pixel, 16 x 16 per
// image, images of one glyph side by side. '.' is the transparent colour.

#include "tvres.h"

#include <cstring>
#include <string_view>

namespace {

struct Glyph {
    int number;
    int images;
    const char* rows[16];  // each row holds 16 * images characters
};

// 0x00BBGGRR
uint32_t ColourOf(char c)
{
    switch (c) {
    case '.': return 0x00FF00FF;  // transparent (magenta)
    case 'k': return 0x00000000;  // black
    case 'w': return 0x00FFFFFF;  // white
    case 's': return 0x00C0C0C0;  // silver
    case 'g': return 0x00808080;  // grey
    case 'r': return 0x000000FF;  // red
    case 'm': return 0x00000080;  // maroon
    case 'b': return 0x00FF0000;  // blue
    case 'n': return 0x00800000;  // navy
    case 'y': return 0x0000FFFF;  // yellow
    case 'o': return 0x00008080;  // olive
    case 'e': return 0x00008000;  // green
    case 'c': return 0x00FFFF00;  // aqua
    default: return 0x00FF00FF;
    }
}

constexpr Glyph kGlyphs[] = {
    {1, 1, {  // OK: a green tick
        "................", "................", "..............e.", ".............ee.",
        "............eee.", "...........eee..", "..e.......eee...", "..ee.....eee....",
        "..eee...eee.....", "...eee.eee......", "....eeeee.......", ".....eee........",
        "......e.........", "................", "................", "................"}},
    {2, 1, {  // cancel: a red cross
        "................", "................", "...rr......rr...", "...rrr....rrr...",
        "....rrr..rrr....", ".....rrrrrr.....", "......rrrr......", "......rrrr......",
        ".....rrrrrr.....", "....rrr..rrr....", "...rrr....rrr...", "...rr......rr...",
        "................", "................", "................", "................"}},
    {4, 2, {  // clear the list: an eraser, normal and disabled
        "................................", "................................",
        ".........kkkkkk..........gggggg.", "........kwwwwwk..........gwwwwg.",
        ".......kwwwwwk..........gwwwwg..", "......kwwwwwk..........gwwwwg...",
        ".....krrrrrkk.........gssssgg...", "....krrrrrkk.........gssssgg....",
        "...krrrrrkk.........gssssgg.....", "..krrrrrkk.........gssssgg......",
        "..kkkkkkk..........ggggggg......", "................................",
        "..kkkkkkkkkkkk.....gggggggggggg.", "................................",
        "................................", "................................"}},
    {8, 1, {  // lookup: a magnifying glass
        "................", "....kkkk........", "...kccccck......", "..kcwwccccck....",
        "..kcwccccccck...", "..kcccccccck....", "..kcccccccck....", "...kccccck......",
        "....kkkkkk......", "........kkk.....", ".........kkk....", "..........kkk...",
        "...........kkk..", "............kk..", "................", "................"}},
    {9, 1, {  // date quick pick: a calendar
        "................", "..k...k...k.....", ".kkkkkkkkkkkkk..", ".krrrrrrrrrrrk..",
        ".kkkkkkkkkkkkk..", ".kwwkwwkwwkwwk..", ".kkkkkkkkkkkkk..", ".kwwkwwkwwkwwk..",
        ".kkkkkkkkkkkkk..", ".kwwkwwkrrkwwk..", ".kkkkkkkkkkkkk..", ".kwwkwwkwwkwwk..",
        ".kkkkkkkkkkkkk..", "................", "................", "................"}},
    {39, 1, {  // notify users: two people
        "................", ".....kkk........", "....kyyyk.kkk...", "....kyyyk.yyyk..",
        "....kyyyk.yyyk..", ".....kkk..yyyk..", "...kbbbbbk.kk...", "..kbbbbbbbkeek..",
        "..kbbbbbbbkeeek.", "..kbbbbbbbkeeek.", "..kbbbbbbbkeeek.", "..kkkkkkkkkkkkk.",
        "................", "................", "................", "................"}},
    {47, 1, {  // delete the selected rows: rows with a red cross
        "................", ".kkkkkkkkkkkk...", ".kwwwwwwwwwwk...", ".kkkkkkkkkkkk...",
        ".kbbbbbbbbbbk...", ".kkkkkkkkkkkk...", ".kwwwwwwwwwwk...", ".kkkkkkkkkrr...r",
        "..........rrr.rr", "...........rrrr.", "............rr..", "...........rrrr.",
        "..........rrr.rr", ".........rr....r", "................", "................"}},
};

constexpr int kMaxBmpID = 50;

const Glyph* FindGlyph(int number)
{
    for (const Glyph& g : kGlyphs)
        if (g.number == number) return &g;
    return nullptr;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int GetMaxBmpID(void) { return kMaxBmpID; }

__attribute__((visibility("default"))) int GetBmpPixels(int Index, int* Width, int* Height, uint32_t* Pixels,
                                                         int Capacity)
{
    const Glyph* glyph = FindGlyph(Index);
    if (glyph == nullptr || Width == nullptr || Height == nullptr) return 0;
    const int width = 16 * glyph->images, height = 16;
    *Width = width;
    *Height = height;
    const int count = width * height;
    if (Pixels == nullptr || Capacity < count) return count;
    for (int y = 0; y < height; ++y) {
        const std::string_view row(glyph->rows[y]);
        for (int x = 0; x < width; ++x)
            Pixels[y * width + x] = ColourOf(x < static_cast<int>(row.size()) ? row[static_cast<size_t>(x)] : '.');
    }
    return count;
}
}
