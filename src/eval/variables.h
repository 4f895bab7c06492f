#pragma once
// The variables an evaluation may be asked to read besides x: t of a parametric curve,
// θ of a polar one (typed "θ" or "theta"), n of a sequence and y of an equation. A
// text reads one only as a whole name: the run of letters that stands there (letters
// other than "x", as the evaluator splits names) must be the name itself, so "sint" is
// no sine of t and "tan", "tg", "ctg", "sin", "ln" keep their meaning. An evaluation
// that accepts none reads exactly what it always read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quorvel {

enum class Variable : std::uint8_t { kT = 0, kTheta = 1, kN = 2, kY = 3 };
inline constexpr std::size_t kVariableCount = 4;

constexpr std::size_t variableIndex(Variable v) { return static_cast<std::size_t>(v); }

// The UTF-8 bytes of "θ"; a text may hold them where "theta" is meant.
inline constexpr std::string_view kThetaSign = "\xCE\xB8";

// Which of the variables an evaluation accepts.
class VariableSet {
 public:
  constexpr VariableSet() = default;
  constexpr VariableSet with(Variable v) const {
    VariableSet s = *this;
    s.bits_ = static_cast<std::uint8_t>(s.bits_ | (1u << variableIndex(v)));
    return s;
  }
  constexpr bool has(Variable v) const { return ((bits_ >> variableIndex(v)) & 1u) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  friend constexpr bool operator==(VariableSet, VariableSet) = default;

 private:
  std::uint8_t bits_ = 0;
};

// A variable's name found at the start of a text, and how many bytes it takes.
struct VariableName {
  Variable variable = Variable::kT;
  std::size_t length = 0;
};

// The accepted variable whose whole name starts `text`: "θ", or a run of lower-case
// letters other than "x" that is exactly "t", "theta", "n" or "y". The caller looks
// only where a name may start (not inside a run of letters).
std::optional<VariableName> variableNameAt(std::string_view text, VariableSet accepted);

// The values of the accepted variables as decimal texts, the way x is handed to Epc.
// A variable without a text is not accepted: its name stays undefined.
struct VariableTexts {
  std::array<std::optional<std::string>, kVariableCount> texts;

  VariableTexts& set(Variable v, std::string text) {
    texts[variableIndex(v)] = std::move(text);
    return *this;
  }
  VariableSet accepted() const {
    VariableSet s;
    for (std::size_t i = 0; i < kVariableCount; ++i) {
      if (texts[i]) s = s.with(static_cast<Variable>(i));
    }
    return s;
  }
};

}  // namespace quorvel
