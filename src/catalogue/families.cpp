// The catalogue of the fourteen families. The texts are shown to the user exactly as
// written here: full-width characters, with ordinary blanks only where they appear.
#include "catalogue/families.h"

#include <cstddef>

namespace quorvel {
namespace {

const BoxSlot kUnused{};

using Catalogue = std::array<FamilyInfo, kFamilyCount>;

const Catalogue& catalogue() {
  // Family 13 uses the expression box instead of the three parameter boxes.
  static const Catalogue table{{
      {"一次函数",
       {
           {"ｙ＝ｋｘ＋ｂ", {{{"ｋ ＝", Slot::K}, {"ｂ ＝", Slot::B}, kUnused}}},
           {"ｙ－ｙ１＝ｋ（ｘ－ｘ１）",
            {{{"ｘ１＝", Slot::X1}, {"ｙ１＝", Slot::Y1}, {"ｋ ＝", Slot::K}}}},
           {"Ａｘ＋Ｂｙ＋Ｃ＝０", {{{"Ａ ＝", Slot::A}, {"Ｂ ＝", Slot::B}, {"Ｃ ＝", Slot::C}}}},
       }},
      {"二次函数（初中）",
       {
           {"ｙ＝ａｘ ∧２ ＋ｂｘ＋ｃ",
            {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, {"ｃ＝", Slot::C}}}},
           {"ｙ＝ａ（ｘ－ｘ１）（ｘ－ｘ２）",
            {{{"ｘ１＝", Slot::X1}, {"ｘ２＝", Slot::X2}, {"ａ ＝", Slot::A}}}},
           {"ｙ＝ａ（ｘ－ｈ）∧２＋ｋ",
            {{{"ｈ ＝", Slot::H}, {"ｋ ＝", Slot::K}, {"ａ ＝", Slot::A}}}},
       }},
      {"反比例函数",
       {
           {"ｙ＝ｋ／ｘ", {{{"ｋ ＝", Slot::K}, kUnused, kUnused}}},
       }},
      {"指数函数",
       {
           {"ｙ＝ａ∧ｘ", {{{"ａ ＝", Slot::A}, kUnused, kUnused}}},
       }},
      {"对数函数",
       {
           {"ｙ＝ｌｏｇａ ｘ", {{{"ａ ＝", Slot::A}, kUnused, kUnused}}},
       }},
      {"正弦函数",
       {
           {"ｙ＝Ａｓｉｎ（ωｘ＋φ）",
            {{{"Ａ ＝", Slot::A}, {"ω ＝", Slot::Omega}, {"φ ＝", Slot::Phi}}}},
           {"ｙ＝Ａｓｉｎ（ωｘ＋φ）＋ｋ",
            {{{"Ａ ＝", Slot::A}, {"ω ＝", Slot::Omega}, {"φ ＝", Slot::Phi}}},
            {"ｋ ＝", Slot::K}},
       }},
      {"余弦函数",
       {
           {"ｙ＝Ａｃｏｓ（ωｘ＋φ）",
            {{{"Ａ ＝", Slot::A}, {"ω ＝", Slot::Omega}, {"φ ＝", Slot::Phi}}}},
           {"ｙ＝Ａｃｏｓ（ωｘ＋φ）＋ｋ",
            {{{"Ａ ＝", Slot::A}, {"ω ＝", Slot::Omega}, {"φ ＝", Slot::Phi}}},
            {"ｋ ＝", Slot::K}},
       }},
      {"正切函数",
       {
           {"ｙ＝Ａｔａｎ（ωｘ＋φ）",
            {{{"Ａ ＝", Slot::A}, {"ω ＝", Slot::Omega}, {"φ ＝", Slot::Phi}}}},
           {"ｙ＝Ａｔａｎ（ωｘ＋φ）＋ｋ",
            {{{"Ａ ＝", Slot::A}, {"ω ＝", Slot::Omega}, {"φ ＝", Slot::Phi}}},
            {"ｋ ＝", Slot::K}},
       }},
      {"圆",
       {
           {"（ｘ－ａ）∧２＋（ｙ－ｂ）∧２＝ｒ∧２",
            {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, {"ｒ ＝", Slot::R}}}},
       }},
      {"椭圆",
       {
           {"ｘ∧２／ａ∧２＋ｙ∧２／ｂ∧２＝１", {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, kUnused}}},
           {"ｙ∧２／ａ∧２＋ｘ∧２／ｂ∧２＝１", {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, kUnused}}},
           {"（ｘ－ｈ）∧２／ａ∧２＋（ｙ－ｋ）∧２／ｂ∧２＝１",
            {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, {"ｈ ＝", Slot::CentreX}}},
            {"ｋ ＝", Slot::K}},
           {"（ｙ－ｋ）∧２／ａ∧２＋（ｘ－ｈ）∧２／ｂ∧２＝１",
            {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, {"ｈ ＝", Slot::CentreX}}},
            {"ｋ ＝", Slot::K}},
       }},
      {"双曲线",
       {
           {"ｘ∧２／ａ∧２－ｙ∧２／ｂ∧２＝１", {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, kUnused}}},
           {"ｙ∧２／ａ∧２－ｘ∧２／ｂ∧２＝１", {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, kUnused}}},
           {"（ｘ－ｈ）∧２／ａ∧２－（ｙ－ｋ）∧２／ｂ∧２＝１",
            {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, {"ｈ ＝", Slot::CentreX}}},
            {"ｋ ＝", Slot::K}},
           {"（ｙ－ｋ）∧２／ａ∧２－（ｘ－ｈ）∧２／ｂ∧２＝１",
            {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, {"ｈ ＝", Slot::CentreX}}},
            {"ｋ ＝", Slot::K}},
       }},
      {"抛物线（高中）",
       {
           {"ｙ∧２＝２ｐｘ", {{{"ｐ ＝", Slot::P}, kUnused, kUnused}}},
           {"ｙ∧２＝－２ｐｘ", {{{"ｐ ＝", Slot::P}, kUnused, kUnused}}},
           {"ｘ∧２＝２ｐｙ", {{{"ｐ ＝", Slot::P}, kUnused, kUnused}}},
           {"ｘ∧２＝－２ｐｙ", {{{"ｐ ＝", Slot::P}, kUnused, kUnused}}},
       }},
      {"对勾函数",
       {
           {"ｙ＝ａｘ＋ｂ／ｘ", {{{"ａ ＝", Slot::A}, {"ｂ ＝", Slot::B}, kUnused}}},
       }},
      {"自定义",
       {
           {"ｙ＝", {{kUnused, kUnused, kUnused}}},
           {"Ｓｘ＝", {{kUnused, kUnused, kUnused}}},
       }},
      {"幂函数",
       {
           {"ｙ＝ｘ∧α", {{{"α ＝", Slot::Alpha}, kUnused, kUnused}}},
       }},
  }};
  return table;
}

bool validFamily(int familyIndex) { return familyIndex >= 0 && familyIndex < kFamilyCount; }

}  // namespace

const FamilyInfo& family(int index) { return catalogue().at(static_cast<std::size_t>(index)); }

const FormInfo* form(int familyIndex, int formIndex) {
  if (!validFamily(familyIndex) || formIndex < 0) return nullptr;
  const auto& forms = catalogue()[static_cast<std::size_t>(familyIndex)].forms;
  if (static_cast<std::size_t>(formIndex) >= forms.size()) return nullptr;
  return &forms[static_cast<std::size_t>(formIndex)];
}

bool box2Visible(int familyIndex) {
  switch (familyIndex) {
    case 0:
    case 1:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 12: return true;
    default:  // 2, 3, 4, 11 and 14 take one parameter; 13 uses the expression box
      return false;
  }
}

bool box3Visible(int familyIndex, int formIndex) {
  switch (familyIndex) {
    case 0: return formIndex == 1 || formIndex == 2;  // y=kx+b has two parameters
    case 1:
    case 5:
    case 6:
    case 7:
    case 8: return true;
    case 9:
    case 10: return formIndex == 2 || formIndex == 3;  // the centre's h
    default: return false;
  }
}

bool box4Visible(int familyIndex, int formIndex) {
  const FormInfo* info = form(familyIndex, formIndex);
  return info != nullptr && info->fourth.slot != Slot::None;
}

bool inListFile(int familyIndex, int formIndex) {
  // The forms each family had in the list file; later forms are appended after them.
  static constexpr std::array<int, kListFileFamilyCount> kListFileForms{3, 3, 1, 1, 1, 1, 1,
                                                                        1, 1, 1, 1, 4, 1, 2};
  if (familyIndex < 0 || familyIndex >= kListFileFamilyCount || formIndex < 0) return false;
  return formIndex < kListFileForms[static_cast<std::size_t>(familyIndex)];
}

}  // namespace quorvel
