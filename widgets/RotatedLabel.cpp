#include "widgets/RotatedLabel.h"

#include <QPainter>

namespace zeb {

TRotatedLabel::TRotatedLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TRotatedLabel::SetText(const QString& text) {
  text_ = text;
  update();
}

void TRotatedLabel::SetOrigin(int origin) {
  origin_ = origin;
  update();
}

void TRotatedLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  // Reading upwards: the text's start stands at `origin` and runs toward the top.
  p.translate(0, origin_);
  p.rotate(-90);
  const QFontMetrics fm(font());
  p.drawText(0, (width() + fm.ascent() - fm.descent()) / 2, text_);
}

}  // namespace zeb
