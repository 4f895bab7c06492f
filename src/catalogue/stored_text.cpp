#include "catalogue/stored_text.h"

#include <array>
#include <charconv>

#include "catalogue/code_page.h"
#include "catalogue/families.h"
#include "eval/number_text.h"

namespace quorvel {

namespace {

// More decimals than any single needs to be told apart from its neighbours (the
// smallest normal single has its first digit in the 38th place, 9 digits after it).
constexpr int kMostDecimals = 60;

// The value with `decimals` places, without trailing zeros, without the digit before
// the point below 1 ("0.50" gives ".5", "-0.25" gives "-.25"), zero as "0".
std::string plainText(double value, int decimals) {
  std::array<char, 128> buffer{};
  const std::to_chars_result r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                               std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return {};
  std::string text(buffer.data(), r.ptr);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  const bool negative = !text.empty() && text.front() == '-';
  const std::size_t digits = negative ? 1 : 0;
  if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);
  if (text == "-0" || text.empty()) return "0";
  return text;
}

// Full-width input is read as ASCII, so the bytes are the characters a user counts.
std::string expressionTooLong() {
  return "表达式过长：列表中最多保存" + std::to_string(kPara1Width) + "个字符，请缩短";
}

std::string valueTooLong(const std::string& text, std::size_t width) {
  return "数值“" + text + "”过长：列表中每项最多保存" + std::to_string(width) + "个字符";
}

// The value text in place, written shorter when it must be; false when it cannot.
bool fitValue(std::string& text, std::size_t width) {
  const std::optional<std::string> stored = storedValueText(text, width);
  if (!stored) return false;
  text = *stored;
  return true;
}

}  // namespace

std::size_t storedByteCount(const std::string& utf8) { return utf8ToCp936(utf8).size(); }

std::optional<std::string> shortestPlainText(float value, std::size_t width) {
  if (value != value) return std::nullopt;  // no number
  // The first count of decimals whose text reads back as the value gives the
  // shortest: the nearest text of fewer decimals already missed it.
  for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
    const std::string text = plainText(static_cast<double>(value), decimals);
    float back = 0;
    if (textToSingle(text, back) != kOk || back != value) continue;
    if (text.size() <= width) return text;
    return std::nullopt;  // more decimals only make it longer
  }
  return std::nullopt;
}

std::optional<std::string> storedValueText(const std::string& text, std::size_t width) {
  if (storedByteCount(text) <= width) return text;
  float value = 0;
  if (textToSingle(text, value) != kOk) return std::nullopt;
  return shortestPlainText(value, width);
}

std::optional<std::string> fitStoredTexts(FuncRecord& entry) {
  constexpr auto kValueWidth = static_cast<std::size_t>(kTextWidth);
  if (entry.family == kCustomFamily) {
    if (storedByteCount(entry.para1) > static_cast<std::size_t>(kPara1Width)) {
      return expressionTooLong();
    }
  } else {
    const FormInfo* info = form(entry.family, entry.form);
    const std::array<std::string*, 3> boxes = {&entry.para1, &entry.para2, &entry.para3};
    const std::array<std::size_t, 3> widths = {static_cast<std::size_t>(kPara1Width), kValueWidth,
                                               kValueWidth};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      // A box the form does not read is no part of the curve.
      if (info != nullptr && info->boxes[i].slot == Slot::None) continue;
      if (!fitValue(*boxes[i], widths[i])) return valueTooLong(*boxes[i], widths[i]);
    }
  }
  for (std::string* range : {&entry.rangeX1, &entry.rangeX2, &entry.rangeY1, &entry.rangeY2}) {
    if (!fitValue(*range, kValueWidth)) return valueTooLong(*range, kValueWidth);
  }
  return std::nullopt;
}

}  // namespace quorvel
