#include "widgets/URLLabel.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "app/DesktopShell.h"

namespace zeb {

TURLLabel::TURLLabel(const QString& caption, const QString& url, QWidget* parent)
    : QLabel(caption, parent), url_(url) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(caption);
  SetColour(Qt::blue);
  SetStyle(FontStyle::Underline);
}

QColor TURLLabel::Colour() const { return palette().color(QPalette::WindowText); }

void TURLLabel::SetColour(const QColor& colour) {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, colour);
  setPalette(pal);
}

FontStyles TURLLabel::Style() const {
  FontStyles style = FontStyle::Regular;
  if (font().bold()) style |= FontStyle::Bold;
  if (font().italic()) style |= FontStyle::Italic;
  if (font().underline()) style |= FontStyle::Underline;
  return style;
}

void TURLLabel::SetStyle(FontStyles style) {
  QFont f = font();
  f.setBold(style.testFlag(FontStyle::Bold));
  f.setItalic(style.testFlag(FontStyle::Italic));
  f.setUnderline(style.testFlag(FontStyle::Underline));
  setFont(f);
}

void TURLLabel::enterEvent(QEnterEvent* event) {
  if (!over_) {
    over_ = true;
    savedColour_ = Colour();
    savedStyle_ = Style();
    SetColour(highlightColour_);
    SetStyle(highlightStyle_);
  }
  QLabel::enterEvent(event);
}

void TURLLabel::leaveEvent(QEvent* event) {
  if (over_) {
    over_ = false;
    SetColour(savedColour_);
    SetStyle(savedStyle_);
  }
  QLabel::leaveEvent(event);
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  open();
}

void TURLLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      event->accept();
      open();
      return;
    default: QLabel::keyPressEvent(event);
  }
}

void TURLLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter p(this);
  p.setPen(QPen(Colour(), 1, Qt::DotLine));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TURLLabel::open() { OpenWithDesktop(QUrl(url_)); }  // the desktop's answer is not ours to report

}  // namespace zeb
