#pragma once
// Piecewise functions as list entries: the pieces' texts read into the function to
// draw and analyse, or the reason they are refused (naming the piece and its box),
// and the function as a textbook prints it: "f(x) = {x + 1, x < 0; x², x ≥ 0}".
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "document/list_entry.h"
#include "document/read_entry.h"
#include "eval/epc.h"
#include "eval/notation.h"

namespace quorvel {

// The panel's and the command line's family number; 17 is another kind's.
inline constexpr int kPiecewiseFamily = 18;
inline constexpr const char* kPiecewiseFamilyName = "分段函数";

// Texts an infinite end may be typed as: "inf", "∞", with a sign "-", "−", "+".
// The sign of the infinity, or 0 for any other text.
int infinityOf(const std::string& text);

enum class PieceBox : std::uint8_t { kExpression, kFrom, kTo };

// The first refused box: its piece (from 0), and where its text went wrong (status
// kOk: the box is named, no place in it).
struct PieceFault {
  std::size_t piece = 0;
  PieceBox box = PieceBox::kExpression;
  std::int32_t status = 0;
  EvalStop stop;
};

// How a message names a box: "第 2 段的式子", "第 1 段的左端点".
std::string pieceBoxName(std::size_t piece, PieceBox box);

// A piecewise entry read as readEntry reads it.
EntryReading readPiecewise(const PiecewiseCurve& curve, std::optional<PieceFault>* fault);

// The texts as typed, rewritten from textbook notation; an infinite end as "-inf" or
// "inf".
PiecewiseCurve rewrittenPiecewise(const PiecewiseCurve& typed);

struct TypedPiecewiseReading {
  EntryReading reading;
  std::optional<ListEntry> entry;
  std::optional<PieceFault> fault;
  std::optional<TypedPlace> place;
  std::string detail;
};
// A new entry typed by the user: read after the rewrite.
TypedPiecewiseReading readTypedPiecewise(const PiecewiseCurve& typed);

// "f(x) = {x + 1, x < 0; x², x ≥ 0}".
std::string printedPiecewise(const PiecewiseCurve& curve);

}  // namespace quorvel
