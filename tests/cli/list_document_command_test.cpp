// The list commands on a document of named fields: read by content whatever its name,
// refused whole when damaged or of a later version, and `add` keeping a list in the
// format its file is in.
#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "document/document_format.h"
#include "document/list_formats.h"

namespace quorvel::cli::test {
namespace {

const std::string kHeader = R"j({"format": "quorvel-list", "version": 1, "entries": [)j";

TEST(ListDocumentCommands, ReadADocumentByItsContent) {
  const TempFolder dir;
  // A list file's curve and a polar curve, whatever the file's name says.
  const std::string text = kHeader +
                           R"j({"kind": "classic", "family": 2, "form": 0, "para1": "6",
                               "para2": "0", "para3": "0", "xFrom": " -∞", "xTo": " +∞",
                               "yFrom": " -∞", "yTo": " +∞"},
                              {"kind": "polar", "rho": "2sin(3θ)"}]})j";
  for (const char* name : {"sheet.qvj", "sheet.qvx"}) {
    writeFile(dir / name, text);
    const Outcome o = runCli({"list", (dir / name).string()});
    EXPECT_EQ(o.out, "y=6/x\nρ=2sin(3θ)\n") << name;
    EXPECT_EQ(o.err, "") << name;
  }
}

TEST(ListDocumentCommands, RefuseADamagedOrLaterDocumentWhole) {
  const TempFolder dir;
  const std::string later = R"j({"format": "quorvel-list", "version": 3, "entries": []})j";
  writeFile(dir / "later.qvj", later);
  const Outcome o = runCli({"list", (dir / "later.qvj").string()});
  EXPECT_EQ(o.exit, 1);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find("打开列表文件错误"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("版本是 3"), std::string::npos) << o.err;

  // `add` to a damaged document neither adds nor rewrites it.
  writeFile(dir / "bad.qvj", kHeader + R"j({"kind": "polar"}]})j");
  const Outcome added = runCli({"add", (dir / "bad.qvj").string(), "--family", "2", "--p1", "6"});
  EXPECT_EQ(added.exit, 1);
  EXPECT_EQ(readFile(dir / "bad.qvj"), kHeader + R"j({"kind": "polar"}]})j");
}

TEST(ListDocumentCommands, AddKeepsTheFormatOfTheFile) {
  const TempFolder dir;
  // A new file named .qvj is a document; a new .qvx stays a list file.
  ASSERT_EQ(runCli({"add", (dir / "new.qvj").string(), "--family", "2", "--p1", "6"}).exit, 0);
  ASSERT_EQ(runCli({"add", (dir / "new.qvx").string(), "--family", "2", "--p1", "6"}).exit, 0);
  const ListReading document = readListFile(dir / "new.qvj");
  const ListReading listFile = readListFile(dir / "new.qvx");
  ASSERT_TRUE(document.list && listFile.list);
  EXPECT_EQ(document.format, ListFormat::Document);
  EXPECT_EQ(listFile.format, ListFormat::ListFile);
  EXPECT_EQ(*document.list, *listFile.list);

  // A document with a polar curve gets a curve added after it, the polar curve kept.
  writeFile(dir / "polar.qvx", kHeader + R"j({"kind": "polar", "rho": "1+cos(θ)"}]})j");
  const Outcome o = runCli({"add", (dir / "polar.qvx").string(), "--family", "2", "--p1", "6"});
  EXPECT_EQ(o.out, "y=6/x\n");
  const ListReading polar = readListFile(dir / "polar.qvx");
  ASSERT_TRUE(polar.list) << polar.fault;
  ASSERT_EQ(polar.list->size(), 2u);
  EXPECT_EQ(std::get<PolarCurve>(polar.list->at(0).content).rho, "1+cos(θ)");
  EXPECT_NE(classicCurve(polar.list->at(1)), nullptr);
}

}  // namespace
}  // namespace quorvel::cli::test
