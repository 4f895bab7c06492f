#pragma once
// The one reader of the list's entries: an entry becomes the curve that is drawn and
// analysed, or the reason it is refused. The draw command's checks run in the draw
// command's order with its messages, and every text is evaluated as the draw command
// evaluates its boxes, so a field holding '2*3' or 'pi/2' reads as its value wherever
// the entry is read: the window, the exports, `quorvel points` and `table`.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/func_record.h"
#include "catalogue/input_boxes.h"
#include "document/function_list.h"
#include "document/list_entry.h"
#include "document/piecewise_curve.h"
#include "document/plane_curve.h"
#include "document/point_list.h"
#include "eval/curve_formulas.h"
#include "plot/plotter.h"

namespace quorvel {

// Uniform random numbers in [0, 1): where an expression of one's own is tried.
using RandomNumbers = std::function<float()>;

// Why an entry is not drawn: the message box's title and prompt.
struct Refusal {
  std::string title;
  std::string message;
  bool operator==(const Refusal&) const = default;
};

// An entry as a curve to draw and analyse.
struct EntryCurve {
  CurveParams params;         // family, form, the parameters; an expression lower-cased
  PlotRange range;            // the range ends, open ends marked
  bool wholeNumbers = false;  // 整数: x takes whole numbers only
  std::int32_t colour = 0;
  // The sweep a line needs whatever Ｙ驱动 says: along x for a horizontal line
  // (k = 0, or A = 0 in Ax+By+C=0), along y for a vertical one (B = 0).
  std::optional<bool> sweepAlongY;
  std::string text;     // the equation, as the list file's readers write it
  std::string printed;  // the equation as a textbook prints it: labels, legend, the list
  // A parametric or polar curve: its functions and range (params names its family).
  std::optional<PlaneCurveShape> plane{};
  // A piecewise function, or marked points (params names the family).
  std::optional<PiecewiseShape> piecewise{};
  std::optional<PointsShape> points{};
  // A curve derived from another entry (a tangent, a derivative, an area).
  std::optional<DerivedShape> derived{};
  // A region given by inequalities (shared: the shape is read once per reading).
  std::shared_ptr<const RegionSystem> region{};
};

// The box whose text refused the entry: the evaluator's status on its text and where
// it stopped there (status kOk for a value that evaluates but is no parameter, a range
// out of order or an unbalanced bracket: the box is named, no place in it).
struct BoxFault {
  InputBox box = InputBox::kParameter1;
  std::int32_t status = 0;
  EvalStop stop;
};

// A constant text evaluated at x = 1 and replaced by its value; false (the text left
// as it was) when it holds an x or does not evaluate, with `fault` saying where its
// evaluation stopped (its box left as it was).
bool evaluateConstant(std::string& text, BoxFault& fault);

// A constant text's value in double, not cut to the seven digits of the evaluator's
// result text: false when it holds an x (before any comment), does not evaluate or is
// not finite, with `status` and `stop` saying where (status kOk: no place in it).
bool constantInDouble(const std::string& text, double& value, std::int32_t& status, EvalStop& stop);

// The curve to draw of an entry of a kind beyond the list file's, before its shape is
// set: the family the panel gives the kind, its colour, its line and its printed text.
EntryCurve kindCurve(int family, std::int32_t colour, std::string line, std::string printed);

struct EntryReading {
  std::optional<EntryCurve> curve;  // nullopt: refused, for `refusal`
  Refusal refusal;
  // The line the list shows: the curve's equation, or the entry's first text when it
  // could not be read that far.
  std::string line;
  // The first box refused, in the order the boxes are checked, when the refusal is a
  // fault of a box's text (none for a family's rule or a parameter too large).
  std::optional<BoxFault> fault;
  // The record's texts as far as they were read, each evaluated text replaced by its
  // value ('pi/2' by '1.570796', an empty parameter by '0'): what the draw command's
  // boxes show afterwards and what it stores.
  FuncRecord texts;
};

// A record of the list file (or the panel's boxes put into one) read as the draw
// command reads them. An expression of one's own is tried at eleven points drawn from
// `random`, alternately in [0, 100) and (−100, 0].
EntryReading readRecord(const FuncRecord& record, const RandomNumbers& random);
// Any entry, by its kind.
EntryReading readEntry(const ListEntry& entry, const RandomNumbers& random);

// A curve about to become a new entry (the draw command, 动态参数, `quorvel add`): read
// as readRecord reads it, then its texts must fit their fields, since a text cut to fit
// would come back as another curve. `stored` gets the entry's texts as the list keeps
// them (a value written shorter where it must be); the curve is refused otherwise.
EntryReading readNewRecord(const FuncRecord& record, const RandomNumbers& random,
                           FuncRecord& stored);

// An entry the list cannot draw, by its index (from 0).
struct EntryRefusal {
  std::size_t index = 0;
  Refusal refusal;
  bool operator==(const EntryRefusal&) const = default;
};

// A list just read from a file: every entry gets its line and is ticked when it can
// be drawn; the others stay unticked and are returned, in order.
std::vector<EntryRefusal> readLines(FunctionList& list, const RandomNumbers& random);

// The random numbers of a fixed seed, for readers without the platform's source.
RandomNumbers seededRandom(std::uint32_t seed);

}  // namespace quorvel
