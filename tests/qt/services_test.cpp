// The Qt services and helpers that have rules of their own: filters, default
// extensions, the bitmap export, the program folder, random numbers, the mapping of
// pointer positions, and the start without a display.
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "plot/recording_surface.h"
#include "qt/bind_text_box.h"
#include "qt/program_folder.h"
#include "qt/qt_preferences.h"
#include "qt/qt_services.h"
#include "qt/qt_texts.h"
#include "qt/surface_widget.h"
#include "qt_fixture.h"
#include "render/picture_writer.h"
#include "settings/picture_preferences.h"

namespace quorvel::test {
namespace {

struct FilterCase {
  const char* given;
  const char* expected;
};

class NameFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(NameFilter, KeepsTheWordsAndAddsTheLowerCasePattern) {
  EXPECT_EQ(qtNameFilter(GetParam().given).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, NameFilter,
    ::testing::Values(FilterCase{"函数图像文件(*.QVX)|*.QVX", "函数图像文件(*.QVX) (*.QVX *.qvx)"},
                      FilterCase{"位图文件(*.BMP)|*.BMP", "位图文件(*.BMP) (*.BMP *.bmp)"},
                      FilterCase{"All|*.*", "All (*.*)"},
                      FilterCase{"A|*.A;*.B|C|*.c", "A (*.A *.a *.B *.b);;C (*.c)"},
                      FilterCase{"", ""}));

struct ExtensionCase {
  const char* name;
  const char* expected;
};

class DefaultExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(DefaultExtension, IsAddedOnlyWhenTheNameHasNone) {
  EXPECT_EQ(withDefaultExtension(GetParam().name, "QVX"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, DefaultExtension,
                         ::testing::Values(ExtensionCase{"/t/list", "/t/list.QVX"},
                                           ExtensionCase{"/t/list.QVX", "/t/list.QVX"},
                                           ExtensionCase{"/t/list.qvx", "/t/list.qvx"},
                                           ExtensionCase{"/t/list.txt", "/t/list.txt"},
                                           ExtensionCase{"/t.d/list", "/t.d/list.QVX"},
                                           ExtensionCase{"/t/.hidden", "/t/.hidden.QVX"},
                                           ExtensionCase{"", ""}));

class Pictures : public ::testing::Test {
 protected:
  ~Pictures() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  // A bitmap of 18 × 8 pixels inside a one-pixel border with one red dot.
  std::string writeDot(const std::filesystem::path& target, bool draw = true) {
    return writer.write({PictureFormat::Bmp, 18, 8, 1}, target, [draw](Surface& surface) {
      surface.Scale(0, 0, 18, 8);
      surface.setForeColor(rgbOf(255, 0, 0));
      surface.PSet(3, 3);
      return draw;
    });
  }
  std::filesystem::path folder = makeTempFolder();
  FilePictureWriter writer;
};

TEST_F(Pictures, ReplaceAnExistingFileWhole) {
  const std::filesystem::path target = folder / "a.bmp";
  std::ofstream(target) << std::string(100000, 'x');
  ASSERT_EQ(writeDot(target), "");
  const QImage read(QString::fromStdString(target.string()));
  ASSERT_EQ(read.size(), QSize(18, 8));
  EXPECT_EQ(read.pixel(3, 3), qRgb(255, 0, 0));
  EXPECT_EQ(std::filesystem::file_size(target), 54u + 8u * 56u);  // rows padded to 4 bytes
}

TEST_F(Pictures, FailureLeavesNoTemporaryFileAndDecliningWritesNothing) {
  const std::filesystem::path target = folder / "a folder";
  std::filesystem::create_directory(target);
  EXPECT_NE(writeDot(target), "");
  EXPECT_NE(writeDot(folder / "missing" / "a.bmp"), "");
  EXPECT_NE(writeDot(folder / "declined.bmp", false), "");
  EXPECT_FALSE(std::filesystem::exists(folder / "declined.bmp"));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(ProgramFolder, TheExecutablesFolderWhenWritableElseTheDataFolder) {
  const std::filesystem::path base = makeTempFolder();
  EXPECT_TRUE(folderIsWritable(base));
  EXPECT_EQ(chooseProgramFolder(base, base / "data"), base);
  EXPECT_FALSE(std::filesystem::exists(base / "data"));
  const std::filesystem::path missing = base / "no such folder";
  EXPECT_FALSE(folderIsWritable(missing));
  EXPECT_EQ(chooseProgramFolder(missing, base / "data" / "Quorvel"), base / "data" / "Quorvel");
  EXPECT_TRUE(std::filesystem::is_directory(base / "data" / "Quorvel"));
  // The probe leaves nothing behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(base)) ++entries;
  EXPECT_EQ(entries, 1);
  std::filesystem::remove_all(base);
}

// An installed program never works beside itself, not even as root in a folder it may
// write to: the system's program folders, and a prefix whose marker the install wrote.
TEST(ProgramFolder, AnInstalledProgramKeepsItsListsInTheDataFolder) {
  const std::filesystem::path base = makeTempFolder();
  const std::filesystem::path bin = base / "opt" / "bin";
  std::filesystem::create_directories(bin);
  const std::filesystem::path marker = installMarker(bin);
  EXPECT_EQ(marker, base / "opt" / "share" / "quorvel" / "installed");
  for (const char* system : {"/usr/bin", "/usr/local/bin", "/bin", "/usr/bin/"}) {
    EXPECT_TRUE(isInstalledProgram(system)) << system;
  }
  EXPECT_FALSE(isInstalledProgram("/usr/lib/x86_64-linux-gnu"));
  EXPECT_FALSE(isInstalledProgram(bin));  // unpacked there, it works beside itself
  EXPECT_EQ(chooseProgramFolder(bin, base / "data"), bin);

  std::filesystem::create_directories(marker.parent_path());
  std::ofstream(marker) << "installed\n";
  ASSERT_TRUE(folderIsWritable(bin));
  EXPECT_EQ(chooseProgramFolder(bin, base / "data"), base / "data");
  EXPECT_TRUE(std::filesystem::is_directory(base / "data"));
  std::filesystem::remove(marker);
  std::filesystem::create_directory(marker);  // a folder of that name is no marker
  EXPECT_FALSE(isInstalledProgram(bin));
  std::filesystem::remove_all(base);
}

TEST(ClockRandomSource, StaysInTheHalfOpenUnitInterval) {
  ClockRandom random;
  float low = 1, high = 0;
  for (int i = 0; i < 100000; ++i) {
    const float r = random.next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    low = std::min(low, r);
    high = std::max(high, r);
  }
  EXPECT_LT(low, 0.01f);
  EXPECT_GT(high, 0.99f);
}

TEST(PointerMapping, InvertsTheSurfacesScaleAtPixelCorners) {
  // 12 × 12 pixels with a one-pixel border: a drawing area of 10 × 10.
  RecordingSurface surface(12, 12, 1);
  surface.Scale(-75, 75, 75, -75);
  struct {
    int column, row;
    float x, y;
  } const cases[] = {{1, 1, -75, 75}, {6, 6, 0, 0}, {11, 1, 75, 75}, {0, 11, -90, -75}};
  for (const auto& c : cases) {
    const SurfaceMouse m = toUserUnits(surface, c.column, c.row);
    EXPECT_EQ(m.x, c.x) << c.column;
    EXPECT_EQ(m.y, c.y) << c.row;
    // And back: the pixel corner lands where toPixels puts the point.
    const PixelPoint p = surface.toPixels(m.x, m.y);
    EXPECT_DOUBLE_EQ(p.column, c.column - 1);
    EXPECT_DOUBLE_EQ(p.row, c.row - 1);
  }
}

TEST(CharacterPositions, CountSurrogatePairsAsOneCharacter) {
  const QString text = QString::fromUtf8(
      "a\xF0\x9D\x91\xA5"
      "b");  // a, 𝑥, b
  EXPECT_EQ(text.size(), 4);
  EXPECT_EQ(characterIndex(text, 0), 0);
  EXPECT_EQ(characterIndex(text, 1), 1);
  EXPECT_EQ(characterIndex(text, 3), 2);
  EXPECT_EQ(characterIndex(text, 4), 3);
  EXPECT_EQ(utf16Index(text, 2), 3);
  EXPECT_EQ(utf16Index(text, 3), 4);
  EXPECT_EQ(utf16Index(text, 9), 4);
}

TEST(WithoutADisplay, TheProgramPointsToTheCommandLine) {
  const std::string command =
      std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + QUORVEL_EXE + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(output.find("quorvel --help"), std::string::npos) << output;
}

TEST(QtTexts, DialogButtonsSpeakChinese) {
  ASSERT_TRUE(useChineseQtTexts()) << "Qt's Chinese translations are not installed";
  QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel |
                           QDialogButtonBox::Open);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove(QLatin1Char('&')).left(2),
            QStringLiteral("保存"));
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')).left(2),
            QStringLiteral("取消"));
  EXPECT_EQ(buttons.button(QDialogButtonBox::Open)->text().remove(QLatin1Char('&')).left(2),
            QStringLiteral("打开"));
}

// The message boxes: the stop and question icons drawn from pictures at the box's
// density (never a small bitmap enlarged), and a box never narrower than its title.
TEST(MessageBoxes, IconsDrawnAtTheScreensDensityAndTitlesWhole) {
  for (const bool question : {false, true}) {
    QPixmap icon;
    int boxWidth = 0, titleWidth = 0;
    double ratio = 0;
    whenTheDialogShows<QMessageBox>([&](QMessageBox& box) {
      icon = box.iconPixmap();
      ratio = box.devicePixelRatioF();
      boxWidth = box.width();
      titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
      box.done(0);
    });
    if (question) {
      QtQuestions().ask("函数列表已更改，是否保存？", "提示", {"保存", "不保存"});
    } else {
      QtMessageBox().show("ａ≠０", "参数错误");
    }
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.devicePixelRatio(), ratio);
    const int side = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    EXPECT_EQ(icon.width(), static_cast<int>(std::ceil(side * ratio)));
    // The picture's own colours inside its circle, beside the sign: red for the stop,
    // blue for the question.
    const QColor middle = icon.toImage().pixelColor(icon.width() / 5, icon.height() / 2);
    if (question) {
      EXPECT_GT(middle.blue(), middle.red());
    } else {
      EXPECT_GT(middle.red(), middle.blue());
    }
    EXPECT_GT(boxWidth, titleWidth * 3 / 2 + 100) << question;
  }
}

TEST(ColourDialog, OpensOnTheCurrentColourAndACancelKeepsIt) {
  QtColorDialog colours;
  QColor shown;
  whenTheDialogShows<QColorDialog>([&](QColorDialog& dialog) {
    shown = dialog.currentColor();
    dialog.reject();
  });
  EXPECT_EQ(colours.choose(rgbOf(0, 128, 255)), rgbOf(0, 128, 255));
  EXPECT_EQ(shown, QColor(0, 128, 255));
  whenTheDialogShows<QColorDialog>([&](QColorDialog& dialog) {
    dialog.setCurrentColor(QColor(10, 20, 30));
    dialog.accept();
  });
  EXPECT_EQ(colours.choose(rgbOf(0, 128, 255)), rgbOf(10, 20, 30));
}

// The preferences live in the user's configuration folder (the tests' own, in
// Qt's test mode), never beside Quorvel.ini, and outlast the object that wrote them.
TEST(QtPreferencesStore, KeepsItsValuesInTheUsersConfigurationFolder) {
  // One of the program's own keys: the file keeps no others.
  constexpr Preference<int> kProbe{kLabelPoints.key, 0};
  QString file;
  {
    QtPreferences preferences;
    preferences.set(kProbe, 42);
    file = preferences.fileName();
  }
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  EXPECT_TRUE(file.startsWith(config)) << file.toStdString();
  EXPECT_TRUE(file.endsWith(QStringLiteral("Quorvel/preferences.ini"))) << file.toStdString();
  QtPreferences again;
  EXPECT_EQ(again.get(kProbe), 42);
  again.set(kProbe, 0);
}

}  // namespace
}  // namespace quorvel::test
