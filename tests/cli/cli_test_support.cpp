#include "cli_test_support.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "cli/cli.h"

namespace quorvel::cli::test {

namespace {

std::string shellQuoted(const std::string& word) {
  std::string out = "'";
  for (char c : word) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

}  // namespace

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvel_cli_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::filesystem::path dataPath(const std::string& name) {
  return std::filesystem::path(QUORVEL_TEST_DATA) / name;
}

Outcome runCli(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out, err;
  const int exit = run(args, in, out, err);
  return {exit, out.str(), err.str()};
}

Outcome runExecutable(const std::vector<std::string>& args, const std::string& environment) {
  const TempFolder scratch;
  const std::filesystem::path errFile = scratch / "stderr";
  std::string command = environment + " " + shellQuoted(QUORVEL_EXE);
  for (const std::string& a : args) command += " " + shellQuoted(a);
  command += " 2>" + shellQuoted(errFile.string()) + " </dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, "", "popen failed"};
  std::string out;
  char buf[4096];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, readFile(errFile)};
}

void expectAddsRefused(const std::filesystem::path& list, std::span<const RefusedAdd> cases) {
  for (const RefusedAdd& c : cases) {
    std::vector<std::string> args = {"add", list.string()};
    args.insert(args.end(), c.words.begin(), c.words.end());
    const Outcome o = runCli(args);
    EXPECT_EQ(o.exit, c.exit) << c.words.at(1);
    if (c.exit == 1) {
      EXPECT_EQ(o.err, c.err);
    } else {
      EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    }
    EXPECT_FALSE(std::filesystem::exists(list));
  }
}

}  // namespace quorvel::cli::test
