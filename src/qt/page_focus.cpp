#include "qt/page_focus.h"

#include <algorithm>

namespace quorvel {

namespace {

// A widget of a window of its own inside the page (a combo's drop-down list) is no
// stop of the page's Tab order: the order runs within one window only.
bool inOwnWindow(const QWidget* widget, const QWidget* page) {
  for (const QWidget* w = widget; w != nullptr && w != page; w = w->parentWidget()) {
    if (w->isWindow()) return true;
  }
  return false;
}

}  // namespace

PageFocus::PageFocus(std::vector<QWidget*> pages, std::function<int()> shown, QObject* parent)
    : QObject(parent), pages_(std::move(pages)), shown_(std::move(shown)) {
  order_.resize(pages_.size());
  for (std::size_t p = 0; p < pages_.size(); ++p) {
    if (pages_[p] == nullptr) continue;
    std::vector<QWidget*>& chain = order_[p];
    for (QWidget* w : pages_[p]->findChildren<QWidget*>()) {
      // An editable combo's own line edit goes with its combo.
      if (w->focusPolicy() & Qt::TabFocus && w->focusProxy() == nullptr &&
          !inOwnWindow(w, pages_[p]) &&
          !(w->parentWidget() != pages_[p] && w->parentWidget()->focusPolicy() & Qt::TabFocus)) {
        chain.push_back(w);
        policies_[w] = w->focusPolicy();
      }
    }
    // The designed places are fixed: reading order is by the top edge, then the left.
    std::stable_sort(chain.begin(), chain.end(), [](const QWidget* a, const QWidget* b) {
      return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
  }
}

bool PageFocus::seen(const QWidget* widget, const QWidget* page) const {
  const QRect place = widget->geometry();
  if (!page->rect().contains(place)) return false;  // parked outside its page
  // A control stacked above it (a later sibling) that covers it hides it.
  const QObjectList& siblings = page->children();
  const qsizetype at = siblings.indexOf(const_cast<QWidget*>(widget));
  for (qsizetype i = at + 1; i < siblings.size(); ++i) {
    const auto* above = qobject_cast<const QWidget*>(siblings[i]);
    if (above != nullptr && !above->isHidden() && above->geometry().contains(place)) return false;
  }
  return true;
}

bool PageFocus::onShownPage(const QWidget* widget) const {
  const int shown = shown_();
  if (shown < 0 || static_cast<std::size_t>(shown) >= pages_.size()) return false;
  const QWidget* page = pages_[static_cast<std::size_t>(shown)];
  return page != nullptr && page->isAncestorOf(widget);
}

void PageFocus::update() {
  const int shown = shown_();
  for (std::size_t p = 0; p < pages_.size(); ++p) {
    QWidget* previous = nullptr;
    for (QWidget* w : order_[p]) {
      const bool reachable = static_cast<int>(p) == shown && seen(w, pages_[p]);
      const Qt::FocusPolicy policy = reachable ? policies_[w] : Qt::NoFocus;
      if (w->focusPolicy() != policy) w->setFocusPolicy(policy);
      if (previous != nullptr) QWidget::setTabOrder(previous, w);
      previous = w;
    }
  }
}

}  // namespace quorvel
