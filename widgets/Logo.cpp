#include "widgets/Logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "app/AppInfo.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

const QColor kGold(196, 150, 40);

// The emblem: a navy tile holding three towers of rising height under a gold arc.
void paintEmblem(QPainter& p) {
  const QRectF tile(4, 6, 68, 68);
  QLinearGradient fill(tile.topLeft(), tile.bottomRight());
  fill.setColorAt(0, QColor(30, 50, 150));
  fill.setColorAt(1, kNavy);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(tile, 9, 9);

  p.setBrush(Qt::white);
  const double ground = 62;
  const struct { double x, w, h; } towers[] = {{16, 11, 18}, {31, 13, 30}, {48, 11, 22}};
  for (const auto& t : towers) p.drawRect(QRectF(t.x, ground - t.h, t.w, t.h));
  // Windows: navy slits in each tower.
  p.setBrush(kNavy);
  for (const auto& t : towers)
    for (double y = ground - t.h + 4; y < ground - 4; y += 6) p.drawRect(QRectF(t.x + 3, y, t.w - 6, 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(12, ground, 52, 3));

  QPainterPath arc;
  arc.moveTo(12, 30);
  arc.quadTo(38, 6, 64, 24);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(arc);
}

}  // namespace

void PaintSponsorLogo(QPainter& p, const QRectF& target) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.translate(target.topLeft());
  p.scale(target.width() / kLogoWidth, target.height() / kLogoHeight);

  paintEmblem(p);

  // The name as a path, so that it scales as smoothly as the rest of the picture.
  QFont serif = TimesFont(34);
  serif.setBold(true);
  QPainterPath name;
  name.addText(84, 42, serif, kSponsorName);
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  p.drawPath(name);

  p.setBrush(kGold);
  p.drawRect(QRectF(85, 49, 186, 2));

  // The line under the rule spans it exactly, whatever the face's own width.
  QFont sans("Arial");
  sans.setPixelSize(9);
  sans.setBold(true);
  QPainterPath tag;
  tag.addText(0, 0, sans, "COMMERCIAL REAL ESTATE FINANCE");
  const QRectF box = tag.boundingRect();
  QTransform fit;
  fit.translate(85, 64);
  fit.scale(186 / box.width(), 1);
  fit.translate(-box.left(), 0);
  p.setBrush(QColor(70, 80, 110));
  p.drawPath(fit.map(tag));
  p.restore();
}

TLogoPicture::TLogoPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("imgLogo");
  resize(kLogoWidth, kLogoHeight);
}

void TLogoPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintSponsorLogo(p, QRectF(rect()));
}

}  // namespace zeb
