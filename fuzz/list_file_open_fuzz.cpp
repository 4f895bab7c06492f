// Fuzz target: an arbitrary file opened with the toolbar's "打开" and replayed as a
// list through a headless program, then its first entry deleted. After each command
// the list and the working file must still hold the same entries, and a file
// that was refused must leave the previous list and file as they were.
#include <stdlib.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "document/list_formats.h"
#include "testing/headless_program.h"

namespace {

using quorvel::HeadlessProgram;

std::vector<char> contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// One line per entry of the working list (in whichever of its two files holds it)
// and funcCount = lines + 1.
void expectAligned(HeadlessProgram& headless) {
  quorvel::Program& program = headless.program();
  const int lines = program.panel.lstExist.ListCount();
  std::size_t entries = 0;
  if (const std::optional<std::filesystem::path> file = program.journal.current()) {
    const quorvel::ListReading working = quorvel::readListFile(*file);
    if (!working.list) fail("the working list cannot be read back");
    entries = working.list->size();
  }
  if (entries != static_cast<std::size_t>(lines)) fail("lines and entries differ");
  if (program.g.funcCount != lines + 1) fail("funcCount is not lines + 1");
}

// Draws nothing, yet lets the plotter work out every point, so that the curves of
// the records are fuzzed too.
class PlottedSurface : public quorvel::NullSurface {
 public:
  using NullSurface::NullSurface;
  bool DrawsNothing() const override { return false; }
};

void useMemoryFolders() {
  // Each open fsyncs its copy: on a memory file system that costs nothing.
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) setenv("TMPDIR", "/dev/shm", 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool once = (useMemoryFolders(), true);
  (void)once;
  // A fresh program for every input, so each run starts from the same state.
  PlottedSurface surface(200, 200, 1);
  HeadlessProgram headless(surface);
  quorvel::frmControl& panel = headless.panel();
  // Few points per curve: the fuzzer is after the list handling, not the plotter.
  panel.sldLevel.setValue(20);
  // A curve on screen first, so a refused file has something to keep.
  headless.chooseFamily(0, 0);
  panel.txtParameter[1].setText("2");
  panel.txtParameter[2].setText("1");
  panel.cmdDraw_Click();
  if (panel.lstExist.ListCount() != 1) fail("the first curve was not drawn");
  const std::vector<char> before = contents(headless.program().listPath());

  const std::filesystem::path chosen = headless.folder() / "chosen.qvx";
  {
    std::ofstream out(chosen, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  if (!headless.openList(chosen)) {
    if (contents(headless.program().listPath()) != before) fail("a refused file replaced the list");
    if (panel.lstExist.ListCount() != 1) fail("a refused file changed the list");
  }
  expectAligned(headless);

  if (panel.lstExist.ListCount() > 0) {
    panel.lstExist.setListIndex(0);
    panel.cmdDelete_Click();
    expectAligned(headless);
  }
  return 0;
}
