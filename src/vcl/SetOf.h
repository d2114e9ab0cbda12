#pragma once
// A Pascal-style set of a small enumeration (up to 64 elements), kept as a
// bit mask whose bit n stands for the element with ordinal n. Published set
// properties travel as that mask.

#include <cstdint>
#include <initializer_list>

namespace qvn {

template <typename E>
class SetOf {
public:
    constexpr SetOf() = default;
    constexpr SetOf(std::initializer_list<E> items)
    {
        for (E e : items) bits_ |= Bit(e);
    }
    static constexpr SetOf FromBits(uint64_t bits)
    {
        SetOf s;
        s.bits_ = bits;
        return s;
    }

    constexpr uint64_t Bits() const { return bits_; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
    constexpr SetOf& Include(E e)
    {
        bits_ |= Bit(e);
        return *this;
    }
    constexpr SetOf& Exclude(E e)
    {
        bits_ &= ~Bit(e);
        return *this;
    }

    friend constexpr SetOf operator+(SetOf a, SetOf b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr SetOf operator-(SetOf a, SetOf b) { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr SetOf operator*(SetOf a, SetOf b) { return FromBits(a.bits_ & b.bits_); }
    friend constexpr bool operator==(SetOf a, SetOf b) { return a.bits_ == b.bits_; }

private:
    static constexpr uint64_t Bit(E e) { return uint64_t{1} << static_cast<unsigned>(e); }
    uint64_t bits_ = 0;
};

}  // namespace qvn
