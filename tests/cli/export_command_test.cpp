// quorvel export: the trace against a golden file, the bitmap and PNG pixel for pixel,
// the SVG and PDF as vector pictures in the same place, and the failures that must
// leave the target as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "support/svg_reader.h"

namespace quorvel::cli::test {
namespace {

const std::string kWorksheet = dataPath("cli_worksheet.qvx").string();

TEST(ExportCommand, TraceOfTheWorksheetMatchesTheGoldenFile) {
  const TempFolder dir;
  const auto trace = dir / "trace.txt";
  const Outcome o = runCli({"export", kWorksheet, trace.string(), "--trace", "--size", "300x200",
                            "--scale", "1000", "--level", "40", "--pen", "3"});
  ASSERT_EQ(o.exit, 0) << o.err;
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, "");
  // To renew it after a deliberate change of the drawing:
  //   quorvel export tests/data/cli_worksheet.qvx tests/data/cli_worksheet_trace.txt
  //     --trace --size 300x200 --scale 1000 --level 40 --pen 3
  EXPECT_EQ(readFile(trace), readFile(dataPath("cli_worksheet_trace.txt")));
}

TEST(ExportCommand, ATraceStartsWithTheCentredViewOfItsSize) {
  const TempFolder dir;
  const auto trace = dir / "t";
  ASSERT_EQ(runCli({"export", kWorksheet, trace.string(), "--trace", "--size", "801x99"}).exit, 0);
  const std::string text = readFile(trace);
  // 801 pixels are 12015 twips: half of it rounds to even.
  EXPECT_EQ(text.rfind("Cls\nDrawWidth\t2\nAutoRedraw\t1\nScale\t-6008\t742\t6008\t-742\n", 0), 0u)
      << text.substr(0, 80);
}

QImage loadImage(const std::filesystem::path& file) {
  QImage image(QString::fromStdString(file.string()));
  return image.convertToFormat(QImage::Format_RGB32);
}

TEST(ExportCommand, PngAndBitmapHoldTheSamePixels) {
  const TempFolder dir;
  const auto bmp = dir / "w.bmp";
  const auto png = dir / "w.PNG";  // the extension in any case
  for (const auto& file : {bmp, png}) {
    const Outcome o = runCli({"export", kWorksheet, file.string(), "--size", "320x240"});
    ASSERT_EQ(o.exit, 0) << o.err;
  }
  const std::string header = readFile(bmp).substr(0, 30);
  EXPECT_EQ(header.substr(0, 2), "BM");
  EXPECT_EQ(header[28], 24);  // bits per pixel
  const QImage fromBmp = loadImage(bmp);
  const QImage fromPng = loadImage(png);
  ASSERT_EQ(fromBmp.size(), QSize(320, 240));
  ASSERT_EQ(fromPng.size(), QSize(320, 240));
  int differing = 0;
  int blue = 0;
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 320; ++x) {
      differing += fromBmp.pixel(x, y) != fromPng.pixel(x, y);
      blue += fromPng.pixel(x, y) == 0xFF0000FFu;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(blue, 100);  // the hyperbola is drawn
}

TEST(ExportCommand, SvgIsXmlWithTheCurvesAsPolylinesAndTheLabelsAsText) {
  const TempFolder dir;
  const auto svg = dir / "w.svg";
  const Outcome o = runCli({"export", kWorksheet, svg.string()});
  ASSERT_EQ(o.exit, 0) << o.err;
  const quorvel::test::SvgPicture outline = quorvel::test::readSvg(svg);
  ASSERT_TRUE(outline.parsed);
  EXPECT_EQ(outline.viewBox, "0 0 800 800");
  // Each branch of y=6/x is one polyline of several hundred points.
  EXPECT_GT(outline.longestPolyline("#0000ff"), 500u);
  EXPECT_EQ(outline.images, 0);
  EXPECT_NE(std::find(outline.texts.begin(), outline.texts.end(), QString("O")),
            outline.texts.end());
  EXPECT_NE(std::find(outline.texts.begin(), outline.texts.end(), QString("-11")),
            outline.texts.end());
}

bool bluish(QRgb p) { return qBlue(p) > 200 && qRed(p) < 128 && qGreen(p) < 128; }

// Whether a pixel within one of (x, y) is bluish.
bool blueNear(const QImage& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (bluish(image.pixel(x + dx, y + dy))) return true;
    }
  }
  return false;
}

TEST(ExportCommand, SvgAndPngShowTheCurveInTheSamePlace) {
  const TempFolder dir;
  const auto svg = dir / "w.svg";
  const auto png = dir / "w.png";
  ASSERT_EQ(runCli({"export", kWorksheet, svg.string()}).exit, 0);
  ASSERT_EQ(runCli({"export", kWorksheet, png.string()}).exit, 0);
  QSvgRenderer renderer(QString::fromStdString(svg.string()));
  ASSERT_TRUE(renderer.isValid());
  QImage fromSvg(800, 800, QImage::Format_RGB32);
  fromSvg.fill(Qt::black);
  {
    QPainter painter(&fromSvg);
    renderer.render(&painter);
  }
  const QImage fromPng = loadImage(png);
  // y=6/x at x = 2 and x = -4 (500 view units per curve unit, 15 per pixel).
  const struct { int x, y; } onCurve[] = {{467, 300}, {267, 450}};
  for (const auto& p : onCurve) {
    EXPECT_TRUE(blueNear(fromSvg, p.x, p.y)) << p.x << "," << p.y;
    EXPECT_TRUE(blueNear(fromPng, p.x, p.y)) << p.x << "," << p.y;
  }
  for (const QImage* image : {static_cast<const QImage*>(&fromSvg), &fromPng}) {
    EXPECT_EQ(image->pixel(467, 320), 0xFFFFFFFFu);  // white below the curve
    EXPECT_EQ(image->pixel(700, 700), 0xFFFFFFFFu);
  }
}

TEST(ExportCommand, PdfIsOnePageOfThePicturesSizeWithoutABitmap) {
  const TempFolder dir;
  const auto pdf = dir / "w.pdf";
  const Outcome o = runCli({"export", kWorksheet, pdf.string(), "--size", "400x300"});
  ASSERT_EQ(o.exit, 0) << o.err;
  const std::string bytes = readFile(pdf);
  EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
  EXPECT_NE(bytes.find("%%EOF", bytes.size() - 8), std::string::npos);
  // 400 × 300 pixels at 96 per inch are 300 × 225 points.
  EXPECT_NE(bytes.find("/MediaBox [0 0 300"), std::string::npos);
  EXPECT_NE(bytes.find(" 225"), std::string::npos);
  EXPECT_EQ(bytes.find("/Subtype /Image"), std::string::npos);
  EXPECT_EQ(bytes.find("/Subtype/Image"), std::string::npos);
}

TEST(ExportCommand, ARefusedRecordIsLeftOutAndReported) {
  const TempFolder dir;
  const auto trace = dir / "t";
  const std::string list = dataPath("cli_bad_record.qvx").string();
  const Outcome o = runCli({"export", list, trace.string(), "--trace"});
  EXPECT_EQ(o.exit, 1);
  EXPECT_EQ(o.err, "quorvel export: " + list + ": record 2: 错误: 括号错误\n");
  // The other two are drawn: one view and axes each.
  const std::string text = readFile(trace);
  std::size_t scales = 0;
  for (std::size_t at = text.find("\nScale\t"); at != std::string::npos;
       at = text.find("\nScale\t", at + 1)) {
    ++scales;
  }
  EXPECT_EQ(scales, 2u);
}

TEST(ExportCommand, FailuresLeaveTheTargetAsItWas) {
  const TempFolder dir;
  const auto out = dir / "out.png";
  writeFile(out, "old picture");
  writeFile(dir / "short.qvx", std::string(200, '\0'));
  std::filesystem::create_directory(dir / "taken.svg");
  writeFile(dir / "taken.svg" / "inside", "kept");
  const struct {
    std::vector<std::string> args;
    int exit;
    std::string err;  // the start of the message
  } cases[] = {
      {{"export", (dir / "short.qvx").string(), out.string()}, 1, "错误: 打开列表文件错误\n"},
      {{"export", (dir / "none.qvx").string(), out.string()},
       3,
       "quorvel export: cannot read '" + (dir / "none.qvx").string() + "': no such file"},
      {{"export", kWorksheet, (dir / "taken.svg").string()},
       3,
       "quorvel export: cannot write '" + (dir / "taken.svg").string() + "': it is a folder"},
      {{"export", kWorksheet, (dir / "no" / "p.pdf").string()},
       3,
       "quorvel export: cannot write '" + (dir / "no" / "p.pdf").string() + "': cannot create"},
      {{"export", kWorksheet, out.string(), "--size", "800x0"}, 2, "quorvel export: --size"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli(c.args);
    EXPECT_EQ(o.exit, c.exit) << c.args[2];
    EXPECT_EQ(o.err.rfind(c.err, 0), 0u) << o.err;
    EXPECT_EQ(o.out, "");
  }
  // A list named like a picture is not written over by its own picture.
  writeFile(dir / "list.svg", readFile(dataPath("cli_worksheet.qvx")));
  const Outcome itself =
      runCli({"export", (dir / "list.svg").string(), (dir / "list.svg").string()});
  EXPECT_EQ(itself.exit, 2);
  EXPECT_EQ(readFile(dir / "list.svg"), readFile(dataPath("cli_worksheet.qvx")));
  std::filesystem::remove(dir / "list.svg");
  EXPECT_EQ(readFile(out), "old picture");
  EXPECT_EQ(readFile(dir / "taken.svg" / "inside"), "kept");
  // No temporary file is left behind.
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"out.png", "short.qvx", "taken.svg"}));
  // A complete picture does replace it.
  ASSERT_EQ(runCli({"export", kWorksheet, out.string(), "--size", "10x10"}).exit, 0);
  EXPECT_EQ(loadImage(out).size(), QSize(10, 10));
}

TEST(ExportCommand, APrintSizeIsItsCentimetresAtItsResolution) {
  const TempFolder dir;
  const struct {
    const char* cm;
    const char* dpi;
    QSize pixels;
    int dotsPerMetre;
  } cases[] = {
      {"10x10", "300", QSize(1181, 1181), 11811},
      {"10x10", nullptr, QSize(1181, 1181), 11811},  // 300 unless told
      {"8.5x4", "150", QSize(502, 236), 5906},
  };
  for (const auto& c : cases) {
    const auto png = dir / "print.png";
    std::vector<std::string> args = {"export", kWorksheet, png.string(), "--cm", c.cm, "--smooth"};
    if (c.dpi != nullptr) args.insert(args.end(), {"--dpi", c.dpi});
    const Outcome o = runCli(args);
    ASSERT_EQ(o.exit, 0) << o.err;
    const QImage image(QString::fromStdString(png.string()));
    EXPECT_EQ(image.size(), c.pixels) << c.cm;
    EXPECT_EQ(image.dotsPerMeterX(), c.dotsPerMetre) << c.cm;
  }
  // 300 dpi looks like the screen's 378 pixels: the same picture, 3.125 times as fine.
  const auto screen = dir / "screen.png";
  const auto print = dir / "print.png";
  ASSERT_EQ(runCli({"export", kWorksheet, screen.string(), "--size", "378x378", "--smooth"}).exit,
            0);
  ASSERT_EQ(runCli({"export", kWorksheet, print.string(), "--cm", "10x10", "--smooth"}).exit, 0);
  const QImage small = loadImage(screen);
  const QImage fine =
      loadImage(print).scaled(378, 378, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  int far = 0;
  for (int y = 0; y < 378; ++y) {
    for (int x = 0; x < 378; ++x) {
      const QRgb a = small.pixel(x, y), b = fine.pixel(x, y);
      far += std::abs(qGray(a) - qGray(b)) > 96;
    }
  }
  EXPECT_LT(far, 378 * 378 / 100);  // fewer than one pixel in a hundred far apart
}

TEST(ExportCommand, TheOptionsReachTheTrace) {
  const TempFolder dir;
  const auto trace = dir / "t";
  const Outcome o = runCli({"export", kWorksheet, trace.string(), "--trace", "--smooth", "--grid",
                            "--pi", "--legend", "--label-size", "12"});
  ASSERT_EQ(o.exit, 0) << o.err;
  const std::string text = readFile(trace);
  for (const char* line :
       {"\nSmooth\t1\n", "\nFontSize\t12\n", "\tπ/2\n", "\nFillBox\t", "\nForeColor\t13421772\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST(ExportCommand, TheModernLookIsAskedByName) {
  // Two wheel notches in (scale 781): the classic look labels the ticks 0.64, 1.28,
  // the modern one counts 1, 2 and draws smooth curves; the list's colours stay.
  const TempFolder dir;
  const auto classic = dir / "classic", modern = dir / "modern";
  ASSERT_EQ(runCli({"export", kWorksheet, classic.string(), "--trace", "--scale", "781"}).exit, 0);
  const Outcome o =
      runCli({"export", kWorksheet, modern.string(), "--trace", "--scale", "781", "--modern"});
  ASSERT_EQ(o.exit, 0) << o.err;
  const std::string before = readFile(classic), after = readFile(modern);
  EXPECT_NE(before.find("\t0.64\n"), std::string::npos);
  EXPECT_EQ(before.find("\nSmooth\t"), std::string::npos);
  EXPECT_EQ(after.find("\t0.64\n"), std::string::npos);
  EXPECT_NE(after.find("\t2\n"), std::string::npos);
  EXPECT_NE(after.find("\nSmooth\t1\n"), std::string::npos);
  auto colours = [](const std::string& trace) {
    std::vector<std::string> out;
    for (std::size_t at = trace.find("ForeColor\t"); at != std::string::npos;
         at = trace.find("ForeColor\t", at + 1)) {
      out.push_back(trace.substr(at, trace.find('\n', at) - at));
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
  };
  EXPECT_EQ(colours(after), colours(before));
}

TEST(ExportCommand, WrongUsage) {
  const struct {
    std::vector<std::string> args;
    const char* problem;
  } cases[] = {
      {{"export", "a.qvx"}, "give the list file LIST.QVX and the picture file OUT"},
      {{"export", "a.qvx", "b.png", "c.png"}, "give the list file"},
      {{"export", "a.qvx", "b.gif"},
       "must end in .bmp, .png, .svg or .pdf (or give --trace), not 'b.gif'"},
      {{"export", "a.qvx", "png"}, "not 'png'"},
      {{"export", "a.qvx", "b.png", "--size", "800"}, "--size must be WxH"},
      {{"export", "a.qvx", "b.png", "--size", "9000x10"}, "from 1 to 8000"},
      {{"export", "a.qvx", "b.png", "--scale", "16001"},
       "--scale must be a whole number from 0 to 16000"},
      {{"export", "a.qvx", "b.png", "--scale", "-1"}, "--scale must be"},
      {{"export", "a.qvx", "b.png", "--level", "0"},
       "--level must be a whole number from 1 to 10000"},
      {{"export", "a.qvx", "b.png", "--pen", "6"},
       "--pen must be a whole number from 1 to 5, not '6'"},
      {{"export", "a.qvx", "b.png", "--pen", "2.5"}, "--pen must be"},
      {{"export", "a.qvx", "b.png", "--trace=1"}, "--trace takes no value"},
      {{"export", "a.qvx", "b.png", "--dpi", "300"}, "--dpi goes with --cm"},
      {{"export", "a.qvx", "b.png", "--cm", "10x10", "--size", "9x9"}, "--size or --cm"},
      {{"export", "a.qvx", "b.png", "--cm", "10"}, "--cm must be WxH"},
      {{"export", "a.qvx", "b.png", "--cm", "10x10", "--dpi", "50"},
       "--dpi must be a whole number from 72 to 1200"},
      {{"export", "a.qvx", "b.png", "--cm", "80x10"}, "too large: more than 8000 pixels a side"},
      {{"export", "a.qvx", "b.png", "--cm", "0.0001x0.0001"}, "too small: under one pixel a side"},
      {{"export", "a.qvx", "b.png", "--cm", "10x0.001", "--dpi", "72"}, "too small"},
      {{"export", "a.qvx", "b.png", "--labels", "--legend"}, "--labels or --legend"},
      {{"export", "a.qvx", "b.png", "--label-size", "8"}, "from 9 to 24"},
  };
  for (const auto& c : cases) {
    const Outcome o = runCli(c.args);
    EXPECT_EQ(o.exit, 2) << c.problem;
    EXPECT_NE(o.err.find(c.problem), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("Usage: quorvel export"), std::string::npos);
  }
}

}  // namespace
}  // namespace quorvel::cli::test
