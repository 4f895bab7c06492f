#pragma once
// A stack of at most Capacity entries with no allocation. A push onto a full stack
// and a pop from an empty one do nothing and return false: the scan reports them as
// an exhausted stack.
#include <array>
#include <cstddef>

namespace quorvel {

template <typename T, int Capacity>
class FixedStack {
  static_assert(Capacity > 0);

 public:
  bool push(T value) {
    if (count_ >= Capacity) return false;
    items_[static_cast<std::size_t>(count_++)] = value;
    return true;
  }
  bool pop(T& value) {
    if (count_ == 0) return false;
    value = items_[static_cast<std::size_t>(--count_)];
    return true;
  }
  bool pop() {
    T ignored{};
    return pop(ignored);
  }
  // The top entry, to change in place; nullptr when the stack is empty.
  T* top() { return count_ > 0 ? &items_[static_cast<std::size_t>(count_ - 1)] : nullptr; }
  // The top entry, or `whenEmpty` when there is none.
  T topOr(T whenEmpty) const {
    return count_ > 0 ? items_[static_cast<std::size_t>(count_ - 1)] : whenEmpty;
  }
  int count() const { return count_; }

 private:
  std::array<T, Capacity> items_{};
  int count_ = 0;
};

}  // namespace quorvel
