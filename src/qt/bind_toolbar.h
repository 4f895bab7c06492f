#pragma once
// The main toolbar's buttons. A command button is a QAction on the QToolBar (a
// check button a checkable one); the placeholder is an empty widget whose width
// follows the model. A user's click goes to the form's button click, which changes
// a check button's pressed state first; a pressed state set by code only shows.
#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <functional>

#include "qt/binder.h"

namespace quorvel {

class ToolbarButtonBinder : public Binder {
 public:
  // icon(image index) gives the picture for the model's image index (none for 0).
  ToolbarButtonBinder(ToolbarButton& model, QToolBar* bar, std::function<void()> click,
                      std::function<QIcon(int)> icon);
  QAction* action() const { return action_; }
  // Shows the model again (its caption, style and image are plain fields).
  void sync() { refresh(); }
  // A key that runs the button from anywhere in the program; the tooltip names it.
  void setShortcut(const QKeySequence& keys);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void refresh() override;
  ToolbarButton& model_;
  QAction* action_;
  std::function<QIcon(int)> icon_;
};

class ToolbarSpacerBinder : public Binder {
 public:
  ToolbarSpacerBinder(ToolbarButton& model, QToolBar* bar);
  QWidget* spacer() const { return spacer_; }
  // The widest the gap may be, in pixels: the commands must end before what lies in
  // the toolbar's band at its right (the read-out).
  void setLimit(int pixels);

 private:
  void refresh() override;
  ToolbarButton& model_;
  QWidget* spacer_;
  int limit_ = 1 << 20;
};

}  // namespace quorvel
