#include "catalogue/printed_number.h"

#include "eval/number_text.h"

namespace quorvel {

namespace {

constexpr std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
constexpr std::string_view kSubscripts[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};

std::string shifted(std::string_view text, const std::string_view (&digits)[10],
                    std::string_view minus) {
  std::string out;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      out += digits[c - '0'];
    } else if (c == '-') {
      out += minus;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string superscriptDigits(std::string_view text) { return shifted(text, kSuperscripts, "⁻"); }

std::string subscriptDigits(std::string_view text) { return shifted(text, kSubscripts, "₋"); }

std::string printedNumber(float value) {
  const std::string text = singleText(value);  // "-1.5E+08", "0.25", "3"
  std::string out;
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '-') {
    out += kMinusSign;
    digits.remove_prefix(1);
  }
  const std::size_t e = digits.find('E');
  if (e == std::string_view::npos) return out.append(digits);
  out.append(digits.substr(0, e));
  std::string_view exponent = digits.substr(e + 1);  // "+08", "-05"
  const bool negative = !exponent.empty() && exponent.front() == '-';
  if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
    exponent.remove_prefix(1);
  }
  while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
  out += "×10";
  out += superscriptDigits(std::string(negative ? "-" : "") + std::string(exponent));
  return out;
}

bool isPowerOfTenForm(std::string_view printed) {
  return printed.find("×") != std::string_view::npos;
}

}  // namespace quorvel
