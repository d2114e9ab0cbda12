#pragma once
// The key a published-property lookup compares: a name's length and its
// bytes as typed. A name of up to 8 characters is its bytes in one word
// (zero-extended); up to 16 two words that overlap in the middle cover every
// byte. For those, equal keys mean equal names. Names match without regard to
// ASCII case, so the hash is taken of the key with the case bit of every byte
// cleared: all spellings of a name land on the same slot, where the key as
// typed decides at once when it was written as declared (nearly always), and
// a full case-insensitive comparison decides otherwise. Inline, because every
// access by name starts here and the work is a handful of instructions.
//
// Property paths ("Font.Color") are read one segment at a time by
// NextSegment, which finds the dot and makes the segment's key from the same
// word, so a short segment costs one load.

#include <bit>
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

// The first n bytes of a word (n < 8), the rest zero.
inline uint64_t LowBytes(uint64_t word, size_t n) noexcept { return word & ((uint64_t{1} << (8 * n)) - 1); }

// The n bytes at p (n <= 8) zero-extended, reading only those bytes.
inline uint64_t ShortWord(const char* p, size_t n) noexcept
{
    if (n == 8) return Load64(p);
    if (n >= 4) return uint64_t{Load32(p)} | uint64_t{Load32(p + n - 4)} << (8 * (n - 4));
    const auto at = [p](size_t i) { return uint64_t{static_cast<unsigned char>(p[i])} << (8 * i); };
    return n == 0 ? 0 : at(0) | at(n / 2) | at(n - 1);
}

struct NameKey {
    uint64_t Head = 0;
    uint64_t Tail = 0;
    size_t Length = 0;

    NameKey() = default;
    explicit NameKey(std::string_view name) noexcept : Length(name.size())
    {
        const char* p = name.data();
        const size_t n = name.size();
        if (n > 8) {
            Head = Load64(p);
            Tail = Load64(p + n - 8);
        } else {
            Head = ShortWord(p, n);
        }
    }
    // A name of at most 8 characters given as its zero-extended word.
    [[gnu::always_inline]] static NameKey OfShortWord(uint64_t word, size_t n) noexcept
    {
        NameKey k;
        k.Head = word;
        k.Length = n;
        return k;
    }

    bool IsComplete() const noexcept { return Length <= 16; }

    // The whole key in one word, the same for every ASCII-case spelling of the
    // name, for a multiply-shift hash of the caller's choosing.
    uint64_t CaseBlindMixed() const noexcept
    {
        constexpr uint64_t kNoCaseBit = ~(0x20 * 0x0101010101010101ull);
        return (Head & kNoCaseBit) ^ ((Tail & kNoCaseBit) * 0xC2B2AE3D27D4EB4Full) ^ Length;
    }
};

// Bytes of a word that are '.' get their high bit set; the lowest set bit is
// always the first dot (a false hit can only follow a true one).
inline uint64_t DotBits(uint64_t word) noexcept
{
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    const uint64_t x = word ^ ('.' * kOnes);
    return (x - kOnes) & ~x & (0x80 * kOnes);
}

inline size_t FirstDotByte(uint64_t bits) noexcept { return static_cast<size_t>(std::countr_zero(bits)) / 8; }

// Position of the first '.' in text, or npos.
inline size_t FindDot(std::string_view text) noexcept
{
    const char* p = text.data();
    const size_t n = text.size();
    size_t i = 0;
    for (; i + 8 <= n; i += 8)
        if (const uint64_t bits = DotBits(Load64(p + i)); bits != 0) return i + FirstDotByte(bits);
    if (i == n) return std::string_view::npos;
    // The rest: the last eight bytes when the text has them (overlapping bytes
    // already seen to hold no dot), else the short text itself.
    if (n >= 8) {
        const uint64_t bits = DotBits(Load64(p + n - 8));
        return bits != 0 ? n - 8 + FirstDotByte(bits) : std::string_view::npos;
    }
    const uint64_t bits = DotBits(ShortWord(p, n));
    return bits != 0 ? FirstDotByte(bits) : std::string_view::npos;
}

// One segment of a property path: the name up to the next dot (or the end).
struct Segment {
    std::string_view Name;
    NameKey Key;
    bool Last = false;  // no dot follows
};

// The segment of path that starts at offset `at`.
[[gnu::always_inline]] inline Segment NextSegment(std::string_view path, size_t at) noexcept
{
    const char* p = path.data() + at;
    const size_t rest = path.size() - at;
    uint64_t word = 0;
    if (rest >= 8)
        word = Load64(p);
    else if (rest > 0 && path.size() >= 8)
        word = Load64(p + rest - 8) >> (8 * (8 - rest));  // ends at the path's end: all its bytes are readable
    else
        word = ShortWord(p, rest);
    if (rest < 8 || DotBits(word) != 0) {
        // Zero bytes past the end are no dots, so the first dot is within the segment's word.
        const uint64_t bits = DotBits(word);
        if (bits == 0) return Segment{std::string_view(p, rest), NameKey::OfShortWord(word, rest), true};
        const size_t dot = FirstDotByte(bits);
        return Segment{std::string_view(p, dot), NameKey::OfShortWord(LowBytes(word, dot), dot), false};
    }
    if (rest == 8) return Segment{std::string_view(p, 8), NameKey::OfShortWord(word, 8), true};
    const size_t dot = FindDot(std::string_view(p + 8, rest - 8));
    const size_t length = dot == std::string_view::npos ? rest : dot + 8;
    const std::string_view name(p, length);
    return Segment{name, NameKey(name), length == rest};
}

}  // namespace qvn::prop_name
