// quorvel add of derived curves: each adds its entry to a list document and prints
// its line (an area its integral and area too); wrong usage and curves without a
// derivative are refused, leaving the file as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

struct AddCase {
  const char* name;
  std::vector<std::string> options;
  int exit;
  std::string out;  // the start of what is printed
  std::string err;  // a part of the message, or empty
};

TEST(DerivedAdd, AddsEachKindOrSaysWhyNot) {
  const std::vector<AddCase> cases = {
      {"Derivative", {"--derivative", "2"}, 0, "y = f′(x), f(x) = x³−3x\n", ""},
      {"Second", {"--derivative", "2", "--second"}, 0, "y = f″(x), f(x) = x³−3x\n", ""},
      {"Tangent", {"--tangent", "1", "--at", "1"}, 0, "切线 x₀ = 1: y = 2x − 1\n", ""},
      {"Normal",
       {"--tangent", "1", "--at", "1", "--normal"},
       0,
       "法线 x₀ = 1: y = −0.5x + 1.5\n",
       ""},
      {"Area",
       {"--area", "3", "--from", "0", "--to", "pi"},
       0,
       "面积 [0, π] = 2\nintegral\t2\narea\t2\n",
       ""},
      {"NoFunctionOfX", {"--derivative", "4"}, 1, "", "不是函数"},
      {"NoSuchEntry", {"--derivative", "9"}, 2, "", "no entry 9"},
      {"TwoKinds", {"--derivative", "1", "--tangent", "1", "--at", "0"}, 2, "", "one of"},
      {"TangentWithoutAt", {"--tangent", "1"}, 2, "", "--at"},
      {"AreaWithoutTo", {"--area", "3", "--from", "0"}, 2, "", "--to"},
      {"Corner", {"--tangent", "5", "--at", "0"}, 1, "", "折点"},
      {"Pole", {"--area", "6", "--from", "-1", "--to", "1"}, 1, "", ""},
      // Between two curves: entry 7 is y = x.
      {"AreaBetween",
       {"--area", "7", "--with", "1", "--from", "0", "--to", "1"},
       0,
       "面积 [0, 1]: y = x 与 y = x² 之间 = 0.166667\nintegral\t0.1666667\narea\t0.1666667\n",
       ""},
      {"WithAPole", {"--area", "7", "--with", "6", "--from", "-1", "--to", "1"}, 1, "", ""},
      {"WithNoFunctionOfX",
       {"--area", "7", "--with", "4", "--from", "0", "--to", "1"},
       1,
       "",
       "不是函数"},
      {"WithWithoutArea", {"--derivative", "1", "--with", "2"}, 2, "", "--with goes with --area"},
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFolder dir;
    const std::string list = (dir / "calc.qvj").string();
    for (const char* expression : {"x^2", "x^3-3*x", "sin(x)"}) {
      ASSERT_EQ(runCli({"add", list, "--family", "13", "--expr", expression}).exit, 0);
    }
    ASSERT_EQ(runCli({"add", list, "--family", "8", "--p1", "0", "--p2", "0", "--p3", "2"}).exit,
              0);  // a circle
    ASSERT_EQ(runCli({"add", list, "--family", "13", "--expr", "abs(x)"}).exit, 0);
    ASSERT_EQ(runCli({"add", list, "--family", "13", "--expr", "1/x"}).exit, 0);
    ASSERT_EQ(runCli({"add", list, "--family", "13", "--expr", "x"}).exit, 0);
    const std::string before = readFile(list);
    std::vector<std::string> args = {"add", list};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Outcome o = runCli(args);
    EXPECT_EQ(o.exit, c.exit) << o.err;
    if (c.exit == 0) {
      EXPECT_EQ(o.out.substr(0, c.out.size()), c.out);
      // The list now ends with it, as `list` shows.
      const Outcome listed = runCli({"list", list});
      EXPECT_NE(listed.out.find(c.out.substr(0, c.out.find('\n'))), std::string::npos)
          << listed.out;
    } else {
      EXPECT_EQ(readFile(list), before);
      EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    }
  }
}

TEST(DerivedAdd, AListFileHasNoRoomForThem) {
  const TempFolder dir;
  const std::string list = (dir / "calc.qvx").string();
  ASSERT_EQ(runCli({"add", list, "--family", "13", "--expr", "x^2"}).exit, 0);
  const std::string before = readFile(list);
  const Outcome o = runCli({"add", list, "--derivative", "1"});
  EXPECT_NE(o.exit, 0);
  EXPECT_EQ(readFile(list), before);
}

}  // namespace
}  // namespace quorvel::cli::test
