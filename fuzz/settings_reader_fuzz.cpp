// Fuzz target: Quorvel.ini of arbitrary bytes. The parsed settings keep every field
// inside its slider's range (or the value it had), survive being written and read
// back, and a program starting with the file applies them without failing.
#include <stdlib.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "settings/settings_file.h"
#include "testing/headless_program.h"

namespace {

using quorvel::Settings;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool inside(std::int32_t v, std::int32_t low, std::int32_t high, std::int32_t kept) {
  return v == kept || (v >= low && v <= high);
}

void useMemoryFolders() {
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) setenv("TMPDIR", "/dev/shm", 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool once = (useMemoryFolders(), true);
  (void)once;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Settings initial;
  const Settings odd{7, 4, 3, 5};
  for (const Settings& current : {initial, odd}) {
    const Settings s = quorvel::parseSettings(text, current);
    if (!inside(s.level, 1, 10000, current.level) || !inside(s.penWidth, 1, 5, current.penWidth) ||
        !inside(s.zoom, 0, 16000, current.zoom) || !inside(s.family, 0, 13, current.family)) {
      fail("a field outside its range");
    }
    if (quorvel::parseSettings(quorvel::settingsLine(s), odd) != s) fail("line does not read back");
  }

  // The same bytes as the file a starting program reads.
  quorvel::NullSurface surface(200, 200, 1);
  quorvel::HeadlessProgram headless(surface);
  const std::filesystem::path ini = headless.program().folder() / "Quorvel.ini";
  {
    std::ofstream out(ini, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  const Settings read = quorvel::readSettings(ini, initial);
  headless.program().main.Form_Load();
  quorvel::frmControl& panel = headless.panel();
  if (panel.sldLevel.Value() != read.level || panel.sldPenWidth.Value() != read.penWidth ||
      panel.sldZoom.Value() != read.zoom || panel.cboFuncName.ListIndex() != read.family) {
    fail("the program did not start with the settings read");
  }
  return 0;
}
