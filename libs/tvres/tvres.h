/* The suite's bitmap library: numbered button glyphs. A glyph is a row of
 * square images of equal size (normal, then disabled, ...), so its image count
 * is its width divided by its height. The module is linked against it.
 */
#ifndef TVRES_H
#define TVRES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The highest glyph number the library holds (numbers start at 1; a number
 * without a picture loads nothing). */
int GetMaxBmpID(void);

/* Copies glyph Index as pixels 0x00BBGGRR, row by row from the top, into
 * Pixels (Capacity pixels at most) and its size into Width and Height.
 * Returns the number of pixels of the glyph (Width * Height), or 0 when the
 * number has no picture or an argument is null. When Capacity is smaller than
 * the returned count nothing is copied (the sizes are still written). The
 * bottom-left pixel is the glyph's transparent colour. */
int GetBmpPixels(int Index, int* Width, int* Height, uint32_t* Pixels, int Capacity);

#ifdef __cplusplus
}
#endif

#endif
