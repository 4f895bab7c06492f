#include "qt/analysis_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "qt/bind_check_box.h"
#include "qt/bind_combo_box.h"
#include "qt/bind_command_button.h"
#include "qt/bind_grid.h"
#include "qt/bind_label.h"
#include "qt/bind_text_box.h"
#include "qt/bind_window.h"
#include "qt/twips.h"
#include "shell/program.h"

namespace quorvel {

namespace {

constexpr int kGapPixels = 4;  // between the main window's frame and this one's

}  // namespace

AnalysisWindow::AnalysisWindow(Program& program, QWidget* owner)
    : QWidget(owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(program.analysis),
      owner_(owner) {
  setObjectName(QStringLiteral("frmAnalysis"));
  setFixedSize(toPixelsFromTwips(form_.Width), toPixelsFromTwips(form_.Height));
  frmAnalysis& f = form_;
  for (Label* label : {&f.lblCurve, &f.lblTrace, &f.lblPoints, &f.lblOther, &f.lblValue,
                       &f.lblStatus, &f.lblTable, &f.lblFrom, &f.lblTo, &f.lblStep, &f.lblMonotonic,
                       &f.lblTangent, &f.lblTangentAt, &f.lblTangentLine}) {
    new LabelBinder(*label, new LabelWidget(this));
  }
  for (ComboBox* combo : {&f.cboCurve, &f.cboOther}) {
    new ComboBoxBinder(*combo, new QComboBox(this), ComboBoxBinder::Kind::DropDownList);
  }
  for (CheckBox* check : {&f.chkTrace, &f.chkMarks})
    new CheckBoxBinder(*check, new QCheckBox(this));
  for (TextBox* box : {&f.txtValue, &f.txtFrom, &f.txtTo, &f.txtStep, &f.txtTangentAt}) {
    new LineEditBinder(*box, new QLineEdit(this));
  }
  for (CommandButton* button : {&f.cmdCopyPoints, &f.cmdTable, &f.cmdCopyValues, &f.cmdExportValues,
                                &f.cmdTangentAtTrace}) {
    new CommandButtonBinder(*button, new QPushButton(this));
  }
  // Curves derived from the chosen curve.
  for (Label* label : {&f.lblArea, &f.lblAreaFrom, &f.lblAreaTo, &f.lblAreaResult}) {
    new LabelBinder(*label, new LabelWidget(this));
  }
  for (TextBox* box : {&f.txtAreaFrom, &f.txtAreaTo}) new LineEditBinder(*box, new QLineEdit(this));
  for (CommandButton* button :
       {&f.cmdAddTangent, &f.cmdAddNormal, &f.cmdAddDerivative, &f.cmdAddSecond, &f.cmdAddArea}) {
    new CommandButtonBinder(*button, new QPushButton(this));
  }
  for (Grid* grid : {&f.grdPoints, &f.grdValues, &f.grdMonotonic})
    new GridBinder(*grid, new QTableWidget(this));
  // Section headings stand out from the captions beside the inputs.
  for (const char* heading : {"lblPoints", "lblTable", "lblMonotonic", "lblTangent", "lblArea"}) {
    if (QWidget* w = controlWidget(QString::fromLatin1(heading))) {
      QFont bold = w->font();
      bold.setBold(true);
      w->setFont(bold);
    }
  }
  form_.copyText = [](const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(qtText(text));
  };
  new WindowBinder(form_, this, [this] {
    if (!placed_) placeBesideOwner();
  });
}

QWidget* AnalysisWindow::controlWidget(const QString& name) const {
  return findChild<QWidget*>(name);
}

void AnalysisWindow::placeBesideOwner() {
  // Beside the picture: right of the main window where the screen has room for it,
  // otherwise at the screen's right edge, level with the main window's top. The
  // window manager frames it as it framed the main window.
  placed_ = true;
  const QScreen* s =
      owner_->screen() != nullptr ? owner_->screen() : QGuiApplication::primaryScreen();
  if (s == nullptr) return;
  const QRect available = s->availableGeometry();
  const QRect ownerFrame = owner_->frameGeometry();
  const QRect ownerInside = owner_->geometry();
  const QMargins frame(ownerInside.left() - ownerFrame.left(), ownerInside.top() - ownerFrame.top(),
                       ownerFrame.right() - ownerInside.right(),
                       ownerFrame.bottom() - ownerInside.bottom());
  const int outerWidth = width() + frame.left() + frame.right();
  const int outerHeight = height() + frame.top() + frame.bottom();
  const int left =
      std::min(ownerFrame.right() + 1 + kGapPixels, available.right() + 1 - outerWidth);
  setGeometry(clientRectInside(available, frame, left - available.left(),
                               ownerFrame.top() - available.top(), outerWidth, outerHeight));
}

void AnalysisWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  form_.Form_QueryUnload();
}

}  // namespace quorvel
