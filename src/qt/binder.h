#pragma once
// A binder keeps one widget in step with one control model, both ways: a change of
// the model (from code or from the user) updates the widget with its signals
// blocked, and the user's input on the widget calls the model's setter or handler.
// A binder is a child of its widget and goes with it; it stops observing the model
// when it goes.
#include <QObject>
#include <QWidget>
#include <functional>

#include "toolkit/controls.h"

namespace quorvel {

class Binder : public QObject {
 public:
  Binder(const Binder&) = delete;
  Binder& operator=(const Binder&) = delete;
  ~Binder() override;

 protected:
  Binder(Observable& model, QWidget* widget);
  // Subscribes to the model; call at the end of the derived constructor.
  void watch();
  // Brings the widget in line with the model; runs on every change of the model.
  virtual void refresh() = 0;
  // True while the binder forwards the user's input to the model, so refresh can
  // leave alone what the user is editing (a line edit's cursor, a list being ticked).
  bool forwarding() const { return forwarding_ > 0; }

  class Forwarding {
   public:
    explicit Forwarding(Binder& b) : b_(b) { ++b_.forwarding_; }
    ~Forwarding() { --b_.forwarding_; }
    Forwarding(const Forwarding&) = delete;
    Forwarding& operator=(const Forwarding&) = delete;

   private:
    Binder& b_;
  };

 private:
  Observable& observed_;
  int subscription_ = 0;
  int forwarding_ = 0;
};

// What every control shows the same way: position and size (twips), enabled,
// visible and tooltip. A size of 0 × 0 means "as the content needs" (labels).
void applyControl(const Control& model, QWidget* widget);
// The same with the widget shown or hidden as `visible` says instead of the model.
void applyControl(const Control& model, QWidget* widget, bool visible);

// Draws the widget `pixels` wider than its model says, from now on: a control widened
// so that its text shows whole in the window's font.
void setExtraWidth(QWidget* widget, int pixels);
int extraWidthOf(const QWidget* widget);

// The model's name on its widget, so focus and tests can find a control by name.
void nameWidget(QWidget* widget, const std::string& name);
// The name of the control that shows the widget, or "" (climbs to the nearest named
// parent: an editable combo's inner line edit names its combo).
std::string controlNameOf(const QWidget* widget);

// Helpers for the text conversions every binder does.
QString qtText(const std::string& utf8);
std::string modelText(const QString& text);

}  // namespace quorvel

namespace quorvel {

// Runs a function on every change of a model: for a window that follows a model
// without showing it in one widget of its own.
class ModelWatcher : public Binder {
 public:
  ModelWatcher(Observable& model, QWidget* owner, std::function<void()> changed)
      : Binder(model, owner), changed_(std::move(changed)) {
    watch();
  }

 private:
  void refresh() override { changed_(); }
  std::function<void()> changed_;
};

// A control with nothing of its own to show: a page, a label's icon, a container.
class ControlBinder : public Binder {
 public:
  ControlBinder(Control& model, QWidget* widget);

 private:
  void refresh() override;
  Control& model_;
  QWidget* widget_;
};

}  // namespace quorvel
