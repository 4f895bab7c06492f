#include "qt/bind_combo_box.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

namespace quorvel {

ComboBoxBinder::ComboBoxBinder(ComboBox& model, QComboBox* widget, Kind kind)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  widget->setMaxVisibleItems(14);
  if (kind == Kind::Editable) {
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: no completion from the list.
    widget->setCompleter(nullptr);
    connect(widget->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
      const Forwarding f(*this);
      model_.setText(modelText(text));
    });
  }
  connect(widget, &QComboBox::activated, this, [this](int index) { userPicked(index); });
  watch();
}

void ComboBoxBinder::userPicked(int index) {
  if (index == model_.ListIndex()) {
    // The index stays, so the setter would raise nothing; the pick still counts, and
    // an editable combo shows the picked entry again.
    if (index >= 0) model_.setText(model_.List()[static_cast<std::size_t>(index)]);
    if (model_.Click) model_.Click();
  } else {
    model_.setListIndex(index);
  }
  refresh();
}

void ComboBoxBinder::fitDropDownToItems() {
  // The closed combo keeps its designed width; the open list shows every item whole.
  QAbstractItemView* view = widget_->view();
  const int frame = 2 * view->frameWidth();
  const int scrollBar = widget_->count() > widget_->maxVisibleItems()
                            ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                            : 0;
  view->setMinimumWidth(view->sizeHintForColumn(0) + frame + scrollBar);
}

void ComboBoxBinder::fitDropDownSoon() {
  if (fitQueued_) return;
  fitQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    fitQueued_ = false;
    fitDropDownToItems();
  });
}

void ComboBoxBinder::followItems() {
  const std::vector<std::string>& items = model_.List();
  const std::uint64_t revision = model_.ItemsRevision();
  if (seen_ == revision) return;  // the same items
  const bool oneStep = seen_ && revision == *seen_ + 1;
  seen_ = revision;
  const LineChange& change = model_.LastItemsChange();
  if (oneStep && change.kind == LineChangeKind::Added &&
      widget_->count() + 1 == static_cast<int>(items.size())) {
    widget_->addItem(qtText(items.back()));
    fitDropDownSoon();
    return;
  }
  if (oneStep && change.kind == LineChangeKind::Cleared) {
    widget_->clear();
    fitDropDownSoon();
    return;
  }
  bool same = widget_->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < widget_->count(); ++i) {
    same = widget_->itemText(i) == qtText(items[static_cast<std::size_t>(i)]);
  }
  if (!same) {
    widget_->clear();
    for (const std::string& item : items) widget_->addItem(qtText(item));
    fitDropDownToItems();
  }
}

void ComboBoxBinder::refresh() {
  const QSignalBlocker block(widget_);
  followItems();
  if (widget_->currentIndex() != model_.ListIndex()) widget_->setCurrentIndex(model_.ListIndex());
  if (widget_->isEditable() && !forwarding()) {
    const QString text = qtText(model_.Text());
    if (widget_->currentText() != text) widget_->setEditText(text);
  }
  applyControl(model_, widget_);
}

}  // namespace quorvel
