#pragma once
// What the user has set on the control panel's inputs: the texts of the parameter,
// expression and range boxes, the plotting option boxes, the colour and the family
// and form the defaults work from. The redraw loads every entry it replays into the
// panel; it keeps these first and puts them back when it is done, so that panning,
// zooming, ticking or opening a list never changes what the user typed or chose.
#include <array>
#include <cstdint>
#include <string>

namespace quorvel {

class frmControl;
struct mdlDeclare;

struct PanelInputs {
  std::array<std::string, 3> parameters;
  std::string expression;
  std::array<std::string, 4> ranges;  // x from, x to, y from, y to
  int intX = 0;
  bool intXEnabled = false;
  int link = 0, skip = 0, fixx = 0, yDriven = 0;
  bool yDrivenEnabled = true;
  std::int32_t penColor = 0;
  std::int16_t funcFamily = 0, funcForm = 0;
  float activeFamily = 0;

  static PanelInputs of(const frmControl& panel, const mdlDeclare& g);
  // Sets the inputs back. 整数 goes before 连线, whose value its click handling
  // would otherwise overwrite.
  void restore(frmControl& panel, mdlDeclare& g) const;

  bool operator==(const PanelInputs&) const = default;
};

}  // namespace quorvel
