// The three windows over a whole program: what they show of the models, and user
// input through the widgets reaching the same handlers as code.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "catalogue/families.h"
#include "document/equation_entry.h"
#include "document/parametric_entry.h"
#include "document/point_list_entry.h"
#include "document/region_entry.h"
#include "qt/bind_label.h"
#include "qt/bind_picture_button.h"
#include "qt/page_focus.h"
#include "qt/twips.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

std::vector<std::string> listLines(const QListWidget* list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list->count(); ++i) {
    const QListWidgetItem* item = list->item(i);
    lines.push_back((item->checkState() == Qt::Checked ? "[x] " : "[ ] ") +
                    item->text().toStdString());
  }
  return lines;
}

using Windows = DesktopTest;

TEST_F(Windows, StartUpShowsAllThreeAndTheSplashGoesAfterASecond) {
  EXPECT_TRUE(desktop->mainWindow->isVisible());
  EXPECT_TRUE(desktop->panelWindow->isVisible());
  EXPECT_TRUE(desktop->aboutWindow->isVisible());
  EXPECT_EQ(desktop->mainWindow->windowTitle(), QStringLiteral("Quorvel 1.1.0.83"));
  EXPECT_EQ(desktop->panelWindow->windowTitle(), QStringLiteral("控制"));
  EXPECT_TRUE(desktop->mainWindow->toolbarAction(2)->isChecked());
  // The first layout has run: the surface is laid out below the toolbar.
  EXPECT_EQ(desktop->mainWindow->surfaceWidget()->y(), 42);
  EXPECT_EQ(desktop->mainWindow->surfaceWidget()->width(),
            static_cast<int>(desktop->surface.Width()) / kTwipsPerPixel);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !desktop->aboutWindow->isVisible(); }, 5000));
  EXPECT_FALSE(main.tmrSplash.Enabled());
}

TEST_F(Windows, ToolbarShowsTheModelsButtons) {
  QToolBar* bar = desktop->mainWindow->toolbar();
  EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  for (int position = 2; position <= Toolbar::kButtonCount; ++position) {
    const ToolbarButton& model = main.tbMain.button(position);
    QAction* action = desktop->mainWindow->toolbarAction(position);
    ASSERT_NE(action, nullptr) << position;
    EXPECT_EQ(action->text().toStdString(), model.Caption);
    EXPECT_EQ(action->isCheckable(), model.Style == ButtonStyle::Check);
    EXPECT_FALSE(action->icon().isNull()) << model.Caption;
    if (toolbarCommand(position) != ToolbarCommand::About) {
      // The tooltip begins with the model's; a shortcut is named after it.
      EXPECT_EQ(action->toolTip().toStdString().rfind(model.ToolTipText(), 0), 0u);
    }
  }
  EXPECT_EQ(desktop->mainWindow->toolbarAction(2)->toolTip(), QStringLiteral("打开／隐藏控制窗口"));
  // "关于" shows no tooltip (Qt would show its caption); "打开" shows its own.
  auto hover = [bar](QAction* action) {
    QWidget* button = bar->widgetForAction(action);
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(button, &tip);
  };
  QToolTip::hideText();
  hover(desktop->mainWindow->toolbarAction(toolbarPosition(ToolbarCommand::About)));
  EXPECT_FALSE(QToolTip::isVisible());
  hover(desktop->mainWindow->toolbarAction(3));
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("打开函数列表（Ctrl+O）"));
  QToolTip::hideText();
}

TEST_F(Windows, PlaceholderWidthFollowsTheLayout) {
  const QWidget* gap = desktop->mainWindow->toolbar()->findChild<QWidget*>(
      QString::fromStdString(main.tbMain.button(1).Name()));
  ASSERT_NE(gap, nullptr);
  // As wide as the layout says, but the commands never end under the read-out.
  EXPECT_LE(gap->width(), std::max(0, toPixelsFromTwips(main.tbMain.button(1).Width())));
  QToolBar* bar = desktop->mainWindow->toolbar();
  const QWidget* last =
      bar->widgetForAction(desktop->mainWindow->toolbarAction(Toolbar::kButtonCount));
  ASSERT_NE(last, nullptr);
  EXPECT_LE(last->geometry().right(), toPixelsFromTwips(main.picCoordinate.Left()));
  main.tbMain.button(1).setWidth(-300);  // a width the bar cannot take
  EXPECT_EQ(gap->width(), 0);
}

TEST_F(Windows, EveryPanelControlHasItsWidgetAtItsPlace) {
  for (int page = 1; page <= 3; ++page) {
    for (Control* c : panel.pageControls(page)) {
      QWidget* w = panelWidget<QWidget>(c->Name());
      ASSERT_NE(w, nullptr) << c->Name();
      EXPECT_EQ(w->parentWidget(), desktop->panelWindow->page(page)) << c->Name();
      EXPECT_EQ(w->pos(), QPoint(toPixelsFromTwips(c->Left()), toPixelsFromTwips(c->Top())))
          << c->Name();
      if (c->Width() > 0) {
        // A control widened for its text (below) only in its width.
        EXPECT_EQ(w->size(), QSize(toPixelsFromTwips(c->Width()) + extraWidthOf(w),
                                   toPixelsFromTwips(c->Height())))
            << c->Name();
        // The family and form combos and the list are as much wider as the panel is.
        const std::string& name = c->Name();
        if (name == "cboFuncName" || name == "lstExist" ||
            (name.rfind("cboStyle(", 0) == 0 && name != "cboStyle(13)")) {
          EXPECT_EQ(extraWidthOf(w), desktop->panelWindow->extraWidth()) << name;
        } else if (name != "cboStyle(13)") {
          EXPECT_EQ(extraWidthOf(w), 0) << name;
        }
      }
      EXPECT_EQ(w->toolTip().toStdString(), c->ToolTipText()) << c->Name();
      EXPECT_EQ(w->isEnabled(), c->Enabled()) << c->Name();
    }
  }
  EXPECT_EQ(desktop->panelWindow->size(), QSize(157 + desktop->panelWindow->extraWidth(), 424));
}

struct CaptionCase {
  const char* name;
  const char* caption;
  const char* toolTip;
};

class PanelCaptions : public DesktopTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(PanelCaptions, WidgetShowsTheModelsTexts) {
  const CaptionCase& c = GetParam();
  QWidget* w = panelWidget<QWidget>(c.name);
  ASSERT_NE(w, nullptr);
  QString text;
  if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
  EXPECT_EQ(text, QString::fromUtf8(c.caption));
  EXPECT_EQ(w->toolTip(), QString::fromUtf8(c.toolTip));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PanelCaptions,
    ::testing::Values(CaptionCase{"cmdDraw", "   绘制", "绘制函数图像"},
                      CaptionCase{"cmdDefault", "   默认值", "恢复默认值"},
                      CaptionCase{"chkAutoRedraw", "自动重绘", "保持图像不丢失"},
                      CaptionCase{"chkSkip", "Smart Skip", "跳过出界的点以节约时间"},
                      CaptionCase{"lblFuncName", "请选择函数名称：", ""},
                      CaptionCase{"lblLevel", "精度：", "取值越大　精细程度越高　速度越慢"},
                      CaptionCase{"picDraw", "", "绘制函数图像"}, CaptionCase{"picUp", "", "向上"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Windows, SlidersAndCombosShowTheirModels) {
  auto* zoom = panelWidget<QSlider>("sldZoom");
  ASSERT_NE(zoom, nullptr);
  EXPECT_EQ(zoom->orientation(), Qt::Horizontal);
  EXPECT_EQ(zoom->minimum(), 0);
  EXPECT_EQ(zoom->maximum(), 16000);
  EXPECT_EQ(zoom->value(), 500);
  EXPECT_EQ(zoom->pageStep(), 500);
  EXPECT_EQ(zoom->singleStep(), 250);
  EXPECT_EQ(zoom->tickInterval(), 2000);
  auto* family = panelWidget<QComboBox>("cboFuncName");
  // The catalogue, 参数方程, 极坐标方程, 方程, 分段函数, 点, 不等式区域.
  EXPECT_EQ(family->count(), kRegionFamily + 1);
  EXPECT_EQ(family->currentIndex(), 13);
  EXPECT_FALSE(family->isEditable());
  auto* rangeX1 = panelWidget<QComboBox>("cboRangeX1");
  EXPECT_TRUE(rangeX1->isEditable());
  EXPECT_EQ(rangeX1->currentText(), QStringLiteral(" -∞"));
  // Moving the thumb sets the model.
  zoom->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(panel.sldZoom.Value(), 1000);
}

// An equation typed into the page's real box and drawn: the picture shows the ellipse
// in its colour where it passes, none of it at its centre or across it.
TEST_F(Windows, AnEquationTypedIntoTheBoxIsDrawnWhereItsCurvePasses) {
  panel.chkAutoColor.setValue(0);
  program.g.penColor = 0x0000FF;  // red, green, blue from the low byte: red
  panel.cboFuncName.setListIndex(kEquationFamily);
  settle();
  auto* box = panelWidget<QLineEdit>("txtParameter(1)");
  ASSERT_TRUE(box->isVisible());
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("x²/4+y²=1"));
  QTest::keyClick(box, Qt::Key_Return);
  settle();
  EXPECT_TRUE(kit.messages->shown.empty());
  EXPECT_EQ(listLines(panelWidget<QListWidget>("lstExist")),
            (std::vector<std::string>{"[x] x²/4 + y² = 1"}));
  const QImage& picture = desktop->surface.image();
  const double zoom = program.g.zoomScale;
  const auto pixelOf = [&](double x, double y) {
    const PixelPoint p =
        desktop->surface.toPixels(static_cast<float>(x * zoom), static_cast<float>(y * zoom));
    return QPoint(static_cast<int>(p.column), static_cast<int>(p.row));
  };
  const auto redNear = [&](QPoint at) {
    for (int dx = -2; dx <= 2; ++dx) {
      for (int dy = -2; dy <= 2; ++dy) {
        const QPoint q = at + QPoint(dx, dy);
        if (!picture.rect().contains(q)) continue;
        const QRgb c = picture.pixel(q);
        if (qRed(c) > 160 && qGreen(c) < 100 && qBlue(c) < 100) return true;
      }
    }
    return false;
  };
  for (const double angle : {0.3, 1.9, 3.5, 5.0}) {
    EXPECT_TRUE(redNear(pixelOf(2 * std::cos(angle), std::sin(angle)))) << angle;
  }
  EXPECT_FALSE(redNear(pixelOf(0, 0.5)));
  EXPECT_FALSE(redNear(pixelOf(1, 0)));
}

TEST_F(Windows, OpenRefillsTheList) {
  drawInverse("6");
  drawInverse("-2");
  const std::filesystem::path saved = folder / "two.QVX";
  kit.files->answers.push_back(saved.string());
  clickToolbar(4);  // 保存
  ASSERT_TRUE(std::filesystem::exists(saved));
  panel.cmdClear.click();
  auto* list = panelWidget<QListWidget>("lstExist");
  ASSERT_EQ(list->count(), 0);

  kit.files->answers.push_back(saved.string());
  clickToolbar(3);  // 打开
  EXPECT_EQ(listLines(list), (std::vector<std::string>{"[x] y = 6/x", "[x] y = −2/x"}));
  ASSERT_GE(kit.files->shown.size(), 2u);
  EXPECT_EQ(kit.files->shown.back().request.title, "打开图像");
  EXPECT_EQ(kit.files->shown.back().request.filter,
            "函数列表(*.QVX;*.QVJ)|*.QVX;*.QVJ|函数图像文件(*.QVX)|*.QVX|"
            "Quorvel 列表（含新曲线）(*.QVJ)|*.QVJ");
  EXPECT_TRUE(program.g.graphOnScreen);
}

TEST_F(Windows, SaveBeforeDrawingIsRefusedAfterTheDialog) {
  const std::filesystem::path target = folder / "none.QVX";
  kit.files->answers.push_back(target.string());
  clickToolbar(4);
  ASSERT_EQ(kit.messages->shown.size(), 1u);
  EXPECT_EQ(kit.messages->shown[0].first, "错误");
  EXPECT_EQ(kit.messages->shown[0].second, "没有图像，不能保存列表。");
  EXPECT_FALSE(std::filesystem::exists(target));
}

std::uint32_t littleEndian(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

TEST_F(Windows, ExportWritesA24BitBitmapOfThePersistentImage) {
  drawInverse();
  const std::filesystem::path target = folder / "graph.BMP";
  kit.files->answers.push_back(target.string());
  clickToolbar(5);  // 导出
  EXPECT_EQ(kit.files->shown.back().request.filter, kExportFilter);
  EXPECT_EQ(kit.files->shown.back().request.defaultExtension, "BMP");
  ASSERT_TRUE(std::filesystem::exists(target));
  EXPECT_TRUE(kit.messages->shown.empty());

  std::ifstream in(target, std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(littleEndian(bytes, 28, 2), 24u);  // bits per pixel
  const QImage& shown = desktop->surface.image();
  EXPECT_EQ(static_cast<int>(littleEndian(bytes, 18, 4)), shown.width());
  const QImage read(QString::fromStdString(target.string()));
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32),
            shown.convertToFormat(QImage::Format_RGB32));
  // No temporary file is left beside it.
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    EXPECT_TRUE(name == "graph.BMP" || name.rfind("graph.BMP", 0) != 0) << name;
  }
}

TEST_F(Windows, ClosingThePanelHidesItAndReleasesControl) {
  ASSERT_TRUE(desktop->panelWindow->close() == false);  // the close is refused...
  settle();
  EXPECT_FALSE(desktop->panelWindow->isVisible());  // ...and the panel hidden
  EXPECT_FALSE(desktop->mainWindow->toolbarAction(2)->isChecked());
  EXPECT_FALSE(main.tbMain.button(2).Value());
  panel.txtParameter[1].setText("42");
  clickToolbar(2);  // 控制 brings it back as it was
  EXPECT_TRUE(desktop->panelWindow->isVisible());
  EXPECT_TRUE(desktop->mainWindow->toolbarAction(2)->isChecked());
  EXPECT_EQ(panelWidget<QLineEdit>("txtParameter(1)")->text(), QStringLiteral("42"));
}

TEST_F(Windows, MaximizingTicksAutomaticRedraw) {
  auto* box = panelWidget<QCheckBox>("chkAutoRedraw");
  box->click();  // the user unticks it
  ASSERT_EQ(panel.chkAutoRedraw.Value(), 0);
  desktop->mainWindow->showMaximized();
  settle();
  EXPECT_EQ(main.State, WindowState::Maximized);
  EXPECT_EQ(panel.chkAutoRedraw.Value(), 1);
  EXPECT_TRUE(box->isChecked());
}

TEST_F(Windows, EnterPressesTheDefaultButton) {
  panelWidget<QComboBox>("cboFuncName")->activated(2);  // the user picks 反比例函数
  ASSERT_EQ(panel.cboFuncName.ListIndex(), 2);
  auto* k = panelWidget<QLineEdit>("txtParameter(1)");
  k->setFocus();  // keys go to the focused box
  QTest::keyClicks(k, QStringLiteral("6"));
  EXPECT_EQ(panel.txtParameter[1].Text(), "6");
  QTest::keyClick(k, Qt::Key_Return);
  EXPECT_EQ(listLines(panelWidget<QListWidget>("lstExist")),
            (std::vector<std::string>{"[x] y = 6/x"}));
  // A focused button takes Enter for itself.
  desktop->panelWindow->activateWindow();
  auto* clear = panelWidget<QPushButton>("cmdClear");
  clear->setFocus();
  QTest::keyClick(clear, Qt::Key_Return);
  EXPECT_EQ(panel.lstExist.ListCount(), 0);
}

TEST_F(Windows, EnterInTheExpressionBoxDraws) {
  auto* expression = desktop->panelWindow->findChild<QWidget*>(QStringLiteral("txtExpression"));
  ASSERT_NE(expression, nullptr);
  expression->setFocus();
  QTest::keyClicks(expression, QStringLiteral("x^2"));
  QTest::keyClick(expression, Qt::Key_Return);
  EXPECT_EQ(panel.txtExpression.Text(), "x^2") << "Enter adds no line";
  EXPECT_EQ(panel.lstExist.ListCount(), 1);
}

TEST_F(Windows, IconRunsTheSameCommandAsItsButton) {
  drawInverse();
  ASSERT_TRUE(program.g.graphOnScreen);
  QTest::mouseClick(panelWidget<QWidget>("picClear"), Qt::LeftButton);
  EXPECT_FALSE(program.g.graphOnScreen);
  EXPECT_EQ(panel.lstExist.ListCount(), 0);

  // The colour icon is disabled with its button while 自动选色 is ticked.
  auto* colour = panelWidget<QWidget>("picColor");
  QTest::mouseClick(colour, Qt::LeftButton);
  EXPECT_EQ(kit.colors->timesShown, 0);
  panelWidget<QCheckBox>("chkAutoColor")->click();
  EXPECT_TRUE(colour->isEnabled());
  EXPECT_TRUE(panelWidget<QPushButton>("cmdColor")->isEnabled());
  kit.colors->answers.push_back(rgbOf(0, 128, 255));
  QTest::mouseClick(colour, Qt::LeftButton);
  EXPECT_EQ(kit.colors->timesShown, 1);
  EXPECT_EQ(program.g.penColor, rgbOf(0, 128, 255));
}

TEST_F(Windows, PadPicturesLookPressedWhileTheButtonIsDown) {
  auto* up = static_cast<PictureWidget*>(panelWidget<QWidget>("picUp"));
  QTest::mousePress(up, Qt::LeftButton);
  EXPECT_EQ(panel.picUp.BorderStyle(), 1);
  EXPECT_TRUE(up->sunken());
  QTest::mouseRelease(up, Qt::LeftButton);
  EXPECT_EQ(panel.picUp.BorderStyle(), 0);
  EXPECT_FALSE(up->sunken());
}

TEST_F(Windows, UsersTickReachesTheItemCheckHandlerOnce) {
  drawInverse("6");
  drawInverse("3");
  desktop->panelWindow->findChild<QTabBar*>(QStringLiteral("tbsControl"))->setCurrentIndex(1);
  ASSERT_EQ(panel.tbsControl.SelectedCaption(), "视图");
  int calls = 0;
  const auto handler = panel.lstExist.ItemCheck;
  panel.lstExist.ItemCheck = [&](int item) {
    ++calls;
    handler(item);
  };
  auto* list = panelWidget<QListWidget>("lstExist");
  list->item(0)->setCheckState(Qt::Unchecked);  // what a click on the box does
  settle();
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(panel.lstExist.Selected(0));
  EXPECT_EQ(panel.lstExist.ListIndex(), 0);
  EXPECT_EQ(listLines(list), (std::vector<std::string>{"[ ] y = 6/x", "[x] y = 3/x"}));
  EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(Windows, FocusNamesTheActiveControl) {
  QApplication::setActiveWindow(desktop->panelWindow);
  panelWidget<QWidget>("txtParameter(1)")->setFocus();
  settle();
  EXPECT_EQ(panel.ActiveControlName, "txtParameter(1)");
  // The defaults button resets the sliders only when it is clicked itself.
  panel.tbsControl.select(3);
  panel.sldLevel.setValue(3000);
  QTest::mouseClick(panelWidget<QWidget>("picDefault"), Qt::LeftButton);
  EXPECT_EQ(panel.ActiveControlName, "picDefault");
  EXPECT_EQ(panel.sldLevel.Value(), 3000);
  QTest::mouseClick(panelWidget<QWidget>("cmdDefault"), Qt::LeftButton);
  EXPECT_EQ(panel.ActiveControlName, "cmdDefault");
  EXPECT_EQ(panel.sldLevel.Value(), 500);
  // Focus in another window names no control of the panel.
  QApplication::setActiveWindow(desktop->mainWindow.get());
  desktop->mainWindow->setFocus();
  settle();
  EXPECT_EQ(panel.ActiveControlName, "");
}

TEST_F(Windows, ParameterBoxSelectsItsTextOnFocus) {
  QApplication::setActiveWindow(desktop->panelWindow);
  panelWidget<QComboBox>("cboFuncName")->activated(2);
  panel.txtParameter[1].setText("123");
  auto* box = panelWidget<QLineEdit>("txtParameter(1)");
  box->setFocus();
  settle();
  EXPECT_EQ(box->selectedText(), QStringLiteral("123"));
  EXPECT_EQ(panel.txtParameter[1].SelLength(), 3);
}

TEST_F(Windows, PointerOverTheSurfaceShowsTheReadout) {
  SurfaceWidget* surface = desktop->mainWindow->surfaceWidget();
  const Surface& s = desktop->surface;
  // The pixel whose corner is the origin: the border, then half the area.
  const QPoint origin(s.BorderPixels() + s.AreaWidthPixels() / 2,
                      s.BorderPixels() + s.AreaHeightPixels() / 2);
  const SurfaceMouse m = toUserUnits(s, origin.x() + 100, origin.y() - 50);
  QMouseEvent move(QEvent::MouseMove, QPointF(origin + QPoint(100, -50)),
                   surface->mapToGlobal(QPointF(origin + QPoint(100, -50))), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(surface, &move);
  EXPECT_EQ(main.lblCoordinate.Caption(), pointerReadout(m.x, m.y, program.g.zoomScale));
  EXPECT_NE(main.lblCoordinate.Caption(), "");
  EXPECT_GT(m.x, 0.0f);
  EXPECT_GT(m.y, 0.0f) << "y grows upward";
}

TEST_F(Windows, ProgressBarIsHiddenAfterDrawing) {
  drawInverse();
  EXPECT_FALSE(desktop->mainWindow->progressBar()->isVisible());
}

TEST_F(Windows, AboutBoxClicksAndLinks) {
  AboutWindow* about = desktop->aboutWindow;
  EXPECT_EQ(about->size(), QSize(321, 318));
  EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(about->labelWidget(QStringLiteral("Label3"))->text(), QStringLiteral("Quor"));
  EXPECT_EQ(about->labelWidget(QStringLiteral("lblProgram"))->text(), QStringLiteral("vel 1.1"));

  QTest::mouseClick(about->labelWidget(QStringLiteral("lblWeb1")), Qt::LeftButton);
  EXPECT_TRUE(about->isVisible()) << "the caption of the link does nothing";
  QTest::mouseClick(about->labelWidget(QStringLiteral("lblMail2")), Qt::LeftButton);
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(kit.links->opened, (std::vector<std::string>{"mailto:team@quorvel.example.org"}));
  QTest::mouseClick(about->labelWidget(QStringLiteral("imgSplash")), Qt::LeftButton);
  EXPECT_FALSE(about->isVisible());
}

TEST_F(Windows, LinkUnderlineFollowsThePointer) {
  AboutWindow* about = desktop->aboutWindow;
  LabelWidget* mail = about->labelWidget(QStringLiteral("lblMail2"));
  auto moveOver = [](QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
  };
  moveOver(mail, QPoint(2, 2));
  EXPECT_TRUE(mail->font().underline());
  moveOver(about->labelWidget(QStringLiteral("imgSplash")), QPoint(10, 10));
  EXPECT_TRUE(mail->font().underline()) << "the picture does not clear it";
  moveOver(about, QPoint(about->width() - 3, about->height() - 3));
  EXPECT_FALSE(mail->font().underline());
}

TEST_F(Windows, ClosingTheMainWindowUnloads) {
  bool ended = false;
  desktop->mainWindow->onUnloaded = [&ended] { ended = true; };
  drawInverse();
  ASSERT_TRUE(std::filesystem::exists(program.listPath()));
  desktop->mainWindow->close();
  EXPECT_TRUE(ended);
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
  EXPECT_TRUE(std::filesystem::exists(folder / "Quorvel.ini"));
}

// Every form of every family shows whole in its closed combo: the panel is as much
// wider as the widest needs, and the main window stays beside it.
TEST_F(Windows, EveryFormShowsWholeInItsClosedCombo) {
  for (int family = 0; family < kFamilyCount; ++family) {
    auto* combo = qobject_cast<QComboBox*>(
        desktop->panelWindow->controlWidget(QStringLiteral("cboStyle(%1)").arg(family)));
    ASSERT_NE(combo, nullptr);
    for (int i = 0; i < combo->count(); ++i) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      const QRect text = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, combo);
      // The style draws the text a pixel inside the field on either side.
      EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->itemText(i)), text.width() - 2)
          << combo->itemText(i).toStdString();
    }
    EXPECT_LE(combo->geometry().right(), desktop->panelWindow->page(1)->width());
  }
  const int extra = desktop->panelWindow->extraWidth();
  EXPECT_GT(extra, 0);
  EXPECT_EQ(desktop->panelWindow->width(), 157 + extra);
  // The main window's designed left edge (164 pixels) moves as far, as the screen allows.
  const QRect available = desktop->mainWindow->screen()->availableGeometry();
  const QRect placed = desktop->mainWindow->frameGeometry();
  EXPECT_EQ(placed.left() - available.left(),
            std::clamp(164 + extra, 0, available.width() - placed.width()));
}

TEST_F(Windows, ALongListLineIsReadWholeInItsTooltip) {
  panel.cboFuncName.setListIndex(kCustomFamily);
  panel.txtExpression.setText("sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+x/1");
  panel.cmdDraw.click();
  auto* list = panelWidget<QListWidget>("lstExist");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->toolTip().toStdString(), panel.lstExist.Shown(0));
}

TEST_F(Windows, EscClosesTheAboutBox) {
  AboutWindow* about = desktop->aboutWindow;
  ASSERT_TRUE(about->isVisible());  // the splash, shown at start
  QTest::keyClick(about, Qt::Key_A);
  EXPECT_TRUE(about->isVisible()) << "another key does nothing";
  QTest::keyClick(about, Qt::Key_Escape);
  EXPECT_FALSE(about->isVisible());
  program.about.Show();
  settle();
  ASSERT_TRUE(about->isVisible());
  QTest::keyClick(about, Qt::Key_Escape);
  EXPECT_FALSE(about->isVisible());
}

// Closing the main window (after 不保存) closes every tool window and ends the
// program, a live curve being changed too; the working list is gone for good.
TEST_F(Windows, ClosingTheMainWindowClosesEveryToolWindow) {
  int ended = 0;
  desktop->mainWindow->onUnloaded = [&ended] { ++ended; };
  drawInverse("6");
  program.analysis.showWindow();
  desktop->liveWindow->openOn(0);
  program.about.Show();
  settle();
  const std::vector<QWidget*> tools = {desktop->panelWindow, desktop->analysisWindow,
                                       desktop->liveWindow, desktop->aboutWindow};
  for (const QWidget* w : tools) ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
  kit.questions->answers = {1};  // 不保存
  desktop->mainWindow->close();
  settle();
  EXPECT_EQ(ended, 1);
  for (const QWidget* w : tools) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
  EXPECT_FALSE(desktop->liveWindow->controller().active());
  EXPECT_FALSE(std::filesystem::exists(program.listPath()));
}

QStringList* g_warnings = nullptr;

void keepWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtWarningMsg && g_warnings != nullptr) g_warnings->append(text);
}

// The Tab order runs within the page's own window: a widget of a window of its own
// inside a page (as a combo's drop-down list can be) is no stop of it, and setting
// the order warns of nothing (Qt warned "'first' and 'second' must be in the same
// window" at every switch to the 绘制 page).
TEST_F(Windows, TheTabOrderStaysWithinThePanelsWindow) {
  QWidget window;
  auto* page = new QWidget(&window);
  page->resize(400, 400);
  auto* first = new QLineEdit(page);
  auto* popup = new QWidget(page, Qt::Popup);
  auto* inPopup = new QLineEdit(popup);
  auto* last = new QLineEdit(page);
  first->setGeometry(10, 100, 80, 20);
  last->setGeometry(10, 200, 80, 20);
  popup->setGeometry(500, 500, 100, 50);
  inPopup->setGeometry(0, 0, 80, 20);  // at the page's top in its own coordinates
  PageFocus focus(
      {nullptr, page}, [] { return 1; }, &window);
  QStringList warnings;
  g_warnings = &warnings;
  const QtMessageHandler previous = qInstallMessageHandler(keepWarning);
  focus.update();
  for (const int shown : {2, 1, 3, 1}) {
    panel.tbsControl.select(shown);
    settle();
  }
  qInstallMessageHandler(previous);
  g_warnings = nullptr;
  EXPECT_TRUE(warnings.filter(QStringLiteral("setTabOrder")).isEmpty())
      << warnings.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(first->nextInFocusChain(), last);
  EXPECT_EQ(inPopup->window(), popup);
}

}  // namespace
}  // namespace quorvel::test
