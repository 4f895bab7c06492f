// The family catalogue: the texts the user sees and which box feeds which parameter.
#include "catalogue/families.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel {
namespace {

// Code points of a UTF-8 text (the catalogue holds well-formed UTF-8 only).
std::vector<char32_t> codePoints(const std::string& s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(s.at(i + k)) & 0x3F);
    }
    out.push_back(cp);
    i += length;
  }
  return out;
}

bool isFullWidthForm(char32_t c) { return c >= 0xFF01 && c <= 0xFF5E; }
bool isHan(char32_t c) { return c >= 0x4E00 && c <= 0x9FFF; }

// Every letter or sign of a combo item or caption is a full-width form, a Chinese
// character, ω, φ or ∧; the only other character allowed is the ordinary blank.
bool onlyDisplayCharacters(const std::string& text) {
  for (char32_t c : codePoints(text)) {
    const bool ok = isFullWidthForm(c) || isHan(c) || c == U'ω' || c == U'φ' || c == U'α' ||
                    c == U'∧' || c == U' ';
    if (!ok) return false;
  }
  return true;
}

// The list file's fourteen families with their forms, then the forms appended to sine,
// cosine, tangent (+ k), ellipse and hyperbola (foci on y, a centre), and 幂函数.
const int kFormCounts[kFamilyCount] = {3, 3, 1, 1, 1, 2, 2, 2, 1, 4, 4, 4, 1, 2, 1};

TEST(Families, NamesInComboOrder) {
  const char* names[kFamilyCount] = {
      "一次函数", "二次函数（初中）", "反比例函数", "指数函数", "对数函数",
      "正弦函数", "余弦函数",         "正切函数",   "圆",       "椭圆",
      "双曲线",   "抛物线（高中）",   "对勾函数",   "自定义",   "幂函数"};
  for (int i = 0; i < kFamilyCount; ++i) {
    EXPECT_EQ(family(i).name, names[i]) << "family " << i;
    EXPECT_EQ(static_cast<int>(family(i).forms.size()), kFormCounts[i]) << "family " << i;
  }
  // The brackets of the two school-level names are full-width.
  EXPECT_EQ(family(1).name, "\u4E8C\u6B21\u51FD\u6570\uFF08\u521D\u4E2D\uFF09");
}

TEST(Families, EveryTextUsesDisplayCharactersOnly) {
  for (int f = 0; f < kFamilyCount; ++f) {
    EXPECT_TRUE(onlyDisplayCharacters(family(f).name)) << family(f).name;
    for (const FormInfo& fi : family(f).forms) {
      EXPECT_TRUE(onlyDisplayCharacters(fi.comboItem)) << fi.comboItem;
      for (const BoxSlot& box : fi.boxes)
        EXPECT_TRUE(onlyDisplayCharacters(box.caption)) << box.caption;
    }
  }
}

// The two combo items with ordinary blanks inside, spelled by code point.
TEST(Families, ComboItemsWithBlanks) {
  EXPECT_EQ(form(1, 0)->comboItem,
            "\uFF59\uFF1D\uFF41\uFF58 \u2227\uFF12 \uFF0B\uFF42\uFF58\uFF0B\uFF43");
  EXPECT_EQ(form(4, 0)->comboItem, "\uFF59\uFF1D\uFF4C\uFF4F\uFF47\uFF41 \uFF58");
  int withBlank = 0;
  for (int f = 0; f < kFamilyCount; ++f) {
    for (const FormInfo& fi : family(f).forms)
      withBlank += fi.comboItem.find(' ') != std::string::npos;
  }
  EXPECT_EQ(withBlank, 2);
}

TEST(Families, ComboItemsOfSelectedForms) {
  struct Case {
    int family, form;
    const char* item;
  };
  const Case cases[] = {
      {0, 0, "ｙ＝ｋｘ＋ｂ"},
      {0, 1, "ｙ－ｙ１＝ｋ（ｘ－ｘ１）"},
      {0, 2, "Ａｘ＋Ｂｙ＋Ｃ＝０"},
      {1, 2, "ｙ＝ａ（ｘ－ｈ）∧２＋ｋ"},
      {5, 0, "ｙ＝Ａｓｉｎ（ωｘ＋φ）"},
      {8, 0, "（ｘ－ａ）∧２＋（ｙ－ｂ）∧２＝ｒ∧２"},
      {10, 0, "ｘ∧２／ａ∧２－ｙ∧２／ｂ∧２＝１"},
      {11, 3, "ｘ∧２＝－２ｐｙ"},
      {13, 0, "ｙ＝"},
      {13, 1, "Ｓｘ＝"},
  };
  for (const Case& c : cases) {
    ASSERT_NE(form(c.family, c.form), nullptr);
    EXPECT_EQ(form(c.family, c.form)->comboItem, c.item) << c.family << "/" << c.form;
  }
}

// Which parameter each box feeds, per form (None: the box is unused).
TEST(Families, SlotTable) {
  using S = Slot;
  struct Case {
    int family, form;
    Slot b1, b2, b3;
  };
  const Case cases[] = {
      {0, 0, S::K, S::B, S::None},
      {0, 1, S::X1, S::Y1, S::K},
      {0, 2, S::A, S::B, S::C},
      {1, 0, S::A, S::B, S::C},
      {1, 1, S::X1, S::X2, S::A},
      {1, 2, S::H, S::K, S::A},
      {2, 0, S::K, S::None, S::None},
      {3, 0, S::A, S::None, S::None},
      {4, 0, S::A, S::None, S::None},
      {5, 0, S::A, S::Omega, S::Phi},
      {6, 0, S::A, S::Omega, S::Phi},
      {7, 0, S::A, S::Omega, S::Phi},
      {8, 0, S::A, S::B, S::R},
      {9, 0, S::A, S::B, S::None},
      {10, 0, S::A, S::B, S::None},
      {11, 0, S::P, S::None, S::None},
      {11, 1, S::P, S::None, S::None},
      {11, 2, S::P, S::None, S::None},
      {11, 3, S::P, S::None, S::None},
      {12, 0, S::A, S::B, S::None},
      {13, 0, S::None, S::None, S::None},
      {13, 1, S::None, S::None, S::None},
      // The forms beyond the list file (box 4 is checked apart).
      {5, 1, S::A, S::Omega, S::Phi},
      {6, 1, S::A, S::Omega, S::Phi},
      {7, 1, S::A, S::Omega, S::Phi},
      {9, 1, S::A, S::B, S::None},
      {9, 2, S::A, S::B, S::CentreX},
      {9, 3, S::A, S::B, S::CentreX},
      {10, 1, S::A, S::B, S::None},
      {10, 2, S::A, S::B, S::CentreX},
      {10, 3, S::A, S::B, S::CentreX},
      {14, 0, S::Alpha, S::None, S::None},
  };
  int checked = 0;
  for (const Case& c : cases) {
    const FormInfo* fi = form(c.family, c.form);
    ASSERT_NE(fi, nullptr) << c.family << "/" << c.form;
    EXPECT_EQ(fi->boxes[0].slot, c.b1) << c.family << "/" << c.form;
    EXPECT_EQ(fi->boxes[1].slot, c.b2) << c.family << "/" << c.form;
    EXPECT_EQ(fi->boxes[2].slot, c.b3) << c.family << "/" << c.form;
    ++checked;
  }
  int forms = 0;
  for (int n : kFormCounts) forms += n;
  EXPECT_EQ(checked, forms);
  // k is the fourth parameter of exactly the forms with a shift or a centre.
  for (int f = 0; f < kFamilyCount; ++f) {
    for (int m = 0; m < kFormCounts[f]; ++m) {
      const bool shifted = (f >= 5 && f <= 7 && m == 1) || ((f == 9 || f == 10) && m >= 2);
      EXPECT_EQ(form(f, m)->fourth.slot, shifted ? S::K : S::None) << f << "/" << m;
    }
  }
}

// A caption names its parameter: "ｋ ＝" feeds k, "ｘ１＝" feeds x1 and so on. Single
// letters are followed by an ordinary blank; the indexed names and "ｃ＝" have none.
TEST(Families, CaptionsNameTheirParameter) {
  const std::map<Slot, std::vector<std::string>> captions = {
      {Slot::K, {"\uFF4B \uFF1D"}},
      {Slot::A, {"\uFF41 \uFF1D", "\uFF21 \uFF1D"}},
      {Slot::B, {"\uFF42 \uFF1D", "\uFF22 \uFF1D"}},
      {Slot::C, {"\uFF43\uFF1D", "\uFF23 \uFF1D"}},
      {Slot::Omega, {"\u03C9 \uFF1D"}},
      {Slot::Phi, {"\u03C6 \uFF1D"}},
      {Slot::R, {"\uFF52 \uFF1D"}},
      {Slot::P, {"\uFF50 \uFF1D"}},
      {Slot::X1, {"\uFF58\uFF11\uFF1D"}},
      {Slot::Y1, {"\uFF59\uFF11\uFF1D"}},
      {Slot::X2, {"\uFF58\uFF12\uFF1D"}},
      {Slot::H, {"\uFF48 \uFF1D"}},
      {Slot::CentreX, {"\uFF48 \uFF1D"}},
      {Slot::Alpha, {"\u03B1 \uFF1D"}},
  };
  for (int f = 0; f < kFamilyCount; ++f) {
    for (const FormInfo& fi : family(f).forms) {
      for (const BoxSlot& box : fi.boxes) {
        if (box.slot == Slot::None) {
          EXPECT_EQ(box.caption, "");
          continue;
        }
        const auto& allowed = captions.at(box.slot);
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), box.caption), allowed.end())
            << "family " << f << " caption " << box.caption;
      }
    }
  }
  // Upper-case A, B, C belong to the general line and the three wave families.
  EXPECT_EQ(form(0, 2)->boxes[2].caption, "\uFF23 \uFF1D");
  EXPECT_EQ(form(1, 0)->boxes[2].caption, "\uFF43\uFF1D");
  EXPECT_EQ(form(7, 0)->boxes[0].caption, "\uFF21 \uFF1D");
  EXPECT_EQ(form(12, 0)->boxes[0].caption, "\uFF41 \uFF1D");
}

// A box is shown exactly when its form gives it a parameter; box 1 is always shown.
TEST(Families, VisibilityMatchesTheSlots) {
  for (int f = 0; f < kCustomFamily; ++f) {
    for (int fo = 0; fo < kFormCounts[f]; ++fo) {
      const FormInfo* fi = form(f, fo);
      EXPECT_NE(fi->boxes[0].slot, Slot::None);
      EXPECT_EQ(box2Visible(f), fi->boxes[1].slot != Slot::None) << f << "/" << fo;
      EXPECT_EQ(box3Visible(f, fo), fi->boxes[2].slot != Slot::None) << f << "/" << fo;
    }
  }
  EXPECT_FALSE(box3Visible(0, 0));
  EXPECT_TRUE(box3Visible(0, 1));
  EXPECT_FALSE(box2Visible(11));
  EXPECT_FALSE(box3Visible(12, 0));
}

TEST(Families, PairsOutsideTheCatalogue) {
  EXPECT_EQ(form(0, 3), nullptr);
  EXPECT_EQ(form(2, 1), nullptr);
  EXPECT_EQ(form(11, 4), nullptr);
  EXPECT_EQ(form(13, 2), nullptr);
  EXPECT_EQ(form(0, -1), nullptr);
  EXPECT_EQ(form(-1, 0), nullptr);
  EXPECT_EQ(form(kFamilyCount, 0), nullptr);
  EXPECT_THROW(family(kFamilyCount), std::out_of_range);
  EXPECT_THROW(family(-1), std::out_of_range);
}

TEST(Families, OpenMarkersHaveALeadingBlank) {
  EXPECT_STREQ(kOpenLow, " -\xE2\x88\x9E");
  EXPECT_STREQ(kOpenHigh, " +\xE2\x88\x9E");
}

}  // namespace
}  // namespace quorvel
