// A small set of the members of an enumeration whose ordinals lie below 32.
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename TEnum> class TEnumSet {
public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<TEnum> Items) {
    for (TEnum Item : Items)
      Include(Item);
  }
  constexpr bool Contains(TEnum Item) const { return FBits & Bit(Item); }
  constexpr void Include(TEnum Item) { FBits |= Bit(Item); }
  constexpr void Exclude(TEnum Item) { FBits &= ~Bit(Item); }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr bool operator==(const TEnumSet&) const = default;

private:
  static constexpr std::uint32_t Bit(TEnum Item) { return 1u << static_cast<unsigned>(Item); }
  std::uint32_t FBits = 0;
};
