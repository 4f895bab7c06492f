#include "qt/bind_tab_strip.h"

#include <QSignalBlocker>

namespace quorvel {

TabStripBinder::TabStripBinder(TabStrip& model, QTabBar* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->setExpanding(false);
  widget->setDrawBase(false);
  connect(widget, &QTabBar::currentChanged, this, [this](int index) {
    model_.select(index + 1);
    refresh();
  });
  watch();
}

void TabStripBinder::refresh() {
  const QSignalBlocker block(widget_);
  const int count = static_cast<int>(model_.Captions.size());
  while (widget_->count() > count) widget_->removeTab(widget_->count() - 1);
  for (int i = 0; i < count; ++i) {
    const QString caption = qtText(model_.Captions[static_cast<std::size_t>(i)]);
    if (i >= widget_->count()) {
      widget_->addTab(caption);
    } else if (widget_->tabText(i) != caption) {
      widget_->setTabText(i, caption);
    }
  }
  if (widget_->currentIndex() != model_.SelectedIndex() - 1) {
    widget_->setCurrentIndex(model_.SelectedIndex() - 1);
  }
  applyControl(model_, widget_);
}

}  // namespace quorvel
