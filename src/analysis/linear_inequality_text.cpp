#include "analysis/linear_inequality_text.h"

#include <cctype>
#include <cstddef>
#include <optional>
#include <utility>

#include "analysis/rational_text.h"

namespace quorvel {

namespace {

constexpr const char* kMinusSign = "\u2212";

// The signs as typed, longest first, and what they mean.
const std::pair<std::string_view, LinearRelation> kRelations[] = {
    {"<=", LinearRelation::LessEqual},
    {">=", LinearRelation::GreaterEqual},
    {"\u2264", LinearRelation::LessEqual},
    {"\u2266", LinearRelation::LessEqual},
    {"\u2265", LinearRelation::GreaterEqual},
    {"\u2267", LinearRelation::GreaterEqual},
    {"<", LinearRelation::Less},
    {">", LinearRelation::Greater},
};

// x·a + y·b + c.
struct Linear {
  mpq_class x, y, c;
};

class SideReader {
 public:
  explicit SideReader(std::string_view text) : text_(text) {}

  std::optional<Linear> read(std::string& reason) {
    Linear sum;
    skipBlanks();
    if (atEnd()) return fail(reason, "不等号的两边都要有式子");
    for (bool first = true; !atEnd(); first = false) {
      int sign = 1;
      if (peek() == '+' || peek() == '-') {
        sign = peek() == '-' ? -1 : 1;
        ++at_;
        skipBlanks();
      } else if (!first) {
        return fail(reason, "无法识别的部分：“" + std::string(text_.substr(at_)) + "”");
      }
      if (!term(sum, sign, reason)) return std::nullopt;
      skipBlanks();
    }
    return sum;
  }

 private:
  bool atEnd() const { return at_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[at_]; }
  void skipBlanks() {
    while (!atEnd() && text_[at_] == ' ') ++at_;
  }
  static std::optional<Linear> fail(std::string& reason, std::string why) {
    reason = std::move(why);
    return std::nullopt;
  }

  // A decimal "12", "0.5", ".5" at the reading place, as its text.
  std::string_view number() {
    const std::size_t start = at_;
    while (!atEnd() && (std::isdigit(static_cast<unsigned char>(peek())) || peek() == '.')) ++at_;
    return text_.substr(start, at_ - start);
  }

  // k, k/m, kx, k/m x, k*x, x, x/m; added to `sum` with the sign.
  bool term(Linear& sum, int sign, std::string& reason) {
    mpq_class k = sign;
    bool hasNumber = false;
    const std::size_t start = at_;
    if (const std::string_view digits = number(); !digits.empty()) {
      std::string text(digits);
      skipBlanks();
      if (peek() == '/') {
        ++at_;
        skipBlanks();
        text += "/" + std::string(number());
      }
      const std::optional<mpq_class> value = parseRational(text, reason);
      if (!value) return false;
      k *= *value;
      hasNumber = true;
      skipBlanks();
      if (peek() == '*') {
        ++at_;
        skipBlanks();
      }
    }
    const char variable = static_cast<char>(std::tolower(static_cast<unsigned char>(peek())));
    if (variable != 'x' && variable != 'y') {
      if (!hasNumber) {
        reason = "无法识别的部分：“" + std::string(text_.substr(start)) + "”";
        return false;
      }
      sum.c += k;
      return true;
    }
    ++at_;
    skipBlanks();
    if (peek() == '/') {
      ++at_;
      skipBlanks();
      const std::optional<mpq_class> divisor = parseRational(number(), reason);
      if (!divisor) return false;
      if (*divisor == 0) {
        reason = "分母不能为零";
        return false;
      }
      k /= *divisor;
      skipBlanks();
    }
    if (peek() == 'x' || peek() == 'y' || peek() == 'X' || peek() == 'Y' || peek() == '^' ||
        peek() == '*') {
      reason = "只能是 x、y 的一次式：“" + std::string(text_.substr(start)) + "”";
      return false;
    }
    (variable == 'x' ? sum.x : sum.y) += k;
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// Where the next sign is, from `from`: its place, length and meaning.
struct Found {
  std::size_t at = std::string_view::npos;
  std::size_t length = 0;
  LinearRelation relation = LinearRelation::LessEqual;
};
Found nextRelation(std::string_view text, std::size_t from) {
  Found best;
  for (const auto& [sign, relation] : kRelations) {
    const std::size_t at = text.find(sign, from);
    if (at < best.at ||
        (at == best.at && at != std::string_view::npos && sign.size() > best.length)) {
      best = {at, sign.size(), relation};
    }
  }
  return best;
}

std::string termText(const mpq_class& k, const char* variable, bool first) {
  std::string text;
  const mpq_class size = abs(k);
  if (!first) text += sgn(k) < 0 ? std::string(" ") + kMinusSign + " " : " + ";
  if (first && sgn(k) < 0) text += kMinusSign;
  if (size != 1 || *variable == '\0') text += rationalText(size);
  return text + variable;
}

}  // namespace

std::vector<LinearConstraint> parseLinearInequality(std::string_view text, std::string& reason) {
  const std::string plain = plainInput(text);
  std::vector<Found> signs;
  for (Found f = nextRelation(plain, 0); f.at != std::string_view::npos;
       f = nextRelation(plain, f.at + f.length)) {
    signs.push_back(f);
  }
  if (signs.empty()) {
    reason = plain.find('=') != std::string::npos
                 ? "线性规划的条件要用不等号（<、≤、>、≥），不能用等号"
                 : "不等式中要有不等号（<、≤、>、≥）";
    return {};
  }
  if (signs.size() > 2) {
    reason = "一个不等式最多有两个不等号（如 0 ≤ x ≤ 3）";
    return {};
  }
  std::vector<Linear> sides;
  std::size_t from = 0;
  for (std::size_t i = 0; i <= signs.size(); ++i) {
    const std::size_t to = i < signs.size() ? signs[i].at : plain.size();
    std::string_view side = std::string_view(plain).substr(from, to - from);
    if (side.find('=') != std::string_view::npos) {
      reason = "线性规划的条件要用不等号（<、≤、>、≥），不能用等号";
      return {};
    }
    const std::optional<Linear> read = SideReader(side).read(reason);
    if (!read) return {};
    sides.push_back(*read);
    if (i < signs.size()) from = signs[i].at + signs[i].length;
  }
  std::vector<LinearConstraint> constraints;
  for (std::size_t i = 0; i < signs.size(); ++i) {
    const Linear& left = sides[i];
    const Linear& right = sides[i + 1];
    constraints.push_back(
        {left.x - right.x, left.y - right.y, right.c - left.c, signs[i].relation});
  }
  return constraints;
}

const char* relationText(LinearRelation relation) {
  switch (relation) {
    case LinearRelation::Less: return "<";
    case LinearRelation::LessEqual: return "\u2264";
    case LinearRelation::Greater: return ">";
    case LinearRelation::GreaterEqual: return "\u2265";
  }
  return "";
}

std::string constraintText(const LinearConstraint& c) {
  std::string left;
  if (c.a != 0) left += termText(c.a, "x", left.empty());
  if (c.b != 0) left += termText(c.b, "y", left.empty());
  if (left.empty()) left = "0";
  return left + " " + relationText(c.relation) + " " + rationalText(c.c);
}

}  // namespace quorvel
