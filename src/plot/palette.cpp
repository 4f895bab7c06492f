#include "plot/palette.h"

#include <algorithm>
#include <cstddef>

namespace quorvel {

std::int32_t leastUsedColour(const std::vector<std::int32_t>& inUse) {
  std::array<std::size_t, kReadablePalette.size()> uses{};
  for (std::size_t i = 0; i < kReadablePalette.size(); ++i) {
    uses[i] = static_cast<std::size_t>(std::count(inUse.begin(), inUse.end(), kReadablePalette[i]));
  }
  const auto least = std::min_element(uses.begin(), uses.end());
  return kReadablePalette[static_cast<std::size_t>(least - uses.begin())];
}

}  // namespace quorvel
