#pragma once
// The one application object of the widget benchmarks (offscreen unless a platform is
// set), made on first use.
#include <QApplication>

#include "app/Application.h"

namespace zeb {

inline QApplication& BenchApplication() {
  static int argc = 1;
  static char name[] = "bench_ui";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) app = new TApplication(argc, argv);
  return *app;
}

}  // namespace zeb
