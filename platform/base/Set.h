#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

// A set of enumeration values (at most 64 of them, values 0..63), the
// framework's "set of" types: TSet<TFontStyle> s{fsBold, fsItalic}; s.Contains(fsBold).
template <typename E> class TSet {
    static_assert(std::is_enum_v<E>);

public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items) {
        for (E e : items)
            FBits |= Bit(e);
    }
    static constexpr TSet FromBits(uint64_t bits) {
        TSet s;
        s.FBits = bits;
        return s;
    }

    constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr uint64_t Bits() const { return FBits; }
    constexpr TSet& Include(E e) {
        FBits |= Bit(e);
        return *this;
    }
    constexpr TSet& Exclude(E e) {
        FBits &= ~Bit(e);
        return *this;
    }

    constexpr TSet operator+(TSet o) const { return FromBits(FBits | o.FBits); }
    constexpr TSet operator-(TSet o) const { return FromBits(FBits & ~o.FBits); }
    constexpr TSet operator*(TSet o) const { return FromBits(FBits & o.FBits); }
    constexpr TSet operator+(E e) const { return FromBits(FBits | Bit(e)); }
    constexpr TSet operator-(E e) const { return FromBits(FBits & ~Bit(e)); }
    constexpr TSet& operator+=(TSet o) {
        FBits |= o.FBits;
        return *this;
    }
    constexpr TSet& operator-=(TSet o) {
        FBits &= ~o.FBits;
        return *this;
    }
    constexpr TSet& operator*=(TSet o) {
        FBits &= o.FBits;
        return *this;
    }
    // a <= b: every member of a is in b.
    constexpr bool operator<=(TSet o) const { return (FBits & ~o.FBits) == 0; }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint64_t Bit(E e) { return uint64_t(1) << static_cast<unsigned>(e); }
    uint64_t FBits = 0;
};
