#include "cli/option_parsing.h"

#include <algorithm>
#include <charconv>

namespace quorvel::cli {

namespace {

const OptionRule* findRule(std::span<const OptionRule> rules, std::string_view name) {
  const auto it = std::find_if(rules.begin(), rules.end(),
                               [name](const OptionRule& s) { return s.name == name; });
  return it != rules.end() ? &*it : nullptr;
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

const std::string* SplitWords::value(std::string_view option) const {
  const auto it = values.find(std::string(option));
  return it != values.end() ? &it->second : nullptr;
}

SplitWords splitWords(const std::vector<std::string>& args, std::span<const OptionRule> rules) {
  SplitWords out;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || word.size() < 2 || word.compare(0, 2, "--") != 0) {
      out.operands.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const OptionRule* rule = findRule(rules, name);
    if (rule == nullptr) {
      out.problem = "unknown option '" + name + "'";
      return out;
    }
    if (out.has(name) && !rule->repeatable) {
      out.problem = name + " is given twice";
      return out;
    }
    std::string value;
    if (equals != std::string::npos) {
      if (!rule->takesValue) {
        out.problem = name + " takes no value";
        return out;
      }
      value = word.substr(equals + 1);
    } else if (rule->takesValue) {
      if (i + 1 >= args.size()) {
        out.problem = name + " needs a value";
        return out;
      }
      value = args[++i];
    }
    if (rule->repeatable) out.repeated[name].push_back(value);
    out.values.emplace(name, std::move(value));
  }
  return out;
}

std::optional<int> parseBoundedInteger(std::string_view text, int min, int max) {
  if (!allDigits(text)) return std::nullopt;
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<PixelSize> parsePixelSize(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = parseBoundedInteger(text.substr(0, x), 1, kMaxPicturePixels);
  const std::optional<int> height = parseBoundedInteger(text.substr(x + 1), 1, kMaxPicturePixels);
  if (!width || !height) return std::nullopt;
  return PixelSize{*width, *height};
}

namespace {

// A plain decimal: digits, at most one point with digits on both sides ("7.5").
std::optional<double> parsePlainDecimal(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || !allDigits(whole)) return std::nullopt;
  if (point != std::string_view::npos && (fraction.empty() || !allDigits(fraction))) {
    return std::nullopt;
  }
  if (text.size() > 16) return std::nullopt;  // more digits than any size needs
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<CentimetreSize> parseCentimetreSize(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<double> width = parsePlainDecimal(text.substr(0, x));
  const std::optional<double> height = parsePlainDecimal(text.substr(x + 1));
  auto fits = [](const std::optional<double>& v) { return v && *v > 0 && *v <= 1000; };
  if (!fits(width) || !fits(height)) return std::nullopt;
  return CentimetreSize{*width, *height};
}

std::optional<std::int32_t> parseHexColour(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  int channels[3] = {0, 0, 0};
  for (std::size_t i = 0; i < 6; ++i) {
    const int digit = hexDigit(text[i]);
    if (digit < 0) return std::nullopt;
    channels[i / 2] = channels[i / 2] * 16 + digit;
  }
  return channels[0] | (channels[1] << 8) | (channels[2] << 16);
}

std::string listOperandProblem(const SplitWords& words, std::string_view listName) {
  if (words.operands.size() == 1) return {};
  return words.operands.empty() ? "the list file " + std::string(listName) + " is needed"
                                : "give exactly one list file";
}

std::string colourOptionProblem(const SplitWords& words) {
  const std::string* colour = words.value("--color");
  if (colour == nullptr || parseHexColour(*colour)) return {};
  return "--color must be six hexadecimal digits RRGGBB, not '" + *colour + "'";
}

}  // namespace quorvel::cli
