#pragma once
// Exact rational numbers (GMP's mpq_class) as a user types them and as a textbook
// writes them: "3", "−0.25", "4/3", "1.5/2".
#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

enum class MinusSign { Typographic, Ascii };

// A decimal or a fraction of two decimals, with an optional sign (+, -, or − U+2212)
// and blanks around; full-width forms are read as ASCII. nullopt with the reason in
// `reason` for anything else and for a zero denominator.
std::optional<mpq_class> parseRational(std::string_view text, std::string& reason);

// In lowest terms: "3", "4/3", "−4/3" ("-4/3" with MinusSign::Ascii).
std::string rationalText(const mpq_class& q, MinusSign minus = MinusSign::Typographic);

// The text with the minus sign U+2212 and the full-width ASCII forms replaced by
// ASCII: what the readers of numbers and inequalities take in.
std::string plainInput(std::string_view text);

}  // namespace quorvel
