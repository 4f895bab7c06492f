#include "qt/bind_check_list.h"

#include <QSignalBlocker>
#include <QTimer>

namespace quorvel {

namespace {

// A line as the list shows it: a check box and the text, selectable.
QListWidgetItem* newLine(const QString& text, bool ticked) {
  auto* item = new QListWidgetItem(text);
  // A line longer than the list is wide is read whole in its tooltip.
  item->setToolTip(text);
  item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
  return item;
}

}  // namespace

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
    widget_->addItem(newLine(qtText(model_.List(i)), model_.Selected(i)));
  }
}

void CheckListBinder::showTick(int row) {
  const Qt::CheckState state = model_.Selected(row) ? Qt::Checked : Qt::Unchecked;
  QListWidgetItem* item = widget_->item(row);
  if (item->checkState() != state) item->setCheckState(state);
}

void CheckListBinder::showCurrentLine() {
  if (widget_->currentRow() == model_.ListIndex()) return;
  if (model_.ListIndex() < 0) {
    widget_->setCurrentRow(-1);
    widget_->clearSelection();
  } else {
    widget_->setCurrentRow(model_.ListIndex());
  }
}

bool CheckListBinder::followChange() {
  const std::uint64_t revision = model_.Revision();
  const bool oneStep = seen_ && revision == *seen_ + 1;
  if (seen_ == revision) return true;  // the control's looks only
  if (!oneStep) return false;
  const LineChange& change = model_.LastChange();
  const int count = model_.ListCount();
  const int row = change.first;
  switch (change.kind) {
    case LineChangeKind::Added:
      if (widget_->count() != count - 1 || row != count - 1) return false;
      widget_->addItem(newLine(qtText(model_.List(row)), model_.Selected(row)));
      break;
    case LineChangeKind::Removed:
      // A line taken away inside the user's tick must outlive the tick's signal.
      if (forwarding() || widget_->count() != count + 1) return false;
      delete widget_->takeItem(row);
      break;
    case LineChangeKind::Text:
      if (widget_->count() != count) return false;
      widget_->item(row)->setText(qtText(model_.List(row)));
      break;
    case LineChangeKind::Swapped:
      if (widget_->count() != count) return false;
      for (const int i : {row, change.second}) {
        widget_->item(i)->setText(qtText(model_.List(i)));
        showTick(i);
      }
      break;
    case LineChangeKind::Cleared:
      if (forwarding()) return false;
      widget_->clear();
      break;
    case LineChangeKind::Tick:
    case LineChangeKind::Current:
      if (widget_->count() != count) return false;
      if (row >= 0) showTick(row);
      break;
    case LineChangeKind::Batch: return false;
  }
  showCurrentLine();
  seen_ = revision;
  return true;
}

void CheckListBinder::refresh() {
  applyControl(model_, widget_);
  // A run of changes is shown once, at its end: a list view lays out every line again
  // each time its current line moves.
  if (model_.Updating()) return;
  const QSignalBlocker block(widget_);
  if (followChange()) return;
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
      seen_.reset();
      return;
    }
    rebuildLines();
  }
  for (int i = 0; i < model_.ListCount(); ++i) showTick(i);
  showCurrentLine();
  seen_ = model_.Revision();
}

}  // namespace quorvel
