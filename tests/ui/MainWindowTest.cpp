// The main window's frame at start.
#include <gtest/gtest.h>

#include <QStackedWidget>

#include "app/Main.h"
#include "widgets/Messages.h"

namespace zeb {
namespace {

TEST(MainWindow, StartsOnWelcomePage) {
  MessageLog log;
  MessageRecorder rec(log);
  TfrmMain w;
  EXPECT_EQ(w.CurrentPageKey(), "Welcome");
  EXPECT_EQ(w.windowTitle(), "ZEB Devovederi Dunmarrow, 2.1.02");
}

}  // namespace
}  // namespace zeb
