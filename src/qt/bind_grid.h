#pragma once
// Grids: a read-only table widget showing the model's captions and rows.
#include <QTableWidget>

#include "qt/binder.h"
#include "toolkit/grid.h"

namespace quorvel {

class GridBinder : public Binder {
 public:
  GridBinder(Grid& model, QTableWidget* widget);

 private:
  void refresh() override;
  Grid& model_;
  QTableWidget* widget_;
};

}  // namespace quorvel
