#include "widgets/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zeb {

namespace {

// One glyph on its 20 x 20 square.
void paintGlyph(QPainter& p, Glyph glyph) {
  const QColor navy(0, 0, 128);
  p.setPen(QPen(navy, 1.2));
  switch (glyph) {
    case Glyph::Open: {
      p.setBrush(QColor(240, 200, 80));
      QPainterPath path;
      path.moveTo(2, 5); path.lineTo(8, 5); path.lineTo(10, 7); path.lineTo(17, 7);
      path.lineTo(17, 16); path.lineTo(2, 16); path.closeSubpath();
      p.drawPath(path);
      break;
    }
    case Glyph::Save:
      p.setBrush(QColor(60, 90, 170));
      p.drawRect(3, 3, 14, 14);
      p.setBrush(Qt::white);
      p.drawRect(6, 3, 8, 5);
      p.drawRect(6, 11, 8, 6);
      break;
    case Glyph::Print:
      p.setBrush(Qt::white);
      p.drawRect(6, 2, 8, 6);
      p.setBrush(QColor(170, 170, 170));
      p.drawRect(2, 8, 16, 7);
      p.setBrush(Qt::white);
      p.drawRect(6, 13, 8, 5);
      break;
    case Glyph::Reset: {
      p.setPen(QPen(QColor(0, 128, 0), 2));
      p.drawArc(4, 4, 12, 12, 60 * 16, 270 * 16);
      p.setBrush(QColor(0, 128, 0));
      p.drawPolygon(QPolygonF({QPointF(12, 1), QPointF(16, 5), QPointF(11, 7)}));
      break;
    }
    case Glyph::Calculator:
      p.setBrush(QColor(220, 220, 220));
      p.drawRoundedRect(4, 1, 12, 18, 2, 2);
      p.setBrush(QColor(180, 230, 180));
      p.drawRect(6, 3, 8, 4);
      p.setBrush(navy);
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(6 + c * 3, 9 + r * 3, 1, 1);
      break;
    case Glyph::Help: {
      p.setBrush(QColor(255, 255, 200));
      p.drawEllipse(2, 2, 16, 16);
      QFont f("Arial");
      f.setPixelSize(13);
      f.setBold(true);
      p.setFont(f);
      p.drawText(QRect(2, 2, 16, 16), Qt::AlignCenter, "?");
      break;
    }
    case Glyph::Exit:
      p.setBrush(QColor(150, 90, 40));
      p.drawRect(5, 2, 10, 16);
      p.setBrush(QColor(240, 200, 80));
      p.drawEllipse(12, 9, 2, 2);
      break;
  }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
  // Drawn afresh for each device pixel ratio a screen may have, so that the pictures
  // stay sharp on high-density screens rather than being stretched.
  QIcon icon;
  for (const qreal ratio : {1.0, 2.0, 3.0}) {
    QPixmap pm(QSize(20, 20) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paintGlyph(p, glyph);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace zeb
