#pragma once
// A hash map from 64-bit keys to small values, open addressing with linear probing:
// the implicit tracer looks up every lattice point and every cell side many times,
// and a node-based map would spend more on allocation than on the function itself.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace quorvel {

template <class Value>
class FlatKeyMap {
 public:
  // No key may be kEmpty.
  static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};

  explicit FlatKeyMap(std::size_t expected = 1024) { rehash(capacityFor(expected)); }

  const Value* find(std::uint64_t key) const {
    for (std::size_t i = slotOf(key);; i = (i + 1) & mask_) {
      const Slot& slot = slots_[i];
      if (slot.key == key) return &slot.value;
      if (slot.key == kEmpty) return nullptr;
    }
  }

  // The value of `key`, inserted as `value` when it was not there.
  Value& insert(std::uint64_t key, const Value& value) {
    if (2 * (size_ + 1) > slots_.size()) rehash(2 * slots_.size());
    for (std::size_t i = slotOf(key);; i = (i + 1) & mask_) {
      Slot& slot = slots_[i];
      if (slot.key == key) return slot.value;
      if (slot.key == kEmpty) {
        slot.key = key;
        slot.value = value;
        ++size_;
        return slot.value;
      }
    }
  }

  std::size_t size() const { return size_; }

 private:
  struct Slot {
    std::uint64_t key = kEmpty;
    Value value{};
  };

  static std::size_t capacityFor(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < 2 * expected) capacity *= 2;
    return capacity;
  }

  // Fibonacci hashing: the lattice's keys differ in their low bits of each half.
  std::size_t slotOf(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  void rehash(std::size_t capacity) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c >>= 1) --shift_;
    size_ = 0;
    for (const Slot& slot : old) {
      if (slot.key != kEmpty) insert(slot.key, slot.value);
    }
  }

  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  int shift_ = 64;
  std::size_t size_ = 0;
};

}  // namespace quorvel
