#pragma once
// Parametric curves x = x(t), y = y(t) and polar curves ρ = ρ(θ) as list entries: their
// texts read into a curve to draw and analyse, or the reason they are refused, and the
// equation as a textbook prints it. A text is evaluated as the expression box's is,
// with t (or θ) in place of x, under the same single-precision rules; the range ends
// are constant texts ("2pi", "pi/3").
#include <cstdint>
#include <optional>
#include <string>

#include "document/list_entry.h"
#include "document/plane_curve.h"
#include "document/read_entry.h"
#include "eval/epc.h"
#include "eval/notation.h"

namespace quorvel {

// The families the panel and the command line give these kinds, after the fourteen
// of the list file (and 幂函数).
inline constexpr int kParametricFamily = 15;
inline constexpr int kPolarFamily = 16;
inline constexpr const char* kParametricFamilyName = "参数方程";
inline constexpr const char* kPolarFamilyName = "极坐标方程";

// The longest parameter range: at the precision slider's coarsest useful level a
// longer one would leave steps wider than a turn of a spiral, and nothing would show.
inline constexpr double kMaxParameterSpan = 1000.0;

// The boxes of these kinds, in the order they are checked.
enum class CurveBox : std::uint8_t { kFirst, kSecond, kFrom, kTo };

// How a message names a box: "x(t)", "y(t)", "ρ(θ)", "t 的起点", "θ 的终点" …
std::string curveBoxName(PlaneKind kind, CurveBox box);

// The first refused box and where its text went wrong (status kOk: the box is named,
// no place in it).
struct CurveBoxFault {
  CurveBox box = CurveBox::kFirst;
  std::int32_t status = 0;
  EvalStop stop;
};

// A parametric or polar entry read as readEntry reads it; `fault` gets the refused
// box when the refusal is a fault of one.
EntryReading readParametric(const ParametricCurve& curve, std::optional<CurveBoxFault>* fault);
EntryReading readPolar(const PolarCurve& curve, std::optional<CurveBoxFault>* fault);
// Either (or an equation), by the entry's kind; nullopt for an entry of another kind.
std::optional<EntryReading> readPlaneEntry(const ListEntry& entry);

// The texts as typed in the panel or on the command line, rewritten from textbook
// notation into the evaluator's tokens (√, π, θ, the full-width signs …).
ParametricCurve rewrittenParametric(const ParametricCurve& typed);
PolarCurve rewrittenPolar(const PolarCurve& typed);

// A new entry typed by the user: read after the rewrite; `entry` is the list's entry
// once read, `detail` the line under the message that names the box and the place in
// its typed text ("y(t)第 4 个字符：“q”").
struct TypedCurveReading {
  EntryReading reading;
  std::optional<ListEntry> entry;
  std::optional<CurveBoxFault> fault;
  std::optional<TypedPlace> place;
  std::string detail;
};
TypedCurveReading readTypedParametric(const ParametricCurve& typed);
TypedCurveReading readTypedPolar(const PolarCurve& typed);

// The equation as a textbook prints it: "x = 3cos t, y = 3sin t (0 ≤ t ≤ 2π)",
// "ρ = 2sin 3θ" (a polar range only when it is not 0 to 2π).
std::string printedParametric(const ParametricCurve& curve);
std::string printedPolar(const PolarCurve& curve);

// The kind's entry with the colour replaced; the entry of another kind unchanged.
void setPlaneColour(ListEntry& entry, std::int32_t colour);
// The colour of a parametric, polar, equation, piecewise, points or derived entry; nullopt
// for another kind.
std::optional<std::int32_t> planeColour(const ListEntry& entry);

}  // namespace quorvel
