// Equations typed in their one box: the textbook texts they are shown by, the
// refusals with their messages and places, and the document that keeps them.
#include <gtest/gtest.h>

#include <string>

#include "document/document_format.h"
#include "document/equation_entry.h"

namespace quorvel {
namespace {

TEST(EquationEntry, TypedTextsAreRewrittenAndPrintedAsATextbookWritesThem) {
  struct Case {
    const char* typed;
    const char* line;
    const char* printed;
  };
  const Case cases[] = {
      {"x^2/4+y^2=1", "x^2/4+y^2=1", "x²/4 + y² = 1"},
      {"x²/4 + y² ＝ 1", "x^2/4 + y^2=1", "x²/4 + y² = 1"},
      {"x*y=1", "x*y=1", "x·y = 1"},
      {"xy=1", "xy=1", "xy = 1"},
      {"(x−1)² + (y+2)² = 4", "(x-1)^2 + (y+2)^2=4", "(x−1)² + (y+2)² = 4"},
      {"y=-x^2+1", "y=-x^2+1", "y = −x² + 1"},
      {"Y=sin X", "y=sin x", "y = sin x"},
  };
  for (const Case& c : cases) {
    const TypedCurveReading r = readTypedEquation(EquationCurve{c.typed, 0x123456});
    ASSERT_TRUE(r.entry.has_value()) << c.typed << ": " << r.reading.refusal.message;
    EXPECT_EQ(r.entry->line, c.line) << c.typed;
    EXPECT_EQ(r.entry->printed, c.printed) << c.typed;
    EXPECT_EQ(std::get<EquationCurve>(r.entry->content).colour, 0x123456);
    ASSERT_TRUE(r.reading.curve->plane.has_value());
    EXPECT_EQ(r.reading.curve->plane->kind, PlaneKind::kEquation);
    EXPECT_EQ(r.reading.curve->params.funcFamily, kEquationFamily);
  }
}

TEST(EquationEntry, RefusalsSayWhyAndWhere) {
  struct Case {
    const char* typed;
    const char* message;
    const char* detail;  // "" for none
  };
  const Case cases[] = {
      {"", "方程不能为空", "方程"},
      {"x^2+y^2", "方程要有一个等号“=”，如 x^2+y^2=4", "方程"},
      {"x=y=1", "方程只能有一个等号“=”", "方程"},
      {"1=2", "方程要含有变量 x 或 y", "方程"},
      {"=y", "等号左边不能为空", "方程"},
      {"x^2=", "等号右边不能为空", "方程"},
      {"(x+1=y", "括号错误", "方程"},
      {"x+q=y", "字符未定义", "方程第 3 个字符：“q”"},
      {"x=y+t", "方程只能用变量 x 和 y", "方程第 5 个字符：“t”"},
      {"x*=y", "表达式错误，请检查", ""},
      {"x^2+y^2=-1", "方程在坐标平面上处处不成立，画不出曲线", "方程"},
      {"sqrt(-1-x^2)=y", "方程在坐标平面上处处不成立，画不出曲线", "方程"},
      {"x+y=y+x", "方程对所有的 x、y 都成立，画不出曲线", "方程"},
  };
  for (const Case& c : cases) {
    const TypedCurveReading r = readTypedEquation(EquationCurve{c.typed, 0});
    EXPECT_FALSE(r.entry.has_value()) << c.typed;
    EXPECT_EQ(r.reading.refusal.message, c.message) << c.typed;
    if (*c.detail != '\0') {
      EXPECT_EQ(r.detail, c.detail) << c.typed;
    }
    EXPECT_TRUE(r.detail.starts_with("方程")) << c.typed;
  }
}

TEST(EquationEntry, ADocumentKeepsAnEquationAndAListFileRefusesIt) {
  FunctionList list;
  list.add(*readTypedEquation(EquationCurve{"x³+y³=3xy", 0x0000FF}).entry);
  const std::string json = documentBytes(list);
  EXPECT_NE(json.find("\"equation\""), std::string::npos) << json;
  const DocumentReading read = readDocument(json);
  ASSERT_TRUE(read.list.has_value()) << read.fault;
  const FunctionList& back = *read.list;
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back.at(0).content, list.at(0).content);
  EXPECT_FALSE(fitsListFile(back.at(0)));
  const EntryReading reading = readEntry(back.at(0), seededRandom(1));
  ASSERT_TRUE(reading.curve.has_value());
  EXPECT_EQ(reading.curve->printed, "x³ + y³ = 3xy");
  EXPECT_EQ(reading.curve->colour, 0x0000FF);
}

}  // namespace
}  // namespace quorvel
