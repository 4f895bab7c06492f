// A list the desktop gives the program (its command line, a drop) opens exactly as the
// toolbar's 打开 opens the file its dialog chose: for good and bad files alike, two
// programs in the same state end with the same list, picture, messages and zoom.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel::test {
namespace {

struct Outcome {
  bool opened = false;
  std::vector<Message> messages;
  std::vector<std::string> lines;
  std::vector<unsigned char> list;
  std::vector<SurfaceCall> drawn;
  std::int32_t zoomMode = 0;
  std::int32_t funcCount = 0;
};

// A program with y=6/x drawn and zoom-in armed for surface clicks, in a folder of its
// own, that then opens `source` one way or the other.
Outcome openIn(const std::filesystem::path& source, bool throughTheToolbar) {
  const std::filesystem::path folder = makeTempFolder();
  Outcome o;
  {
    ScriptedServices kit(folder);
    RecordingSurface surface(500, 500, 1);
    Program program(surface, kit.take());
    program.panel.Form_Load();
    program.panel.cboFuncName.setListIndex(2);
    program.panel.txtParameter[1].setText("6");
    program.panel.cmdDraw_Click();
    program.g.zoomMode = 1;
    surface.clearCalls();
    if (throughTheToolbar) {
      kit.files->answers.push_back(source.string());
      program.main.clickToolbarButton(toolbarPosition(ToolbarCommand::Open));
      o.opened = kit.messages->shown.empty();
    } else {
      o.opened = program.main.openGivenList(source);
    }
    o.messages = kit.messages->shown;
    for (int i = 0; i < program.panel.lstExist.ListCount(); ++i) {
      o.lines.push_back(program.panel.lstExist.List(i));
    }
    o.list = readBytes(program.listPath());
    o.drawn = surface.calls();
    o.zoomMode = program.g.zoomMode;
    o.funcCount = program.g.funcCount;
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return o;
}

TEST(GivenList, OpensAsTheToolbarsOpenDoes) {
  const std::filesystem::path folder = makeTempFolder();
  writeBytes(folder / "short.qvx", std::vector<unsigned char>(100, 0x20));
  const struct {
    std::filesystem::path source;
    bool opens;
    std::size_t lines;
  } cases[] = {
      {testDataPath("cli_worksheet.qvx"), true, 3},
      {testDataPath("cli_bad_record.qvx"), true, 3},  // a record fails its checks
      {folder / "short.qvx", false, 1},
      {folder / "missing.QVX", false, 1},
  };
  for (const auto& c : cases) {
    const Outcome given = openIn(c.source, false);
    const Outcome dialog = openIn(c.source, true);
    const std::string name = c.source.filename().string();
    EXPECT_EQ(given.opened, c.opens) << name;
    EXPECT_EQ(given.lines.size(), c.lines) << name;
    // A failed open leaves no zoom armed.
    EXPECT_EQ(given.zoomMode, c.opens ? 1 : 0) << name;
    EXPECT_EQ(given.messages, dialog.messages) << name;
    EXPECT_EQ(given.lines, dialog.lines) << name;
    EXPECT_EQ(given.list, dialog.list) << name;
    EXPECT_EQ(given.drawn, dialog.drawn) << name;
    EXPECT_EQ(given.zoomMode, dialog.zoomMode) << name;
    EXPECT_EQ(given.funcCount, dialog.funcCount) << name;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quorvel::test
