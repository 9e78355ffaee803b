// Test main for the widget tests: the offscreen platform, one application object.
#include <gtest/gtest.h>

#include "app/Application.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  zeb::TApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
