#pragma once
// Control arrays: the members of an array are named "base(first)", "base(first+1)", ...
#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace quorvel {

template <class T, std::size_t... I>
std::array<T, sizeof...(I)> namedControls(const char* base, int first, std::index_sequence<I...>) {
  return {T{std::string(base) + "(" + std::to_string(static_cast<int>(I) + first) + ")"}...};
}

template <class T, std::size_t N>
std::array<T, N> namedControls(const char* base, int first = 0) {
  return namedControls<T>(base, first, std::make_index_sequence<N>{});
}

}  // namespace quorvel
