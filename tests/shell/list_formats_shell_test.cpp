// A list with an entry the list file cannot keep, through the window's commands: 打开
// reads the document by its content, 保存 offers it first and refuses a .QVX with the
// entry named, a damaged or later document leaves the list as it was, and a crash
// leaves the document to be offered back.
#include <string>
#include <vector>

#include "document/document_format.h"
#include "document/list_formats.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

constexpr int kOpenButton = 3, kSaveButton = 4;

FunctionList mixedList() {
  FuncRecord inverse;
  inverse.family = 2;  // y = 6/x
  inverse.para1 = "6";
  inverse.para2 = "0";
  inverse.para3 = "0";
  inverse.color = 0xFF;
  inverse.rangeX1 = " -∞";
  inverse.rangeX2 = " +∞";
  inverse.rangeY1 = " -∞";
  inverse.rangeY2 = " +∞";
  FunctionList list;
  list.add(ListEntry{ClassicCurve(inverse), true, {}});
  list.add(ListEntry{ParametricCurve{"3cos(t)", "3sin(t)", "0", "2pi", 0xFF00}, true, {}});
  return list;
}

void writeText(const fs::path& file, const std::string& text) {
  writeBytes(file, std::vector<unsigned char>(text.begin(), text.end()));
}

class MixedListTest : public ShellTest {
 protected:
  void click(int button, const fs::path& answer) {
    kit.files->answers.push_back(answer.string());
    program.main.clickToolbarButton(button);
  }
  bool saidAnywhere(const std::string& part) {
    for (const Message& m : messages()) {
      if (m.second.find(part) != std::string::npos) return true;
    }
    return false;
  }
};

TEST_F(MixedListTest, IsOpenedSavedAsADocumentAndRefusedAsAListFile) {
  const fs::path mixed = folder / "mixed.qvx";  // named as a list file, read by content
  writeText(mixed, documentBytes(mixedList()));
  click(kOpenButton, mixed);
  ASSERT_EQ(lines().size(), 2u);
  // The working list is the document now; no list file holds it.
  EXPECT_EQ(program.journal.current(), program.journal.documentPath());
  EXPECT_FALSE(fs::exists(program.listPath()));
  messages().clear();

  const fs::path asListFile = folder / "saved.QVX";
  click(kSaveButton, asListFile);
  const FileDialogRequest& asked = kit.files->shown.back().request;
  EXPECT_EQ(asked.filter, "函数图像文件(*.QVX)|*.QVX|Quorvel 列表（含新曲线）(*.QVJ)|*.QVJ");
  EXPECT_EQ(asked.selectedFilter, 1);
  EXPECT_EQ(asked.defaultExtension, "QVJ");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].first, "错误");
  EXPECT_TRUE(saidAnywhere("第 2 条曲线")) << messages()[0].second;
  EXPECT_TRUE(saidAnywhere("只能保存十四类函数")) << messages()[0].second;
  EXPECT_FALSE(fs::exists(asListFile));

  messages().clear();
  const fs::path asDocument = folder / "saved.QVJ";
  click(kSaveButton, asDocument);
  EXPECT_TRUE(messages().empty());
  const ListReading saved = readListFile(asDocument);
  ASSERT_TRUE(saved.list) << saved.fault;
  EXPECT_EQ(saved.format, ListFormat::Document);
  EXPECT_EQ(documentBytes(*saved.list), documentBytes(panel.document()));
  EXPECT_FALSE(panel.listChanged());
}

TEST_F(MixedListTest, AListOfTheFourteenFamiliesIsStillSavedAsTheListFile) {
  drawCurve(2, 0, "6");
  drawExpression("x^2");
  const fs::path saved = folder / "plain";  // no extension: the filter chosen decides
  click(kSaveButton, saved);
  EXPECT_EQ(kit.files->shown.back().request.selectedFilter, 0);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(readBytes(saved), listBytes());
  EXPECT_EQ(program.journal.current(), program.listPath());
}

TEST_F(MixedListTest, ADamagedOrLaterDocumentLeavesTheListAsItWas) {
  drawCurve(2, 0, "6");
  const std::vector<unsigned char> before = listBytes();
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {R"({"format": "quorvel-list", "version": 7, "entries": []})", "版本是 7"},
      {R"({"format": "quorvel-list", "version": 1, "entries": [{"kind": "cone"}]})",
       "第 1 条曲线：种类“cone”不认识"},
      {R"({"format": "quorvel-list", "version": 1, "entries": [)", "不是正确的 JSON"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    messages().clear();
    const fs::path file = folder / "damaged.QVJ";
    writeText(file, c.text);
    click(kOpenButton, file);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].second.rfind("打开列表文件错误\n“" + file.string() + "”：", 0), 0u);
    EXPECT_TRUE(saidAnywhere(c.reason)) << messages()[0].second;
    EXPECT_EQ(listBytes(), before);
    EXPECT_EQ(lines().size(), 1u);
  }
}

TEST(MixedListRecovery, ADocumentLeftByACrashIsOfferedBack) {
  const fs::path folder = makeTempFolder();
  const std::string left = documentBytes(mixedList());
  writeText(folder / "Funclist.qvj", left);
  ScriptedServices kit(folder);
  kit.questions->answers = {0};  // 恢复
  RecordingSurface surface;
  Program program(surface, kit.take());
  program.main.Form_Load();
  ASSERT_EQ(kit.questions->asked.size(), 1u);
  EXPECT_EQ(kit.questions->asked[0].prompt, "上次未正常退出，是否恢复函数列表？");
  EXPECT_EQ(program.panel.lstExist.ListCount(), 2);
  EXPECT_EQ(readBytes(program.journal.documentPath()),
            std::vector<unsigned char>(left.begin(), left.end()));
  EXPECT_FALSE(fs::exists(folder / "Funclist.recover"));
  EXPECT_TRUE(program.panel.listChanged());
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace quorvel::test
