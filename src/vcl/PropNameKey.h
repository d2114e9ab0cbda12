#pragma once
// The key a published-property lookup compares: a name's length and the
// ASCII-case-folded bytes of its two ends. Two reads that overlap in the
// middle cover every byte of a name of up to 16 characters, so for those the
// key stands for the whole name and equal keys mean equal names; longer names
// still need a full comparison. Inline, because every access by name starts
// here and the work is a handful of instructions.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace qvn::prop_name {

inline uint64_t Load64(const char* p) noexcept
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline uint32_t Load32(const char* p) noexcept
{
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Upper-cases the ASCII letters among eight bytes at once; bytes of 0x80 and
// above (lead and trail bytes of double-byte text) stay as they are.
inline uint64_t FoldWord(uint64_t x) noexcept
{
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    const uint64_t low7 = x & (0x7F * kOnes);
    const uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;   // high bit set where the byte is >= 'a'
    const uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * kOnes;  // high bit set where the byte is > 'z'
    const uint64_t lower = atLeastA & ~aboveZ & ~x & (0x80 * kOnes);
    return x - (lower >> 2);  // 0x80 >> 2 == 'a' - 'A'
}

struct NameKey {
    uint64_t Head = 0;
    uint64_t Tail = 0;
    size_t Length = 0;

    explicit NameKey(std::string_view name) noexcept : Length(name.size())
    {
        const char* p = name.data();
        const size_t n = name.size();
        if (n >= 8) {
            Head = FoldWord(Load64(p));
            Tail = FoldWord(Load64(p + n - 8));
        } else if (n >= 4) {
            Head = FoldWord(uint64_t{Load32(p)} | uint64_t{Load32(p + n - 4)} << 32);
        } else if (n > 0) {
            // First, middle and last character name all of one to three.
            const auto at = [p](size_t i) { return uint64_t{static_cast<unsigned char>(p[i])}; };
            Head = FoldWord(at(0) | at(n / 2) << 8 | at(n - 1) << 16);
        }
    }

    bool IsComplete() const noexcept { return Length <= 16; }

    uint32_t Hash() const noexcept
    {
        const uint64_t mixed = (Head ^ (Tail * 0xC2B2AE3D27D4EB4Full) ^ Length) * 0x9E3779B97F4A7C15ull;
        return static_cast<uint32_t>(mixed >> 32);
    }
};

}  // namespace qvn::prop_name
