#include "shell_fixture.h"

#include "settings/picture_preferences.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quorvel::test {

std::filesystem::path makeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvel_shell_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

std::vector<unsigned char> readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path testDataPath(const std::string& name) {
  return std::filesystem::path(QUORVEL_TEST_DATA) / name;
}

ShellTest::ShellTest()
    : folder(makeTempFolder()),
      kit(folder),
      surface(500, 500, 1),
      program(surface, kit.take()),
      panel(program.panel),
      g(program.g) {
  // The suite checks the original picture call for call: the user has chosen
  // 经典外观 (a new user's modern look is checked where a test starts afresh).
  storePictureStyle(*program.services.preferences, PictureStyle{});
  panel.Form_Load();
  surface.clearCalls();
}

ShellTest::~ShellTest() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void ShellTest::chooseFamily(int family, int form) {
  chooseItem(family);
  panel.cboStyle[family].setListIndex(form);
}

void ShellTest::chooseItem(int item) {
  if (panel.cboFuncName.ListIndex() == item) {
    panel.cboFuncName_Click();
  } else {
    panel.cboFuncName.setListIndex(item);
  }
}

std::vector<PlanePoint> ShellTest::lineEndsDrawnIn(std::int32_t colour) const {
  std::vector<PlanePoint> points;
  std::int32_t current = -1;
  const double scale = g.zoomScale;
  for (const SurfaceCall& c : surface.calls()) {
    if (c.kind == SurfaceCallKind::ForeColor) current = c.value;
    if (c.kind != SurfaceCallKind::Line || current != colour) continue;
    points.push_back({c.args[0] / scale, c.args[1] / scale});
    points.push_back({c.args[2] / scale, c.args[3] / scale});
  }
  return points;
}

void ShellTest::setBoxes(const std::string& a, const std::string& b, const std::string& c) {
  panel.txtParameter[1].setText(a);
  panel.txtParameter[2].setText(b);
  panel.txtParameter[3].setText(c);
}

void ShellTest::setRanges(const std::string& x1, const std::string& x2, const std::string& y1,
                          const std::string& y2) {
  panel.cboRangeX1.setText(x1);
  panel.cboRangeX2.setText(x2);
  panel.cboRangeY1.setText(y1);
  panel.cboRangeY2.setText(y2);
}

void ShellTest::drawCurve(int family, int form, const std::string& a, const std::string& b,
                          const std::string& c) {
  chooseFamily(family, form);
  setBoxes(a, b, c);
  panel.cmdDraw.click();
}

void ShellTest::drawExpression(const std::string& expression, int form) {
  chooseFamily(kCustomFamily, form);
  panel.txtExpression.setText(expression);
  panel.cmdDraw.click();
}

std::vector<std::string> ShellTest::lines() const {
  std::vector<std::string> out;
  for (int i = 0; i < panel.lstExist.ListCount(); ++i) out.push_back(panel.lstExist.List(i));
  return out;
}

std::vector<bool> ShellTest::ticks() const {
  std::vector<bool> out;
  for (int i = 0; i < panel.lstExist.ListCount(); ++i) out.push_back(panel.lstExist.Selected(i));
  return out;
}

std::vector<unsigned char> ShellTest::recordBytes(int n) const {
  const std::vector<unsigned char> all = listBytes();
  const std::size_t start = static_cast<std::size_t>(n - 1) * kSlotSize;
  if (all.size() < start + kRecordSize) return {};
  return {all.begin() + static_cast<std::ptrdiff_t>(start),
          all.begin() + static_cast<std::ptrdiff_t>(start + kRecordSize)};
}

std::vector<std::int32_t> ShellTest::foreColors() const {
  std::vector<std::int32_t> out;
  for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::ForeColor)) out.push_back(c.value);
  return out;
}

}  // namespace quorvel::test
