#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace quorvel::cli {
namespace {

struct Outcome {
  int exit;
  std::string out, err;
};

Outcome runCli(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int exit = run(args, in, out, err);
  return {exit, out.str(), err.str()};
}

TEST(CalcCommand, PrintsTheResultText) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      {{"calc", "2(x+1)^2"}, "8\n"},
      {{"calc", "--x", "3", "2x"}, "6\n"},
      {{"calc", "--x=3", "2x"}, "6\n"},
      {{"calc", "2x", "--x", "3"}, "6\n"},    // options may follow the expression
      {{"calc", "--x", "-2", "x^2"}, "4\n"},  // a value may start with "-"
      {{"calc", "-x^2"}, "-1\n"},             // one "-" starts an expression
      {{"calc", "2*pi"}, "6.28318\n"},
      {{"calc", "150000000"}, "1.5E+08\n"},
      {{"calc", "--x", "1E-05", "x*100000"}, "1\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli(c.args);
    EXPECT_EQ(o.exit, 0) << c.args[1];
    EXPECT_EQ(o.out, c.out) << c.args[1];
    EXPECT_EQ(o.err, "") << c.args[1];
  }
}

TEST(CalcCommand, ReportsAFailedEvaluationOnStandardError) {
  const struct {
    const char* expression;
    const char* err;
  } cases[] = {
      {"1/0", "quorvel: status 11: division by zero\n"},
      {"Sin x", "quorvel: status -1: undefined character or function name\n"},  // not lower-cased
      {"(x+1)x", "quorvel: status -2: malformed expression\n"},
      {"0/0", "quorvel: status 6: overflow (outside single precision, or 0/0)\n"},
      {"3.14.1", "quorvel: status 13: a number that does not convert\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli({"calc", c.expression});
    EXPECT_EQ(o.exit, 1) << c.expression;
    EXPECT_EQ(o.out, "") << c.expression;
    EXPECT_EQ(o.err, c.err) << c.expression;
  }
}

TEST(CalcCommand, RawPrintsStatusTabResultAndSucceeds) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      {{"calc", "--raw", "(-8)^(2/3)"}, "5\t0\n"},
      {{"calc", "--raw", "+x"}, "9\t0\n"},
      {{"calc", "--raw", "(-8)^(1/3)"}, "0\t-2\n"},
      {{"calc", "--raw", "--x", "abc", "x"}, "13\t0\n"},
      {{"calc", "--raw", "--", "--2"}, "9\t0\n"},  // "--" ends the options
      {{"calc", "--raw", ""}, "-2\t0\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli(c.args);
    EXPECT_EQ(o.exit, 0);
    EXPECT_EQ(o.out, c.out) << c.args.back();
    EXPECT_EQ(o.err, "");
  }
}

TEST(CalcCommand, StdinEvaluatesOneLineEach) {
  const std::string input =
      "1\t2(x+1)^2\n"
      "2\tx*x\r\n"  // a CRLF line
      "\tx\n"       // an empty x text does not convert
      "sqr x\n"     // no tab: the --x text
      "\n"          // an empty expression
      "-4\tx^0.5";  // the last line without a newline
  const Outcome o = runCli({"calc", "--x", "4", "--stdin"}, input);
  EXPECT_EQ(o.exit, 0);
  EXPECT_EQ(o.out, "0\t8\n0\t4\n13\t0\n0\t2\n-2\t0\n5\t0\n");
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(runCli({"calc", "--stdin"}, "").out, "");
}

TEST(CalcCommand, WrongUsageExitsWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"calc"},
      {"calc", "1", "2"},
      {"calc", "--raw"},
      {"calc", "--frobnicate", "1"},
      {"calc", "1", "--x"},
      {"calc", "--stdin", "1"},
  };
  for (const auto& args : cases) {
    const Outcome o = runCli(args);
    EXPECT_EQ(o.exit, 2) << args.back();
    EXPECT_EQ(o.out, "") << args.back();
    EXPECT_NE(o.err.find("Usage: quorvel calc"), std::string::npos) << args.back();
  }
}

TEST(CalcCommand, HelpGoesToStandardOutput) {
  const Outcome o = runCli({"calc", "--help"});
  EXPECT_EQ(o.exit, 0);
  EXPECT_EQ(o.out.rfind("Usage: quorvel calc", 0), 0u);
  EXPECT_EQ(o.err, "");
}

TEST(CommandLine, TopLevelOptionsAndDispatch) {
  const Outcome version = runCli({"--version"});
  EXPECT_EQ(version.exit, 0);
  EXPECT_EQ(version.out, "quorvel 1.1\n");

  const Outcome help = runCli({"--help"});
  EXPECT_EQ(help.exit, 0);
  EXPECT_NE(help.out.find("\n  calc  "), std::string::npos) << help.out;

  const Outcome unknown = runCli({"frobnicate"});
  EXPECT_EQ(unknown.exit, 2);
  EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);
  EXPECT_EQ(runCli({}).exit, 2);
}

// --- the built executable --------------------------------------------------------

std::string shellQuoted(const std::string& word) {
  std::string out = "'";
  for (char c : word) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

// Runs the program with `args`; `redirect` is appended to the shell command.
Outcome runExecutable(const std::vector<std::string>& args, const std::string& redirect) {
  std::string command = shellQuoted(QUORVEL_EXE);
  for (const std::string& a : args) command += " " + shellQuoted(a);
  command += " " + redirect;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, "", "popen failed"};
  std::string out;
  char buf[256];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, ""};
}

TEST(CalcExecutable, EndToEnd) {
  const struct {
    std::vector<std::string> args;
    const char* redirect;
    int exit;
    const char* out;
  } cases[] = {
      {{"calc", "2(x+1)^2"}, "2>/dev/null", 0, "8\n"},
      {{"calc", "--raw", "(-8)^(2/3)"}, "2>/dev/null", 0, "5\t0\n"},
      {{"calc", "--raw", "+x"}, "2>/dev/null", 0, "9\t0\n"},
      {{"calc", "1/0"}, "2>&1 >/dev/null", 1, "quorvel: status 11: division by zero\n"},
      {{"calc"}, ">/dev/null 2>&1", 2, ""},
      {{"--version"}, "", 0, "quorvel 1.1\n"},
      {{"calc", "--stdin"}, "<<'END'\n3\t2x\n-1\tsqr x\nEND", 0, "0\t6\n5\t0\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = runExecutable(c.args, c.redirect);
    EXPECT_EQ(o.exit, c.exit) << c.args.back();
    EXPECT_EQ(o.out, c.out) << c.args.back();
  }
}

}  // namespace
}  // namespace quorvel::cli
