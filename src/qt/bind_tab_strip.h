#pragma once
// The tab strip: its captions and the selected tab (the model counts from 1).
#include <QTabBar>

#include "qt/binder.h"

namespace quorvel {

class TabStripBinder : public Binder {
 public:
  TabStripBinder(TabStrip& model, QTabBar* widget);

 private:
  void refresh() override;
  TabStrip& model_;
  QTabBar* widget_;
};

}  // namespace quorvel
