#include "qt/binder.h"

#include <QVariant>

#include "qt/twips.h"

namespace quorvel {

namespace {

// Marks the widgets that show a model, so that a lookup by focus does not stop at a
// widget Qt named for itself.
constexpr const char* kControlProperty = "quorvelControl";
constexpr const char* kExtraWidthProperty = "quorvelExtraWidth";

}  // namespace

Binder::Binder(Observable& model, QWidget* widget) : QObject(widget), observed_(model) {}

Binder::~Binder() {
  if (subscription_ != 0) observed_.unsubscribe(subscription_);
}

void Binder::watch() {
  subscription_ = observed_.subscribe([this] { refresh(); });
  refresh();
}

void applyControl(const Control& model, QWidget* widget) {
  applyControl(model, widget, model.Visible());
}

void applyControl(const Control& model, QWidget* widget, bool visible) {
  QRect r = pixelRect(model.Left(), model.Top(), model.Width(), model.Height());
  r.setWidth(r.width() + extraWidthOf(widget));
  if (model.Width() == 0 && model.Height() == 0) {
    widget->move(r.topLeft());
    widget->adjustSize();
  } else if (widget->geometry() != r) {
    widget->setGeometry(r);
  }
  widget->setEnabled(model.Enabled());
  const QString tip = qtText(model.ToolTipText());
  if (widget->toolTip() != tip) widget->setToolTip(tip);
  if (widget->isHidden() == visible) widget->setVisible(visible);
}

void setExtraWidth(QWidget* widget, int pixels) {
  const int before = extraWidthOf(widget);
  widget->setProperty(kExtraWidthProperty, pixels);
  widget->resize(widget->width() - before + pixels, widget->height());
}

int extraWidthOf(const QWidget* widget) { return widget->property(kExtraWidthProperty).toInt(); }

void nameWidget(QWidget* widget, const std::string& name) {
  widget->setObjectName(qtText(name));
  widget->setProperty(kControlProperty, true);
}

std::string controlNameOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (w->property(kControlProperty).toBool()) return modelText(w->objectName());
    if (w->isWindow()) break;
  }
  return {};
}

QString qtText(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string modelText(const QString& text) { return text.toStdString(); }

}  // namespace quorvel

namespace quorvel {

ControlBinder::ControlBinder(Control& model, QWidget* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  watch();
}

void ControlBinder::refresh() { applyControl(model_, widget_); }

}  // namespace quorvel
