#include "qt/picture_dialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quorvel {

namespace {

// 确定 and 取消, Enter accepting.
QDialogButtonBox* okCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QCheckBox* check(const QString& name, const QString& text, const QString& tip, bool on,
                 QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setToolTip(tip);
  box->setChecked(on);
  return box;
}

QSpinBox* whole(const QString& name, int min, int max, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(min, max);
  box->setValue(value);
  return box;
}

QDoubleSpinBox* centimetres(const QString& name, double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setDecimals(1);
  box->setRange(0.1, 500);
  box->setSingleStep(0.5);
  box->setValue(value);
  return box;
}

}  // namespace

PictureOptionsDialog::PictureOptionsDialog(const PictureStyle& style, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("dlgPictureOptions"));
  setWindowTitle(QStringLiteral("图像选项"));
  classic_ = check(QStringLiteral("chkClassic"), QStringLiteral("经典外观"),
                   QStringLiteral("与原程序相同的图像：每 500 单位一个刻度、原来的六种颜色，"
                                  "不用下面的选项"),
                   !style.modern, this);
  smooth_ =
      check(QStringLiteral("chkSmooth"), QStringLiteral("平滑曲线"),
            QStringLiteral("抗锯齿绘制，曲线陡峭处自动加密取点；高分辨率屏幕上按屏幕的分辨率绘制"),
            style.smooth, this);
  grid_ = check(QStringLiteral("chkGrid"), QStringLiteral("网格"),
                QStringLiteral("在刻度处画浅色网格线"), style.grid, this);
  piTicks_ = check(QStringLiteral("chkPiTicks"), QStringLiteral("π 刻度"),
                   QStringLiteral("Ｘ轴以 π/2 的倍数标注，适合三角函数"), style.piTicks, this);
  labels_ = new QComboBox(this);
  labels_->setObjectName(QStringLiteral("cboLabels"));
  labels_->addItems(
      {QStringLiteral("不标注"), QStringLiteral("标在曲线旁"), QStringLiteral("图例")});
  labels_->setCurrentIndex(static_cast<int>(style.labels));
  labels_->setToolTip(QStringLiteral("用函数的颜色写出函数式"));
  points_ = whole(QStringLiteral("spnLabelPoints"), kMinLabelPoints, kMaxLabelPoints,
                  style.labelPoints, this);
  points_->setSuffix(QStringLiteral(" 磅"));
  points_->setToolTip(QStringLiteral("坐标轴数字和标注的字号，投影时可调大"));

  presentation_ = whole(QStringLiteral("spnPresentation"), kMinPresentationPercent,
                        kMaxPresentationPercent, style.presentationPercent, this);
  presentation_->setSingleStep(25);
  presentation_->setSuffix(QStringLiteral(" %"));
  presentation_->setToolTip(QStringLiteral("演示模式（F11）中坐标轴数字、标注和线条放大的比例"));

  auto* form = new QFormLayout;
  form->addRow(classic_);
  form->addRow(smooth_);
  form->addRow(grid_);
  form->addRow(piTicks_);
  form->addRow(QStringLiteral("标注："), labels_);
  form->addRow(QStringLiteral("字号："), points_);
  form->addRow(QStringLiteral("演示放大："), presentation_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(okCancel(this));
  connect(classic_, &QCheckBox::toggled, this, [this] { update(); });
  update();
}

void PictureOptionsDialog::update() {
  const bool modern = !classic_->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{smooth_, grid_, piTicks_, labels_, points_}) {
    w->setEnabled(modern);
  }
}

PictureStyle PictureOptionsDialog::style() const {
  PictureStyle style;
  style.modern = !classic_->isChecked();
  style.smooth = smooth_->isChecked();
  style.grid = grid_->isChecked();
  style.piTicks = piTicks_->isChecked();
  style.labels = static_cast<CurveLabels>(labels_->currentIndex());
  style.labelPoints = points_->value();
  style.presentationPercent = presentation_->value();
  return checkedStyle(style);
}

ExportSizeDialog::ExportSizeDialog(const PictureSize& last, int windowWidth, int windowHeight,
                                   QWidget* parent)
    : QDialog(parent), windowWidth_(windowWidth), windowHeight_(windowHeight) {
  setObjectName(QStringLiteral("dlgExportSize"));
  setWindowTitle(QStringLiteral("导出尺寸"));
  window_ = new QRadioButton(
      QStringLiteral("与窗口相同（%1 × %2 像素）").arg(windowWidth).arg(windowHeight), this);
  window_->setObjectName(QStringLiteral("optWindow"));
  pixels_ = new QRadioButton(QStringLiteral("像素："), this);
  pixels_->setObjectName(QStringLiteral("optPixels"));
  centimetres_ = new QRadioButton(QStringLiteral("厘米："), this);
  centimetres_->setObjectName(QStringLiteral("optCentimetres"));
  centimetres_->setToolTip(QStringLiteral("打印用：线条和文字与屏幕上的比例相同，只是更清晰"));
  auto* group = new QButtonGroup(this);
  for (QRadioButton* b : {window_, pixels_, centimetres_}) group->addButton(b);

  widthPixels_ =
      whole(QStringLiteral("spnWidthPixels"), 1, kMaxPicturePixels, last.widthPixels, this);
  heightPixels_ =
      whole(QStringLiteral("spnHeightPixels"), 1, kMaxPicturePixels, last.heightPixels, this);
  widthCm_ = centimetres(QStringLiteral("spnWidthCm"), last.widthCm, this);
  heightCm_ = centimetres(QStringLiteral("spnHeightCm"), last.heightCm, this);
  dotsPerInch_ = whole(QStringLiteral("spnDotsPerInch"), kMinDotsPerInch, kMaxDotsPerInch,
                       last.dotsPerInch, this);
  dotsPerInch_->setSuffix(QStringLiteral(" dpi"));
  outcome_ = new QLabel(this);
  outcome_->setObjectName(QStringLiteral("lblOutcome"));

  auto* grid = new QGridLayout;
  grid->addWidget(window_, 0, 0, 1, 4);
  grid->addWidget(pixels_, 1, 0);
  grid->addWidget(widthPixels_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("×"), this), 1, 2);
  grid->addWidget(heightPixels_, 1, 3);
  grid->addWidget(centimetres_, 2, 0);
  grid->addWidget(widthCm_, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("×"), this), 2, 2);
  grid->addWidget(heightCm_, 2, 3);
  grid->addWidget(new QLabel(QStringLiteral("分辨率："), this), 3, 0);
  grid->addWidget(dotsPerInch_, 3, 1);
  QDialogButtonBox* buttons = okCancel(this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(outcome_);
  layout->addWidget(buttons);

  switch (last.unit) {
    case SizeUnit::Window: window_->setChecked(true); break;
    case SizeUnit::Pixels: pixels_->setChecked(true); break;
    case SizeUnit::Centimetres: centimetres_->setChecked(true); break;
  }
  for (QRadioButton* b : {window_, pixels_, centimetres_}) {
    connect(b, &QRadioButton::toggled, this, [this] { update(); });
  }
  for (QSpinBox* b : {widthPixels_, heightPixels_, dotsPerInch_}) {
    connect(b, &QSpinBox::valueChanged, this, [this] { update(); });
  }
  for (QDoubleSpinBox* b : {widthCm_, heightCm_}) {
    connect(b, &QDoubleSpinBox::valueChanged, this, [this] { update(); });
  }
  update();
}

PictureSize ExportSizeDialog::size() const {
  PictureSize size;
  size.unit = centimetres_->isChecked() ? SizeUnit::Centimetres
              : pixels_->isChecked()    ? SizeUnit::Pixels
                                        : SizeUnit::Window;
  size.widthPixels = widthPixels_->value();
  size.heightPixels = heightPixels_->value();
  size.widthCm = widthCm_->value();
  size.heightCm = heightCm_->value();
  size.dotsPerInch = dotsPerInch_->value();
  return size;
}

void ExportSizeDialog::update() {
  const PictureSize chosen = size();
  widthPixels_->setEnabled(chosen.unit == SizeUnit::Pixels);
  heightPixels_->setEnabled(chosen.unit == SizeUnit::Pixels);
  for (QWidget* w : std::initializer_list<QWidget*>{widthCm_, heightCm_, dotsPerInch_}) {
    w->setEnabled(chosen.unit == SizeUnit::Centimetres);
  }
  const PictureSpec pictureSpec =
      pictureSpecFor(PictureFormat::Png, chosen, windowWidth_, windowHeight_, 0);
  const int width =
      pictureSpec.imageWidthPixels > 0 ? pictureSpec.imageWidthPixels : pictureSpec.widthPixels;
  const int height =
      pictureSpec.imageHeightPixels > 0 ? pictureSpec.imageHeightPixels : pictureSpec.heightPixels;
  const bool fits = drawable(chosen);
  outcome_->setText(fits ? QStringLiteral("位图为 %1 × %2 像素").arg(width).arg(height)
                         : QStringLiteral("图像过大：每边最多 %1 像素").arg(kMaxPicturePixels));
  ok_->setEnabled(fits);
}

std::optional<PictureStyle> QtPictureOptionsDialog::choose(const PictureStyle& current) {
  PictureOptionsDialog dialog(current, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.style();
}

std::optional<PictureSize> QtExportSizeDialog::choose(const PictureSize& last, int windowWidth,
                                                      int windowHeight) {
  ExportSizeDialog dialog(last, windowWidth, windowHeight, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.size();
}

}  // namespace quorvel
