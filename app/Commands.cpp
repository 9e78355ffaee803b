// The main window's commands beside navigation: printing by page, the printer set-up,
// help, the small windows, Internet links and the status-bar text.
#include <QDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QUrl>

#include "app/About.h"
#include "app/AppInfo.h"
#include "app/DesktopShell.h"
#include "app/DialogSeam.h"
#include "app/Disclaim.h"
#include "app/Main.h"
#include "app/ModalWindow.h"
#include "app/Sponsor.h"
#include "app/uFrmCalculator.h"
#include "calculators/AmortizationPage.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"
#include "widgets/Guarded.h"
#include "widgets/Messages.h"

namespace zeb {

// ---- printing -------------------------------------------------------------------------------

QPrinter& TfrmMain::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    printer_->setPageOrientation(QPageLayout::Portrait);
  }
  return *printer_;
}

void TfrmMain::Print() {
  if (!nbkMain_->isVisible()) return;
  const QString key = CurrentPageKey();
  if (key == "LC") PrintLoanComparison();
  else if (key == "ROR") PrintRatesOfReturn();
  else if (key == "RC") PrintRefinancingCalc();
  else if (key == "FV") PrintFutureValues();
  else if (key == "TB") PrintTBL();
  else if (key == "Amort") {
    if (amortization_->MonthlyGridShown()) PrintAmortizationMonthly();
    else if (amortization_->AnnualGridShown()) PrintAnnualAmortization();
  } else if (key == "DCF") PrintNPV();
  else if (key == "pgCapRate") PrintCapRate();
  else if (key == "Depreciation") PrintDepreciation();
}

void TfrmMain::MnuFilePrintSetupClick() {
  QPageSetupDialog dialog(&Printer(), this);
  dialog.setObjectName("dlgPrintSetup");
  dialog.setWindowTitle("Print Setup");
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
  connect(f1, &QShortcut::activated, this, [this] { Guarded([this] { ShowHelpContext(kHelpPrintSetupContext); }); });
  ExecDialog(dialog);
}

// ---- help ---------------------------------------------------------------------------------------

HelpViewer& TfrmMain::ensureHelp() {
  if (!helpViewer_) helpViewer_ = new HelpViewer(this);
  return *helpViewer_;
}

void TfrmMain::ShowHelpContext(int context) { ensureHelp().ShowTopic(context); }

void TfrmMain::PageHelp() {
  if (const TPageInfo* page = FindPage(CurrentPageKey())) ShowHelpContext(page->f1Context);
  else ShowHelpContext(kHelpMainWindowContext);  // the window's own context
}

void TfrmMain::btnHelpClick() {
  if (const TPageInfo* page = FindPage(CurrentPageKey())) ShowHelpContext(page->helpButtonContext);
  else MnuHelpContentsClick();
}

void TfrmMain::MnuHelpContentsClick() { ensureHelp().ShowContents(); }
void TfrmMain::MnuHelpSearchClick() { ensureHelp().ShowSearch(); }
void TfrmMain::MnuHelpHowClick() { ensureHelp().ShowHelpOnHelp(); }
void TfrmMain::MnuHelpGlossaryClick() { ShowHelpContext(kHelpGlossaryContext); }

// ---- small windows ----------------------------------------------------------------------------

void TfrmMain::MnuHelpAboutClick() {
  TAboutBox aboutBox(this);
  OpenModalWindow(*this, aboutBox);
}

void TfrmMain::MnuHelpDisclaimerClick() {
  TfrmDisclaim frmDisclaim(this);
  OpenModalWindow(*this, frmDisclaim);
}

void TfrmMain::ShowPopupCalculator() {
  TfrmCalculator frmCalculator(this);
  OpenModalWindow(*this, frmCalculator);
}

// ---- Internet links and the status bar ---------------------------------------------------------

void TfrmMain::mnuInternetWebHomeClick() { OpenLinkOrBeep(QUrl(kSponsorWebUrl)); }

void TfrmMain::mnuInternetEmailSuggestClick() { OpenLinkOrBeep(QUrl("mailto:" + kSponsorEmail)); }

void TfrmMain::StatusBar1MouseMove() { SetStatusText(" " + kAppTitle + QString(6, ' ') + kSponsorWebAddress); }

}  // namespace zeb
