// The preferences file as the windows keep it: one that is a FIFO or garbage is set
// aside before Qt opens it, and only the program's own keys are written back.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "qt/qt_preferences.h"
#include "qt_fixture.h"
#include "settings/picture_preferences.h"

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A preferences file that cannot be read as settings is set aside before Qt opens it
// (a FIFO would keep the windows from ever opening); the program starts from its
// defaults and writes a file of its own keys.
TEST(PreferencesFile, OneThatIsNoSettingsIsSetAside) {
  const fs::path folder = makeTempFolder();
  std::mt19937 random(7);
  std::string garbage(200 * 1024, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  const struct {
    std::string name;
    int kind;  // 0 bytes, 1 FIFO, 2 folder
    std::string bytes;
  } cases[] = {
      {"a FIFO nobody writes to", 1, ""},
      {"200 KB of random bytes", 0, garbage},
      {"a zero byte", 0, std::string("[picture]\ngrid=1\n\0\n", 19)},
      {"not UTF-8", 0, "[picture]\ngrid=\xff\xfe\n"},
      {"a folder", 2, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = folder / "preferences.ini";
    if (c.kind == 0) std::ofstream(file, std::ios::binary) << c.bytes;
    if (c.kind == 1) {
      ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    }
    if (c.kind == 2) fs::create_directory(file);
    {
      QtPreferences preferences(file);
      EXPECT_TRUE(preferences.stored());
      EXPECT_FALSE(preferences.get(kGridLines));  // the default
      preferences.set(kGridLines, true);
    }
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(contents(file), "[picture]\ngrid=1\n");
    const fs::path aside = folder / "preferences.ini.unreadable";
    EXPECT_TRUE(fs::exists(fs::symlink_status(aside)));
    if (c.kind == 0) {
      EXPECT_EQ(contents(aside), c.bytes);
    } else if (c.kind == 1) {
      EXPECT_EQ(fs::status(aside).type(), fs::file_type::fifo);
    }
    fs::remove_all(aside);
    fs::remove(file);
  }
  fs::remove_all(folder);
}

// Whatever else a readable file holds is not written back: only the program's keys.
TEST(PreferencesFile, OnlyTheProgramsKeysAreWrittenBack) {
  const fs::path folder = makeTempFolder();
  const fs::path file = folder / "preferences.ini";
  std::ofstream(file) << "[picture]\ngrid=1\nsparkles=9\n[export]\nunit=1\n"
                         "[elsewhere]\nkey=value\nlong="
                      << std::string(5000, 'x') << "\n";
  {
    QtPreferences preferences(file);
    EXPECT_TRUE(preferences.get(kGridLines));
    EXPECT_EQ(preferences.get(kExportUnit), 1);
    preferences.set(kPiTicks, true);
  }
  EXPECT_EQ(contents(file), "[export]\nunit=1\n\n[picture]\ngrid=1\npiTicks=1\n");
  EXPECT_FALSE(fs::exists(folder / "preferences.ini.unreadable"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quorvel::test
