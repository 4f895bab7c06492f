#pragma once
// The two small dialogs of the picture: 图像选项 (the style every picture is drawn in,
// opened from the settings page) and 导出尺寸 (the size of an exported picture, asked
// after its file is chosen), and the services that show them.
#include <QDialog>
#include <optional>

#include "plot/picture.h"
#include "plot/picture_style.h"
#include "shell/services.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quorvel {

class PictureOptionsDialog : public QDialog {
 public:
  PictureOptionsDialog(const PictureStyle& style, QWidget* parent);
  PictureStyle style() const;

 private:
  // The options go unused in the classic look: shown, not to be changed.
  void update();

  QCheckBox* classic_;
  QCheckBox* smooth_;
  QCheckBox* grid_;
  QCheckBox* piTicks_;
  QComboBox* labels_;
  QSpinBox* points_;
  QSpinBox* presentation_;
};

class ExportSizeDialog : public QDialog {
 public:
  ExportSizeDialog(const PictureSize& last, int windowWidth, int windowHeight, QWidget* parent);
  PictureSize size() const;

 private:
  // Which inputs count, and the pixels the picture will have.
  void update();

  int windowWidth_;
  int windowHeight_;
  QRadioButton* window_;
  QRadioButton* pixels_;
  QRadioButton* centimetres_;
  QSpinBox* widthPixels_;
  QSpinBox* heightPixels_;
  QDoubleSpinBox* widthCm_;
  QDoubleSpinBox* heightCm_;
  QSpinBox* dotsPerInch_;
  QLabel* outcome_;
  QPushButton* ok_;
};

class QtPictureOptionsDialog : public PictureOptionsDialogService {
 public:
  std::optional<PictureStyle> choose(const PictureStyle& current) override;
};

class QtExportSizeDialog : public ExportSizeDialogService {
 public:
  std::optional<PictureSize> choose(const PictureSize& last, int windowWidth,
                                    int windowHeight) override;
};

}  // namespace quorvel
