#include "settings/settings_file.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "files/atomic_file.h"
#include "plot/view.h"

namespace quorvel {

namespace {

// More than a sign and ten digits cannot be a setting.
constexpr std::size_t kLongestField = 11;
constexpr std::size_t kReadLimit = 4096;

struct Field {
  std::int32_t Settings::*member;
  std::int32_t min;
  std::int32_t max;
};

constexpr Field kFields[] = {
    {&Settings::level, 1, 10000},
    {&Settings::penWidth, 1, 5},
    {&Settings::zoom, 0, kMaxScale},
    {&Settings::family, 0, 13},
};

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A whole number in plain decimal with an optional sign, or nothing.
std::optional<std::int32_t> wholeNumber(std::string_view s) {
  s = trimmed(s);
  if (s.empty() || s.size() > kLongestField) return std::nullopt;
  if (s.front() == '+') {
    s.remove_prefix(1);
    if (s.empty() || s.front() == '-') return std::nullopt;
  }
  std::int64_t value = 0;
  const char* end = s.data() + s.size();
  const auto [stop, ec] = std::from_chars(s.data(), end, value);
  if (ec != std::errc() || stop != end) return std::nullopt;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// The text cut at commas and line breaks; a CR LF pair is one break.
std::vector<std::string_view> fieldsOf(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size() && fields.size() < std::size(kFields); ++i) {
    const char c = text[i];
    if (c != ',' && c != '\r' && c != '\n') continue;
    fields.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (fields.size() < std::size(kFields) && start < text.size()) {
    fields.push_back(text.substr(start));
  }
  return fields;
}

}  // namespace

Settings parseSettings(std::string_view text, const Settings& current) {
  Settings result = current;
  const std::vector<std::string_view> fields = fieldsOf(text);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field& f = kFields[i];
    const std::optional<std::int32_t> value = wholeNumber(fields[i]);
    if (value && *value >= f.min && *value <= f.max) result.*f.member = *value;
  }
  return result;
}

Settings readSettings(const std::filesystem::path& file, const Settings& current) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return current;
  std::ifstream in(file, std::ios::binary);
  if (!in) return current;
  std::string text(kReadLimit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return parseSettings(text, current);
}

std::string settingsLine(const Settings& s) {
  return std::to_string(s.level) + "," + std::to_string(s.penWidth) + "," + std::to_string(s.zoom) +
         "," + std::to_string(s.family) + "\r\n";
}

bool writeSettings(const std::filesystem::path& file, const Settings& settings) {
  return replaceFileWith(file, settingsLine(settings));
}

}  // namespace quorvel
