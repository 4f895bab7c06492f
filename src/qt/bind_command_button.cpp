#include "qt/bind_command_button.h"

namespace quorvel {

CommandButtonBinder::CommandButtonBinder(CommandButton& model, QPushButton* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  // Outside a dialog Qt would not press a focused button on Enter; the panel's own
  // key handling does that, so the button is not an auto-default one.
  widget->setAutoDefault(false);
  connect(widget, &QPushButton::clicked, this, [this] { model_.click(); });
  watch();
}

void CommandButtonBinder::refresh() {
  const QString caption = qtText(model_.Caption());
  if (widget_->text() != caption) widget_->setText(caption);
  if (widget_->isDefault() != model_.Default()) widget_->setDefault(model_.Default());
  applyControl(model_, widget_);
}

}  // namespace quorvel
