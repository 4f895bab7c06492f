#pragma once
// The keyboard's way through the control panel: Tab goes through the controls of the
// page that is shown, in reading order (top to bottom, left to right), and passes
// over a control the user cannot see there: on a page that is not shown, parked
// outside its page, or lying under another control (the parameter boxes under the
// expression box).
#include <QObject>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

namespace quorvel {

class PageFocus : public QObject {
 public:
  // pages[1..3]; `shown` tells which page is shown now.
  PageFocus(std::vector<QWidget*> pages, std::function<int()> shown, QObject* parent);

  // Puts the chain in order again; run whenever the page shown or a control's place
  // changes.
  void update();

  // True when the widget lies on the page shown and can be seen there.
  bool onShownPage(const QWidget* widget) const;

 private:
  bool seen(const QWidget* widget, const QWidget* page) const;

  std::vector<QWidget*> pages_;
  std::function<int()> shown_;
  // Each focusable control and the focus it takes when it can be reached.
  std::map<QWidget*, Qt::FocusPolicy> policies_;
  // Per page, its focusable controls in reading order.
  std::vector<std::vector<QWidget*>> order_;
};

}  // namespace quorvel
