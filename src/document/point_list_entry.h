#pragma once
// Marked points as list entries: a text such as "A(1, 2) B(3, −1)" or "（１，２）" read
// into the points to draw, or refused naming the point; a pasted table of two columns
// turned into such a text; the points as a textbook prints them.
#include <cstdint>
#include <optional>
#include <string>

#include "document/list_entry.h"
#include "document/read_entry.h"

namespace quorvel {

// The panel's and the command line's family number.
inline constexpr int kPointsFamily = 19;
inline constexpr const char* kPointsFamilyName = "点";
// More would be no picture a class reads, and a pasted file of thousands of lines is a
// mistake rather than data.
inline constexpr std::size_t kMaxPoints = 1000;

// The points of a text, each coordinate evaluated as a value box evaluates it (so
// "(pi/2, 1)" is a point); the refusal names the point and what is wrong with it.
struct PointsParse {
  std::optional<PointsShape> shape;
  std::string canonical;  // the text as the list keeps it: "A(1, 2) (3, -1)"
  std::string problem;
};
PointsParse parsePoints(const std::string& typed);

// Clipboard text of two columns (tab, comma or blanks between them, one point a line;
// a first line that is no numbers is a header and skipped; a third column before the
// two is the point's name) as a text parsePoints reads; nullopt with `problem` set
// when a line is no point.
std::optional<std::string> pastedPoints(const std::string& clipboard, std::string& problem);

// A points entry read as readEntry reads it.
EntryReading readPointList(const PointList& list);
// A new entry typed by the user: the list's entry once read.
struct TypedPointsReading {
  EntryReading reading;
  std::optional<ListEntry> entry;
};
TypedPointsReading readTypedPoints(const PointList& typed);

// "A(1, 2), B(3, −1)"; a long list shows its first points and how many there are.
std::string printedPoints(const PointsShape& shape, const std::string& canonical);

}  // namespace quorvel
