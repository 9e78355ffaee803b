#include "widgets/Bevel.h"

#include <QPainter>

namespace zeb {
namespace {
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
}  // namespace

void PaintBevel(QPainter& p, const QRect& r, Bevel kind) {
  if (kind == Bevel::None) return;
  const QColor topLeft = kind == Bevel::Raised ? kLight : kShadow;
  const QColor bottomRight = kind == Bevel::Raised ? kShadow : kLight;
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

TBevelPanel::TBevelPanel(QWidget* parent, Bevel outer, Bevel inner, int borderWidth)
    : QWidget(parent), outer_(outer), inner_(inner), borderWidth_(borderWidth) {}

void TBevelPanel::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void TBevelPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  p.fillRect(r, borderWidth_ > 0 ? palette().color(QPalette::Window) : colour_);
  PaintBevel(p, r, outer_);
  if (outer_ != Bevel::None) r.adjust(1, 1, -1, -1);
  r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  PaintBevel(p, r, inner_);
  if (inner_ != Bevel::None) r.adjust(1, 1, -1, -1);
  p.fillRect(r, colour_);
}

TBevelLine::TBevelLine(QWidget* parent) : QWidget(parent) { setFixedHeight(2); }

void TBevelLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(QRect(0, 0, width(), 1), kShadow);
  p.fillRect(QRect(0, 1, width(), 1), kLight);
}

}  // namespace zeb
