#include "cli/entry_curve.h"

#include <cmath>

#include "catalogue/list_file.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "eval/number_text.h"

namespace quorvel::cli {

namespace {

constexpr int kMostEntries = 32767;

}  // namespace

ListEntries::ListEntries() : headless_(surface_) {}

bool ListEntries::open(const std::filesystem::path& list, std::string& problem) {
  if (headless_.openList(list)) return true;
  problem = refusalLine(headless_.messages());
  return false;
}

int openEntries(const char* command, const std::filesystem::path& list, ListEntries& entries,
                std::ostream& err) {
  if (const std::string why = unreadableReason(list); !why.empty()) {
    err << "quorvel " << command << ": cannot read '" << list.string() << "': " << why << '\n';
    return kExitFileError;
  }
  std::string problem;
  if (!entries.open(list, problem)) {
    err << problem << '\n';
    return kExitRefused;
  }
  return kExitDone;
}

std::optional<AnalysedCurve> ListEntries::curve(int n, std::string& problem) {
  ListFile file(headless_.program().listPath());
  const int count = headless_.panel().lstExist.ListCount();
  const std::optional<FuncRecord> record =
      file.isOpen() && n <= count ? file.read(n) : std::nullopt;
  if (!record) {
    problem = "no entry " + std::to_string(n) + " (the list has " + std::to_string(count) + ")";
    return std::nullopt;
  }
  std::string reason;
  std::optional<AnalysedCurve> curve = AnalysedCurve::fromRecord(*record, reason);
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
  const std::optional<int> n = parseBoundedInteger(*text, 1, kMostEntries);
  if (!n) {
    problem = std::string(option) + " must be a whole number from 1 to " +
              std::to_string(kMostEntries) + ", not '" + *text + "'";
  }
  return n;
}

}  // namespace quorvel::cli
