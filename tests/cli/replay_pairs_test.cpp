// A replayed entry draws what it draws alone, whatever entry comes before it: for
// every pair of (an entry that leaves its mark on the panel, an entry of each
// family), the calls of the list [first, second] are the calls of [first] followed by
// those of [second] (without its leading Cls), through the window's redraw and
// through `quorvel export --trace`.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/families.h"
#include "catalogue/list_file.h"
#include "cli_test_support.h"
#include "plot/recording_surface.h"
#include "shell/frm_control.h"
#include "testing/headless_program.h"

namespace quorvel::cli::test {
namespace {

struct Entry {
  const char* name;
  FuncRecord record;
};

FuncRecord entry(int family, int form, std::string p1, std::string p2 = "0", std::string p3 = "0",
                 std::int32_t intX = 0,
                 std::array<std::string, 4> ranges = {" -∞", " +∞", " -∞", " +∞"}) {
  FuncRecord r;
  r.family = static_cast<std::int16_t>(family);
  r.form = static_cast<std::int16_t>(form);
  r.para1 = std::move(p1);
  if (family == kCustomFamily) {
    r.zeroPara23 = true;
  } else {
    r.para2 = std::move(p2);
    r.para3 = std::move(p3);
  }
  r.color = 0x2080C0 + family;
  r.rangeX1 = ranges[0];
  r.rangeX2 = ranges[1];
  r.rangeY1 = ranges[2];
  r.rangeY2 = ranges[3];
  r.intX = intX;
  return r;
}

// Entries that leave something on the panel the next entry could take over.
const std::vector<Entry>& firsts() {
  static const std::vector<Entry> table = {
      {"Sum", entry(13, 1, "x", "", "", 1, {"0", " +∞", " -∞", " +∞"})},
      {"WholeNumbers", entry(2, 0, "3", "0", "0", 1)},
      {"YDrivenLine", entry(0, 2, "1", "0", "-2")},
      {"Custom", entry(13, 0, "x^2/4")},
      {"Ranges", entry(1, 0, "1", "0", "-2", 0, {"-1", "2", "-1", "3"})},
  };
  return table;
}

// One entry of every family.
const std::vector<Entry>& seconds() {
  static const std::vector<Entry> table = {
      {"Line", entry(0, 0, "2", "1")},        {"Quadratic", entry(1, 0, "1", "-2", "1")},
      {"Inverse", entry(2, 0, "6")},          {"Exponential", entry(3, 0, "2")},
      {"Logarithm", entry(4, 0, "2")},        {"Sine", entry(5, 0, "2", "1", "0")},
      {"Cosine", entry(6, 0, "1", "2", "0")}, {"Tangent", entry(7, 0, "1", "1", "0")},
      {"Circle", entry(8, 0, "0", "0", "3")}, {"Ellipse", entry(9, 0, "3", "2")},
      {"Hyperbola", entry(10, 0, "2", "1")},  {"Parabola", entry(11, 0, "1")},
      {"Tick", entry(12, 0, "1", "4")},       {"Custom", entry(13, 0, "sin(x)")},
  };
  return table;
}

void writeList(const std::filesystem::path& file, const std::vector<FuncRecord>& records) {
  std::filesystem::remove(file);
  ListFile list(file);
  ASSERT_TRUE(list.isOpen());
  for (std::size_t i = 0; i < records.size(); ++i) {
    ASSERT_TRUE(list.write(static_cast<std::int32_t>(i + 1), records[i]));
  }
  ASSERT_TRUE(list.flush());
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The trace lines of the list opened in the window's core, then panned once (a
// redraw of the view change).
std::vector<std::string> windowReplay(const std::filesystem::path& list) {
  RecordingSurface surface;
  HeadlessProgram headless(surface);
  surface.clearCalls();
  EXPECT_TRUE(headless.openList(list));
  headless.panel().picUp_Click();
  return lines(surface.traceText());
}

std::vector<std::string> exportTrace(const TempFolder& dir, const std::filesystem::path& list) {
  const std::filesystem::path out = dir / "trace.txt";
  const Outcome o = runCli({"export", list.string(), out.string(), "--trace"});
  EXPECT_EQ(o.exit, 0) << o.err;
  return lines(readFile(out));
}

// [first, second] draws [first], then [second] without its Cls; a window replay is
// an open and a pan, so each half holds two replays.
void expectSecondDrawsAsAlone(const std::vector<std::string>& both,
                              const std::vector<std::string>& first,
                              const std::vector<std::string>& second, const std::string& what) {
  ASSERT_FALSE(second.empty()) << what;
  std::vector<std::string> joined = first;
  joined.insert(joined.end(), second.begin() + 1, second.end());
  ASSERT_EQ(both.size(), joined.size()) << what;
  EXPECT_TRUE(both == joined) << what;
}

// The window's replays of one list, split at each redraw's Cls.
std::vector<std::vector<std::string>> redraws(const std::vector<std::string>& calls) {
  std::vector<std::vector<std::string>> parts;
  for (const std::string& call : calls) {
    if (call == "Cls" || parts.empty()) parts.emplace_back();
    parts.back().push_back(call);
  }
  return parts;
}

TEST(ReplayPairs, TheSecondEntryDrawsAsItDrawsAlone) {
  const TempFolder dir;
  const auto listA = dir / "a.qvx";
  const auto listB = dir / "b.qvx";
  const auto listAB = dir / "ab.qvx";
  for (const Entry& first : firsts()) {
    writeList(listA, {first.record});
    const auto windowA = redraws(windowReplay(listA));
    const auto exportA = exportTrace(dir, listA);
    for (const Entry& second : seconds()) {
      const std::string what = std::string(first.name) + " then " + second.name;
      writeList(listB, {second.record});
      writeList(listAB, {first.record, second.record});
      const auto windowB = redraws(windowReplay(listB));
      const auto windowAB = redraws(windowReplay(listAB));
      ASSERT_EQ(windowAB.size(), 2u) << what;  // the open and the pan
      ASSERT_EQ(windowA.size(), 2u) << what;
      ASSERT_EQ(windowB.size(), 2u) << what;
      for (std::size_t r = 0; r < 2; ++r) {
        expectSecondDrawsAsAlone(windowAB[r], windowA[r], windowB[r],
                                 what + (r == 0 ? " (open)" : " (pan)"));
      }
      expectSecondDrawsAsAlone(exportTrace(dir, listAB), exportA, exportTrace(dir, listB),
                               what + " (export --trace)");
    }
  }
}

}  // namespace
}  // namespace quorvel::cli::test
