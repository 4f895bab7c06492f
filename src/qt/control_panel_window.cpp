#include "qt/control_panel_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <vector>

#include "catalogue/families.h"
#include "qt/artwork.h"
#include "qt/bind_check_box.h"
#include "qt/bind_check_list.h"
#include "qt/bind_combo_box.h"
#include "qt/bind_command_button.h"
#include "qt/bind_label.h"
#include "qt/bind_picture_button.h"
#include "qt/bind_slider.h"
#include "qt/bind_tab_strip.h"
#include "qt/bind_text_box.h"
#include "qt/bind_window.h"
#include "qt/page_focus.h"
#include "qt/twips.h"
#include "shell/program.h"

namespace quorvel {

namespace {

bool isEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

ControlPanelWindow::ControlPanelWindow(Program& program, QWidget* owner)
    : QWidget(owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(program.panel) {
  setObjectName(QStringLiteral("frmControl"));
  setFixedSize(toPixelsFromTwips(form_.Width), toPixelsFromTwips(form_.Height));

  // The tab strip draws its tabs; the frame below them is the strip's body.
  frame_ = new QFrame(this);
  frame_->setFrameShape(QFrame::StyledPanel);
  tabs_ = new QTabBar(this);
  new TabStripBinder(form_.tbsControl, tabs_);
  const int tabHeight = tabs_->sizeHint().height();
  tabs_->setGeometry(0, 0, width(), tabHeight);
  frame_->setGeometry(0, tabHeight - 1, width(), height() - tabHeight + 1);

  for (int index = 1; index <= 3; ++index) {
    pages_[index] = new QWidget(this);
    pages_[index]->setAutoFillBackground(true);  // a page covers the pages below it
    new ControlBinder(form_.picControl[index], pages_[index]);
  }
  buildDrawPage(pages_[1]);
  buildViewPage(pages_[2]);
  buildSettingsPage(pages_[3]);
  pages_[1]->raise();
  widenForWholeTexts();

  focus_ = new PageFocus(
      {nullptr, pages_[1], pages_[2], pages_[3]},
      [this] { return form_.tbsControl.SelectedIndex(); }, this);
  // The page shown, and the expression box moving onto or off its page, change
  // which controls Tab reaches.
  new ModelWatcher(form_.tbsControl, this, [this] { focus_->update(); });
  new ModelWatcher(form_.txtExpression, this, [this] { focus_->update(); });

  focusTracking_ = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* now) { trackFocus(now); });
  if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().topLeft());
  new WindowBinder(form_, this);
}

ControlPanelWindow::~ControlPanelWindow() {
  // The window loses the focus while QWidget's destructor hides it, when this
  // object is no longer a panel window.
  disconnect(focusTracking_);
}

void ControlPanelWindow::addIcon(Control& model, const char* picture, QWidget* page) {
  auto* icon = new QLabel(page);
  icon->setPixmap(artPixmap(QString::fromLatin1(picture), QSize(16, 16), devicePixelRatioF()));
  new ControlBinder(model, icon);
}

void ControlPanelWindow::addLabel(Label& model, QWidget* page) {
  new LabelBinder(model, new LabelWidget(page));
}

void ControlPanelWindow::addPicture(PictureButton& model, const char* picture, QWidget* page) {
  auto* w = new PictureWidget(page);
  w->setIcon(artIcon(QString::fromLatin1(picture)));
  new PictureButtonBinder(model, w);
}

void ControlPanelWindow::addCommand(CommandButton& model, PictureButton& icon, const char* picture,
                                    QWidget* page) {
  auto* button = new QPushButton(page);
  // The caption's leading blanks leave room for the icon over the button's left end;
  // this font's blanks are narrow, so the text is moved a little further right.
  button->setStyleSheet(QStringLiteral("QPushButton { padding-left: 12px; }"));
  new CommandButtonBinder(model, button);
  addPicture(icon, picture, page);
}

void ControlPanelWindow::addCheck(CheckBox& model, QWidget* page) {
  new CheckBoxBinder(model, new QCheckBox(page));
}

void ControlPanelWindow::addCombo(ComboBox& model, bool editable, QWidget* page) {
  new ComboBoxBinder(
      model, new QComboBox(page),
      editable ? ComboBoxBinder::Kind::Editable : ComboBoxBinder::Kind::DropDownList);
}

void ControlPanelWindow::addLineEdit(TextBox& model, QWidget* page) {
  new LineEditBinder(model, new QLineEdit(page));
}

void ControlPanelWindow::addSlider(Slider& model, QWidget* page) {
  new SliderBinder(model, new QSlider(page));
}

void ControlPanelWindow::buildDrawPage(QWidget* page) {
  frmControl& f = form_;
  addIcon(f.imgFuncName, "ic_func_name", page);
  addLabel(f.lblFuncName, page);
  addCombo(f.cboFuncName, false, page);
  addIcon(f.imgStyle, "ic_style", page);
  addLabel(f.lblStyle, page);
  for (ComboBox& style : f.cboStyle) addCombo(style, false, page);
  addIcon(f.imgParameter, "ic_parameter", page);
  for (Label& caption : f.lblParameter) addLabel(caption, page);
  for (int i = 1; i <= 4; ++i) addLineEdit(f.txtParameter[i], page);
  addCheck(f.chkIntX, page);
  addIcon(f.imgRangeX, "ic_range_x", page);
  addLabel(f.lblRangeX, page);
  addIcon(f.imgRangeY, "ic_range_y", page);
  addLabel(f.lblRangeY, page);
  for (Label* l :
       {&f.lblOpenX, &f.lblCommaX, &f.lblCloseX, &f.lblOpenY, &f.lblCommaY, &f.lblCloseY}) {
    addLabel(*l, page);
  }
  for (ComboBox* c : {&f.cboRangeX1, &f.cboRangeX2, &f.cboRangeY1, &f.cboRangeY2}) {
    addCombo(*c, true, page);
  }
  addCommand(f.cmdDraw, f.picDraw, "ic_draw", page);
  addCommand(f.cmdClear, f.picClear, "ic_clear", page);
  new CommandButtonBinder(f.cmdReplace, new QPushButton(page));
  buildMarkedKindRows(page);
  buildRegionBoxes(page);
  // The expression box lies over the parameter boxes when it is moved onto the page.
  auto* expression = new QPlainTextEdit(page);
  expression->setTabChangesFocus(true);
  expression->installEventFilter(this);
  new PlainTextBinder(f.txtExpression, expression);
}

void ControlPanelWindow::buildMarkedKindRows(QWidget* page) {
  MarkedKindControls& m = form_.marked;
  for (Label* caption : {&m.lblPieceExpression, &m.lblPieceFrom, &m.lblPieceTo, &m.lblPoints}) {
    addLabel(*caption, page);
  }
  for (std::size_t i = 0; i < kMaxPieces; ++i) {
    addLineEdit(m.txtPiece[i], page);
    addCheck(m.chkPieceFrom[i], page);
    addLineEdit(m.txtPieceFrom[i], page);
    addLineEdit(m.txtPieceTo[i], page);
    addCheck(m.chkPieceTo[i], page);
  }
  addLineEdit(m.txtPoints, page);
  new CommandButtonBinder(m.cmdPastePoints, new QPushButton(page));
}

void ControlPanelWindow::buildRegionBoxes(QWidget* page) {
  RegionControls& r = form_.region;
  addLabel(r.lblInequalities, page);
  addLabel(r.lblObjective, page);
  // Several lines: one inequality a line, as a textbook lists a system.
  auto* inequalities = new QPlainTextEdit(page);
  inequalities->setTabChangesFocus(true);
  new PlainTextBinder(r.txtInequalities, inequalities);
  addLineEdit(r.txtObjective, page);
}

void ControlPanelWindow::buildViewPage(QWidget* page) {
  frmControl& f = form_;
  addPicture(f.picUp, "pad_up", page);
  addPicture(f.picLeft, "pad_left", page);
  addPicture(f.picRight, "pad_right", page);
  addPicture(f.picDown, "pad_down", page);
  addPicture(f.picCentre, "pad_centre", page);
  addPicture(f.picSize, "pad_size", page);
  addPicture(f.picZoomIn, "pad_plate", page);
  addPicture(f.picZoomOut, "pad_plate", page);
  buildZoomSign(f.lblAdd, QStringLiteral("picZoomIn"));
  buildZoomSign(f.lblMinus, QStringLiteral("picZoomOut"));
  auto* distance = new QLineEdit(page);
  distance->setAlignment(Qt::AlignCenter);
  new LineEditBinder(f.txtValue, distance);
  addIcon(f.imgExist, "ic_exist", page);
  addLabel(f.lblExist, page);
  auto* list = new QListWidget(page);
  new CheckListBinder(f.lstExist, list);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QListWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    const QListWidgetItem* item = list->itemAt(at);
    if (item != nullptr) showLineMenu(list->row(item), list->viewport()->mapToGlobal(at));
  });
  addCommand(f.cmdDelete, f.picDelete, "ic_delete", page);
  addCommand(f.cmdRedraw, f.picRedraw, "ic_redraw", page);
  for (Label* l : {&f.lblViewX, &f.lblViewXTo, &f.lblViewY, &f.lblViewYTo}) addLabel(*l, page);
  for (TextBox* t : {&f.txtViewX1, &f.txtViewX2, &f.txtViewY1, &f.txtViewY2}) {
    addLineEdit(*t, page);
  }
  new CommandButtonBinder(f.cmdViewBox, new QPushButton(page));
}

void ControlPanelWindow::buildZoomSign(Label& sign, const QString& button) {
  auto* plate = findChild<QWidget*>(button);
  auto* label = new LabelWidget(plate);
  // The sign is part of its button: clicks go through it to the button.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSizeF(16);
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0x1d, 0x3f, 0x7a));
  label->setPalette(palette);
  new LabelBinder(sign, label);
}

void ControlPanelWindow::buildSettingsPage(QWidget* page) {
  frmControl& f = form_;
  addIcon(f.imgZoom, "ic_zoom", page);
  addLabel(f.lblZoom, page);
  addSlider(f.sldZoom, page);
  addIcon(f.imgLevel, "ic_level", page);
  addLabel(f.lblLevel, page);
  addSlider(f.sldLevel, page);
  addIcon(f.imgPenWidth, "ic_pen_width", page);
  addLabel(f.lblPenWidth, page);
  addSlider(f.sldPenWidth, page);
  for (CheckBox* c :
       {&f.chkLink, &f.chkSkip, &f.chkfixx, &f.chky, &f.chkAutoRedraw, &f.chkAutoColor}) {
    addCheck(*c, page);
  }
  addCommand(f.cmdColor, f.picColor, "ic_color", page);
  addCommand(f.cmdDefault, f.picDefault, "ic_default", page);
  new CommandButtonBinder(f.cmdPictureOptions, new QPushButton(page));
}

void ControlPanelWindow::widenForWholeTexts() {
  // The designed width cuts the longer forms ("（ｘ－ａ）∧２＋（ｙ－ｂ）∧２＝ｒ∧２" …): the
  // closed combo must show the form whole, so the panel grows by what the widest
  // needs, its pages and wide controls with it (the list of curves then holds longer
  // lines too). The expression box keeps its width: it is parked beside the page
  // while another family is chosen, and wraps its text anyway.
  const auto widget = [this](const Control& c) { return controlWidget(qtText(c.Name())); };
  std::vector<const Control*> combos = {&form_.cboFuncName};
  for (int family = 0; family < kFamilyCount; ++family) {
    if (family != kCustomFamily)
      combos.push_back(&form_.cboStyle[static_cast<std::size_t>(family)]);
  }
  int extra = 0;
  for (const Control* c : combos) extra = std::max(extra, widthShort(widget(*c)));
  // The short combo of the expression's forms grows by what it lacks itself.
  QWidget* custom = widget(form_.cboStyle[kCustomFamily]);
  if (const int lacking = widthShort(custom); lacking > 0) setExtraWidth(custom, lacking);
  if (extra <= 0) return;
  extraWidth_ = extra;
  std::vector<const Control*> wide = combos;
  wide.push_back(&form_.lstExist);
  for (const Control* c : wide) setExtraWidth(widget(*c), extra);
  for (int index = 1; index <= 3; ++index) setExtraWidth(pages_[index], extra);
  setFixedSize(width() + extra, height());
  tabs_->resize(width(), tabs_->height());
  frame_->resize(width(), frame_->height());
}

int ControlPanelWindow::widthShort(const QWidget* widget) {
  const auto* combo = qobject_cast<const QComboBox*>(widget);
  if (combo == nullptr) return 0;
  // The style draws the closed combo's text a pixel inside its field on either side.
  constexpr int kTextMargin = 2;
  QStyleOptionComboBox option;
  option.initFrom(combo);
  const int field =
      combo->style()
          ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
          .width();
  int lacking = 0;
  for (int i = 0; i < combo->count(); ++i) {
    lacking = std::max(
        lacking, combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + kTextMargin - field);
  }
  return lacking;
}

QWidget* ControlPanelWindow::controlWidget(const QString& name) const {
  return findChild<QWidget*>(name);
}

void ControlPanelWindow::trackFocus(QWidget* now) {
  // Only a control of this window counts; elsewhere no control of the panel has it.
  form_.ActiveControlName = (now != nullptr && now->window() == this) ? controlNameOf(now) : "";
}

void ControlPanelWindow::pressDefaultButton() {
  frmControl& f = form_;
  for (CommandButton* b : {&f.cmdDraw, &f.cmdClear, &f.cmdDelete, &f.cmdRedraw, &f.cmdColor,
                           &f.cmdDefault, &f.cmdPictureOptions}) {
    if (b->Default() && b->Enabled()) {
      b->click();
      return;
    }
  }
}

void ControlPanelWindow::keyPressEvent(QKeyEvent* event) {
  if (!isEnter(event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  // A focused button takes Enter for itself. Otherwise Enter draws only from the
  // inputs of the 绘制 page while it is shown: in the pan distance, on a list line or
  // on the other pages it does nothing.
  if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
    button->click();
  } else if (focusWidget() != nullptr &&
             focusWidget()->objectName().startsWith(QStringLiteral("txtView"))) {
    // Enter in a box of the view typed in shows that view.
    form_.cmdViewBox.click();
  } else if (entersDraw()) {
    pressDefaultButton();
  }
}

bool ControlPanelWindow::entersDraw() const {
  return form_.tbsControl.SelectedIndex() == 1 && focus_->onShownPage(focusWidget());
}

bool ControlPanelWindow::eventFilter(QObject*, QEvent* event) {
  // Enter in the expression box draws, as in every other box of the page;
  // Shift+Enter still starts a new line.
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!isEnter(key) || (key->modifiers() & Qt::ShiftModifier)) return false;
  if (entersDraw()) pressDefaultButton();
  return true;
}

QMenu* ControlPanelWindow::showLineMenu(int line, const QPoint& globalPosition) {
  frmControl& f = form_;
  f.lstExist.setListIndex(line);
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(QStringLiteral("编辑"), this, [&f, line] { f.lstExist_DblClick(line); });
  menu->addAction(QStringLiteral("颜色…"), this, [&f, line] { f.recolourLine(line); });
  menu->addAction(QStringLiteral("动态参数…"), this, [this, line] {
    if (onLiveParameters) onLiveParameters(line);
  });
  menu->addAction(QStringLiteral("上移"), this, [&f, line] { f.moveLine(line, -1); })
      ->setEnabled(line > 0);
  menu->addAction(QStringLiteral("下移"), this, [&f, line] { f.moveLine(line, 1); })
      ->setEnabled(line + 1 < f.lstExist.ListCount());
  menu->addAction(QStringLiteral("删除"), this, [&f, line] {
    f.lstExist.setListIndex(line);
    f.cmdDelete.click();
  });
  menu->addSeparator();
  menu->addAction(QStringLiteral("撤销"), this, [&f] { f.undo(); })->setEnabled(f.canUndo());
  menu->addAction(QStringLiteral("重做"), this, [&f] { f.redo(); })->setEnabled(f.canRedo());
  menu->popup(globalPosition);
  return menu;
}

void ControlPanelWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  form_.Form_QueryUnload();
}

}  // namespace quorvel
