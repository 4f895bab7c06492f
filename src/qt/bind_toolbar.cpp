#include "qt/bind_toolbar.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "qt/twips.h"

namespace quorvel {

ToolbarButtonBinder::ToolbarButtonBinder(ToolbarButton& model, QToolBar* bar,
                                         std::function<void()> click,
                                         std::function<QIcon(int)> icon)
    : Binder(model, bar),
      model_(model),
      action_(bar->addAction(qtText(model.Caption))),
      icon_(std::move(icon)) {
  action_->setCheckable(model.Style == ButtonStyle::Check);
  action_->setObjectName(qtText(model.Name()));
  if (QWidget* button = bar->widgetForAction(action_)) {
    nameWidget(button, model.Name());
    // A button without a tooltip shows none (Qt would show its caption instead).
    button->installEventFilter(this);
  }
  connect(action_, &QAction::triggered, this, [click = std::move(click)] { click(); });
  watch();
}

void ToolbarButtonBinder::setShortcut(const QKeySequence& keys) {
  action_->setShortcut(keys);
  // The inputs live in the panel's window: the key works in either window.
  action_->setShortcutContext(Qt::ApplicationShortcut);
  refresh();
}

bool ToolbarButtonBinder::eventFilter(QObject*, QEvent* event) {
  return event->type() == QEvent::ToolTip && model_.ToolTipText().empty();
}

void ToolbarButtonBinder::refresh() {
  const QSignalBlocker block(action_);
  const QString caption = qtText(model_.Caption);
  if (action_->text() != caption) action_->setText(caption);
  QString tip = qtText(model_.ToolTipText());
  if (!tip.isEmpty() && !action_->shortcut().isEmpty()) {
    tip += QStringLiteral("（%1）").arg(action_->shortcut().toString(QKeySequence::NativeText));
  }
  action_->setToolTip(tip);
  if (action_->isChecked() != model_.Value()) action_->setChecked(model_.Value());
  action_->setEnabled(model_.Enabled());
  action_->setVisible(model_.Visible());
  action_->setIcon(icon_ ? icon_(model_.Image) : QIcon());
}

ToolbarSpacerBinder::ToolbarSpacerBinder(ToolbarButton& model, QToolBar* bar)
    : Binder(model, bar), model_(model), spacer_(new QWidget(bar)) {
  nameWidget(spacer_, model.Name());
  bar->addWidget(spacer_);
  spacer_->setFixedHeight(1);
  watch();
}

void ToolbarSpacerBinder::setLimit(int pixels) {
  if (pixels == limit_) return;
  limit_ = pixels;
  refresh();
}

void ToolbarSpacerBinder::refresh() {
  // A width the layout could not set (below zero) leaves the gap closed.
  spacer_->setFixedWidth(std::clamp(toPixelsFromTwips(model_.Width()), 0, std::max(0, limit_)));
}

}  // namespace quorvel
