#pragma once
// The control panel (the face of frmControl): a fixed tool window with the tab bar
// and three pages holding every control at its designed place. Enter presses the
// focused command button, else, from an input of the 绘制 page, the default one
// (绘制); Tab follows the shown page in reading order; the focused control's name is
// kept in the form; the close box only hides the panel.
#include <QFrame>
#include <QMenu>
#include <QTabBar>
#include <QWidget>
#include <functional>

#include "toolkit/controls.h"

namespace quorvel {

class Program;
class frmControl;
class PageFocus;

class ControlPanelWindow : public QWidget {
 public:
  ControlPanelWindow(Program& program, QWidget* owner);
  ~ControlPanelWindow() override;
  ControlPanelWindow(const ControlPanelWindow&) = delete;
  ControlPanelWindow& operator=(const ControlPanelWindow&) = delete;

  // The widget that shows the control named NAME ("cmdDraw", "cboStyle(3)", ...).
  QWidget* controlWidget(const QString& name) const;
  QWidget* page(int index) const { return pages_[index]; }
  // The context menu of list line `line` at a point of the screen: 编辑, 颜色…, 上移,
  // 下移, 删除, 撤销, 重做. Returns the menu shown (it goes when closed).
  QMenu* showLineMenu(int line, const QPoint& globalPosition);
  // Opens the live parameters on a list line (set by the program).
  std::function<void(int line)> onLiveParameters;
  // Pixels the panel is wider than designed, so that every form shows whole.
  int extraWidth() const { return extraWidth_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildDrawPage(QWidget* page);
  // A piecewise function's rows and the points' box, out of sight until chosen.
  void buildMarkedKindRows(QWidget* page);
  // The inequalities' and the objective's boxes of 不等式区域.
  void buildRegionBoxes(QWidget* page);
  void buildViewPage(QWidget* page);
  void buildSettingsPage(QWidget* page);
  void addIcon(Control& model, const char* picture, QWidget* page);
  void addLabel(Label& model, QWidget* page);
  void addPicture(PictureButton& model, const char* picture, QWidget* page);
  void addCommand(CommandButton& model, PictureButton& icon, const char* picture, QWidget* page);
  void addCheck(CheckBox& model, QWidget* page);
  void addCombo(ComboBox& model, bool editable, QWidget* page);
  void addLineEdit(TextBox& model, QWidget* page);
  void addSlider(Slider& model, QWidget* page);
  // The "+" and "-" inside the zoom buttons of the pan pad.
  void buildZoomSign(Label& sign, const QString& button);
  // Widens the panel, its pages and its wide controls by what the widest form (or
  // family) needs beyond its combo's designed width in the window's font.
  void widenForWholeTexts();
  // Pixels the closed combo lacks to show its longest item whole (0 for another widget).
  static int widthShort(const QWidget* widget);
  void pressDefaultButton();
  // Enter in the focused control presses 绘制.
  bool entersDraw() const;
  void trackFocus(QWidget* now);

  frmControl& form_;
  QTabBar* tabs_ = nullptr;
  QFrame* frame_ = nullptr;
  QWidget* pages_[4] = {nullptr, nullptr, nullptr, nullptr};
  QMetaObject::Connection focusTracking_;
  PageFocus* focus_ = nullptr;
  int extraWidth_ = 0;
};

}  // namespace quorvel
