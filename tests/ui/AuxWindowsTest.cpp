// The small windows around the main window: the about box, the disclaimer, the splash
// window and the popup calculator; how they are laid out, opened, placed and closed,
// and the calculator in use by keyboard and mouse.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include <functional>

#include "app/About.h"
#include "app/DesktopShell.h"
#include "app/DialogSeam.h"
#include "app/Disclaim.h"
#include "app/FileDialogs.h"
#include "app/ModalWindow.h"
#include "app/Sponsor.h"
#include "app/splash.h"
#include "app/uFrmCalculator.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Bevel.h"
#include "widgets/DeskCalculator.h"
#include "widgets/Logo.h"
#include "widgets/URLLabel.h"

namespace zeb::test {
namespace {

const QColor kNavyText(0, 0, 128);

QLabel* childLabel(QWidget* parent, const char* name) {
  auto* l = parent->findChild<QLabel*>(name);
  EXPECT_NE(l, nullptr) << "no label " << name;
  return l;
}

// Shown without waiting on it, so nothing modal ever blocks a test; hidden again (and
// destroyed by its owner) when the test ends.
template <class W>
struct Showing {
  Showing() {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  W window;
};

// ---- about box -----------------------------------------------------------------------------

struct PlacedText {
  const char* name;
  int x, y;
  const char* text;  // after FormShow
};

TEST(AboutBox, LaysOutItsPanelAsDesigned) {
  Showing<TAboutBox> about;
  TAboutBox& box = about.window;
  EXPECT_EQ(box.size(), QSize(308, 259));
  EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(box.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_EQ(box.Panel1()->geometry(), QRect(5, 5, 298, 222));
  EXPECT_EQ(box.Panel1()->Colour(), QColor(Qt::white));
  EXPECT_EQ(box.ProgramIcon()->geometry(), QRect(12, 12, 280, 80));

  const PlacedText texts[] = {
      {"ProductName", 12, 94, "Devovederi Dunmarrow"},
      {"lblVersionCaption", 35, 118, "Version:"},
      {"lblVersion", 85, 118, "2.1.02"},
      {"lblCompileDateCaption", 12, 134, "Compile Date:"},
      {"lblCompileDate", 84, 134, "05/29/2002"},
      {"lblWeb", 49, 148, " Web:"},
      {"UrlLabel1", 84, 148, "http://www.quorvane.example/"},
      {"lblEmail", 50, 164, "Email:"},
      {"URLLabel2", 84, 164, "loans@quorvane.example"},
  };
  for (const PlacedText& t : texts) {
    SCOPED_TRACE(t.name);
    QLabel* l = childLabel(box.Panel1(), t.name);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->pos(), QPoint(t.x, t.y));
    EXPECT_EQ(l->text(), t.text);
    EXPECT_GE(l->width(), l->sizeHint().width()) << "shown whole";
    if (!qobject_cast<TURLLabel*>(l)) EXPECT_EQ(l->palette().color(QPalette::WindowText), kNavyText);
  }
  const QFont name = childLabel(box.Panel1(), "ProductName")->font();
  EXPECT_EQ(QFontInfo(name).family(), "Liberation Serif");
  EXPECT_EQ(name.pixelSize(), 19);
  EXPECT_EQ(QFontInfo(box.lblVersion()->font()).family(), "Liberation Sans");
  EXPECT_EQ(box.lblVersion()->font().pixelSize(), 11);

  EXPECT_EQ(box.UrlLabel1()->URL(), kSponsorWebUrl);
  EXPECT_EQ(box.UrlLabel1()->toolTip(), " Click to visit our website ...");
  EXPECT_EQ(box.URLLabel2()->URL(), "mailto:" + kSponsorEmail);
  EXPECT_EQ(box.URLLabel2()->toolTip(), " Click to contact us by email ...");

  EXPECT_EQ(box.btnClose()->geometry(), QRect(92, 231, 115, 25));
  EXPECT_EQ(box.btnClose()->text(), " &OK");
  EXPECT_EQ(box.btnClose()->toolTip(), "Close About Window");
  // OK has the focus; Tab reaches both links and comes back.
  QApplication::setActiveWindow(&box);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  EXPECT_EQ(QApplication::focusWidget(), box.btnClose());
  for (QWidget* next : std::initializer_list<QWidget*>{box.UrlLabel1(), box.URLLabel2(), box.btnClose()}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
}

TEST(AboutBox, CaptionVersionAndDateAreSetEachTimeItIsShown) {
  TAboutBox box;
  for (int shown = 0; shown < 2; ++shown) {
    box.setWindowTitle("stale");
    box.lblVersion()->setText("stale");
    box.lblCompileDate()->setText("stale");
    box.show();
    EXPECT_EQ(box.windowTitle(), " About ZEB Devovederi Dunmarrow, 2.1.02");
    EXPECT_EQ(box.lblVersion()->text(), "2.1.02");
    EXPECT_EQ(box.lblCompileDate()->text(), "05/29/2002");
    box.btnClose()->click();
    EXPECT_FALSE(box.isVisible()) << "OK closes the box";
  }
}

// ---- link labels -----------------------------------------------------------------------------

TEST(URLLabel, TakesItsMouseOverLookAndGivesItBackOnLeaving) {
  QWidget holder;
  TURLLabel link("Quorvane", "http://www.quorvane.example/", &holder);
  EXPECT_EQ(link.Colour(), QColor(Qt::blue));
  EXPECT_EQ(link.Style(), FontStyles(FontStyle::Underline));
  // A label set to a look of its own gets exactly that look back.
  link.SetColour(Qt::darkGreen);
  link.SetStyle(FontStyle::Bold | FontStyle::Italic);
  link.SetHighlightColour(Qt::red);
  link.SetHighlightStyle(FontStyle::Underline);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(&link, &enter);
  EXPECT_EQ(link.Colour(), QColor(Qt::red));
  EXPECT_EQ(link.Style(), FontStyles(FontStyle::Underline));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&link, &leave);
  EXPECT_EQ(link.Colour(), QColor(Qt::darkGreen));
  EXPECT_EQ(link.Style(), FontStyle::Bold | FontStyle::Italic);
}

TEST(URLLabel, AnyMouseButtonOpensTheLinkAndTheOutcomeIsNotReported) {
  MessageLog log;
  MessageRecorder messages(log);
  DesktopRecorder desktop(/*succeed=*/false);
  TAboutBox box;
  QTest::mouseClick(box.UrlLabel1(), Qt::LeftButton);
  QTest::mouseClick(box.URLLabel2(), Qt::RightButton);
  QTest::mouseClick(box.URLLabel2(), Qt::MiddleButton);
  // From the keyboard: Enter or Space on the focused link.
  QTest::keyClick(box.UrlLabel1(), Qt::Key_Return);
  QTest::keyClick(box.URLLabel2(), Qt::Key_Space);
  ASSERT_EQ(desktop.opened.size(), 5u);
  EXPECT_EQ(desktop.opened[3], QUrl("http://www.quorvane.example/"));
  EXPECT_EQ(desktop.opened[4], QUrl("mailto:loans@quorvane.example"));
  EXPECT_EQ(desktop.opened[0], QUrl("http://www.quorvane.example/"));
  EXPECT_EQ(desktop.opened[1], QUrl("mailto:loans@quorvane.example"));
  EXPECT_TRUE(log.entries.empty()) << "a link the desktop cannot open is not reported";
}

// ---- disclaimer ------------------------------------------------------------------------------

struct WrappedText {
  const char* name;
  int x, y, width;
  const char* text;
  bool bold;
};

TEST(Disclaimer, FourTextsOnAWhitePanelAndOk) {
  Showing<TfrmDisclaim> shown;
  TfrmDisclaim& d = shown.window;
  EXPECT_EQ(d.windowTitle(), "Disclaimer");
  EXPECT_EQ(d.size(), QSize(262, 159));
  EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(d.Panel1()->geometry(), QRect(0, 0, 262, 131));

  const WrappedText texts[] = {
      {"Label1", 10, 8, 239, "Though effort was made to ensure the accuracy of these calculations,", false},
      {"Label2", 10, 38, 31, "NOTE:", true},
      {"Label3", 52, 38, 200,
       "there is  NO WARRANTY,  expressed or implied, for the accuracy or applicability of this information to "
       "your particular financial question.",
       true},
      {"Label4", 10, 96, 240, "Please consult your own financial advisor before making any financial decision.", false},
  };
  int previousBottom = 0;
  for (const WrappedText& t : texts) {
    SCOPED_TRACE(t.name);
    QLabel* l = childLabel(d.Panel1(), t.name);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), t.text);
    EXPECT_EQ(l->pos(), QPoint(t.x, t.y));
    EXPECT_GE(l->width(), t.width);
    EXPECT_TRUE(l->wordWrap());
    EXPECT_EQ(l->font().bold(), t.bold);
    EXPECT_EQ(l->font().pixelSize(), 11);
    EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Every line shows whole, inside the panel, without running into the next text.
    EXPECT_GE(l->height(), l->heightForWidth(l->width()));
    EXPECT_LE(l->geometry().bottom(), d.Panel1()->height() - 2);
    if (t.x == 10) {
      EXPECT_GE(l->y(), previousBottom);
      previousBottom = l->geometry().bottom() + 1;
    }
  }
  EXPECT_LE(childLabel(d.Panel1(), "Label3")->geometry().bottom(), childLabel(d.Panel1(), "Label4")->y());
  EXPECT_LE(childLabel(d.Panel1(), "Label2")->geometry().right(), 51) << "NOTE: stays clear of its sentence";

  EXPECT_EQ(d.btnClose()->text(), " &OK");
  EXPECT_EQ(d.btnClose()->toolTip(), "Close Disclaimer window.");
  EXPECT_GE(d.btnClose()->y(), 131);
  EXPECT_LE(d.btnClose()->geometry().bottom(), 158);
  d.btnClose()->click();
  EXPECT_FALSE(d.isVisible());
}

// ---- splash window ---------------------------------------------------------------------------

TEST(Splash, BevelledFrameAroundTheLogoNameAndVersion) {
  QPointer<TSplashScreen> splash = new TSplashScreen;
  EXPECT_EQ(splash->windowTitle(), "Dunmarrow");
  EXPECT_FALSE(splash->Timer1()->isActive()) << "off when created";
  auto* panel = splash->findChild<TBevelPanel*>("Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->geometry(), QRect(0, 0, 304, 189));
  EXPECT_EQ(panel->Outer(), Bevel::Raised);
  EXPECT_EQ(panel->Inner(), Bevel::Lowered);
  EXPECT_EQ(panel->BorderWidth(), 3);
  EXPECT_EQ(panel->Colour(), QColor(Qt::white));
  auto* logo = splash->findChild<TLogoPicture*>();
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->geometry(), QRect(12, 12, 280, 80));
  QLabel* name = childLabel(panel, "lblProductName");
  EXPECT_EQ(name->text(), "Devovederi Dunmarrow");
  EXPECT_EQ(name->pos(), QPoint(12, 94));
  EXPECT_EQ(QFontInfo(name->font()).family(), "Liberation Serif");
  EXPECT_EQ(name->font().pixelSize(), 19);
  EXPECT_EQ(name->palette().color(QPalette::WindowText), kNavyText);
  QLabel* version = childLabel(panel, "lblVersion");
  EXPECT_EQ(version->text(), "2.1.02");
  EXPECT_EQ(version->pos(), QPoint(12, 116));
  EXPECT_EQ(version->font().pixelSize(), 11);
  EXPECT_EQ(version->palette().color(QPalette::WindowText), kNavyText);
  delete splash;
}

// ---- pictures stay sharp at a device pixel ratio of 2 ------------------------------------------

// Share of 2 x 2 device-pixel blocks that are not one colour: 0 for a picture drawn at
// one pixel per point and stretched, well above 0 for one drawn at the screen's density.
double finerThanOnePixel(QWidget& w) {
  QPixmap pm(w.size() * 2);
  pm.setDevicePixelRatio(2);
  pm.fill(Qt::white);
  w.render(&pm);
  const QImage img = pm.toImage().convertToFormat(QImage::Format_RGB32);
  int blocks = 0, mixed = 0;
  for (int y = 0; y + 1 < img.height(); y += 2)
    for (int x = 0; x + 1 < img.width(); x += 2) {
      const QRgb c = img.pixel(x, y);
      ++blocks;
      mixed += img.pixel(x + 1, y) != c || img.pixel(x, y + 1) != c || img.pixel(x + 1, y + 1) != c;
    }
  return blocks ? double(mixed) / blocks : 0;
}

TEST(HighDensity, LogoAndSplashAreDrawnAtTheScreensDensity) {
  TLogoPicture logo;
  logo.resize(kLogoWidth, kLogoHeight);
  EXPECT_GT(finerThanOnePixel(logo), 0.05);
  TSplashScreen splash;
  EXPECT_GT(finerThanOnePixel(splash), 0.02);
  // The button bar's pictures come in a drawing for each density.
  TfrmMain main;
  auto* calculatorButton = main.findChild<QToolButton*>("btnPopupCalculator");
  ASSERT_NE(calculatorButton, nullptr);
  const QPixmap sharp = calculatorButton->icon().pixmap(QSize(20, 20), 2.0);
  EXPECT_EQ(sharp.size(), QSize(40, 40));
  EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
}


// Without a window manager nobody hands the keyboard back when a modal window closes:
// its owner must take it, or every key after closing the window goes nowhere.
TEST(ModalWindow, ClosingHandsTheKeyboardBackToTheOwner) {
  const struct {
    const char* name;
    std::function<void(QWidget&)> open;
  } cases[] = {
      {"disclaimer", [](QWidget& owner) { TfrmDisclaim d(&owner); OpenModalWindow(owner, d); }},
      {"save dialog", [](QWidget& owner) { ChooseDocumentToSave(&owner); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    QApplication::setActiveWindow(&owner);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    QTimer::singleShot(0, [] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
      qobject_cast<QDialog*>(modal)->reject();
    });
    c.open(owner);
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), &owner);
  }
}
}  // namespace
}  // namespace zeb::test
