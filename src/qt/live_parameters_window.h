#pragma once
// The tool window 动态参数: a slider per parameter of a curve (the 绘制 page's own or
// a list line), each with its range and step, a play button that sweeps one of
// them, and 保留 / 替换 and 取消. The behaviour is the LiveController's; the window
// shows it and forwards the user's moves.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "shell/live_controller.h"

namespace quorvel {

class Program;

class LiveParametersWindow : public QWidget {
 public:
  LiveParametersWindow(Program& program, QWidget* owner);

  // Shows the window on a list line's curve, or with -1 on the 绘制 page's curve.
  void openOn(int line);
  LiveController& controller() { return controller_; }

  // The widgets, for tests.
  QComboBox* curveChoice() const { return curve_; }
  QSlider* slider(std::size_t i) const { return i < rows_.size() ? rows_[i].slider : nullptr; }
  QLabel* note() const { return note_; }
  QPushButton* playButton() const { return play_; }
  QPushButton* keepButton() const { return keep_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Row {
    QLabel* name;
    QSlider* slider;
    QLabel* value;
    QDoubleSpinBox* min;
    QDoubleSpinBox* max;
    QDoubleSpinBox* step;
  };
  void fillCurveChoice();
  void placeBelowThePanel();
  void rebuildRows();
  void showValue(std::size_t i);
  void sliderMoved(std::size_t i, int position);
  void rangeChanged(std::size_t i);
  void togglePlay();
  void tick();
  void showNote(const std::string& note);
  void keep();

  Program& program_;
  LiveController controller_;
  QComboBox* curve_ = nullptr;
  QGridLayout* grid_ = nullptr;
  std::vector<Row> rows_;
  QComboBox* played_ = nullptr;
  QDoubleSpinBox* seconds_ = nullptr;
  QPushButton* play_ = nullptr;
  QLabel* note_ = nullptr;
  QPushButton* keep_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QTimer frames_;
  QElapsedTimer playing_;
  bool filling_ = false;  // the widgets are being set from the controller
};

}  // namespace quorvel
