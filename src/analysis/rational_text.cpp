#include "analysis/rational_text.h"

#include <cctype>
#include <cstddef>

#include "eval/input_text.h"

namespace quorvel {

namespace {

constexpr std::string_view kMinusSign = "\u2212";

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// An unsigned decimal "12", "0.5", ".5", "3." as an exact fraction.
std::optional<mpq_class> decimal(std::string_view text) {
  mpz_class digits = 0;
  mpz_class scale = 1;
  bool point = false;
  bool any = false;
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (isDigit(c)) {
      digits = digits * 10 + (c - '0');
      if (point) scale *= 10;
      any = true;
    } else {
      return std::nullopt;
    }
  }
  if (!any) return std::nullopt;
  mpq_class q(digits, scale);
  q.canonicalize();
  return q;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string plainInput(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, kMinusSign.size()) == kMinusSign) {
      out += '-';
      i += kMinusSign.size() - 1;
    } else {
      out += text[i];
    }
  }
  return asciiFromFullWidth(out);
}

std::optional<mpq_class> parseRational(std::string_view text, std::string& reason) {
  const std::string plain = plainInput(text);
  std::string_view rest = trimmed(plain);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
    negative = rest.front() == '-';
    rest = trimmed(rest.substr(1));
  }
  const std::size_t slash = rest.find('/');
  const std::optional<mpq_class> top = decimal(trimmed(rest.substr(0, slash)));
  std::optional<mpq_class> bottom = mpq_class(1);
  if (slash != std::string_view::npos) bottom = decimal(trimmed(rest.substr(slash + 1)));
  if (!top || !bottom) {
    reason = "“" + std::string(text) + "”不是数，应写成整数、小数或分数（如 3、−0.5、4/3）";
    return std::nullopt;
  }
  if (*bottom == 0) {
    reason = "“" + std::string(text) + "”的分母为零";
    return std::nullopt;
  }
  mpq_class q = *top / *bottom;
  return negative ? mpq_class(-q) : q;
}

std::string rationalText(const mpq_class& q, MinusSign minus) {
  mpq_class r = q;
  r.canonicalize();
  std::string text = mpq_class(abs(r)).get_str();
  if (sgn(r) < 0) text = (minus == MinusSign::Ascii ? "-" : std::string(kMinusSign)) + text;
  return text;
}

}  // namespace quorvel
