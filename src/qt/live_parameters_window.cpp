#include "qt/live_parameters_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "qt/binder.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// A slider has a position per step; a range of more steps than this is coarser.
constexpr int kMaxPositions = 10000;
// Frames while playing: about thirty a second.
constexpr int kFrameMilliseconds = 33;

int positionsOf(const LiveParameter& p) {
  const double steps = std::nearbyint((p.max - p.min) / p.step);
  return static_cast<int>(std::clamp(steps, 1.0, double{kMaxPositions}));
}

double valueAt(const LiveParameter& p, int position) {
  return p.min + (p.max - p.min) * position / positionsOf(p);
}

int positionOf(const LiveParameter& p, double value) {
  const double share = (value - p.min) / (p.max - p.min);
  return static_cast<int>(std::nearbyint(std::clamp(share, 0.0, 1.0) * positionsOf(p)));
}

QDoubleSpinBox* numberBox(QWidget* parent, double value, double step) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(-1e6, 1e6);
  box->setDecimals(3);
  box->setSingleStep(step);
  box->setValue(value);
  box->setKeyboardTracking(false);
  return box;
}

}  // namespace

LiveParametersWindow::LiveParametersWindow(Program& program, QWidget* owner)
    : QWidget(owner, Qt::Tool), program_(program), controller_(program) {
  setObjectName(QStringLiteral("frmLive"));
  setWindowTitle(QStringLiteral("动态参数"));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("曲线："), this));
  curve_ = new QComboBox(this);
  curve_->setObjectName(QStringLiteral("cboLiveCurve"));
  top->addWidget(curve_, 1);
  layout->addLayout(top);
  connect(curve_, &QComboBox::activated, this, [this](int index) {
    controller_.start(index - 1);
    rebuildRows();
  });

  grid_ = new QGridLayout;
  layout->addLayout(grid_);

  auto* playRow = new QHBoxLayout;
  playRow->addWidget(new QLabel(QStringLiteral("播放："), this));
  played_ = new QComboBox(this);
  playRow->addWidget(played_);
  seconds_ = numberBox(this, 4, 0.5);
  seconds_->setRange(0.5, 60);
  seconds_->setSuffix(QStringLiteral(" 秒/往返"));
  playRow->addWidget(seconds_);
  play_ = new QPushButton(QStringLiteral("▶ 播放"), this);
  play_->setObjectName(QStringLiteral("cmdLivePlay"));
  playRow->addWidget(play_);
  layout->addLayout(playRow);
  connect(play_, &QPushButton::clicked, this, [this] { togglePlay(); });
  frames_.setInterval(kFrameMilliseconds);
  connect(&frames_, &QTimer::timeout, this, [this] { tick(); });

  note_ = new QLabel(this);
  note_->setStyleSheet(QStringLiteral("color: #b00020;"));
  layout->addWidget(note_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  keep_ = new QPushButton(QStringLiteral("保留"), this);
  cancel_ = new QPushButton(QStringLiteral("取消"), this);
  buttons->addWidget(keep_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(keep_, &QPushButton::clicked, this, [this] { keep(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { close(); });
}

void LiveParametersWindow::openOn(int line) {
  fillCurveChoice();
  {
    const QSignalBlocker block(curve_);
    curve_->setCurrentIndex(std::clamp(line + 1, 0, curve_->count() - 1));
  }
  controller_.start(curve_->currentIndex() - 1);
  rebuildRows();
  if (!isVisible()) placeBelowThePanel();
  show();
  raise();
}

void LiveParametersWindow::placeBelowThePanel() {
  // Under the control panel at the screen's left, where the picture is not covered;
  // kept inside the screen's available area.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QWidget* panel = parentWidget() != nullptr
                             ? parentWidget()->findChild<QWidget*>(QStringLiteral("frmControl"))
                             : nullptr;
  const int top = panel != nullptr && panel->isVisible() ? panel->frameGeometry().bottom() + 8
                                                         : available.top();
  const QSize size = sizeHint();
  move(available.left(),
       std::clamp(top, available.top(),
                  std::max(available.top(), available.bottom() - size.height() - 30)));
}

void LiveParametersWindow::fillCurveChoice() {
  const QSignalBlocker block(curve_);
  curve_->clear();
  curve_->addItem(QStringLiteral("绘制页的曲线"));
  const CheckListBox& list = program_.panel.lstExist;
  for (int i = 0; i < list.ListCount(); ++i) curve_->addItem(qtText(list.List(i)));
}

void LiveParametersWindow::rebuildRows() {
  frames_.stop();
  play_->setText(QStringLiteral("▶ 播放"));
  for (const Row& r : rows_) {
    for (QWidget* w : {static_cast<QWidget*>(r.name), static_cast<QWidget*>(r.slider),
                       static_cast<QWidget*>(r.value), static_cast<QWidget*>(r.min),
                       static_cast<QWidget*>(r.max), static_cast<QWidget*>(r.step)}) {
      w->deleteLater();
    }
  }
  rows_.clear();
  played_->clear();
  const std::vector<LiveParameter>& ps = controller_.parameters();
  if (!ps.empty()) {
    int column = 3;
    for (const char* heading : {"最小", "最大", "步长"}) {
      grid_->addWidget(new QLabel(QString::fromUtf8(heading), this), 0, column++);
    }
  }
  for (std::size_t i = 0; i < ps.size(); ++i) {
    const LiveParameter& p = ps[i];
    Row r{new QLabel(qtText(p.name), this),
          new QSlider(Qt::Horizontal, this),
          new QLabel(this),
          numberBox(this, p.min, p.step),
          numberBox(this, p.max, p.step),
          numberBox(this, p.step, p.whole ? 1 : 0.1)};
    r.slider->setObjectName(QStringLiteral("sldLive%1").arg(i));
    r.slider->setMinimumWidth(180);
    r.value->setMinimumWidth(48);
    const int row = static_cast<int>(i) + 1;
    grid_->addWidget(r.name, row, 0);
    grid_->addWidget(r.slider, row, 1);
    grid_->addWidget(r.value, row, 2);
    grid_->addWidget(r.min, row, 3);
    grid_->addWidget(r.max, row, 4);
    grid_->addWidget(r.step, row, 5);
    connect(r.slider, &QSlider::valueChanged, this,
            [this, i](int position) { sliderMoved(i, position); });
    for (QDoubleSpinBox* box : {r.min, r.max, r.step}) {
      connect(box, &QDoubleSpinBox::valueChanged, this, [this, i] { rangeChanged(i); });
    }
    rows_.push_back(r);
    played_->addItem(qtText(p.name));
    showValue(i);
  }
  note_->setText(ps.empty() ? QStringLiteral("这条曲线没有可以拖动的参数") : QString());
  keep_->setText(controller_.line() >= 0 ? QStringLiteral("替换") : QStringLiteral("保留"));
  play_->setEnabled(!ps.empty());
  adjustSize();
}

void LiveParametersWindow::showValue(std::size_t i) {
  const LiveParameter& p = controller_.parameters()[i];
  const Row& r = rows_[i];
  filling_ = true;
  r.slider->setRange(0, positionsOf(p));
  r.slider->setValue(positionOf(p, p.value));
  filling_ = false;
  r.value->setText(qtText(parameterText(p, p.value)));
}

void LiveParametersWindow::sliderMoved(std::size_t i, int position) {
  if (filling_ || i >= controller_.parameters().size()) return;
  showNote(controller_.setValue(i, valueAt(controller_.parameters()[i], position)));
  rows_[i].value->setText(
      qtText(parameterText(controller_.parameters()[i], controller_.parameters()[i].value)));
}

void LiveParametersWindow::rangeChanged(std::size_t i) {
  const Row& r = rows_[i];
  controller_.setRange(i, r.min->value(), r.max->value(), r.step->value());
  showValue(i);
}

void LiveParametersWindow::togglePlay() {
  if (controller_.playing()) {
    controller_.pause();
    frames_.stop();
    play_->setText(QStringLiteral("▶ 播放"));
    return;
  }
  controller_.play(static_cast<std::size_t>(std::max(0, played_->currentIndex())),
                   seconds_->value());
  if (!controller_.playing()) return;
  playing_.start();
  frames_.start();
  play_->setText(QStringLiteral("❚❚ 暂停"));
}

void LiveParametersWindow::tick() {
  if (!controller_.playing()) {
    frames_.stop();
    return;
  }
  showNote(controller_.tick(playing_.elapsed() / 1000.0));
  const std::size_t i = static_cast<std::size_t>(std::max(0, played_->currentIndex()));
  if (i < rows_.size()) showValue(i);
}

void LiveParametersWindow::showNote(const std::string& note) {
  note_->setText(note.empty() ? QString() : QStringLiteral("此值下无图像：%1").arg(qtText(note)));
}

void LiveParametersWindow::keep() {
  if (controller_.keep()) close();
}

void LiveParametersWindow::closeEvent(QCloseEvent* event) {
  frames_.stop();
  controller_.cancel();  // nothing stored; the picture as the list says
  QWidget::closeEvent(event);
}

}  // namespace quorvel
