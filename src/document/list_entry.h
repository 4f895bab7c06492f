#pragma once
// One entry of the list of drawn curves: what is drawn, whether it is ticked, and the
// line the list shows for it. A curve of the fourteen families is kept the way the list
// file keeps it (a classic curve); the other kinds hold their own fields, with no width,
// and only the document format of named fields can keep them. readEntry and the drawing
// dispatch on the kind.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "catalogue/func_record.h"
// Piecewise functions and marked points.
#include "document/piecewise_curve.h"
#include "document/point_list.h"
// Curves derived from another entry (tangents, derivatives, areas).
#include "document/derived_curve.h"
// Regions given by inequalities.
#include "document/region_curve.h"

namespace quorvel {

// A record's slot in the list file: its 122 bytes and 6 bytes of filler.
using SlotBytes = std::array<unsigned char, kSlotSize>;

// A curve of the fourteen families as a record of the list file. It keeps the bytes it
// came as, so that an entry nobody changed is written back exactly as it was read
// (bytes that are no text of the code page and the filler included).
class ClassicCurve {
 public:
  // The record as the file keeps it: each text cut at its field's width.
  explicit ClassicCurve(const FuncRecord& record);
  // A slot as read from a file: the record's 122 bytes and up to 6 of filler.
  static ClassicCurve fromSlot(std::span<const unsigned char> bytes);

  const FuncRecord& record() const { return record_; }
  const SlotBytes& slot() const { return slot_; }

  bool operator==(const ClassicCurve& other) const { return slot_ == other.slot_; }

 private:
  ClassicCurve() = default;
  FuncRecord record_;
  SlotBytes slot_{};
};

// A curve of a family or form the list file has no number for (幂函数, the forms that
// need a fourth parameter): a record's fields, none cut to a width, and the fourth
// parameter's text.
struct FormCurve {
  FuncRecord record;
  std::string para4;

  bool operator==(const FormCurve&) const = default;
};

// x = x(t), y = y(t) for t from `from` to `to`; the texts as the list keeps them
// (textbook notation rewritten into the evaluator's tokens).
struct ParametricCurve {
  std::string x, y;
  std::string from = "0", to = "2pi";
  std::int32_t colour = 0;

  bool operator==(const ParametricCurve&) const = default;
};

// ρ = rho(θ) for θ from `from` to `to`.
struct PolarCurve {
  std::string rho;
  std::string from = "0", to = "2pi";
  std::int32_t colour = 0;

  bool operator==(const PolarCurve&) const = default;
};

// F(x, y) = G(x, y) as one text with a single "=" (the evaluator's tokens on each side).
struct EquationCurve {
  std::string text;
  std::int32_t colour = 0;

  bool operator==(const EquationCurve&) const = default;
};

using EntryContent =
    std::variant<ClassicCurve, FormCurve, ParametricCurve, PolarCurve, EquationCurve,
                 // Piecewise functions and marked points.
                 PiecewiseCurve, PointList,
                 // Curves derived from another entry.
                 DerivedCurve,
                 // Regions given by inequalities.
                 RegionCurve>;

// What a derived curve's SourceBox holds.
struct BoxedContent {
  EntryContent content;
  bool operator==(const BoxedContent&) const = default;
};

struct ListEntry {
  EntryContent content;
  bool ticked = true;
  std::string line;  // the list's line: the curve's equation
  // The equation as a textbook prints it, which the window shows for the line; empty
  // for an entry that cannot be read (the line is shown).
  std::string printed{};

  bool operator==(const ListEntry&) const = default;
};

// The classic curve of an entry, or nullptr for another kind.
inline const ClassicCurve* classicCurve(const ListEntry& entry) {
  return std::get_if<ClassicCurve>(&entry.content);
}

// Whether the list file can keep the entry: only a classic curve has a record there.
inline bool fitsListFile(const ListEntry& entry) { return classicCurve(entry) != nullptr; }

}  // namespace quorvel
