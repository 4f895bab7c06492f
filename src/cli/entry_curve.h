#pragma once
// What the analysis commands share: an entry of the list read as the analysis takes
// it, and their number options.
#include <optional>
#include <string>
#include <string_view>

#include "analysis/analysed_curve.h"
#include "cli/option_parsing.h"
#include "document/function_list.h"

namespace quorvel::cli {

// Entry n (from 1) of the list as the analysis reads it; nullopt with the reason in
// `problem` ("entry 4: ｋ≠０", "no entry 9 (the list has 3)").
std::optional<AnalysedCurve> entryCurve(const FunctionList& list, int n, std::string& problem);

// The value of a number option ("--from -2.5"): nullopt when it is not given; the
// problem (for the usage message) when it is not a number.
std::optional<double> numberOption(const SplitWords& words, std::string_view option,
                                   std::string& problem);
// --entry N (default 1), a whole number from 1 on.
std::optional<int> entryOption(const SplitWords& words, std::string_view option, int fallback,
                               std::string& problem);

}  // namespace quorvel::cli
