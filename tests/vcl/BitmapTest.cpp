#include <gtest/gtest.h>

#include <string>

#include "support/ErrorOf.h"
#include "vcl/Canvas.h"
#include "vcl/ImageList.h"
#include "vcl/RasterOp.h"

namespace qvn {
namespace {

void Fill(TBitmap& b, TColor color)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, color);
}

TEST(BitmapTest, NewAndEnlargedAreasAreWhiteAndPixelsSurviveResizing)
{
    TBitmap b(3, 2);
    EXPECT_EQ(b.Pixel(2, 1), clWhite);
    b.SetPixel(1, 1, clRed);
    b.SetPixel(0, 0, clBtnFace);  // stored as its RGB
    b.SetSize(4, 4);
    EXPECT_EQ(b.Pixel(1, 1), clRed);
    EXPECT_EQ(b.Pixel(0, 0), 0xC0C0C0);
    EXPECT_EQ(b.Pixel(3, 3), clWhite);
    b.SetWidth(1);
    EXPECT_EQ(b.Pixel(0, 0), 0xC0C0C0);
    EXPECT_EQ(b.Pixel(1, 1), clNone);  // outside
    b.SetPixel(-1, 0, clRed);         // ignored
    b.SetPixel(0, 9, clRed);
    EXPECT_EQ(b.Width(), 1);
}

TEST(BitmapTest, InvalidSizesRaise)
{
    TBitmap b(2, 2);
    for (auto [w, h] : {std::pair{-1, 1}, {1, -5}, {TBitmap::kMaxSide + 1, 1}, {30000, 30000}})
        EXPECT_EQ(test::ErrorOf<EInvalidGraphic>([&] { b.SetSize(w, h); }),
                  "Invalid bitmap size " + std::to_string(w) + " x " + std::to_string(h));
    EXPECT_EQ(b.Width(), 2);
    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.TransparentColor(), clNone);
}

TEST(BitmapTest, DrawLeavesTheTransparentColourOut)
{
    TBitmap sprite(2, 2);
    Fill(sprite, clLime);
    sprite.SetPixel(1, 0, clRed);
    TBitmap surface(4, 4);
    Fill(surface, clNavy);

    surface.Canvas()->Draw(1, 1, sprite);  // opaque
    EXPECT_EQ(surface.Pixel(1, 1), clLime);
    EXPECT_EQ(surface.Pixel(2, 1), clRed);

    Fill(surface, clNavy);
    sprite.SetTransparent(true);  // automatic: the bottom-left pixel's colour
    EXPECT_EQ(sprite.TransparentColor(), clLime);
    surface.Canvas()->Draw(1, 1, sprite);
    EXPECT_EQ(surface.Pixel(1, 1), clNavy);
    EXPECT_EQ(surface.Pixel(2, 1), clRed);

    sprite.SetTransparentColor(clRed);  // fixed
    surface.Canvas()->Draw(-1, 2, sprite);  // partly outside: clipped
    EXPECT_EQ(surface.Pixel(0, 2), clNavy);
    EXPECT_EQ(surface.Pixel(0, 3), clLime);
}

TEST(RasterOpTest, NamedOperationsCombinePatternSourceAndDestination)
{
    const uint32_t P = 0xF0F0F0, S = 0xCCCCCC, D = 0xAAAAAA;
    struct Case {
        const char* name;
        TRasterOp op;
        uint32_t expected;
    } cases[] = {
        {"SRCCOPY", SRCCOPY, S},
        {"SRCPAINT", SRCPAINT, S | D},
        {"SRCAND", SRCAND, S & D},
        {"SRCINVERT", SRCINVERT, S ^ D},
        {"SRCERASE", SRCERASE, S & ~D & 0xFFFFFF},
        {"NOTSRCCOPY", NOTSRCCOPY, ~S & 0xFFFFFF},
        {"NOTSRCERASE", NOTSRCERASE, ~(S | D) & 0xFFFFFF},
        {"MERGECOPY", MERGECOPY, P & S},
        {"MERGEPAINT", MERGEPAINT, (~S | D) & 0xFFFFFF},
        {"PATCOPY", PATCOPY, P},
        {"PATPAINT", PATPAINT, (P | ~S | D) & 0xFFFFFF},
        {"PATINVERT", PATINVERT, P ^ D},
        {"DSTINVERT", DSTINVERT, ~D & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    for (const Case& c : cases) EXPECT_EQ(ApplyRasterOp(c.op, P, S, D), c.expected) << c.name;
}

TEST(CanvasTest, BitBltCombinesPixelsAndClips)
{
    TBitmap source(2, 1);
    Fill(source, 0x0000FF);
    source.SetPixel(1, 0, 0x00FF00);
    TBitmap dest(3, 1);
    Fill(dest, 0x0F0F0F);
    dest.Canvas()->BitBlt(0, 0, 2, 1, source, 0, 0, SRCPAINT);
    EXPECT_EQ(dest.Pixel(0, 0), 0x0F0FFF);
    EXPECT_EQ(dest.Pixel(1, 0), 0x0FFF0F);
    dest.Canvas()->BitBlt(1, 0, 5, 1, source, 0, 0, SRCINVERT);  // reads black past the source's edge
    EXPECT_EQ(dest.Pixel(1, 0), 0x0FFF0F ^ 0x0000FF);
    EXPECT_EQ(dest.Pixel(2, 0), 0x0F0F0F ^ 0x00FF00);
    dest.Canvas()->Brush()->SetColor(clRed);
    dest.Canvas()->BitBlt(0, 0, 1, 1, source, 0, 0, PATCOPY);
    EXPECT_EQ(dest.Pixel(0, 0), clRed);
    dest.Canvas()->BitBlt(-1000000, -1000000, 2000000, 2000000, source, 0, 0, BLACKNESS);  // clipped, not allocated
    EXPECT_EQ(dest.Pixel(2, 0), clBlack);
}

TEST(CanvasTest, MaskBltChoosesTheOperationByMaskPixel)
{
    TBitmap source(2, 1);
    Fill(source, clRed);
    TBitmap mask(2, 1);
    Fill(mask, clWhite);
    mask.SetPixel(0, 0, clBlack);
    TBitmap dest(2, 1);
    Fill(dest, clBlue);
    dest.Canvas()->MaskBlt(0, 0, 2, 1, source, 0, 0, mask, 0, 0, SRCCOPY, 0x00AA0029 /* keep the destination */);
    EXPECT_EQ(dest.Pixel(0, 0), clBlue);
    EXPECT_EQ(dest.Pixel(1, 0), clRed);
}

TEST(CanvasTest, CopyRectScalesAndReadsTheOriginalWhenCopyingOntoItself)
{
    TBitmap b(4, 1);
    Fill(b, clWhite);
    b.SetPixel(0, 0, clRed);
    b.SetPixel(1, 0, clLime);
    TBitmap wide(4, 2);
    TCanvas source(&b);
    wide.Canvas()->CopyRect(Rect(0, 0, 4, 2), source, Rect(0, 0, 2, 1));
    EXPECT_EQ(wide.Pixel(1, 1), clRed);
    EXPECT_EQ(wide.Pixel(2, 0), clLime);
    // Overlapping self copy, shifted right by one: a naive loop would smear red.
    b.Canvas()->CopyRect(Rect(1, 0, 4, 1), *b.Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(b.Pixel(1, 0), clRed);
    EXPECT_EQ(b.Pixel(2, 0), clLime);
    EXPECT_EQ(b.Pixel(3, 0), clWhite);
    b.Canvas()->SetCopyMode(DSTINVERT);
    b.Canvas()->CopyRect(Rect(3, 0, 4, 1), *b.Canvas(), Rect(0, 0, 1, 1));
    EXPECT_EQ(b.Pixel(3, 0), clBlack);
}

TEST(CanvasTest, BrushCopyReplacesOneColourByTheBrush)
{
    TBitmap source(2, 1);
    Fill(source, clFuchsia);
    source.SetPixel(1, 0, clRed);
    TBitmap dest(2, 1);
    Fill(dest, clWhite);
    dest.Canvas()->Brush()->SetColor(clBtnFace);
    dest.Canvas()->BrushCopy(Rect(0, 0, 2, 1), source, Rect(0, 0, 2, 1), clFuchsia);
    EXPECT_EQ(dest.Pixel(0, 0), 0xC0C0C0);
    EXPECT_EQ(dest.Pixel(1, 0), clRed);
}

TEST(CanvasTest, ShapesUseBrushAndPen)
{
    TBitmap b(4, 4);
    Fill(b, clWhite);
    TCanvas& c = *b.Canvas();
    c.Brush()->SetColor(clYellow);
    c.Pen()->SetColor(clBlack);
    c.Rectangle(Rect(0, 0, 4, 4));
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
    EXPECT_EQ(b.Pixel(3, 3), clBlack);
    EXPECT_EQ(b.Pixel(1, 2), clYellow);
    c.Brush()->SetStyle(bsClear);
    c.FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(b.Pixel(1, 2), clYellow);
    c.Pen()->SetColor(clRed);
    c.MoveTo(0, 1);
    c.LineTo(3, 1);  // end point left out
    EXPECT_EQ(b.Pixel(2, 1), clRed);
    EXPECT_EQ(b.Pixel(3, 1), clBlack);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clNavy);
    c.TextOut(0, 0, "a");  // the opaque background box of one 5 x 13 character, clipped
    EXPECT_EQ(b.Pixel(3, 3), clNavy);
    EXPECT_EQ(c.PenPos(), Point(5, 0));
}

TEST(CanvasTest, CanvasWithoutSurfaceDrawsNothing)
{
    TCanvas c;
    TBitmap b(2, 2);
    Fill(b, clRed);
    c.FillRect(Rect(0, 0, 2, 2));
    c.Draw(0, 0, b);
    c.BitBlt(0, 0, 2, 2, b, 0, 0, SRCCOPY);
    EXPECT_EQ(c.Pixel(0, 0), clNone);
    EXPECT_EQ(c.TextWidth("ab"), 10);
}

TEST(ImageListTest, AddSplitsStripsAndDrawHonoursMasks)
{
    TImageList images(nullptr, 2, 1);
    TBitmap strip(4, 1);
    Fill(strip, clRed);
    strip.SetPixel(2, 0, clLime);
    strip.SetPixel(3, 0, clLime);
    TBitmap mask(4, 1);
    Fill(mask, clBlack);
    mask.SetPixel(1, 0, clWhite);  // transparent
    EXPECT_EQ(images.Add(strip, &mask), 0);
    EXPECT_EQ(images.Count(), 2);
    EXPECT_EQ(images.AddMasked(strip, clLime), 2);
    EXPECT_EQ(images.Count(), 4);

    TBitmap surface(2, 1);
    Fill(surface, clNavy);
    images.Draw(*surface.Canvas(), 0, 0, 0);
    EXPECT_EQ(surface.Pixel(0, 0), clRed);
    EXPECT_EQ(surface.Pixel(1, 0), clNavy);
    Fill(surface, clNavy);
    images.Draw(*surface.Canvas(), 0, 0, 3);  // all lime: all transparent
    EXPECT_EQ(surface.Pixel(0, 0), clNavy);
    images.Draw(*surface.Canvas(), 0, 0, 9);  // a bad index draws nothing

    TBitmap copy;
    EXPECT_TRUE(images.GetBitmap(1, copy));
    EXPECT_EQ(copy.Width(), 2);
    EXPECT_EQ(copy.Pixel(0, 0), clLime);
    EXPECT_FALSE(images.GetBitmap(4, copy));
}

TEST(ImageListTest, SizesAndIndexesAreChecked)
{
    TImageList images(nullptr, 2, 2);
    for (auto [w, h] : {std::pair{3, 2}, {2, 3}, {0, 0}})
        EXPECT_EQ(test::ErrorOf<EInvalidGraphicOperation>([&] { images.Add(TBitmap(w, h)); }), "Invalid image size");
    EXPECT_EQ(test::ErrorOf<EInvalidGraphicOperation>([&] { images.Delete(0); }), "Image list index out of bounds (0)");
    EXPECT_THROW(images.SetWidth(0), EInvalidGraphicOperation);
    images.Add(TBitmap(2, 2));
    images.SetWidth(3);  // images of the old size are dropped
    EXPECT_EQ(images.Count(), 0);
}

}  // namespace
}  // namespace qvn
