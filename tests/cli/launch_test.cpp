// Which words run the command line, which open the windows and which are refused,
// before any application object or display exists.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli_test_support.h"

namespace quorvel::cli::test {
namespace {

TEST(Launch, ChoosesFromTheWords) {
  const struct {
    std::vector<std::string> args;
    Launch launch;
    const char* refusal;
  } cases[] = {
      // The subcommands and the program's own options, first; what follows is theirs.
      {{"calc", "1"}, Launch::CommandLine, ""},
      {{"add", "a.qvx", "--family", "2"}, Launch::CommandLine, ""},
      {{"list", "a.qvx"}, Launch::CommandLine, ""},
      {{"export", "a.qvx", "a.png", "--bogus"}, Launch::CommandLine, ""},
      {{"--help"}, Launch::CommandLine, ""},
      {{"--version"}, Launch::CommandLine, ""},
      // No words, or only Qt's own options.
      {{}, Launch::Windows, ""},
      {{"-platform", "offscreen"}, Launch::Windows, ""},
      {{"--platform", "offscreen"}, Launch::Windows, ""},
      {{"-style", "fusion"}, Launch::Windows, ""},
      {{"-style=fusion"}, Launch::Windows, ""},
      {{"--style=fusion"}, Launch::Windows, ""},
      {{"-stylesheet", "a.qss"}, Launch::Windows, ""},
      {{"--stylesheet=a.qss"}, Launch::Windows, ""},
      {{"-qmljsdebugger=port:1234"}, Launch::Windows, ""},
      {{"-qmljsdebugger", "port:1234"}, Launch::Windows, ""},
      {{"-reverse", "--widgetcount", "-testability", "-nograb", "--dograb"}, Launch::Windows, ""},
      {{"-platformpluginpath", "/p", "-platformtheme", "gtk3", "-plugin", "evdevmouse",
        "-qwindowgeometry", "800x600+0+0", "-qwindowicon", "q.png", "-qwindowtitle", "Q",
        "-session", "s1"},
       Launch::Windows,
       ""},
      {{"-display", ":1", "-geometry", "800x600", "-title", "Q", "-icon", "q.png", "-name", "q",
        "--visual", "33"},
       Launch::Windows,
       ""},
      // A value is taken as it is, even one that looks like a command or an option.
      {{"-qwindowtitle", "calc"}, Launch::Windows, ""},
      {{"-qwindowtitle", "--bogus", "-reverse"}, Launch::Windows, ""},
      // A Qt option without its value.
      {{"-platform"}, Launch::Refused, "-platform needs a value"},
      {{"-reverse", "--style"}, Launch::Refused, "--style needs a value"},
      {{"-qwindowtitle", "Q", "-display"}, Launch::Refused, "-display needs a value"},
      // "=" only where Qt reads it.
      {{"-platform=offscreen"}, Launch::Refused, "unknown option '-platform=offscreen'"},
      {{"-reverse=1"}, Launch::Refused, "unknown option '-reverse=1'"},
      // Unknown words and options, first or later.
      {{"exprot", "sheet.qvx"}, Launch::Refused, "unknown command 'exprot'"},
      {{"calculate"}, Launch::Refused, "unknown command 'calculate'"},
      {{""}, Launch::Refused, "unknown command ''"},
      {{"-reverse", "sheet"}, Launch::Refused, "unknown command 'sheet'"},
      {{"-platform", "offscreen", "calc", "1"}, Launch::Refused, "unknown command 'calc'"},
      {{"--bogus"}, Launch::Refused, "unknown option '--bogus'"},
      {{"-platform", "offscreen", "--bogus"}, Launch::Refused, "unknown option '--bogus'"},
      {{"-reverse", "--help"}, Launch::Refused, "unknown option '--help'"},
      {{"-sync"}, Launch::Refused, "unknown option '-sync'"},  // Qt 4's, gone in Qt 6
      {{"---platform", "offscreen"}, Launch::Refused, "unknown option '---platform'"},
      {{"-"}, Launch::Refused, "unknown option '-'"},
      {{"--"}, Launch::Refused, "unknown option '--'"},
  };
  for (const auto& c : cases) {
    std::string words;
    for (const std::string& a : c.args) words += " [" + a + "]";
    const LaunchChoice choice = chooseLaunch(c.args);
    EXPECT_EQ(choice.launch, c.launch) << words;
    EXPECT_EQ(choice.refusal, c.refusal) << words;
  }
}

// A word that names a file is the list the windows open; the file is not read here.
TEST(Launch, AFileNamedOpensTheWindowsWithIt) {
  const TempFolder dir;
  writeFile(dir / "sheet.qvx", "");
  writeFile(dir / "notes.txt", "not a list");
  std::filesystem::create_directory(dir / "lists.qvx");
  const std::string sheet = (dir / "sheet.qvx").string();
  const std::string notes = (dir / "notes.txt").string();
  const std::string folder = (dir / "lists.qvx").string();
  const std::string missing = (dir / "missing.qvx").string();
  const struct {
    std::vector<std::string> args;
    Launch launch;
    std::string refusal;
    std::string listFile;
  } cases[] = {
      {{sheet}, Launch::Windows, "", sheet},
      {{"-platform", "offscreen", sheet, "-reverse"}, Launch::Windows, "", sheet},
      {{"--style=fusion", notes}, Launch::Windows, "", notes},  // the windows report it
      // The value of an option is never the list.
      {{"-qwindowtitle", sheet}, Launch::Windows, "", ""},
      {{sheet, notes}, Launch::Refused, "only one list file can be opened", ""},
      {{missing}, Launch::Refused, "no such list file '" + missing + "'", ""},
      {{"sheet.qvx"}, Launch::Refused, "no such list file 'sheet.qvx'", ""},
      {{folder}, Launch::Refused, "'" + folder + "' is a folder, not a list file", ""},
      {{sheet, "exprot"}, Launch::Refused, "unknown command 'exprot'", ""},
      // A command's name is the command even after a file.
      {{sheet, "calc", "1"}, Launch::Refused, "unknown command 'calc'", ""},
  };
  for (const auto& c : cases) {
    std::string words;
    for (const std::string& a : c.args) words += " [" + a + "]";
    const LaunchChoice choice = chooseLaunch(c.args);
    EXPECT_EQ(choice.launch, c.launch) << words;
    EXPECT_EQ(choice.refusal, c.refusal) << words;
    EXPECT_EQ(choice.listFile, c.listFile) << words;
  }
}

TEST(Launch, RefusalIsOneLineThenTheUsage) {
  std::ostringstream err;
  EXPECT_EQ(refuse("unknown option '--bogus'", err), 2);
  EXPECT_EQ(err.str(), "quorvel: unknown option '--bogus'\n\n" + runCli({"--help"}).out);
}

}  // namespace
}  // namespace quorvel::cli::test
