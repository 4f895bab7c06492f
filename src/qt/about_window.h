#pragma once
// The about box (the face of frmAbout), which is also the start-up splash: a
// frameless 321 × 318 window with the splash picture and the labels over it. Clicks
// on the picture, the title, the school, the name or the background hide it; the two
// addresses are links, underlined while the pointer is over them.
#include <QWidget>

namespace quorvel {

class Program;
class frmAbout;
class Label;
class LabelWidget;

class AboutWindow : public QWidget {
 public:
  AboutWindow(Program& program, QWidget* owner);

  // The widget that shows the label (or picture) named NAME.
  LabelWidget* labelWidget(const QString& name) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  LabelWidget* addLabel(Label& model, const char* family, double points, bool bold,
                        const QColor& colour);

  frmAbout& form_;
  bool pressed_ = false;
};

}  // namespace quorvel
