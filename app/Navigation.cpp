// Page navigation of the main window: the page table, gotoChosenCalculator and the
// menu states it keeps, the reset menu, and the loan-application choice.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include "app/DialogSeam.h"
#include "app/Main.h"
#include "calculators/AmortizationPage.h"
#include "calculators/QuickCalcPage.h"
#include "calculators/TabulonPage.h"
#include "loanapp/LoanApplicationWindow.h"
#include "widgets/Guarded.h"
#include "widgets/RotatedLabel.h"

namespace zeb {

const std::vector<TPageInfo>& TfrmMain::PageTable() {
  static const std::vector<TPageInfo> pages = {
      {"Welcome", "Welcome", 95, 10, 5, "", false, false},
      {"Menu", "Calculator Menu", 160, 5, 5, "", false, false},
      {"QC", "Quick Calculators", 175, 20, 20, "", false, true},
      {"RC", "Refinancing Calculator", 220, 80, 80, "edtOldLoan", true, true},
      {"TB", "Tabulon Calculator", 227, 40, 40, "", true, true},
      {"Amort", "Amortization Schedules", 230, 50, 50, "", false, true},
      {"LC", "Loan Comparisons", 185, 110, 110, "edtLCLoan1", true, true},
      {"FV", "Future Values", 137, 140, 140, "edtFVp1", true, true},
      {"Depreciation", "Depreciation Calculator", 226, 150, 150, "edtOriginalCost", true, true},
      {"ROR", "Rates of Return", 152, 160, 160, "edtRORBV1", true, true},
      {"DCF", "Net Present Values", 184, 170, 170, "edtDCFYear1", true, true},
      {"pgCapRate", "Capitalization Rate Calculator", 281, 190, 180, "edtCRNetOperatingIncome1", true, true},
  };
  return pages;
}

const TPageInfo* TfrmMain::FindPage(const QString& key) {
  for (const TPageInfo& p : PageTable())
    if (key == QLatin1String(p.key)) return &p;
  return nullptr;
}

QAction* TfrmMain::MainMenuItem(const QString& key) const { return controls_.value(key).mainItem; }
QAction* TfrmMain::PopupItem(const QString& key) const { return controls_.value(key).popupItem; }
QAction* TfrmMain::PopCalcsItem(const QString& key) const { return controls_.value(key).popCalcsItem; }
QWidget* TfrmMain::PageButton(const QString& key) const { return controls_.value(key).button; }
QAction* TfrmMain::Action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void TfrmMain::ShowPageByKey(const QString& key) {
  if (QAction* item = MainMenuItem(key)) gotoChosenCalculator(item);
}

void TfrmMain::gotoChosenCalculator(QObject* sender) {
  // 1. An open extra-payment panel is cancelled, whatever was chosen.
  if (amortization_->ExtraPanelVisible()) {
    if (auto* panel = amortization_->findChild<QWidget*>("pnlAddExtra")) panel->hide();
    amortization_->btnCancelClick();
  }

  // 2. The page of the sender.
  QString key;
  for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
    const PageControls& c = it.value();
    if (sender && (sender == c.mainItem || sender == c.popupItem || sender == c.popCalcsItem || sender == c.button)) {
      key = it.key();
      break;
    }
  }
  if (key == "MQ") {
    ShowLoanApplication();
    return;
  }
  const TPageInfo* page = FindPage(key);
  if (!page) return;

  // 3. The caption strip.
  lblCalculatorName_->SetText(QString());
  lblCalculatorName_->SetOrigin(page->stripOrigin);
  lblCalculatorName_->SetText(page->name);

  // 4. Menus: everything may be chosen but the page itself.
  EnableMnuCalcItems();
  const PageControls& own = controls_[key];
  for (QAction* a : {own.mainItem, own.popupItem, own.popCalcsItem}) a->setEnabled(false);

  // 5. The page, printing and Reset.
  nbkMain_->setCurrentWidget(pages_.value(key));
  if (page->print) AllowPrinting();
  else DisallowPrinting();
  btnReset_->setEnabled(page->reset);

  // 6. Page extras, then the focus.
  enterPageExtras(*page);
}

void TfrmMain::enterPageExtras(const TPageInfo& page) {
  const QString key = page.key;
  if (key == "Menu") {
    CloseCalculators();
  } else if (key == "QC") {
    quickCalc_->EnterPage(nbkMain_);
  } else if (key == "TB") {
    tabulon_->EnterPage();
  } else if (key == "Amort") {
    DisallowPrinting();
    amortization_->EnterPage();
  } else if (*page.focusField) {
    focusField(key, page.focusField);
  }
}

void TfrmMain::focusField(const QString& key, const char* name) {
  if (QWidget* page = pages_.value(key))
    if (auto* field = page->findChild<QWidget*>(name)) field->setFocus();
}

void TfrmMain::EnableMnuCalcItems() {
  for (const PageControls& c : controls_)
    for (QAction* a : {c.mainItem, c.popupItem, c.popCalcsItem})
      if (a) a->setEnabled(true);
}

void TfrmMain::CloseCalculators() {
  nbkMain_->setCurrentWidget(pages_.value("Menu"));
  // Every other page may be chosen; the menu page's own items stay disabled.
  EnableMnuCalcItems();
  const PageControls& own = controls_["Menu"];
  for (QAction* a : {own.mainItem, own.popupItem, own.popCalcsItem}) a->setEnabled(false);
  DisallowPrinting();
}

bool TfrmMain::PrintingAllowed() const { return btnPrint_->isEnabled(); }

// ---- button-bar popups -----------------------------------------------------------------

void TfrmMain::btnCalculatorsClick() {
  mnuPopCalcs_->popup(btnCalculators_->mapToGlobal(QPoint(0, btnCalculators_->height())));
}

void TfrmMain::btnResetClick() { mnuPopReset_->popup(btnReset_->mapToGlobal(QPoint(0, btnReset_->height()))); }

void TfrmMain::mnuResetThisZeroClick() {
  defaultValueSet_ = 0;
  ResetCurrentPage();
}

void TfrmMain::mnuResetAllZeroClick() { ResetAllToZero(); }

void TfrmMain::mnuResetSamplesClick() {
  defaultValueSet_ = 1;
  ResetCurrentPage();
}

void TfrmMain::mnuResetAllSamplesClick() { ResetAllToSamples(); }

// ---- loan application -------------------------------------------------------------------------

void TfrmMain::ShowLoanApplication() {
  // Let the main window finish repainting before the modal window covers it.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  TfrmLoanApplication form(loanApplicationFirstName_, this);
  ExecDialog(form);
}

}  // namespace zeb
