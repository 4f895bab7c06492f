#include "catalogue/parameter_slots.h"

#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string_view>

#include "eval/number_text.h"
#include "eval/single_math.h"

namespace quorvel {

namespace {

float* parameterOf(CurveParams& c, Slot slot) {
  switch (slot) {
    case Slot::K: return &c.paramK;
    case Slot::A: return &c.paramA;
    case Slot::B: return &c.paramB;
    case Slot::C: return &c.paramC;
    case Slot::Omega: return &c.paramOmega;
    case Slot::Phi: return &c.paramPhi;
    case Slot::R: return &c.paramR;
    case Slot::P: return &c.paramP;
    case Slot::X1: return &c.paramX1;
    case Slot::Y1: return &c.paramY1;
    case Slot::X2: return &c.paramX2;
    case Slot::CentreX: return &c.paramCentreX;
    case Slot::None:
    case Slot::Alpha:
    case Slot::H: break;
  }
  return nullptr;
}

// Optional sign and up to nine digits: a whole number that fits 32 bits with room to
// spare. The text must end there.
std::optional<std::int32_t> wholeNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::int32_t value = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  return negative ? -value : value;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A bracketed operand as the notation's rewrite may leave it: "(-1)" → "-1".
std::string_view unbracketed(std::string_view text) {
  text = trimmed(text);
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    text = trimmed(text.substr(1, text.size() - 2));
  }
  return text;
}

bool setFraction(std::int32_t p, std::int32_t q, CurveParams& c) {
  if (q == 0) return false;
  if (q < 0) {
    p = -p;
    q = -q;
  }
  const std::int32_t common = std::gcd(p, q);  // q > 0, so never 0
  c.alphaNumerator = p / common;
  c.alphaDenominator = q / common;
  c.alphaExact = static_cast<double>(c.alphaNumerator) / c.alphaDenominator;
  c.paramAlpha = static_cast<float>(c.alphaExact);
  return true;
}

}  // namespace

bool readExponent(const std::string& typed, CurveParams& c) {
  const std::string_view text = trimmed(typed);
  if (const std::size_t slash = text.find('/'); slash != std::string_view::npos) {
    const auto p = wholeNumber(unbracketed(text.substr(0, slash)));
    const auto q = wholeNumber(unbracketed(text.substr(slash + 1)));
    return p && q && setFraction(*p, *q, c);
  }
  const std::string_view plain = unbracketed(text);
  if (const auto whole = wholeNumber(plain)) return setFraction(*whole, 1, c);
  double value = 0;
  if (plain.find_first_of("eE") != std::string_view::npos ||
      textToDouble(std::string(plain), value) != kOk) {
    return false;
  }
  float single = 0;
  if (toSingle(value, single) != kOk) return false;
  if (value == std::trunc(value) && std::fabs(value) < 1e9) {
    return setFraction(static_cast<std::int32_t>(value), 1, c);
  }
  c.paramAlpha = single;
  c.alphaExact = value;
  c.alphaNumerator = 0;
  c.alphaDenominator = 0;
  return true;
}

bool readFourthParameter(const FormInfo& info, const std::string& text, CurveParams& c) {
  float* parameter = parameterOf(c, info.fourth.slot);
  if (parameter == nullptr) return true;
  float value = 0;
  if (textToSingle(text, value) != kOk) return false;
  *parameter = value;
  return true;
}

bool readSlotParameters(const FormInfo& info, const std::array<std::string, 3>& texts,
                        CurveParams& c) {
  for (std::size_t box = 0; box < 3; ++box) {
    const Slot slot = info.boxes[box].slot;
    if (slot == Slot::None) continue;
    if (slot == Slot::Alpha) {
      if (!readExponent(texts[box], c)) return false;
      continue;
    }
    if (slot == Slot::H) {
      double h = 0;
      if (textToDouble(texts[box], h) != kOk || roundToInt32(h, c.paramH) != kOk) return false;
      continue;
    }
    float value = 0;
    if (textToSingle(texts[box], value) != kOk) return false;
    *parameterOf(c, slot) = value;
  }
  return true;
}

}  // namespace quorvel
