#include "app/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QAction>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "app/AppInfo.h"
#include "app/MenuPage.h"
#include "app/WelcomePage.h"
#include "calculators/AmortizationPage.h"
#include "calculators/CapRatePage.h"
#include "calculators/DepreciationPage.h"
#include "calculators/MortLib.h"
#include "calculators/QuickCalcPage.h"
#include "calculators/TabulonPage.h"
#include "calculators/FutureValuesPage.h"
#include "calculators/RatesOfReturnPage.h"
#include "calculators/NetPresentValuesPage.h"
#include "calculators/LoanComparisonPage.h"
#include "calculators/RefinancingPage.h"
#include "finance/Errors.h"
#include "finance/Regional.h"
#include "help/HelpViewer.h"
#include "reports/ReportsQt.h"
#include "widgets/Glyphs.h"
#include "widgets/Guarded.h"
#include "widgets/Messages.h"
#include "widgets/RotatedLabel.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

QToolButton* pictureButton(QWidget* parent, const char* name, Glyph glyph, const QString& hint, int x) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setIcon(GlyphIcon(glyph));
  b->setIconSize(QSize(20, 20));
  b->setGeometry(x, 4, 25, 25);
  b->setAutoRaise(false);
  b->setFocusPolicy(Qt::NoFocus);
  SetHint(b, hint);
  return b;
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setFont(ArialFont(11));
  // A single border with a system menu and a minimise box, no maximise box.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  buildFrame();
  buildPages();
  buildMenus();
  wireFrame();
  wirePageButtons();
  FormCreate();
  adjustSize();
  setFixedSize(sizeHint());
  // A document named on the command line or handed over by a second copy: a name that
  // is no file says so and changes nothing; a file opens as "&Open" opens it.
  DocumentOpener = [this](const QString& path) {
    if (!QFileInfo(path).isFile()) {
      ShowInformation(kUnidentifiedErrorMessage);
      return false;
    }
    return OpenDocumentFile(path);
  };
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildFrame() {
  auto* client = new QWidget(this);
  client->setObjectName("pnlClient");
  client->setFixedSize(622, 414);
  setCentralWidget(client);

  pnlButtonBar_ = new QFrame(client);
  pnlButtonBar_->setObjectName("pnlButtonBar");
  pnlButtonBar_->setGeometry(0, 0, 622, 33);
  pnlButtonBar_->setFrameStyle(QFrame::Panel | QFrame::Raised);

  btnOpen_ = pictureButton(pnlButtonBar_, "btnOpen", Glyph::Open, "Open ...", 4);
  btnSave_ = pictureButton(pnlButtonBar_, "btnSave", Glyph::Save, "Save ...", 29);
  btnPrint_ = pictureButton(pnlButtonBar_, "btnPrint", Glyph::Print, "Display Print Preview ...", 62);
  btnReset_ = pictureButton(pnlButtonBar_, "btnReset", Glyph::Reset, "Reset values", 87);
  btnPopupCalculator_ =
      pictureButton(pnlButtonBar_, "btnPopupCalculator", Glyph::Calculator, "Display Popup Calculator ...", 120);
  btnHelp_ = pictureButton(pnlButtonBar_, "btnHelp", Glyph::Help, "Display Help ...", 145);
  btnPrint_->setEnabled(false);
  btnReset_->setEnabled(false);

  lblCompany_ = new QLabel(kSponsorName, pnlButtonBar_);
  lblCompany_->setObjectName("lblCompany");
  lblCompany_->setFont(ArialFont(17, true));
  lblCompany_->setStyleSheet("color: navy");
  lblCompany_->setGeometry(190, 6, 110, 21);
  lblCompany_->setCursor(Qt::PointingHandCursor);

  btnCalculators_ = new QPushButton("Calculator &Menu", pnlButtonBar_);
  btnCalculators_->setObjectName("btnCalculators");
  btnCalculators_->setGeometry(440, 4, 117, 25);
  btnCalculators_->setFocusPolicy(Qt::NoFocus);
  SetHint(btnCalculators_, "Display Calculator Menu ...");

  btnExit_ = pictureButton(pnlButtonBar_, "btnExit", Glyph::Exit, "Exit ZEB Devovederi Dunmarrow ...", 593);
  connect(btnExit_, &QToolButton::clicked, this, [this] { Guarded([this] { MnuFileExitClick(); }); });

  pnlCaption_ = new QFrame(client);
  pnlCaption_->setObjectName("pnlCaption");
  pnlCaption_->setGeometry(0, 34, 25, 380);
  pnlCaption_->setAutoFillBackground(true);
  QPalette navy = pnlCaption_->palette();
  navy.setColor(QPalette::Window, QColor(0, 0, 128));
  navy.setColor(QPalette::WindowText, Qt::white);
  pnlCaption_->setPalette(navy);
  lblCalculatorName_ = new TRotatedLabel(pnlCaption_);
  lblCalculatorName_->setObjectName("lblCalculatorName");
  lblCalculatorName_->setGeometry(0, 0, 25, 380);
  lblCalculatorName_->setFont(ArialFont(19, true));
  lblCalculatorName_->setPalette(navy);
  lblCalculatorName_->SetOrigin(95);
  lblCalculatorName_->SetText("Welcome");

  nbkMain_ = new QStackedWidget(client);
  nbkMain_->setObjectName("nbkMain");
  nbkMain_->setGeometry(25, 34, 597, 380);
  nbkMain_->setAutoFillBackground(true);
  QPalette white = nbkMain_->palette();
  white.setColor(QPalette::Window, Qt::white);
  nbkMain_->setPalette(white);

  statusBar1_ = new QStatusBar(this);
  statusBar1_->setObjectName("StatusBar1");
  statusBar1_->setSizeGripEnabled(false);
  statusBar1_->setFixedHeight(19);
  statusText_ = new QLabel(statusBar1_);
  statusText_->setObjectName("StatusBar1Text");
  statusText_->setFont(ArialFont(11));
  statusText_->setStyleSheet("color: navy");
  statusBar1_->addWidget(statusText_, 1);
  setStatusBar(statusBar1_);
}

QWidget* TfrmMain::addPage(const QString& key, QWidget* content) {
  content->setObjectName(key);
  content->setProperty("pageKey", key);
  nbkMain_->addWidget(content);
  pages_.insert(key, content);
  return content;
}

void TfrmMain::buildPages() {
  // The twelve pages in their fixed order; the key is each page's caption.
  welcome_ = new WelcomePage;
  addPage("Welcome", welcome_);
  menu_ = new MenuPage;
  addPage("Menu", menu_);
  quickCalc_ = new QuickCalcPage(*this);
  addPage("QC", quickCalc_);
  refinancing_ = new RefinancingPage(*this);
  addPage("RC", refinancing_);
  tabulon_ = new TabulonPage(*this);
  addPage("TB", tabulon_);
  amortization_ = new AmortizationPage(*this);
  addPage("Amort", amortization_);
  loanComparisons_ = new LoanComparisonPage(*this);
  addPage("LC", loanComparisons_);
  futureValues_ = new FutureValuesPage(*this);
  addPage("FV", futureValues_);
  depreciation_ = new DepreciationPage(*this);
  addPage("Depreciation", depreciation_);
  ratesOfReturn_ = new RatesOfReturnPage(*this);
  addPage("ROR", ratesOfReturn_);
  netPresentValues_ = new NetPresentValuesPage(*this);
  addPage("DCF", netPresentValues_);
  capRate_ = new CapRatePage(*this);
  addPage("pgCapRate", capRate_);
  nbkMain_->setCurrentIndex(0);
}

// ---- set-up -------------------------------------------------------------------------

void TfrmMain::FormCreate() {
  // Each step runs on its own: a step that fails is reported by the application-wide
  // handler and the set-up carries on with the next one.
  const auto step = [](auto&& f) { Guarded(f); };
  step([this] {
    SetApplicationExceptionHandler([this](std::exception_ptr e) { AppOnException(e); });
  });
  step([this] {
    currentFileName_.clear();
    askToSaveOnClose_ = true;
  });
  step([this] { setWindowTitle(kAppTitle); });
  step([this] { RegisterAFile(); });
  step([this] {
    programFolder_ = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!programFolder_.endsWith(QDir::separator())) programFolder_ += QDir::separator();
  });
  step([this] { ReadIniFile(); });
  step([this] { amortization_->CreatePrepaymentList(); });
  step([this] {
    todayDateTime_ = QDateTime::currentDateTime();
    const int month = todayDateTime_.date().month();
    todayMonthShort_ = QString::fromStdString(Regional().shortMonthNames[month - 1]);
    todayMonthLong_ = QString::fromStdString(Regional().longMonthNames[month - 1]);
    todayYear_ = todayDateTime_.date().year();
  });
  step([this] {
    // The help file the help window stands for; the hint pause is the application
    // style's tooltip delay (400 ms).
    helpFile_ = programFolder_ + kHelpFileName;
  });
  step([this] { amortization_->ResetAmortization(); });
  step([this] { ResetAllToZero(); });
  step([this] { DisallowPrinting(); });
  step([this] { SetStatusText(kWelcomeStatus); });
  step([] { QApplication::restoreOverrideCursor(); });
}

// ---- errors ---------------------------------------------------------------------------

void TfrmMain::AppOnException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const EMathError&) {
    ShowInformation(kMathErrorMessage);
    // One user action shows one message: the repairs leave their pages sound without a
    // second one (a Tabulon refill that fails again keeps the clean grid).
    try {
      const QString key = CurrentPageKey();
      if (key == "Amort") amortization_->ResetAmortization();
    } catch (...) {
    }
    try {
      tabulon_->RepairAfterMathError();
    } catch (...) {
    }
  } catch (...) {
    ShowInformation(kUnidentifiedErrorMessage);
  }
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void TfrmMain::DisplayHint(const QString& hint) {
  // The long part of a "short|long" hint.
  const int bar = hint.indexOf('|');
  SetStatusText(bar >= 0 ? hint.mid(bar + 1) : hint);
}

QString TfrmMain::StatusText() const { return statusText_->text(); }
void TfrmMain::SetStatusText(const QString& text) { statusText_->setText(text); }

bool TfrmMain::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    DisplayHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(e);
}

void TfrmMain::FormActivate() { btnExit_->move(pnlButtonBar_->width() - 29, btnExit_->y()); }

// ---- printing permission ----------------------------------------------------------------

bool TfrmMain::PageHasReport(const QString& key) {
  return !key.isEmpty() && key != "Welcome" && key != "Menu" && key != "QC";
}

void TfrmMain::AllowPrinting() {
  // A calculation on a page not on show (the all-calculator resets) allows nothing:
  // Print is never enabled on a page that has no report.
  if (!PageHasReport(CurrentPageKey())) return;
  btnPrint_->setEnabled(true);
  if (mnuFilePrint_) mnuFilePrint_->setEnabled(true);
}

void TfrmMain::DisallowPrinting() {
  btnPrint_->setEnabled(false);
  if (mnuFilePrint_) mnuFilePrint_->setEnabled(false);
}

void TfrmMain::EnableReset() { btnReset_->setEnabled(true); }

// ---- pages --------------------------------------------------------------------------------

QString TfrmMain::CurrentPageKey() const {
  QWidget* w = nbkMain_->currentWidget();
  return w ? w->property("pageKey").toString() : QString();
}

// ---- resets --------------------------------------------------------------------------------

void TfrmMain::ResetCurrentPage() {
  const QString key = CurrentPageKey();
  if (key == "QC") quickCalc_->ResetQuickCalculators();
  else if (key == "Amort") amortization_->ResetAmortization();
  else if (key == "TB") tabulon_->ResetTabulon();
  else if (key == "FV") futureValues_->ResetFutureValues();
  else if (key == "ROR") ratesOfReturn_->ResetRatesOfReturn();
  else if (key == "DCF") netPresentValues_->ResetNetPresentValues();
  else if (key == "LC") loanComparisons_->ResetLoanComparisons();
  else if (key == "RC") refinancing_->ResetRefinancing();
  else if (key == "Depreciation") depreciation_->ResetDepreciation();
  else if (key == "pgCapRate") capRate_->ResetCapRate();
}

void TfrmMain::ResetAllToZero() {
  defaultValueSet_ = 0;
  settingsPayment_ = 0;
  ZeroGeneralValues(settings_);
  amortization_->SetStoredStart(1, 2000);
  // The Quick Calculators keep their target: no closing steps.
  quickCalc_->WriteValues(false);
  ratesOfReturn_->WriteValues(false);
  ratesOfReturn_->ClosingSteps();
  futureValues_->WriteValues(false);
  futureValues_->ClosingSteps();
  depreciation_->WriteValues(false);
  depreciation_->ClosingSteps();
  // Net present values, loan comparisons, refinancing: no focus change.
  netPresentValues_->WriteValues(false);
  loanComparisons_->WriteValues(false);
  refinancing_->WriteValues(false);
  // Tabulon: the inputs only; its grid is filled at the end when it is on show.
  tabulon_->SetZeroInputs();
  // Capitalization rate: the values without CalcCapRate.
  capRate_->WriteValues(false);
  amortization_->ResetAmortization();
  if (CurrentPageKey() == "TB") tabulon_->ChooseTabulonCalculator();
}

void TfrmMain::ResetAllToSamples() {
  quickCalc_->WriteValues(true);
  quickCalc_->ClosingSteps(CurrentPageKey() == "QC");
  loanComparisons_->WriteValues(true);
  loanComparisons_->ClosingSteps();
  // Rates of return, future values: no focus change.
  ratesOfReturn_->WriteValues(true);
  futureValues_->WriteValues(true);
  // Capitalization rate: its sample values are its zeros, without CalcCapRate.
  capRate_->WriteValues(true);
  // Depreciation: with a page not on show its grid keeps its old texts.
  depreciation_->WriteValues(true);
  depreciation_->ClosingSteps();
  refinancing_->WriteValues(true);
  refinancing_->ClosingSteps();
  netPresentValues_->WriteValues(true);
  tabulon_->ApplySampleValues();
  // The Amortization reset reads the flag; the sample set applies here whatever it is.
  const int saved = defaultValueSet_;
  defaultValueSet_ = 1;
  amortization_->ResetAmortization();
  defaultValueSet_ = saved;
}

// ---- closing ----------------------------------------------------------------------------------

void TfrmMain::MnuFileExitClick() { close(); }

bool TfrmMain::FormCloseQuery() {
  if (askToSaveOnClose_ && !currentFileName_.isEmpty() && AskYesNo("Save changes to " + currentFileName_)) {
    // No answer refuses the close; only a save that failed (its message shown) keeps
    // the window open, so the calculators are not lost with it.
    bool saved = false;
    Guarded([this, &saved] {
      btnSaveClick();
      saved = true;
    });
    return saved;
  }
  return true;
}

void TfrmMain::FormClose() {
  if (helpViewer_) helpViewer_->Quit();
  mortgage_.reset();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    bool mayClose = true;
    Guarded([this, &mayClose] { mayClose = FormCloseQuery(); });
    if (!mayClose) {
      event->ignore();
      return;
    }
    Guarded([this] { FormClose(); });
    closed_ = true;
  }
  event->accept();
}

}  // namespace zeb
