#pragma once
// Ternary raster operations: how a block transfer combines the brush pattern
// (P), the source (S) and the destination (D) bit by bit. The operation code's
// bits 16..23 hold the result for each of the eight (P, S, D) combinations,
// so every one of the 256 operations works, named or not.

#include <cstdint>

namespace qvn {

using TRasterOp = uint32_t;

inline constexpr TRasterOp SRCCOPY = 0x00CC0020;      // S
inline constexpr TRasterOp SRCPAINT = 0x00EE0086;     // S | D
inline constexpr TRasterOp SRCAND = 0x008800C6;       // S & D
inline constexpr TRasterOp SRCINVERT = 0x00660046;    // S ^ D
inline constexpr TRasterOp SRCERASE = 0x00440328;     // S & ~D
inline constexpr TRasterOp NOTSRCCOPY = 0x00330008;   // ~S
inline constexpr TRasterOp NOTSRCERASE = 0x001100A6;  // ~(S | D)
inline constexpr TRasterOp MERGECOPY = 0x00C000CA;    // P & S
inline constexpr TRasterOp MERGEPAINT = 0x00BB0226;   // ~S | D
inline constexpr TRasterOp PATCOPY = 0x00F00021;      // P
inline constexpr TRasterOp PATPAINT = 0x00FB0A09;     // P | ~S | D
inline constexpr TRasterOp PATINVERT = 0x005A0049;    // P ^ D
inline constexpr TRasterOp DSTINVERT = 0x00550009;    // ~D
inline constexpr TRasterOp BLACKNESS = 0x00000042;    // 0
inline constexpr TRasterOp WHITENESS = 0x00FF0062;    // 1

// The 24-bit result of op for pattern, source and destination RGB values.
constexpr uint32_t ApplyRasterOp(TRasterOp op, uint32_t pattern, uint32_t source, uint32_t dest)
{
    const unsigned code = (op >> 16) & 0xFF;
    uint32_t result = 0;
    for (unsigned k = 0; k < 8; ++k) {
        if ((code >> k & 1u) == 0) continue;
        result |= ((k & 4) ? pattern : ~pattern) & ((k & 2) ? source : ~source) & ((k & 1) ? dest : ~dest);
    }
    return result & 0xFFFFFF;
}

}  // namespace qvn
