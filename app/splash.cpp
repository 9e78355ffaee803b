#include "app/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/AppInfo.h"
#include "widgets/Bevel.h"
#include "widgets/Logo.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

QLabel* navyLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFont(font);
  SetNavyText(l);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

TSplashScreen::TSplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashScreen");
  setWindowTitle("Dunmarrow");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(304, 189);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());

  // Raised outside, lowered inside, three pixels of frame between, white within.
  auto* panel = new TBevelPanel(this, Bevel::Raised, Bevel::Lowered, 3);
  panel->setObjectName("Panel1");
  panel->setGeometry(rect());
  auto* logo = new TLogoPicture(panel);
  logo->setObjectName("Image1");
  logo->setGeometry(12, 12, kLogoWidth, kLogoHeight);
  navyLabel(panel, "lblProductName", "Devovederi Dunmarrow", TimesFont(19), 12, 94);
  navyLabel(panel, "lblVersion", kAppVersion, ArialFont(11), 12, 116);

  timer1_.setInterval(4000);
  timer1_.setSingleShot(false);
  connect(&timer1_, &QTimer::timeout, this, &TSplashScreen::Timer1Timer);
}

void TSplashScreen::Timer1Timer() {
  timer1_.stop();
  close();
}

}  // namespace zeb
