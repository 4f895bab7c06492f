#pragma once
// A whole program per test: a recording surface of 500 × 500 pixels (7500 × 7500
// twips), scripted services and a fresh temporary program folder. Its user has chosen
// 经典外观, the original picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "plot/pixel_frame.h"
#include "plot/recording_surface.h"
#include "shell/program.h"
#include "testing/scripted_services.h"

namespace quorvel::test {

std::filesystem::path makeTempFolder();
std::vector<unsigned char> readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes);
std::filesystem::path testDataPath(const std::string& name);

using Message = std::pair<std::string, std::string>;  // (title, prompt)

class ShellTest : public ::testing::Test {
 protected:
  ShellTest();
  ~ShellTest() override;

  // Picks a family (its handling runs even when it is already the chosen one, as a
  // user's pick does) and then a form.
  void chooseFamily(int family, int form = 0);
  // Picks an item of the family list, past the fourteen families too (the kinds after
  // them have no forms).
  void chooseItem(int item);
  void setBoxes(const std::string& a, const std::string& b = "", const std::string& c = "");
  void setRanges(const std::string& x1, const std::string& x2, const std::string& y1,
                 const std::string& y2);
  // Picks the family and form, types the three boxes and presses 绘制.
  void drawCurve(int family, int form, const std::string& a, const std::string& b = "",
                 const std::string& c = "");
  void drawExpression(const std::string& expression, int form = 0);

  std::vector<std::string> lines() const;
  std::vector<bool> ticks() const;
  std::vector<Message>& messages() { return kit.messages->shown; }
  std::vector<unsigned char> listBytes() const { return readBytes(program.listPath()); }
  // Bytes of record n (from 1) of the working list.
  std::vector<unsigned char> recordBytes(int n) const;
  std::size_t count(SurfaceCallKind kind) const { return surface.count(kind); }
  // One Scale call per curve the draw command plots.
  std::size_t curvesDrawn() const { return count(SurfaceCallKind::Scale); }
  std::vector<std::int32_t> foreColors() const;
  // The ends of the lines drawn in `colour`, in curve units, two per line.
  std::vector<PlanePoint> lineEndsDrawnIn(std::int32_t colour) const;

  std::filesystem::path folder;
  ScriptedServices kit;
  RecordingSurface surface;
  Program program;
  frmControl& panel;
  mdlDeclare& g;
};

}  // namespace quorvel::test
