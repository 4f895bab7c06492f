#pragma once
// A curve derived from a y = f(x) entry of the list — its tangent or normal at x₀, its
// derivative f′ or f″, the area under it from a to b — as the list keeps it: what it
// is, its own texts, and a copy of the source entry's definition, so that editing or
// deleting the source later leaves it as it was made. What the calculus gave when it
// was made (the line, the area) is kept with it for the same reason. An area between
// two curves keeps a copy of the second curve too.
#include <cstdint>
#include <memory>
#include <string>

namespace quorvel {

enum class DerivedKind : std::uint8_t { kTangent, kNormal, kDerivative, kSecondDerivative, kArea };

struct BoxedContent;  // an EntryContent; the list entry's variant cannot hold itself

// A copy of another entry's content, held by value: copied deeply, compared by what it
// holds.
class SourceBox {
 public:
  SourceBox();
  explicit SourceBox(const BoxedContent& content);
  SourceBox(const SourceBox& other);
  SourceBox(SourceBox&&) noexcept;
  SourceBox& operator=(const SourceBox& other);
  SourceBox& operator=(SourceBox&&) noexcept;
  ~SourceBox();

  // nullptr for an empty box.
  const BoxedContent* get() const { return content_.get(); }
  bool operator==(const SourceBox& other) const;

 private:
  std::unique_ptr<BoxedContent> content_;
};

// A straight line as the calculus gave it: y = slope·x + intercept, or x = x.
struct DerivedLine {
  bool vertical = false;
  double slope = 0, intercept = 0, x = 0;
  bool operator==(const DerivedLine&) const = default;
};

struct DerivedCurve {
  DerivedKind kind = DerivedKind::kDerivative;
  std::string at;        // x₀ of a tangent or normal (the evaluator's tokens)
  std::string from, to;  // a and b of an area
  std::int32_t colour = 0;
  SourceBox source;
  SourceBox with;  // the second curve of an area between two; empty for the x axis
  // Kept from when the entry was made: the tangent's or normal's line and its equation
  // as printed ("y = 2x − 1"); the area's signed integral and area and the area as
  // printed ("2").
  DerivedLine line;
  double integral = 0, area = 0;
  std::string result;

  bool operator==(const DerivedCurve&) const = default;
};

struct EntryCurve;

// A derived entry once read: its numbers, the line kept with it and its source read as
// the curve it was (shared: an EntryCurve cannot hold one of its own).
struct DerivedShape {
  DerivedKind kind = DerivedKind::kDerivative;
  double at = 0, from = 0, to = 0;
  DerivedLine line;
  std::shared_ptr<const EntryCurve> source;
  std::shared_ptr<const EntryCurve> with;  // an area's second curve; null for the x axis
};

}  // namespace quorvel
