#include "shell/qt/bind_check_list.h"

#include <QSignalBlocker>
#include <QTimer>

namespace quorvel {

CheckListBinder::CheckListBinder(CheckListBox& model, QListWidget* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(widget, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const int row = widget_->row(item);
    if (row < 0 || row >= model_.ListCount()) return;
    const bool ticked = item->checkState() == Qt::Checked;
    if (ticked == model_.Selected(row)) return;
    const Forwarding f(*this);
    model_.setSelected(row, ticked);
  });
  connect(widget, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = widget_->row(item);
    if (row >= 0 && row < model_.ListCount()) model_.doubleClick(row);
  });
  connect(widget, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row != model_.ListIndex()) model_.setListIndex(row);
  });
  watch();
}

bool CheckListBinder::sameLines() const {
  if (widget_->count() != model_.ListCount()) return false;
  for (int i = 0; i < widget_->count(); ++i) {
    if (widget_->item(i)->text() != qtText(model_.List(i))) return false;
  }
  return true;
}

void CheckListBinder::rebuildLines() {
  widget_->clear();
  for (int i = 0; i < model_.ListCount(); ++i) {
    auto* item = new QListWidgetItem(qtText(model_.List(i)), widget_);
    // A line longer than the list is wide is read whole in its tooltip.
    item->setToolTip(item->text());
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
  }
}

void CheckListBinder::refresh() {
  applyControl(model_, widget_);
  const QSignalBlocker block(widget_);
  if (!sameLines()) {
    if (forwarding()) {
      // The list changed inside the user's tick: its item must outlive the signal
      // that reports it, so the lines are rebuilt once the tick is done.
      if (!rebuildQueued_) {
        rebuildQueued_ = true;
        QTimer::singleShot(0, this, [this] {
          rebuildQueued_ = false;
          refresh();
        });
      }
      return;
    }
    rebuildLines();
  }
  for (int i = 0; i < model_.ListCount(); ++i) {
    const Qt::CheckState state = model_.Selected(i) ? Qt::Checked : Qt::Unchecked;
    QListWidgetItem* item = widget_->item(i);
    if (item->checkState() != state) item->setCheckState(state);
  }
  if (widget_->currentRow() != model_.ListIndex()) {
    if (model_.ListIndex() < 0) {
      widget_->setCurrentRow(-1);
      widget_->clearSelection();
    } else {
      widget_->setCurrentRow(model_.ListIndex());
    }
  }
}

}  // namespace quorvel
