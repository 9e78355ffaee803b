// Test main for the widget tests: the offscreen platform, one application object.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/Application.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The desktop files every main window writes at its set-up, and the settings file it
  // looks for, live in a folder of the test run (the programs the tests start inherit
  // it): never in the user's own.
  QTemporaryDir desktop;
  qputenv("XDG_DATA_HOME", desktop.filePath("data").toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", desktop.filePath("config").toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  zeb::TApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
