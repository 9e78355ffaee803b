#pragma once
// TSplashScreen: the borderless, stay-on-top window shown at start; its timer closes it
// 4000 ms after the event loop runs.
#include <QTimer>
#include <QWidget>

namespace zeb {

class TSplashScreen : public QWidget {
  Q_OBJECT
public:
  TSplashScreen();
  QTimer* Timer1() { return &timer1_; }
  void Timer1Timer();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QTimer timer1_;
};

}  // namespace zeb
