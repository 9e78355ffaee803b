// The main window's frame, its application-wide error handler and its closing.
#include <QCloseEvent>
#include <QFrame>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "app/AppInfo.h"
#include "app/splash.h"
#include "finance/Errors.h"
#include "tests/ui/UiFixture.h"

namespace zeb::test {
namespace {

using Frame = MainWindowTest;

TEST_F(Frame, StartsOnTheWelcomePageWithItsFixedFrame) {
  EXPECT_EQ(window->CurrentPageKey(), "Welcome");
  EXPECT_EQ(window->windowTitle(), "ZEB Devovederi Dunmarrow, 2.1.02");
  EXPECT_EQ(window->StatusText(), " Welcome to ZEB Devovederi Dunmarrow, 2.1.02");
  EXPECT_EQ(window->centralWidget()->size(), QSize(622, 414));
  EXPECT_EQ(window->statusBar()->height(), 19);
  EXPECT_EQ(find<QStackedWidget>("nbkMain")->geometry(), QRect(25, 34, 597, 380));
  EXPECT_EQ(find<QFrame>("pnlButtonBar")->height(), 33);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(find<QToolButton>("btnPrint")->isEnabled());
  EXPECT_FALSE(find<QToolButton>("btnReset")->isEnabled());
  EXPECT_EQ(find<QStackedWidget>("nbkMain")->count(), 12);
  EXPECT_TRUE(window->HelpFile().endsWith("ZEBcalc.hlp"));
  EXPECT_TRUE(window->HelpFile().startsWith(window->ProgramFolder()));
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
}

TEST_F(Frame, ExitButtonSits29PixelsFromTheRightEnd) {
  window->FormActivate();
  EXPECT_EQ(find<QToolButton>("btnExit")->x(), find<QFrame>("pnlButtonBar")->width() - 29);
}

TEST_F(Frame, HintsReachTheStatusBar) {
  window->DisplayHint("Open ...");
  EXPECT_EQ(window->StatusText(), "Open ...");
  window->DisplayHint("Short|Long part");
  EXPECT_EQ(window->StatusText(), "Long part");
}

struct ErrorCase {
  const char* name;
  std::exception_ptr error;
  QString message;
};

TEST_F(Frame, ApplicationHandlerMessages) {
  const ErrorCase cases[] = {
      {"math", std::make_exception_ptr(EMathError("Floating point division by zero")), kMathErrorMessage},
      {"conversion", std::make_exception_ptr(EConvertError("'x' is not a valid integer value")),
       "An unidentified error has occurred."},
      {"anything_else", std::make_exception_ptr(std::runtime_error("boom")), "An unidentified error has occurred."},
  };
  for (const auto& c : cases) {
    log.entries.clear();
    window->AppOnException(c.error);
    EXPECT_EQ(log.informationTexts(), QStringList{c.message}) << c.name;
  }
  // The math message's exact line breaks: line feed then carriage return.
  EXPECT_EQ(kMathErrorMessage,
            QString("Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
                    "Please try again with reasonable values."));
}

// An object whose event handler throws, as a calculator's handler would without Guarded.
class Thrower : public QObject {
public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw EMathError("Floating point overflow");
    return QObject::event(e);
  }
};

TEST_F(Frame, ExceptionEscapingAnEventHandlerReachesTheHandler) {
  Thrower thrower;
  QEvent e(QEvent::User);
  QApplication::sendEvent(&thrower, &e);
  EXPECT_EQ(log.informationTexts(), QStringList{kMathErrorMessage});
}

TEST_F(Frame, ClosingWithoutADocumentAsksNothing) {
  window->close();
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(Frame, ClosingWithADocumentAsksToSave) {
  window->SetCurrentFileName("/tmp/loans.dmw");
  log.confirmAnswer = false;
  window->close();
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].kind, MessageLog::Kind::Confirmation);
  EXPECT_EQ(log.entries[0].text, "Save changes to /tmp/loans.dmw");
  EXPECT_FALSE(window->isVisible());  // never refused
}

TEST(Splash, BorderlessOnTopClosedByItsTimer) {
  QPointer<TSplashScreen> splash = new TSplashScreen;
  EXPECT_EQ(splash->size(), QSize(304, 189));
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(splash->Timer1()->interval(), 4000);
  splash->Timer1()->start();
  splash->show();
  splash->Timer1Timer();
  EXPECT_FALSE(splash->Timer1()->isActive());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());  // closing frees it
}

}  // namespace
}  // namespace zeb::test
