#pragma once
// The analysis window (the face of frmAnalysis): a tool window with the curve's
// choices, the table of key points and the table of values. It opens beside the
// picture, at the main window's right where the screen has room; the close box only
// hides it; its copy buttons put text on the clipboard.
#include <QWidget>

namespace quorvel {

class Program;
class frmAnalysis;

class AnalysisWindow : public QWidget {
 public:
  AnalysisWindow(Program& program, QWidget* owner);

  // The widget that shows the control named NAME ("cboCurve", "grdPoints", ...).
  QWidget* controlWidget(const QString& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The first time it is shown; afterwards it stays where the user put it.
  void placeBesideOwner();

  frmAnalysis& form_;
  QWidget* owner_;
  bool placed_ = false;
};

}  // namespace quorvel
