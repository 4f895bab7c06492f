#pragma once
// Parametric and polar curves as the panel's boxes hold them, for the tests that read
// and draw them: the functions' texts and the range, 0 to 2π unless given.
#include <cstdint>
#include <string>
#include <utility>

#include "document/list_entry.h"

namespace quorvel::test {

inline ParametricCurve parametric(std::string x, std::string y, std::string from = "0",
                                  std::string to = "2pi") {
  ParametricCurve c;
  c.x = std::move(x);
  c.y = std::move(y);
  c.from = std::move(from);
  c.to = std::move(to);
  return c;
}

inline PolarCurve polarCurve(std::string rho, std::string from = "0", std::string to = "2pi",
                             std::int32_t colour = 0) {
  PolarCurve c;
  c.rho = std::move(rho);
  c.from = std::move(from);
  c.to = std::move(to);
  c.colour = colour;
  return c;
}

}  // namespace quorvel::test
