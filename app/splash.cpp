#include "app/splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "app/AppInfo.h"

namespace zeb {

TSplashScreen::TSplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashScreen");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(304, 189);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  timer1_.setInterval(4000);
  timer1_.setSingleShot(false);
  connect(&timer1_, &QTimer::timeout, this, &TSplashScreen::Timer1Timer);
}

void TSplashScreen::Timer1Timer() {
  timer1_.stop();
  close();
}

void TSplashScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(0, 0, 128));
  g.setColorAt(1, QColor(20, 60, 160));
  p.fillRect(rect(), g);
  p.setPen(QColor(255, 215, 0));
  p.drawRect(rect().adjusted(3, 3, -4, -4));
  QFont f("Arial");
  f.setPixelSize(30);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 28, width(), 40), Qt::AlignCenter, kSponsorName);
  f.setPixelSize(15);
  p.setFont(f);
  p.drawText(QRect(0, 78, width(), 24), Qt::AlignCenter, "Devovederi Dunmarrow");
  f.setPixelSize(11);
  f.setBold(false);
  p.setFont(f);
  p.drawText(QRect(0, 104, width(), 20), Qt::AlignCenter, "Commercial real-estate finance calculators");
  p.drawText(QRect(0, 150, width(), 20), Qt::AlignCenter, "Version 2.1.02");
}

}  // namespace zeb
