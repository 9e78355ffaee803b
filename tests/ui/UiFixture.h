#pragma once
// The offscreen main-window fixture: a real TfrmMain, messages recorded instead of
// shown, and a watchdog that fails fast when a modal dialog opens by accident.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/Main.h"
#include "widgets/Messages.h"

namespace zeb::test {

// Closes any modal dialog that appears and records that it did.
class ModalWatchdog {
public:
  ModalWatchdog() {
    timer_.setInterval(200);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened_ = true;
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject(); else modal->close();
      }
    });
    timer_.start();
  }
  ~ModalWatchdog() { EXPECT_FALSE(opened_) << "a modal dialog opened during the test"; }

private:
  QTimer timer_;
  bool opened_ = false;
};

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    QCursor::setPos(3000, 3000);  // keep the pointer off the window: no stray hover hints
    window = std::make_unique<TfrmMain>();
    window->move(100, 100);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    log.entries.clear();
  }
  void TearDown() override { window.reset(); }

  template <class T>
  T* find(const char* name) const {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << "no widget named " << name;
    return w;
  }

  MessageLog log;
  MessageRecorder recorder{log};
  ModalWatchdog watchdog;
  std::unique_ptr<TfrmMain> window;
};

}  // namespace zeb::test
