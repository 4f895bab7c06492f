#include "qt/bind_text_box.h"

#include <QFocusEvent>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>

namespace quorvel {

int characterIndex(const QString& text, int utf16Index) {
  const int end = std::clamp(utf16Index, 0, static_cast<int>(text.size()));
  int characters = 0;
  for (int i = 0; i < end; ++i) {
    if (!text.at(i).isLowSurrogate()) ++characters;
  }
  return characters;
}

int utf16Index(const QString& text, int characterIndex) {
  int characters = 0;
  int i = 0;
  const int size = static_cast<int>(text.size());
  while (i < size && characters < characterIndex) {
    i += (text.at(i).isHighSurrogate() && i + 1 < size) ? 2 : 1;
    ++characters;
  }
  return i;
}

namespace {

// A click that gives the focus places the cursor after the focus event; the
// selection the GotFocus handler made is put back once the click is done.
template <class Apply>
void keepSelectionAfterClick(QObject* context, const QFocusEvent* focus, int start, int length,
                             Apply apply) {
  if (focus->reason() != Qt::MouseFocusReason) return;
  QTimer::singleShot(0, context, [apply, start, length] { apply(start, length); });
}

}  // namespace

LineEditBinder::LineEditBinder(TextBox& model, QLineEdit* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  connect(widget, &QLineEdit::textEdited, this, [this](const QString& text) {
    const Forwarding f(*this);
    model_.setText(modelText(text));
    forwardSelection();
  });
  connect(widget, &QLineEdit::selectionChanged, this, [this] { forwardSelection(); });
  connect(widget, &QLineEdit::cursorPositionChanged, this, [this] { forwardSelection(); });
  widget->installEventFilter(this);
  watch();
}

bool LineEditBinder::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget_ && event->type() == QEvent::FocusIn) {
    model_.gotFocus();
    keepSelectionAfterClick(this, static_cast<QFocusEvent*>(event), model_.SelStart(),
                            model_.SelLength(),
                            [this](int start, int length) { applySelection(start, length); });
  }
  return false;
}

void LineEditBinder::forwardSelection() {
  const QString text = widget_->text();
  int start = widget_->cursorPosition();
  int length = 0;
  if (widget_->hasSelectedText()) {
    start = widget_->selectionStart();
    length = static_cast<int>(widget_->selectedText().size());
  }
  const int from = characterIndex(text, start);
  const int count = characterIndex(text, start + length) - from;
  if (from == model_.SelStart() && count == model_.SelLength()) return;
  const Forwarding f(*this);
  model_.setSelection(from, count);
}

void LineEditBinder::applySelection(int start, int length) {
  const QSignalBlocker block(widget_);
  const QString text = widget_->text();
  const int from = utf16Index(text, start);
  const int to = utf16Index(text, start + length);
  if (to > from) {
    widget_->setSelection(from, to - from);
  } else {
    widget_->setCursorPosition(from);
  }
}

void LineEditBinder::refresh() {
  applyControl(model_, widget_);
  if (forwarding()) return;  // the user's edit is what the model now holds
  const QString text = qtText(model_.Text());
  if (widget_->text() != text) {
    const QSignalBlocker block(widget_);
    widget_->setText(text);
  }
  applySelection(model_.SelStart(), model_.SelLength());
}

PlainTextBinder::PlainTextBinder(TextBox& model, QPlainTextEdit* widget)
    : Binder(model, widget), model_(model), widget_(widget) {
  nameWidget(widget, model.Name());
  connect(widget, &QPlainTextEdit::textChanged, this, [this] {
    const Forwarding f(*this);
    model_.setText(modelText(widget_->toPlainText()));
    forwardSelection();
  });
  connect(widget, &QPlainTextEdit::cursorPositionChanged, this, [this] { forwardSelection(); });
  connect(widget, &QPlainTextEdit::selectionChanged, this, [this] { forwardSelection(); });
  widget->installEventFilter(this);
  watch();
}

bool PlainTextBinder::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget_ && event->type() == QEvent::FocusIn) {
    model_.gotFocus();
    keepSelectionAfterClick(this, static_cast<QFocusEvent*>(event), model_.SelStart(),
                            model_.SelLength(),
                            [this](int start, int length) { applySelection(start, length); });
  }
  return false;
}

void PlainTextBinder::forwardSelection() {
  const QTextCursor cursor = widget_->textCursor();
  const QString text = widget_->toPlainText();
  const int from = characterIndex(text, cursor.selectionStart());
  const int count = characterIndex(text, cursor.selectionEnd()) - from;
  if (from == model_.SelStart() && count == model_.SelLength()) return;
  const Forwarding f(*this);
  model_.setSelection(from, count);
}

void PlainTextBinder::applySelection(int start, int length) {
  const QSignalBlocker block(widget_);
  const QString text = widget_->toPlainText();
  QTextCursor cursor = widget_->textCursor();
  cursor.setPosition(utf16Index(text, start));
  cursor.setPosition(utf16Index(text, start + length), QTextCursor::KeepAnchor);
  widget_->setTextCursor(cursor);
}

void PlainTextBinder::refresh() {
  applyControl(model_, widget_);
  if (forwarding()) return;
  const QString text = qtText(model_.Text());
  if (widget_->toPlainText() != text) {
    const QSignalBlocker block(widget_);
    widget_->setPlainText(text);
  }
  applySelection(model_.SelStart(), model_.SelLength());
}

}  // namespace quorvel
