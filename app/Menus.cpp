// The main window's menus and the wiring of its button bar, status bar and the
// page-choosing buttons of the welcome and menu pages.
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

#include "app/Main.h"
#include "app/MenuPage.h"
#include "app/Sponsor.h"
#include "app/WelcomePage.h"
#include "widgets/Guarded.h"

namespace zeb {
namespace {

// The page items of the three menus, in the order of the Calculators menu; an empty
// key is a separator.
struct PageItemSpec {
  const char* key;
  const char* mainName;
  const char* popupName;
  const char* popCalcsName;
  const char* caption;
  const char* popupCaption;  // when MnuPopup's differs
};

const PageItemSpec kPageItems[] = {
    {"Welcome", "mnuCalculatorsWelcome", "mnuPopWelcome", "mnuPopCalcsWelcome", "&Welcome ...", nullptr},
    {"", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"Menu", "mnuCalculatorsMain", "mnuPopMain", "mnuPopCalcsMain", "&Calculator Menu", nullptr},
    {"", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"QC", "MnuCalculatorsQC", "mnuPopQC", "mnuPopCalcsQC", "&Quick Calculators", nullptr},
    {"Amort", "MnuCalculatorsAmort", "mnuPopAmort", "mnuPopCalcsAmort", "&Amortization Schedules", nullptr},
    {"TB", "mnuCalculatorsTBL", "mnuPopTBL", "mnuPopCalcsTBL", "&Tabulon Calculator", nullptr},
    {"LC", "MnuCalculatorsLC", "mnuPopLC", "mnuPopCalcsLC", "&Loan Comparisons", nullptr},
    {"FV", "mnuCalculatorsFV", "mnuPopFV", "mnuPopCalcsFV", "Future &Values", nullptr},
    {"RC", "MnuCalculatorsRC", "mnuPopRC", "mnuPopCalcsRC", "&Refinancing Calculator", nullptr},
    {"Depreciation", "mnuCalculatorsDepreciation", "mnuPopDepreciation", "mnuPopCalcsDepreciation",
     "&Depreciation Calculator", nullptr},
    {"ROR", "MnuCalculatorsROR", "mnuPopROR", "mnuPopCalcsROR", "Ra&tes of Return", nullptr},
    {"DCF", "mnuCalculatorsDCF", "mnuPopDCF", "mnuPopCalcsDCF", "Net &Present Values", nullptr},
    {"pgCapRate", "mnuCalculatorsCapRate", "mnuPopCapRate", "mnuPopCalcsCapRate",
     "Capitali&zation Rate Calculator", "Capitali&zation Calculator"},
    {"", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"MQ", "MnuCalculatorsMQ", "mnuPopMQ", "mnuPopCalcsMQ", "Su&bmit Loan Application", nullptr},
};

// The menu-page buttons by page key.
const struct {
  const char* key;
  const char* button;
} kPageButtons[] = {
    {"Welcome", "btnWelcome"}, {"QC", "btnQC"},   {"Amort", "btnAmort"},
    {"TB", "btnTBL"},          {"LC", "btnLC"},   {"FV", "btnFV"},
    {"RC", "btnRC"},           {"Depreciation", "btnDepreciation"},
    {"ROR", "btnROR"},         {"DCF", "btnDCF"}, {"pgCapRate", "btnCapRate"},
    {"MQ", "btnMQ"},
};

}  // namespace

QAction* TfrmMain::addItem(QMenu* menu, const char* name, const QString& caption, void (TfrmMain::*handler)()) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  if (handler) connect(a, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  return a;
}

// which: 0 main menu, 1 MnuPopup, 2 mnuPopCalcs.
void TfrmMain::addPageItems(QMenu* menu, int which) {
  for (const PageItemSpec& spec : kPageItems) {
    if (!*spec.key) {
      menu->addSeparator();
      continue;
    }
    const char* name = which == 0 ? spec.mainName : which == 1 ? spec.popupName : spec.popCalcsName;
    const QString caption = which == 1 && spec.popupCaption ? spec.popupCaption : spec.caption;
    QAction* a = addItem(menu, name, caption, nullptr);
    connect(a, &QAction::triggered, this, [this, a] { Guarded([this, a] { gotoChosenCalculator(a); }); });
    PageControls& c = controls_[spec.key];
    (which == 0 ? c.mainItem : which == 1 ? c.popupItem : c.popCalcsItem) = a;
  }
}

void TfrmMain::buildMenus() {
  mainMenu_ = new QMenuBar(this);
  mainMenu_->setObjectName("MainMenu1");
  setMenuBar(mainMenu_);

  QMenu* file = mainMenu_->addMenu("&File");
  file->setObjectName("mnuFile");
  addItem(file, "MnuFileOpen", "&Open", &TfrmMain::btnOpenClick)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  addItem(file, "mnuFileClose", "&Close", &TfrmMain::mnuFileCloseClick);
  file->addSeparator();
  addItem(file, "MnuFileSave", "&Save", &TfrmMain::btnSaveClick)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  addItem(file, "mnuFileSaveAs", "Save &As...", &TfrmMain::mnuFileSaveAsClick);
  file->addSeparator();
  addItem(file, "MnuFilePrintSetup", "Print Setup...", &TfrmMain::MnuFilePrintSetupClick);
  mnuFilePrint_ = addItem(file, "MnuFilePrint", "&Print", &TfrmMain::Print);
  mnuFilePrint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  mnuFilePrint_->setEnabled(false);
  file->addSeparator();
  addItem(file, "MnuFileExit", "E&xit", &TfrmMain::MnuFileExitClick);

  QMenu* calculators = mainMenu_->addMenu("&Calculators");
  calculators->setObjectName("mnuCalculators");
  addPageItems(calculators, 0);

  QMenu* internet = mainMenu_->addMenu("&Internet");
  internet->setObjectName("mnuInternet");
  QMenu* web = internet->addMenu("&ZEB on the Web");
  web->setObjectName("mnuInternetWeb");
  addItem(web, "mnuInternetWebHome", kSponsorWebAddress, &TfrmMain::mnuInternetWebHomeClick);
  QMenu* email = internet->addMenu("Contact ZEB by &Email");
  email->setObjectName("mnuInternetEmail");
  addItem(email, "mnuInternetEmailSuggest", kSponsorEmail, &TfrmMain::mnuInternetEmailSuggestClick);

  QMenu* help = mainMenu_->addMenu("&Help");
  help->setObjectName("mnuHelp");
  addItem(help, "MnuHelpContents", "&Contents", &TfrmMain::MnuHelpContentsClick);
  addItem(help, "MnuHelpSearch", "&Search for Help On...", &TfrmMain::MnuHelpSearchClick);
  addItem(help, "MnuHelpHow", "&How to Use Help", &TfrmMain::MnuHelpHowClick);
  help->addSeparator();
  addItem(help, "MnuHelpGlossary", "Real Estate &Glossary", &TfrmMain::MnuHelpGlossaryClick);
  help->addSeparator();
  addItem(help, "MnuHelpDisclaimer", "&Disclaimer...", &TfrmMain::MnuHelpDisclaimerClick);
  addItem(help, "MnuHelpAbout", "&About...", &TfrmMain::MnuHelpAboutClick);

  mnuPopup_ = new QMenu(this);
  mnuPopup_->setObjectName("MnuPopup");
  addPageItems(mnuPopup_, 1);
  mnuPopup_->addSeparator();
  addItem(mnuPopup_, "mnuPopGlossary", "Real Estate &Glossary", &TfrmMain::MnuHelpGlossaryClick);
  addItem(mnuPopup_, "mnuPopDisclaimer", "Disclaimer...", &TfrmMain::MnuHelpDisclaimerClick);
  mnuPopup_->addSeparator();
  addItem(mnuPopup_, "mnuPopHelp", "Help", &TfrmMain::btnHelpClick);
  mnuPopup_->addSeparator();
  addItem(mnuPopup_, "MnuPopExit", "E&xit", &TfrmMain::MnuFileExitClick);

  mnuPopCalcs_ = new QMenu(this);
  mnuPopCalcs_->setObjectName("mnuPopCalcs");
  addPageItems(mnuPopCalcs_, 2);
  mnuPopCalcs_->addSeparator();
  addItem(mnuPopCalcs_, "mnuPopCalcsGlossary", "Real Estate &Glossary", &TfrmMain::MnuHelpGlossaryClick);
  addItem(mnuPopCalcs_, "mnuPopCalcsDisclaimer", "Disclaimer ...", &TfrmMain::MnuHelpDisclaimerClick);

  mnuPopReset_ = new QMenu(this);
  mnuPopReset_->setObjectName("mnuPopReset");
  addItem(mnuPopReset_, "mnuResetThisZero", "&Reset THIS Calculator to Zero Values", &TfrmMain::mnuResetThisZeroClick);
  addItem(mnuPopReset_, "mnuResetAllZero", "Reset ALL Calculators to &Zero Values", &TfrmMain::mnuResetAllZeroClick);
  mnuPopReset_->addSeparator();
  addItem(mnuPopReset_, "mnuResetSamples", "Use &Sample Values for THIS Calculator", &TfrmMain::mnuResetSamplesClick);
  addItem(mnuPopReset_, "mnuResetAllSamples", "Use Sample Values for &ALL Calculators",
          &TfrmMain::mnuResetAllSamplesClick);

  // At start the welcome page is current: its three items cannot be chosen.
  EnableMnuCalcItems();
  for (QAction* a : {MainMenuItem("Welcome"), PopupItem("Welcome"), PopCalcsItem("Welcome")}) a->setEnabled(false);
}

void TfrmMain::wireFrame() {
  const auto on = [this](QAbstractButton* b, void (TfrmMain::*handler)()) {
    connect(b, &QAbstractButton::clicked, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  on(btnOpen_, &TfrmMain::btnOpenClick);
  on(btnSave_, &TfrmMain::btnSaveClick);
  on(btnPrint_, &TfrmMain::Print);
  on(btnReset_, &TfrmMain::btnResetClick);
  on(btnPopupCalculator_, &TfrmMain::ShowPopupCalculator);
  on(btnHelp_, &TfrmMain::btnHelpClick);
  on(btnCalculators_, &TfrmMain::btnCalculatorsClick);

  lblCompany_->installEventFilter(this);
  lblCompany_->setMouseTracking(true);
  statusBar1_->setMouseTracking(true);
  statusText_->setMouseTracking(true);
  statusBar1_->installEventFilter(this);
  statusText_->installEventFilter(this);

  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setObjectName("scF1");
  f1->setContext(Qt::WindowShortcut);
  connect(f1, &QShortcut::activated, this, [this] { Guarded([this] { PageHelp(); }); });

  // The other button-bar buttons from the keyboard (Print is the File menu's Ctrl+P):
  // Ctrl+R drops the reset menu at its button, Ctrl+K opens the popup calculator.
  const auto shortcut = [this](const char* name, QKeySequence keys, QToolButton* button) {
    auto* sc = new QShortcut(keys, this);
    sc->setObjectName(name);
    sc->setContext(Qt::WindowShortcut);
    connect(sc, &QShortcut::activated, this, [button] {
      if (button->isEnabled()) button->click();
    });
  };
  shortcut("scReset", QKeySequence(Qt::CTRL | Qt::Key_R), btnReset_);
  shortcut("scPopupCalculator", QKeySequence(Qt::CTRL | Qt::Key_K), btnPopupCalculator_);
}

void TfrmMain::wirePageButtons() {
  for (const auto& pb : kPageButtons) {
    TMenuButton* b = menu_->Button(pb.button);
    controls_[pb.key].button = b;
    if (QString(pb.key) == "MQ")
      connect(b, &QAbstractButton::clicked, this, [this] { Guarded([this] { ShowLoanApplication(); }); });
    else
      connect(b, &QAbstractButton::clicked, this, [this, b] { Guarded([this, b] { gotoChosenCalculator(b); }); });
  }
  QPushButton* next = welcome_->btnNext();
  controls_["Menu"].button = next;
  connect(next, &QPushButton::clicked, this, [this, next] { Guarded([this, next] { gotoChosenCalculator(next); }); });

  connect(welcome_->lblEmail(), &TLinkLabel::clicked, this, [this] { Guarded([this] { mnuInternetEmailSuggestClick(); }); });
  connect(welcome_->lblWeb(), &TLinkLabel::clicked, this, [this] { Guarded([this] { mnuInternetWebHomeClick(); }); });
  connect(menu_->Image1(), &TMenuPicture::clicked, this, [this] { Guarded([this] { MnuHelpAboutClick(); }); });
}

// ---- events -------------------------------------------------------------------------------

void TfrmMain::contextMenuEvent(QContextMenuEvent* event) {
  // A right-click anywhere on the window (the Calculator Menu button included) opens
  // the window's own popup; mnuPopCalcs opens only from a click on that button.
  Guarded([this, event] { mnuPopup_->popup(event->globalPos()); });
  event->accept();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblCompany_) {
    if (event->type() == QEvent::MouseMove) {
      lblCompany_->setCursor(Qt::PointingHandCursor);  // lblCompanyMouseMove
    } else if (event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      Guarded([this] { MnuHelpAboutClick(); });
      return true;
    }
  } else if ((watched == statusBar1_ || watched == statusText_) && event->type() == QEvent::MouseMove) {
    Guarded([this] { StatusBar1MouseMove(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace zeb
