#include "app/MenuPage.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/AppInfo.h"
#include "app/Sponsor.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

struct MenuButtonSpec {
  const char* name;
  const char* caption;
  const char* hint;
  QColor glyph;
};

const MenuButtonSpec kButtons[] = {
    {"btnWelcome", "  Welcome", "Go to Welcome", QColor(0, 128, 0)},
    {"btnQC", "  Quick Calculators", "Go to Quick Calculators", QColor(0, 0, 160)},
    {"btnAmort", "  Amortization Schedules", "Go to Amortization Schedules", QColor(0, 0, 160)},
    {"btnTBL", "  Tabulon Calculator", "Go to Tabulon Calculator", QColor(0, 0, 160)},
    {"btnLC", "  Loan Comparisons", "Go to Loan Comparisons", QColor(0, 0, 160)},
    {"btnFV", "  Future Values", "Go to Future Values Calculator", QColor(0, 0, 160)},
    {"btnRC", "  Refinancing Calculator", "Go to Refinancing Calculator", QColor(0, 0, 160)},
    {"btnDepreciation", "  Depreciation Calculator", "Go to Depreciation Calculator", QColor(0, 0, 160)},
    {"btnROR", "  Rates of Return", "Go to Rates of Return Calculator", QColor(0, 0, 160)},
    {"btnDCF", "  Net Present Values", "Go to Net Present Values Calculator", QColor(0, 0, 160)},
    {"btnCapRate", "  Capitalization Rates", "Go to Capitalization Rate Calculator", QColor(0, 0, 160)},
    {"btnMQ", "  Submit Loan Application", "Go to Loan Application", QColor(180, 120, 0)},
};

}  // namespace

// ---- borderless picture button ------------------------------------------------------------

TMenuButton::TMenuButton(const QString& caption, const QColor& glyphColour, QWidget* parent)
    : QAbstractButton(parent), textColour_(kNavy), glyphColour_(glyphColour) {
  setText(caption);
  setFont(ArialFont(13, true));
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
}

void TMenuButton::SetTextColour(const QColor& colour) {
  textColour_ = colour;
  update();
}

QSize TMenuButton::sizeHint() const { return QSize(260, 26); }

void TMenuButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The glyph: a round badge with an arrow, pressed in while the button is down.
  const double d = height() - 8;
  const QRectF badge(4 + (isDown() ? 1 : 0), 4 + (isDown() ? 1 : 0), d, d);
  p.setPen(QPen(glyphColour_.darker(130), 1));
  p.setBrush(glyphColour_);
  p.drawEllipse(badge);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  const QPointF c = badge.center();
  const double a = d * 0.22;
  p.drawPolygon(QPolygonF({QPointF(c.x() - a * 0.7, c.y() - a), QPointF(c.x() + a, c.y()),
                           QPointF(c.x() - a * 0.7, c.y() + a)}));
  p.setFont(font());
  p.setPen(isEnabled() ? textColour_ : palette().color(QPalette::Disabled, QPalette::WindowText));
  const QRectF textRect(badge.right() + 2, 0, width() - badge.right() - 2, height());
  p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
  if (hasFocus()) {
    p.setPen(QPen(kNavy, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(badge.right() + 4, 2, p.fontMetrics().horizontalAdvance(text()) + 2, height() - 4));
  }
}

// ---- picture --------------------------------------------------------------------------------

TMenuPicture::TMenuPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Image1");
  setFixedSize(300, 330);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setToolTip("About Devovederi Dunmarrow");
  setStatusTip("About Devovederi Dunmarrow");
}

void TMenuPicture::mouseMoveEvent(QMouseEvent* event) {
  // Image1MouseMove: the hand-shaped pointer over the picture.
  setCursor(Qt::PointingHandCursor);
  QWidget::mouseMoveEvent(event);
}

void TMenuPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

void TMenuPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(0, 0, width(), height());

  QLinearGradient bg(0, 0, 0, height());
  bg.setColorAt(0, QColor(225, 235, 250));
  bg.setColorAt(1, QColor(255, 255, 255));
  p.fillRect(all, bg);

  // An office tower and its neighbour.
  p.setPen(QPen(QColor(60, 70, 110), 1));
  p.setBrush(QColor(150, 165, 200));
  p.drawRect(QRectF(170, 40, 80, 200));
  p.setBrush(QColor(185, 190, 205));
  p.drawRect(QRectF(235, 100, 55, 140));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 15; ++row)
    for (int col = 0; col < 4; ++col) {
      p.setBrush((row + col) % 4 == 0 ? QColor(255, 230, 140) : QColor(50, 70, 120));
      p.drawRect(QRectF(178 + col * 18, 50 + row * 12.5, 10, 7));
    }
  for (int row = 0; row < 10; ++row)
    for (int col = 0; col < 3; ++col) {
      p.setBrush(QColor(80, 90, 120));
      p.drawRect(QRectF(242 + col * 16, 110 + row * 12.5, 9, 7));
    }

  // A rising chart.
  const QColor bars[] = {QColor(0, 0, 128), QColor(30, 60, 170), QColor(60, 110, 200), QColor(0, 128, 0)};
  for (int i = 0; i < 4; ++i) {
    const double h = 40 + i * 28;
    p.setBrush(bars[i]);
    p.drawRect(QRectF(20 + i * 34, 150 - h, 24, h));
  }
  p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath trend;
  trend.moveTo(18, 120);
  trend.lineTo(66, 98);
  trend.lineTo(100, 76);
  trend.lineTo(150, 30);
  p.drawPath(trend);
  p.setBrush(QColor(200, 30, 30));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({QPointF(156, 24), QPointF(140, 30), QPointF(150, 40)}));

  // The desk calculator in front.
  const QRectF body(40, 140, 150, 160);
  p.setPen(QPen(QColor(40, 40, 60), 1.5));
  p.setBrush(QColor(60, 65, 80));
  p.drawRoundedRect(body, 10, 10);
  p.setBrush(QColor(190, 220, 190));
  const QRectF display(body.left() + 12, body.top() + 12, body.width() - 24, 30);
  p.drawRoundedRect(display, 3, 3);
  p.setPen(QColor(20, 40, 20));
  p.setFont(ArialFont(20, true));
  p.drawText(display.adjusted(4, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, "786.70");
  const char* keys[4][4] = {{"7", "8", "9", "/"}, {"4", "5", "6", "x"}, {"1", "2", "3", "-"}, {"0", ".", "=", "+"}};
  p.setFont(ArialFont(12, true));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      const QRectF key(body.left() + 12 + c * 33, body.top() + 52 + r * 26, 27, 20);
      const bool op = c == 3 || (r == 3 && c == 2);
      p.setPen(QPen(QColor(30, 30, 40), 1));
      p.setBrush(op ? QColor(200, 60, 50) : QColor(235, 235, 240));
      p.drawRoundedRect(key, 3, 3);
      p.setPen(op ? Qt::white : kNavy);
      p.drawText(key, Qt::AlignCenter, keys[r][c]);
    }

  // A house key with its tag.
  p.setPen(QPen(QColor(150, 120, 30), 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(212, 250, 26, 26));
  p.drawLine(QPointF(238, 263), QPointF(282, 263));
  p.drawLine(QPointF(270, 263), QPointF(270, 272));
  p.drawLine(QPointF(278, 263), QPointF(278, 270));
  p.setPen(QPen(kNavy, 1));
  p.setBrush(Qt::white);
  QPainterPath tag;
  tag.moveTo(200, 270);
  tag.lineTo(214, 282);
  tag.lineTo(214, 300);
  tag.lineTo(186, 300);
  tag.lineTo(186, 282);
  tag.closeSubpath();
  p.drawPath(tag);
  p.setBrush(kNavy);
  QPainterPath roof;
  roof.moveTo(200, 284);
  roof.lineTo(208, 290);
  roof.lineTo(192, 290);
  roof.closeSubpath();
  p.drawPath(roof);
  p.drawRect(QRectF(194, 290, 12, 7));

  // The program's name across the foot.
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  p.drawRect(QRectF(0, 306, width(), 24));
  p.setPen(Qt::white);
  p.setFont(ArialFont(14, true));
  p.drawText(QRectF(0, 306, width(), 24), Qt::AlignCenter, "Devovederi Dunmarrow");

  p.setPen(QPen(kNavy, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
}

// ---- page -----------------------------------------------------------------------------------

MenuPage::MenuPage(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  auto* name = new QLabel(kSponsorName, this);
  name->setObjectName("lblMenuCompany");
  name->setFont(ArialFont(22, true));
  name->setStyleSheet("color: navy");
  name->setAlignment(Qt::AlignCenter);
  name->setGeometry(0, 2, 597, 26);

  auto* slogan = new QLabel(kSponsorSlogan, this);
  slogan->setObjectName("lblSlogan");
  slogan->setFont(ArialFont(12, true));
  slogan->setStyleSheet("color: navy");
  slogan->setAlignment(Qt::AlignCenter);
  slogan->setGeometry(0, 27, 597, 16);

  image1_ = new TMenuPicture(this);
  image1_->move(8, 46);

  int y = 46;
  for (const MenuButtonSpec& spec : kButtons) {
    auto* b = new TMenuButton(spec.caption, spec.glyph, this);
    b->setObjectName(spec.name);
    b->setGeometry(318, y, 270, 26);
    b->setToolTip(spec.hint);
    b->setStatusTip(spec.hint);
    b->setAttribute(Qt::WA_Hover);
    b->installEventFilter(this);
    buttons_.append(b);
    y += 27;
  }
}

TMenuButton* MenuPage::Button(const QString& objectName) const {
  for (TMenuButton* b : buttons_)
    if (b->objectName() == objectName) return b;
  return nullptr;
}

void MenuPage::MenuButtonEnter(TMenuButton* button) { button->SetTextColour(Qt::red); }
void MenuPage::MenuButtonLeave(TMenuButton* button) { button->SetTextColour(kNavy); }

bool MenuPage::eventFilter(QObject* watched, QEvent* event) {
  if (auto* b = qobject_cast<TMenuButton*>(watched)) {
    if (event->type() == QEvent::Enter) MenuButtonEnter(b);
    else if (event->type() == QEvent::Leave) MenuButtonLeave(b);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zeb
