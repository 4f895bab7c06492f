#pragma once
// Text boxes, one line (QLineEdit) or several (QPlainTextEdit). Typing sets the
// model's text; the selection is kept in step both ways, in characters; receiving
// the focus runs the model's GotFocus, whose selection then shows in the box.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "qt/binder.h"

namespace quorvel {

class LineEditBinder : public Binder {
 public:
  LineEditBinder(TextBox& model, QLineEdit* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void refresh() override;
  void applySelection(int start, int length);
  void forwardSelection();
  TextBox& model_;
  QLineEdit* widget_;
};

class PlainTextBinder : public Binder {
 public:
  PlainTextBinder(TextBox& model, QPlainTextEdit* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void refresh() override;
  void applySelection(int start, int length);
  void forwardSelection();
  TextBox& model_;
  QPlainTextEdit* widget_;
};

// Positions in a QString (UTF-16 units) and in characters (code points).
int characterIndex(const QString& text, int utf16Index);
int utf16Index(const QString& text, int characterIndex);

}  // namespace quorvel
