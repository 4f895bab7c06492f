#include "cli/entry_curve.h"

#include <cmath>

#include "cli/list_opening.h"
#include "document/read_entry.h"
#include "eval/number_text.h"

namespace quorvel::cli {

std::optional<AnalysedCurve> entryCurve(const FunctionList& list, int n, std::string& problem) {
  if (n < 1 || static_cast<std::size_t>(n) > list.size()) {
    problem =
        "no entry " + std::to_string(n) + " (the list has " + std::to_string(list.size()) + ")";
    return std::nullopt;
  }
  const EntryReading reading = readEntry(list.at(static_cast<std::size_t>(n - 1)), commandRandom());
  std::string reason = reading.refusal.message;
  std::optional<AnalysedCurve> curve;
  if (reading.curve) curve = AnalysedCurve::fromCurve(*reading.curve, reason);
  if (!curve) problem = "entry " + std::to_string(n) + ": " + reason;
  return curve;
}

std::optional<double> numberOption(const SplitWords& words, std::string_view option,
                                   std::string& problem) {
  const std::string* text = words.value(option);
  if (text == nullptr) return std::nullopt;
  double value = 0;
  if (textToDouble(*text, value) != kOk || !std::isfinite(value)) {
    problem = std::string(option) + " must be a number, not '" + *text + "'";
    return std::nullopt;
  }
  return value;
}

std::optional<int> entryOption(const SplitWords& words, std::string_view option, int fallback,
                               std::string& problem) {
  const std::string* text = words.value(option);
  if (text == nullptr) return fallback;
  const std::optional<int> n = parseBoundedInteger(*text, 1, kMaxListRecords);
  if (!n) {
    problem = std::string(option) + " must be a whole number from 1 to " +
              std::to_string(kMaxListRecords) + ", not '" + *text + "'";
  }
  return n;
}

}  // namespace quorvel::cli
