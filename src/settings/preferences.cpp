#include "settings/preferences.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace quorvel {

bool Preferences::get(const Preference<bool>& p) const {
  const std::optional<std::string> v = read(p.key);
  if (v == "1" || v == "true") return true;
  if (v == "0" || v == "false") return false;
  return p.fallback;
}

int Preferences::get(const Preference<int>& p) const {
  const std::optional<std::string> v = read(p.key);
  int value = 0;
  if (!v) return p.fallback;
  const auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), value);
  return ec == std::errc() && end == v->data() + v->size() ? value : p.fallback;
}

double Preferences::get(const Preference<double>& p) const {
  const std::optional<std::string> v = read(p.key);
  // Only a number written as set() writes it: no blanks around it.
  if (!v || v->empty() || std::isspace(static_cast<unsigned char>(v->front())) != 0) {
    return p.fallback;
  }
  char* end = nullptr;
  const double value = std::strtod(v->c_str(), &end);
  return end == v->c_str() + v->size() ? value : p.fallback;
}

std::string Preferences::get(const Preference<std::string>& p) const {
  return read(p.key).value_or(p.fallback);
}

void Preferences::set(const Preference<bool>& p, bool value) { write(p.key, value ? "1" : "0"); }

void Preferences::set(const Preference<int>& p, int value) { write(p.key, std::to_string(value)); }

void Preferences::set(const Preference<double>& p, double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  write(p.key, text);
}

void Preferences::set(const Preference<std::string>& p, const std::string& value) {
  write(p.key, value);
}

std::optional<std::string> MemoryPreferences::read(const std::string& key) const {
  const auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemoryPreferences::write(const std::string& key, const std::string& value) {
  values_[key] = value;
}

}  // namespace quorvel
