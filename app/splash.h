#pragma once
// TSplashScreen: the borderless, stay-on-top window shown at start: a bevelled frame
// around a white panel with the sponsor's logo, the program's name and its version.
// Its timer (4000 ms, off when created) closes it.
#include <QTimer>
#include <QWidget>

namespace zeb {

class TSplashScreen : public QWidget {
  Q_OBJECT
public:
  TSplashScreen();
  QTimer* Timer1() { return &timer1_; }
  void Timer1Timer();

private:
  QTimer timer1_;
};

}  // namespace zeb
