#include <gtest/gtest.h>

#include "controls/GlyphLibrary.h"
#include "vcl/Bitmap.h"

namespace qvn {
namespace {

TEST(GlyphLibraryTest, TheFormsGlyphsExistAsRowsOfSquareImages)
{
    ASSERT_GE(GetMaxBmpID(), 47);
    struct Case { int number; int images; };
    for (const Case c : {Case{4, 2}, {8, 1}, {9, 1}, {39, 1}, {47, 1}, {1, 1}, {2, 1}}) {
        TBitmap glyph;
        ASSERT_TRUE(LoadBmp(&glyph, c.number)) << c.number;
        EXPECT_EQ(glyph.Height(), 16);
        EXPECT_EQ(glyph.Width() / glyph.Height(), c.images) << c.number;
        // The bottom-left pixel is transparent, and the picture is not empty.
        const TColor transparent = glyph.Pixel(0, glyph.Height() - 1);
        int drawn = 0;
        for (int y = 0; y < glyph.Height(); ++y)
            for (int x = 0; x < glyph.Width(); ++x) drawn += glyph.Pixel(x, y) != transparent;
        EXPECT_GT(drawn, 10) << c.number;
    }
}

TEST(GlyphLibraryTest, NumbersWithoutPicturesLoadNothing)
{
    TBitmap glyph(3, 3);
    for (int n : {0, -1, 3, GetMaxBmpID(), GetMaxBmpID() + 1, 1 << 30}) EXPECT_FALSE(LoadBmp(&glyph, n)) << n;
    EXPECT_EQ(glyph.Width(), 3);
    EXPECT_FALSE(LoadBmp(nullptr, 8));
}

}  // namespace
}  // namespace qvn
