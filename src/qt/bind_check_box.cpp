#include "qt/bind_check_box.h"

#include <QSignalBlocker>

namespace quorvel {

CheckBoxBinder::CheckBoxBinder(CheckBox& model, QCheckBox* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  connect(widget, &QCheckBox::clicked, this, [this] {
    model_.click();
    // The handler may have put the value back; the box shows what the model holds.
    refresh();
  });
  watch();
}

void CheckBoxBinder::refresh() {
  const QSignalBlocker block(widget_);
  const QString caption = qtText(model_.Caption());
  if (widget_->text() != caption) widget_->setText(caption);
  const Qt::CheckState state = model_.Value() != 0 ? Qt::Checked : Qt::Unchecked;
  if (widget_->checkState() != state) widget_->setCheckState(state);
  applyControl(model_, widget_);
}

}  // namespace quorvel
