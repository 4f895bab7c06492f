#pragma once
// The catalogue of the function families: their names, their equation forms, which
// parameter box feeds which parameter and the captions of the boxes. The list file
// numbers the first fourteen families with their first forms; the families and forms
// after those (幂函数, the forms with a fourth parameter) are kept by other documents.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

constexpr int kFamilyCount = 15;
constexpr int kListFileFamilyCount = 14;  // the families a list file record can name
constexpr int kCustomFamily = 13;         // "自定义": a typed expression in x
constexpr int kPowerFamily = 14;          // "幂函数": y = x^α

// The parameter a box feeds.
// CentreX is the h of a conic's centre (any number, unlike the vertex form's whole H);
// Alpha is the power function's exponent, kept as typed (a fraction stays one).
enum class Slot { None, K, A, B, C, Omega, Phi, R, P, X1, Y1, X2, H, CentreX, Alpha };

struct BoxSlot {
  std::string caption;  // caption of lblParameter(i); empty when the box is unused
  Slot slot = Slot::None;
};

struct FormInfo {
  std::string comboItem;         // the item of cboStyle(family)
  std::array<BoxSlot, 3> boxes;  // boxes 1..3 (family 13: all None, the expression box)
  BoxSlot fourth{};              // box 4, shown below the third for the forms that need it
};

struct FamilyInfo {
  std::string name;  // the item of cboFuncName
  std::vector<FormInfo> forms;
};

// Family i of the catalogue (0..kFamilyCount - 1); the list index of cboFuncName.
const FamilyInfo& family(int index);
// The form, or nullptr for a family/form pair outside the catalogue.
const FormInfo* form(int familyIndex, int formIndex);

// Visibility of parameter boxes 2 and 3 for a family and form (families 0..12).
bool box2Visible(int familyIndex);
bool box3Visible(int familyIndex, int formIndex);
// Whether the form takes a fourth parameter (box 4 is shown).
bool box4Visible(int familyIndex, int formIndex);

// Whether a record of the list file can name the family and form: the fourteen
// families with the forms they had there. Any other curve is a FormCurve entry.
bool inListFile(int familyIndex, int formIndex);

// The open markers of the range combos (a blank, the sign, the infinity sign).
inline constexpr const char* kOpenLow = " -∞";
inline constexpr const char* kOpenHigh = " +∞";

}  // namespace quorvel
