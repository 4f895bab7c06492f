// The entries of the forms beyond the list file: read with the families' checks and
// their fourth box, typed as the panel types them, and kept as form curves.
#include "document/form_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/families.h"
#include "document/typed_record.h"

namespace quorvel {
namespace {

FormCurve formCurve(int family, int form, std::string p1, std::string p2 = "", std::string p3 = "",
                    std::string p4 = "") {
  FuncRecord r;
  r.family = static_cast<std::int16_t>(family);
  r.form = static_cast<std::int16_t>(form);
  r.para1 = std::move(p1);
  r.para2 = std::move(p2);
  r.para3 = std::move(p3);
  r.color = 0x00FF00;
  r.rangeX1 = kOpenLow;
  r.rangeX2 = kOpenHigh;
  r.rangeY1 = kOpenLow;
  r.rangeY2 = kOpenHigh;
  return FormCurve{r, std::move(p4)};
}

TEST(FormEntry, RefusalsCarryTheFamiliesMessagesAndTheBox) {
  const struct {
    FormCurve curve;
    const char* title;
    const char* message;
    std::optional<InputBox> box;
  } cases[] = {
      {formCurve(9, 1, "0", "2"), "参数错误", "ａ＞０，ｂ＞０，且ａ≠ｂ", std::nullopt},
      {formCurve(9, 2, "2", "2", "1", "1"), "参数错误", "ａ＞０，ｂ＞０，且ａ≠ｂ", std::nullopt},
      {formCurve(10, 3, "2", "0", "1", "1"), "参数错误", "ａ＞０，ｂ＞０", std::nullopt},
      {formCurve(6, 1, "1", "0", "0", "1"), "参数错误", "Ａ≠０，ω≠０", std::nullopt},
      {formCurve(5, 1, "0", "1", "0", "1"), "参数错误", "Ａ≠０，ω≠０", std::nullopt},
      {formCurve(5, 1, "1", "1", "0", "2x"), "错误", "数据错误", InputBox::kParameter4},
      {formCurve(5, 1, "q", "1", "0", "2x"), "错误", "数据错误", InputBox::kParameter1},
      {formCurve(9, 3, "3", "2", "1", "1e40"), "错误", "数据错误", InputBox::kParameter4},
      {formCurve(kPowerFamily, 0, "1/0"), "错误", "数据错误", InputBox::kParameter1},
      {formCurve(kPowerFamily, 0, "x"), "错误", "数据错误", InputBox::kParameter1},
  };
  for (const auto& t : cases) {
    const FormReading read = readFormCurve(t.curve, seededRandom(1));
    EXPECT_FALSE(read.reading.curve.has_value()) << t.message;
    EXPECT_EQ(read.reading.refusal.title, t.title);
    EXPECT_EQ(read.reading.refusal.message, t.message);
    EXPECT_EQ(read.reading.fault ? std::optional(read.reading.fault->box) : std::nullopt, t.box)
        << t.message;
  }
}

TEST(FormEntry, TheFourthBoxIsEvaluatedAndWrittenIntoTheEquation) {
  const FormReading read = readFormCurve(formCurve(5, 1, "2", "1", "pi/3", "2/2"), seededRandom(1));
  ASSERT_TRUE(read.reading.curve.has_value());
  EXPECT_EQ(read.para4, "1");
  EXPECT_EQ(read.reading.texts.para3, "1.047197");
  EXPECT_EQ(read.reading.curve->text, "y=2sin(1x+1.047197)+1");
  EXPECT_EQ(read.reading.line, "y=2sin(1x+1.047197)+1");
  EXPECT_EQ(read.reading.curve->printed, "y = 2 sin(x + 1.047197) + 1");
  EXPECT_EQ(read.reading.curve->params.paramK, 1.0f);

  // An empty fourth box is 0, as the other boxes are.
  const FormReading empty = readFormCurve(formCurve(9, 2, "3", "2", "", ""), seededRandom(1));
  ASSERT_TRUE(empty.reading.curve.has_value());
  EXPECT_EQ(empty.para4, "0");
  EXPECT_EQ(empty.reading.curve->text, "(x-0)^2/9+(y-0)^2/4=1");
}

TEST(FormEntry, TheExponentStaysAsTyped) {
  const FormReading read = readFormCurve(formCurve(kPowerFamily, 0, "2/6"), seededRandom(1));
  ASSERT_TRUE(read.reading.curve.has_value());
  EXPECT_EQ(read.reading.texts.para1, "2/6");  // kept, not replaced by 0.3333333
  EXPECT_EQ(read.reading.curve->text, "y=x^(1/3)");
  EXPECT_EQ(read.reading.curve->params.alphaDenominator, 3);
}

TEST(FormEntry, ReadEntryReadsAFormCurveWithItsFourthBox) {
  const ListEntry entry{formCurve(9, 3, "3", "2", "1", "-1"), true, "", ""};
  const EntryReading reading = readEntry(entry, seededRandom(1));
  ASSERT_TRUE(reading.curve.has_value());
  EXPECT_EQ(reading.curve->printed, "(y + 1)²/9 + (x − 1)²/4 = 1");
}

TEST(FormEntry, TypedTextsAreRewrittenAndAFaultIsPlacedInTheFourthBox) {
  FuncRecord typed = formCurve(5, 1, "2", "1", "π/3").record;
  const TypedReading read = readTypedForm(typed, "−1", seededRandom(1));
  ASSERT_TRUE(read.reading.curve.has_value());
  EXPECT_EQ(read.storedPara4, "-1");
  EXPECT_EQ(read.reading.curve->printed, "y = 2 sin(x + 1.047197) − 1");

  const TypedReading refused = readTypedForm(typed, "1+q", seededRandom(1));
  ASSERT_FALSE(refused.reading.curve.has_value());
  EXPECT_EQ(refused.detail, "ｋ第 3 个字符：“q”");
}

TEST(FormEntry, ContentKindFollowsTheFormAndSurvivesARecolour) {
  FuncRecord classic = formCurve(5, 0, "1", "1", "0").record;
  EXPECT_TRUE(std::holds_alternative<ClassicCurve>(curveContent(classic, "")));
  const FormCurve shifted = formCurve(5, 1, "1", "1", "0", "2");
  const ListEntry entry{curveContent(shifted.record, shifted.para4), true, "", ""};
  ASSERT_TRUE(std::holds_alternative<FormCurve>(entry.content));
  EXPECT_FALSE(fitsListFile(entry));
  EXPECT_EQ(fourthParameter(entry), "2");
  const std::optional<EntryContent> recoloured = recolouredContent(entry, 0x123456);
  ASSERT_TRUE(recoloured.has_value());
  const auto& curve = std::get<FormCurve>(*recoloured);
  EXPECT_EQ(curve.record.color, 0x123456);
  EXPECT_EQ(curve.para4, "2");
  EXPECT_FALSE(recolouredContent(ListEntry{PolarCurve{}, true, "", ""}, 1).has_value());
}

}  // namespace
}  // namespace quorvel
