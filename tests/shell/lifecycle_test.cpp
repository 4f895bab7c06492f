// The program's start-up, layout, activation and shut-down, and the about box, run
// headless with scripted services in a temporary folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <ctime>

#include <filesystem>
#include <string>
#include <vector>

#include "shell_fixture.h"

namespace quorvel {
namespace {

using test::makeTempFolder;
using test::readBytes;
using test::writeBytes;

std::vector<unsigned char> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

class Lifecycle : public ::testing::Test {
 protected:
  Lifecycle()
      : folder(makeTempFolder()),
        kit(folder),
        surface(500, 500, 1),
        program(surface, kit.take()),
        main(program.main),
        panel(program.panel),
        about(program.about),
        g(program.g) {}
  ~Lifecycle() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // The toolkit's start: the screen's size, then the about box's load.
  void start(int screenWidthPixels = 1024, int screenHeightPixels = 768) {
    main.Screen = {screenWidthPixels * kTwipsPerPixel, screenHeightPixels * kTwipsPerPixel};
    about.Form_Load(program);
  }
  // The toolkit's part of a resize: the real window's sizes, then the layout.
  void resize(int width, int height, int inner, WindowState state = WindowState::Normal) {
    main.Width = width;
    main.Height = height;
    main.ScaleHeight = inner;
    main.State = state;
    main.Form_Resize();
  }
  void drawInverse(const std::string& k = "6") {
    panel.cboFuncName.setListIndex(2);
    panel.txtParameter[1].setText(k);
    panel.cmdDraw.click();
  }
  std::filesystem::path settingsPath() const { return folder / "Quorvel.ini"; }

  std::filesystem::path folder;
  ScriptedServices kit;
  RecordingSurface surface;
  Program program;
  frmQuorvel& main;
  frmControl& panel;
  frmAbout& about;
  mdlDeclare& g;
};

TEST_F(Lifecycle, StartUpShowsThePanelThenTheMainWindowThenTheSplash) {
  std::vector<std::string> events;
  auto watchWindow = [&events](Window& w, const char* name) {
    w.subscribe([&events, &w, name, shown = false]() mutable {
      if (w.Visible() != shown) events.push_back(std::string(name) + (w.Visible() ? "+" : "-"));
      shown = w.Visible();
    });
  };
  watchWindow(panel, "panel");
  watchWindow(main, "main");
  watchWindow(about, "about");
  main.tmrSplash.subscribe(
      [&] { events.push_back(main.tmrSplash.Enabled() ? "timer+" : "timer-"); });

  start();

  EXPECT_EQ(events, (std::vector<std::string>{"panel+", "main+", "timer+", "about+"}));
  EXPECT_EQ(main.Caption(), "Quorvel 1.1.0.83");
  EXPECT_EQ(main.tmrSplash.Interval, 1000);
}

TEST_F(Lifecycle, StartUpState) {
  writeBytes(program.listPath(), std::vector<unsigned char>(128 * 2, 'x'));
  g.graphOnScreen = g.zoomPending = true;
  start();

  EXPECT_FALSE(std::filesystem::exists(program.listPath())) << "a stale list is never reused";
  EXPECT_EQ(panel.cboFuncName.ListIndex(), 13);
  EXPECT_TRUE(panel.cboStyle[13].Visible());
  EXPECT_EQ(panel.sldLevel.Value(), 2000);
  EXPECT_EQ(panel.sldPenWidth.Value(), 2);
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_EQ(g.zoomScale, 500);
  EXPECT_TRUE(main.tbMain.button(2).Value());
  EXPECT_FALSE(g.graphOnScreen);
  EXPECT_FALSE(g.zoomPending);
  EXPECT_EQ(main.Top, 0);
  // The toolbar's pictures, button i + 1 showing picture i.
  const int pictures = Toolbar::kButtonCount - 1;
  ASSERT_EQ(main.imgTransfer.Count(), pictures);
  for (int i = 1; i <= pictures; ++i) {
    EXPECT_EQ(main.imgTransfer.Picture(i), i);
    EXPECT_EQ(main.tbMain.button(i + 1).Image, i);
  }
  EXPECT_EQ(main.imgTransfer.Picture(pictures + 1), 0);
  EXPECT_TRUE(main.tmrSplash.Enabled());
}

TEST_F(Lifecycle, LoadRunsOnce) {
  start();
  panel.sldLevel.setValue(300);
  main.Form_Load();
  about.Form_Load(program);
  EXPECT_EQ(panel.sldLevel.Value(), 300);
  EXPECT_EQ(main.imgTransfer.Count(), Toolbar::kButtonCount - 1);
}

TEST_F(Lifecycle, SplashTimerHidesTheBoxOnce) {
  start();
  ASSERT_TRUE(about.Visible());
  main.tmrSplash.fire();
  EXPECT_FALSE(about.Visible());
  EXPECT_FALSE(main.tmrSplash.Enabled());

  // "关于" later shows the box with no timer: it stays until clicked.
  main.clickToolbarButton(toolbarPosition(ToolbarCommand::About));
  EXPECT_TRUE(about.Visible());
  EXPECT_FALSE(main.tmrSplash.Enabled());
  main.tmrSplash.fire();
  EXPECT_TRUE(about.Visible());
  about.Form_Click();
  EXPECT_FALSE(about.Visible());
}

TEST_F(Lifecycle, AboutDuringTheFirstSecondIsStillHiddenByTheTimer) {
  start();
  about.imgSplash.Click();  // the user clicks the splash away
  EXPECT_FALSE(about.Visible());
  main.clickToolbarButton(toolbarPosition(ToolbarCommand::About));
  EXPECT_TRUE(about.Visible());
  main.tmrSplash.fire();
  EXPECT_FALSE(about.Visible());
}

struct ScreenCase {
  int widthPixels, heightPixels;
  int expectedWidth, expectedHeight;
};

class ScreenSizing : public Lifecycle, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenSizing, WindowFollowsTheScreenExceptAt800x600) {
  start(GetParam().widthPixels, GetParam().heightPixels);
  EXPECT_EQ(main.Width, GetParam().expectedWidth);
  EXPECT_EQ(main.Height, GetParam().expectedHeight);
  EXPECT_EQ(main.Top, 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenSizing,
                         ::testing::Values(ScreenCase{1024, 768, 10125, 11130},
                                           ScreenCase{1280, 1024, 13965, 14970},
                                           ScreenCase{800, 600, 7605, 8610},  // designed
                                           ScreenCase{800, 601, 7620, 8625}));

TEST_F(Lifecycle, SettingsFileIsAppliedAtLoad) {
  writeBytes(settingsPath(), bytesOf("100,5,8000,2\r\n"));
  start();
  EXPECT_EQ(panel.sldLevel.Value(), 100);
  EXPECT_EQ(panel.sldPenWidth.Value(), 5);
  EXPECT_EQ(panel.sldZoom.Value(), 8000);
  EXPECT_EQ(g.zoomScale, 8000);
  // Selecting the family ran its handling.
  EXPECT_EQ(panel.cboFuncName.ListIndex(), 2);
  EXPECT_TRUE(panel.cboStyle[2].Visible());
  EXPECT_FALSE(panel.cboStyle[13].Visible());
  EXPECT_EQ(panel.lblParameter[1].Caption(), "ｋ ＝");
}

TEST_F(Lifecycle, MalformedSettingsKeepTheInitialValues) {
  writeBytes(settingsPath(), bytesOf("abc,99,-5\r\n\x01\xff"));
  start();
  EXPECT_EQ(panel.sldLevel.Value(), 2000);
  EXPECT_EQ(panel.sldPenWidth.Value(), 2);
  EXPECT_EQ(panel.sldZoom.Value(), 500);
  EXPECT_EQ(panel.cboFuncName.ListIndex(), 13);
  EXPECT_EQ(g.zoomScale, 500);
}

TEST_F(Lifecycle, UnloadDeletesTheListAndWritesTheSettings) {
  start();
  resize(10125, 11130, 10620);
  drawInverse();
  ASSERT_TRUE(std::filesystem::exists(program.listPath()));
  panel.sldLevel.setValue(3000);
  main.Form_Unload();
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
  EXPECT_EQ(readBytes(settingsPath()), bytesOf("3000,2,500,2\r\n"));
}

TEST_F(Lifecycle, UntouchedProgramWritesTheDesignedLine) {
  start();
  main.Form_Unload();
  EXPECT_EQ(readBytes(settingsPath()), bytesOf("2000,2,500,13\r\n"));
}

TEST_F(Lifecycle, SettingsSurviveToTheNextRun) {
  start();
  panel.sldPenWidth.setValue(4);
  panel.sldZoom.setValue(1000);
  panel.cboFuncName.setListIndex(5);
  main.Form_Unload();

  ScriptedServices nextKit(folder);
  RecordingSurface nextSurface;
  Program next(nextSurface, nextKit.take());
  next.main.Screen = main.Screen;
  next.about.Form_Load(next);
  EXPECT_EQ(next.panel.sldPenWidth.Value(), 4);
  EXPECT_EQ(next.panel.sldZoom.Value(), 1000);
  EXPECT_EQ(next.g.zoomScale, 1000);
  EXPECT_EQ(next.panel.cboFuncName.ListIndex(), 5);
}

TEST_F(Lifecycle, LayoutOfA1024x768Screen) {
  start();
  resize(main.Width, main.Height, 10620);
  EXPECT_EQ(main.tbMain.button(1).Width(), 1175);  // 10125 / 3 − 2200
  EXPECT_EQ(surface.Width(), 10020.0f);            // 10125 − 105
  EXPECT_EQ(surface.Height(), 10020.0f);           // 10620 − 600
  EXPECT_EQ(main.ProgressBarWorking.Left(), 8640);
  EXPECT_EQ(main.picCoordinate.Left(), 8720);
  EXPECT_EQ(g.viewRight, 5010);
  EXPECT_EQ(g.viewLeft, -5010);
  EXPECT_EQ(g.viewTop, 5010);
  EXPECT_EQ(g.viewBottom, -5010);
  EXPECT_EQ(surface.ScaleLeft(), -5010.0f);
  EXPECT_EQ(surface.ScaleTop(), 5010.0f);
  EXPECT_EQ(surface.ScaleWidth(), 10020.0f);
  EXPECT_EQ(surface.ScaleHeight(), -10020.0f);
  EXPECT_TRUE(panel.Visible());
}

TEST_F(Lifecycle, LayoutRoundsHalvesToEven) {
  start();
  // 669 pixels: 10035 / 2 = 5017.5 → 5018; 667 pixels: 10005 / 2 = 5002.5 → 5002.
  resize(10140, 11130, 10605);
  EXPECT_EQ(g.viewRight, 5018);
  EXPECT_EQ(g.viewTop, 5002);
  // 10126 / 3 − 2200 = 1175.33 → 1175; 10127 / 3 − 2200 = 1175.67 → 1176.
  resize(10126, 11130, 10620);
  EXPECT_EQ(main.tbMain.button(1).Width(), 1175);
  resize(10127, 11130, 10620);
  EXPECT_EQ(main.tbMain.button(1).Width(), 1176);
}

TEST_F(Lifecycle, NarrowWindowSkipsTheNegativePlaceholderAndLaysOutTheRest) {
  start();
  resize(10125, 11130, 10620);
  resize(3000, 8000, 7500);  // 3000 / 3 − 2200 < 0
  EXPECT_EQ(main.tbMain.button(1).Width(), 1175) << "the failed step leaves the old width";
  EXPECT_EQ(surface.Width(), 2895.0f);
  EXPECT_EQ(surface.Height(), 6900.0f);
  EXPECT_EQ(main.ProgressBarWorking.Left(), 1515);
  EXPECT_EQ(main.picCoordinate.Left(), 1595);
  EXPECT_EQ(g.viewRight, 1448);  // 2895 / 2 = 1447.5
  EXPECT_EQ(g.viewTop, 3450);
}

TEST_F(Lifecycle, TooShortWindowKeepsTheSurfaceHeightButTakesItsWidth) {
  start();
  resize(10125, 11130, 10620);
  resize(6000, 700, 300);  // 300 − 600 < 0
  EXPECT_EQ(surface.Height(), 10020.0f);
  EXPECT_EQ(surface.Width(), 5895.0f);
  EXPECT_EQ(g.viewTop, 5010);
}

TEST_F(Lifecycle, MinimizeAndRestoreRedrawWhenAGraphIsOnScreen) {
  start();
  resize(10125, 11130, 10620);
  drawInverse();
  ASSERT_TRUE(g.graphOnScreen);
  std::vector<int> pointers;
  main.subscribe([&] { pointers.push_back(main.MousePointer()); });

  surface.clearCalls();
  resize(1000, 500, 0, WindowState::Minimized);
  EXPECT_FALSE(main.tbMain.button(2).Value());
  EXPECT_TRUE(panel.Visible()) << "the panel itself is left alone";
  EXPECT_EQ(surface.Width(), 10020.0f) << "a minimized window lays nothing out";
  EXPECT_GE(surface.count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(surface.count(SurfaceCallKind::Scale), 1u) << "the one curve is replayed";
  EXPECT_EQ(pointers, (std::vector<int>{kArrowHourglass, kDefaultPointer}));

  panel.Form_QueryUnload();  // hidden meanwhile
  surface.clearCalls();
  resize(10125, 11130, 10620);
  EXPECT_TRUE(main.tbMain.button(2).Value());
  EXPECT_TRUE(panel.Visible());
  EXPECT_EQ(surface.count(SurfaceCallKind::Scale), 2u) << "layout, then the replay";
}

TEST_F(Lifecycle, ResizeWithoutAGraphDrawsTheAxesAlone) {
  start();
  surface.clearCalls();
  resize(10125, 11130, 10620);
  EXPECT_EQ(surface.count(SurfaceCallKind::Cls), 1u);
  EXPECT_EQ(surface.count(SurfaceCallKind::PSet), 0u);
  EXPECT_FALSE(g.graphOnScreen);
  EXPECT_EQ(main.MousePointer(), kDefaultPointer);
}

TEST_F(Lifecycle, MaximizingTicksAutomaticRedraw) {
  start();
  resize(10125, 11130, 10620);
  drawInverse();
  panel.chkAutoRedraw.setValue(0);
  surface.clearCalls();
  resize(19200, 15360, 14850, WindowState::Maximized);
  EXPECT_EQ(panel.chkAutoRedraw.Value(), 1);
  // The tick's replay, the layout's own scale, and the layout's replay.
  EXPECT_EQ(surface.count(SurfaceCallKind::Scale), 3u);
}

TEST_F(Lifecycle, ActivateRerunsTheControlCommandOnlyWhenMaximized) {
  start();
  resize(10125, 11130, 10620);
  panel.Form_QueryUnload();  // the user closed the panel: 控制 is up
  main.Form_Activate();
  EXPECT_FALSE(panel.Visible());

  resize(19200, 15360, 14850, WindowState::Maximized);  // shows the panel again
  ASSERT_TRUE(panel.Visible());
  main.clickToolbarButton(2);  // hides it, button up
  main.Form_Activate();
  EXPECT_FALSE(panel.Visible()) << "the button is up: the panel stays hidden";
  main.tbMain.button(2).setValue(true);
  main.Form_Activate();
  EXPECT_TRUE(panel.Visible());
}

struct AboutClick {
  const char* control;
  bool hides;
};

class AboutClicks : public Lifecycle, public ::testing::WithParamInterface<AboutClick> {};

TEST_P(AboutClicks, HideOnlyFromThePictureTitleSchoolNameAndBackground) {
  start();
  const std::string name = GetParam().control;
  Label* labels[] = {&about.imgSplash, &about.Label3,  &about.lblProgram,
                     &about.lblSchool, &about.lblName, &about.lblWeb1,
                     &about.lblMail1,  &about.Label1,  &about.Label2};
  if (name == "Form") {
    about.Form_Click();
  } else {
    for (Label* l : labels) {
      if (l->Name() == name && l->Click) l->Click();
    }
  }
  EXPECT_EQ(!about.Visible(), GetParam().hides);
  EXPECT_TRUE(kit.links->opened.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AboutClicks,
    ::testing::Values(AboutClick{"Form", true}, AboutClick{"imgSplash", true},
                      AboutClick{"lblProgram", true}, AboutClick{"lblSchool", true},
                      AboutClick{"lblName", true}, AboutClick{"Label3", false},
                      AboutClick{"lblWeb1", false}, AboutClick{"lblMail1", false},
                      AboutClick{"Label1", false}, AboutClick{"Label2", false}),
    [](const auto& p) { return std::string(p.param.control); });

TEST_F(Lifecycle, AboutLinksOpenMailAndWebAndKeepTheBoxOpen) {
  start();
  about.lblMail2.Click();
  about.lblWeb2.Click();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(kit.links->opened, (std::vector<std::string>{"mailto:team@quorvel.example.org",
                                                         "https://quorvel.example.org"}));
  EXPECT_EQ(about.lblWeb2.Caption(), "https://quorvel.example.org");
  EXPECT_EQ(about.lblMail2.Caption(), "team@quorvel.example.org");
}

TEST_F(Lifecycle, LinkUnderlineClearsOnlyOverTheBackground) {
  start();
  about.lblMail2_MouseMove();
  EXPECT_TRUE(about.lblMail2.Underline());
  EXPECT_FALSE(about.lblWeb2.Underline());
  about.lblWeb2_MouseMove();
  EXPECT_TRUE(about.lblWeb2.Underline());
  EXPECT_TRUE(about.lblMail2.Underline()) << "moving to the other link keeps the first";
  about.Form_MouseMove();
  EXPECT_FALSE(about.lblMail2.Underline());
  EXPECT_FALSE(about.lblWeb2.Underline());
}

namespace fs = std::filesystem;

// A killed save leaves ".NAME.XXXXXX" beside its target: the next start removes the
// program's own when they are old enough, and nothing else.
TEST(StartUp, RemovesTheStaleTemporariesOfItsOwnFiles) {
  const fs::path folder = makeTempFolder();
  const std::time_t old = std::time(nullptr) - 2 * 3600;
  const timespec twoHoursAgo[2] = {{old, 0}, {old, 0}};
  const std::pair<const char*, bool> left[] = {
      {".Quorvel.ini.x7Yz12", true},   // the settings' save
      {".Funclist.dat.a1B2c3", true},  // the working list put back by undo
      {".Quorvel.ini.x7Yz1", false},   // not the pattern
      {".notes.txt.x7Yz12", false},    // not the program's file
  };
  for (const auto& [name, removed] : left) {
    writeBytes(folder / name, {'h', 'a', 'l', 'f'});
    ASSERT_EQ(::utimensat(AT_FDCWD, (folder / name).c_str(), twoHoursAgo, 0), 0);
  }
  writeBytes(folder / ".Quorvel.ini.young1", {'n', 'e', 'w'});  // a save at work
  ScriptedServices kit(folder);
  RecordingSurface surface;
  Program program(surface, kit.take());
  program.main.Form_Load();
  for (const auto& [name, removed] : left) EXPECT_EQ(fs::exists(folder / name), !removed) << name;
  EXPECT_TRUE(fs::exists(folder / ".Quorvel.ini.young1"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quorvel
