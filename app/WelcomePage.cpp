#include "app/WelcomePage.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "app/AppInfo.h"
#include "app/Sponsor.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

QLabel* paragraph(QWidget* parent, const QString& text, int x, int y, int w, int h) {
  auto* l = new QLabel(text, parent);
  l->setWordWrap(true);
  l->setFont(ArialFont(12));
  l->setStyleSheet("color: black");
  l->setGeometry(x, y, w, h);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return l;
}

// One office or apartment block with a grid of windows.
void drawBlock(QPainter& p, const QRectF& r, const QColor& wall, const QColor& glass, int columns, int rows) {
  p.setPen(QPen(wall.darker(140), 1));
  p.setBrush(wall);
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  const double cw = r.width() / columns;
  const double rh = (r.height() - 8) / rows;
  for (int c = 0; c < columns; ++c)
    for (int row = 0; row < rows; ++row) {
      const bool lit = (c * 7 + row * 3) % 5 == 0;
      p.setBrush(lit ? QColor(255, 230, 140) : glass);
      p.drawRect(QRectF(r.left() + c * cw + cw * 0.25, r.top() + 6 + row * rh + rh * 0.2, cw * 0.5, rh * 0.55));
    }
}

void drawHouse(QPainter& p, double x, double ground, double w, const QColor& wall, const QColor& roof) {
  const double h = w * 0.55;
  p.setPen(QPen(wall.darker(150), 1));
  p.setBrush(wall);
  p.drawRect(QRectF(x, ground - h, w, h));
  QPainterPath r;
  r.moveTo(x - 4, ground - h);
  r.lineTo(x + w / 2, ground - h - w * 0.4);
  r.lineTo(x + w + 4, ground - h);
  r.closeSubpath();
  p.setBrush(roof);
  p.drawPath(r);
  p.setBrush(QColor(120, 70, 40));
  p.drawRect(QRectF(x + w * 0.42, ground - h * 0.6, w * 0.16, h * 0.6));
  p.setBrush(QColor(200, 225, 255));
  p.drawRect(QRectF(x + w * 0.12, ground - h * 0.7, w * 0.18, h * 0.25));
  p.drawRect(QRectF(x + w * 0.7, ground - h * 0.7, w * 0.18, h * 0.25));
}

}  // namespace

// ---- link label -------------------------------------------------------------------------

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QFont f = ArialFont(12);
  f.setUnderline(true);
  setFont(f);
  setCursor(Qt::PointingHandCursor);
  setColour(Qt::blue);
}

void TLinkLabel::setColour(const QColor& colour) {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, colour);
  setPalette(pal);
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
  mouseOver_ = true;
  setColour(Qt::red);
  QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event) {
  mouseOver_ = false;
  setColour(Qt::blue);
  QLabel::leaveEvent(event);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit clicked();
}

// ---- picture ------------------------------------------------------------------------------

TWelcomePicture::TWelcomePicture(QWidget* parent) : QWidget(parent) { setObjectName("imgWelcome"); }

void TWelcomePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = width();
  const double h = height();
  const double ground = h * 0.78;

  QLinearGradient sky(0, 0, 0, ground);
  sky.setColorAt(0, QColor(90, 150, 220));
  sky.setColorAt(1, QColor(215, 235, 250));
  p.fillRect(QRectF(0, 0, w, ground), sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 215, 80));
  p.drawEllipse(QPointF(w * 0.78, h * 0.14), w * 0.08, w * 0.08);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QRectF(w * 0.08, h * 0.08, w * 0.28, h * 0.05));
  p.drawEllipse(QRectF(w * 0.16, h * 0.06, w * 0.18, h * 0.05));

  // Commercial buildings behind, homes in front.
  drawBlock(p, QRectF(w * 0.04, ground - h * 0.42, w * 0.2, h * 0.42), QColor(170, 175, 190), QColor(70, 95, 140), 3, 9);
  drawBlock(p, QRectF(w * 0.26, ground - h * 0.62, w * 0.24, h * 0.62), QColor(0, 0, 128).lighter(260),
            QColor(40, 70, 130), 4, 14);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 128));
  p.drawRect(QRectF(w * 0.37, ground - h * 0.69, w * 0.02, h * 0.07));
  drawBlock(p, QRectF(w * 0.52, ground - h * 0.5, w * 0.18, h * 0.5), QColor(200, 185, 160), QColor(90, 90, 110), 3, 11);
  drawBlock(p, QRectF(w * 0.72, ground - h * 0.34, w * 0.24, h * 0.34), QColor(160, 120, 100), QColor(60, 60, 80), 4, 6);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 170, 90));
  p.drawRect(QRectF(0, ground, w, h - ground));
  p.setBrush(QColor(150, 150, 150));
  p.drawRect(QRectF(0, ground + h * 0.1, w, h * 0.05));

  drawHouse(p, w * 0.06, ground + h * 0.02, w * 0.22, QColor(245, 240, 225), QColor(170, 50, 40));
  drawHouse(p, w * 0.62, ground + h * 0.02, w * 0.2, QColor(230, 235, 245), QColor(60, 80, 130));

  // A lender's sign on the lawn.
  p.setPen(QPen(QColor(90, 60, 30), 2));
  p.drawLine(QPointF(w * 0.42, ground + h * 0.09), QPointF(w * 0.42, ground - h * 0.02));
  p.drawLine(QPointF(w * 0.56, ground + h * 0.09), QPointF(w * 0.56, ground - h * 0.02));
  p.setPen(QPen(kNavy, 1));
  p.setBrush(Qt::white);
  const QRectF sign(w * 0.38, ground - h * 0.09, w * 0.22, h * 0.07);
  p.drawRect(sign);
  QFont f = ArialFont(std::max(8, int(h * 0.03)), true);
  p.setFont(f);
  p.drawText(sign, Qt::AlignCenter, kSponsorName);

  p.setPen(QPen(kNavy, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

// ---- page -----------------------------------------------------------------------------------

WelcomePage::WelcomePage(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  auto* picture = new TWelcomePicture(this);
  picture->setGeometry(12, 12, 220, 356);

  auto* heading = new QLabel(kWelcomeHeading, this);
  heading->setObjectName("lblWelcomeHeading");
  heading->setFont(ArialFont(19, true));
  heading->setStyleSheet("color: navy");
  heading->setGeometry(248, 14, 340, 26);

  auto* from = new QLabel(kSponsorName + ": " + kSponsorSlogan, this);
  from->setObjectName("lblWelcomeSponsor");
  from->setFont(ArialFont(11, true));
  from->setStyleSheet("color: navy");
  from->setWordWrap(true);
  from->setGeometry(248, 40, 340, 30);

  paragraph(this, kWelcomeText1, 248, 76, 336, 62)->setObjectName("lblWelcome1");
  paragraph(this, kWelcomeText2, 248, 140, 336, 62)->setObjectName("lblWelcome2");
  paragraph(this, kWelcomeText3, 248, 204, 336, 46)->setObjectName("lblWelcome3");

  auto* emailCaption = new QLabel(kWelcomeEmailCaption, this);
  emailCaption->setFont(ArialFont(12, true));
  emailCaption->setStyleSheet("color: navy");
  emailCaption->setGeometry(248, 262, 50, 18);
  lblEmail_ = new TLinkLabel(kSponsorEmail, this);
  lblEmail_->setObjectName("lblWelcomeEmail");
  lblEmail_->setGeometry(302, 262, 280, 18);
  lblEmail_->setToolTip("Write to us by e-mail");
  lblEmail_->setStatusTip("Write to us by e-mail");

  auto* webCaption = new QLabel(kWelcomeWebCaption, this);
  webCaption->setFont(ArialFont(12, true));
  webCaption->setStyleSheet("color: navy");
  webCaption->setGeometry(248, 284, 50, 18);
  lblWeb_ = new TLinkLabel(kSponsorWebAddress, this);
  lblWeb_->setObjectName("lblWelcomeWeb");
  lblWeb_->setGeometry(302, 284, 280, 18);
  lblWeb_->setToolTip("Visit our web site");
  lblWeb_->setStatusTip("Visit our web site");

  btnNext_ = new QPushButton("  Continue", this);
  btnNext_->setObjectName("btnNext");
  btnNext_->setFont(ArialFont(12, true));
  btnNext_->setGeometry(470, 330, 112, 30);
  btnNext_->setToolTip("Go to Calculator Menu");
  btnNext_->setStatusTip("Go to Calculator Menu");
}

}  // namespace zeb
