#include "qt/about_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "qt/app_font.h"
#include "qt/artwork.h"
#include "qt/bind_label.h"
#include "qt/bind_window.h"
#include "qt/twips.h"
#include "render/font_family.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The splash picture's size in pixels (4800 × 3450 twips).
constexpr int kPictureWidth = 320, kPictureHeight = 230;

}  // namespace

AboutWindow::AboutWindow(Program& program, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint), form_(program.about) {
  setObjectName(QStringLiteral("frmAbout"));
  setFixedSize(toPixelsFromTwips(form_.Width), toPixelsFromTwips(form_.Height));
  setAutoFillBackground(true);
  setMouseTracking(true);

  auto* picture = new LabelWidget(this);
  picture->setPixmap(artPixmap(QStringLiteral("splash"), QSize(kPictureWidth, kPictureHeight),
                               devicePixelRatioF()));
  new ControlBinder(form_.imgSplash, picture);
  picture->onClick = [this] {
    if (form_.imgSplash.Click) form_.imgSplash.Click();
  };

  const QString chinese = chineseFontFamily();
  const QByteArray family = chinese.toUtf8();
  const QPalette p = palette();
  const QColor highlightText = p.color(QPalette::HighlightedText);
  const QColor highlight = p.color(QPalette::Highlight);
  const QColor windowText = p.color(QPalette::WindowText);
  addLabel(form_.Label3, family.constData(), 26.25, true, QColor(255, 255, 0));
  addLabel(form_.lblProgram, family.constData(), 26.25, true, highlightText);
  addLabel(form_.lblSchool, family.constData(), 15.75, true, highlightText);
  addLabel(form_.lblName, family.constData(), 15.75, true, highlightText);
  addLabel(form_.lblWeb1, family.constData(), 10.5, false, windowText);
  LabelWidget* web = addLabel(form_.lblWeb2, "Arial", 10.5, true, highlight);
  addLabel(form_.lblMail1, family.constData(), 10.5, false, windowText);
  LabelWidget* mail = addLabel(form_.lblMail2, "Arial", 10.5, true, highlight);
  addLabel(form_.Label1, "Arial", 9.75, false, windowText);
  addLabel(form_.Label2, "Arial", 10.5, false, windowText);
  web->setCursor(Qt::PointingHandCursor);
  mail->setCursor(Qt::PointingHandCursor);
  web->onMouseMove = [this] { form_.lblWeb2_MouseMove(); };
  mail->onMouseMove = [this] { form_.lblMail2_MouseMove(); };

  new WindowBinder(form_, this);
}

LabelWidget* AboutWindow::addLabel(Label& model, const char* family, double points, bool bold,
                                   const QColor& colour) {
  auto* label = new LabelWidget(this);
  QFont font = label->font();
  font.setFamilies({QString::fromUtf8(family), chineseFontFamily()});
  font.setPointSizeF(points);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  new LabelBinder(model, label);
  return label;
}

LabelWidget* AboutWindow::labelWidget(const QString& name) const {
  return findChild<LabelWidget*>(name);
}

void AboutWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The box sits in the middle of the screen; shown last, it is over the others.
  if (const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
    QRect r = rect();
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
  }
  // The box in front takes the keyboard, so that Esc closes it.
  activateWindow();
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) form_.Form_Click();
}

void AboutWindow::mouseMoveEvent(QMouseEvent*) { form_.Form_MouseMove(); }

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    form_.Form_KeyDown(frmAbout::kKeyEscape);
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quorvel
