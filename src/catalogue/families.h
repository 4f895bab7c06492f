#pragma once
// The catalogue of the fourteen function families: their names, their equation
// forms, which parameter box feeds which parameter and the captions of the boxes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

constexpr int kFamilyCount = 14;
constexpr int kCustomFamily = 13;  // "自定义": a typed expression in x

// The parameter a box feeds.
enum class Slot { None, K, A, B, C, Omega, Phi, R, P, X1, Y1, X2, H };

struct BoxSlot {
  std::string caption;  // caption of lblParameter(i); empty when the box is unused
  Slot slot = Slot::None;
};

struct FormInfo {
  std::string comboItem;         // the item of cboStyle(family)
  std::array<BoxSlot, 3> boxes;  // boxes 1..3 (family 13: all None, the expression box)
};

struct FamilyInfo {
  std::string name;  // the item of cboFuncName
  std::vector<FormInfo> forms;
};

// Family i of the catalogue (0..13); the list index of cboFuncName.
const FamilyInfo& family(int index);
// The form, or nullptr for a family/form pair outside the catalogue.
const FormInfo* form(int familyIndex, int formIndex);

// Visibility of parameter boxes 2 and 3 for a family and form (families 0..12).
bool box2Visible(int familyIndex);
bool box3Visible(int familyIndex, int formIndex);

// The open markers of the range combos (a blank, the sign, the infinity sign).
inline constexpr const char* kOpenLow = " -∞";
inline constexpr const char* kOpenHigh = " +∞";

}  // namespace quorvel
