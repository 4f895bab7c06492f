#pragma once
// What the analysis commands share: the list file opened as the toolbar's 打开 opens
// it, its entries read as the analysis takes them, and their number options.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "analysis/analysed_curve.h"
#include "cli/option_parsing.h"
#include "shell/headless_program.h"

namespace quorvel::cli {

class ListEntries {
 public:
  // Throws std::runtime_error when no private folder can be made.
  ListEntries();
  // Opens the list; false with the program's refusal ("TITLE: MESSAGE") in `problem`.
  bool open(const std::filesystem::path& list, std::string& problem);
  // Entry n (from 1); nullopt with the reason in `problem` ("entry 4: ｋ≠０").
  std::optional<AnalysedCurve> curve(int n, std::string& problem);

 private:
  NullSurface surface_;
  HeadlessProgram headless_;
};

// Opens LIST for `quorvel COMMAND`: kExitDone when `entries` hold it; otherwise the
// file that cannot be read (kExitFileError) or the program's refusal (kExitRefused)
// is reported on `err`.
int openEntries(const char* command, const std::filesystem::path& list, ListEntries& entries,
                std::ostream& err);

// The value of a number option ("--from -2.5"): nullopt when it is not given; the
// problem (for the usage message) when it is not a number.
std::optional<double> numberOption(const SplitWords& words, std::string_view option,
                                   std::string& problem);
// --entry N (default 1), a whole number from 1 on.
std::optional<int> entryOption(const SplitWords& words, std::string_view option, int fallback,
                               std::string& problem);

}  // namespace quorvel::cli
