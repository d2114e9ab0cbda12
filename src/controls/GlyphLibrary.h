#pragma once
// The numbered button glyphs of the suite's bitmap library, loaded into bitmaps.

namespace qvn {

class TBitmap;

// The highest glyph number the library holds.
int GetMaxBmpID();
// Loads glyph number index into the bitmap (a row of square images); false
// when the number has no picture. The bitmap keeps the glyph's transparent colour.
bool LoadBmp(TBitmap* bitmap, int index);

}  // namespace qvn
