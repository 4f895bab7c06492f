#pragma once
// What the command-line tests share: a temporary folder per test, file bytes, and
// running a subcommand in-process or through the built executable.
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace quorvel::cli::test {

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // The names of the entries in the folder, sorted.
  std::vector<std::string> entries() const;

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);
std::filesystem::path dataPath(const std::string& name);

struct Outcome {
  int exit = -1;
  std::string out, err;
};

// quorvel::cli::run with the words, no standard input.
Outcome runCli(const std::vector<std::string>& args);
// The built program with the words; `environment` is put before it on the shell's
// command line (e.g. "env -u DISPLAY"). Standard output and error are kept apart.
Outcome runExecutable(const std::vector<std::string>& args, const std::string& environment = "");

// `quorvel add LIST WORDS…` refused: exit 1 with exactly `err` (the curve's refusal
// and the line naming the place), or 2 with `err` somewhere in the usage error.
struct RefusedAdd {
  std::vector<std::string> words;
  int exit;
  const char* err;
};
// Runs each case and checks it, and that LIST was never made.
void expectAddsRefused(const std::filesystem::path& list, std::span<const RefusedAdd> cases);

}  // namespace quorvel::cli::test
