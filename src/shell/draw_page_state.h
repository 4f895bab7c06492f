#pragma once
// Everything the 绘制 page shows and the user set there: the family and the form of
// every family, the texts of the parameter, expression and range boxes, the plotting
// option boxes, the colour, 自动选色, and the line being edited with its 替换. A live session loads
// its curve onto the page and writes each slid value into a box; it keeps this first and puts it
// back when it ends, so closing the window leaves the page, and what the page's 绘制 and 替换 would
// do, as they were.
#include <array>
#include <cstdint>
#include <string>

#include "catalogue/families.h"

namespace quorvel {

class frmControl;
struct mdlDeclare;

struct DrawPageState {
  int family = -1;
  std::array<int, kFamilyCount> forms{};
  std::array<std::string, 4> parameters;  // boxes 1..4
  std::string expression;
  std::array<std::string, 4> ranges;  // x from, x to, y from, y to
  int intX = 0;
  bool intXEnabled = false;
  int link = 0, skip = 0, fixx = 0, yDriven = 0;
  bool yDrivenEnabled = true;
  std::int32_t penColor = 0;
  std::int16_t funcFamily = 0, funcForm = 0;
  float activeFamily = 0;
  int autoColor = 0;
  int editingLine = -1;
  bool replaceShown = false;

  static DrawPageState of(const frmControl& panel, const mdlDeclare& g);
  // Sets the page back. The family and forms go first: their handling sets defaults
  // (ranges, 整数, 连线 …), which the inputs then overwrite; 整数 goes before 连线,
  // whose value its click handling would otherwise overwrite.
  void restore(frmControl& panel, mdlDeclare& g) const;

  bool operator==(const DrawPageState&) const = default;
};

}  // namespace quorvel
