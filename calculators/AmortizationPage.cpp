#include "calculators/AmortizationPage.h"

#include "calculators/PageHost.h"

namespace zeb {

AmortizationPage::AmortizationPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {}
void AmortizationPage::CalcAmortization() {}
void AmortizationPage::CreatePrepaymentList() {}
void AmortizationPage::ResetAmortization() {}
void AmortizationPage::EnterPage() {}
bool AmortizationPage::ExtraPanelVisible() const { return false; }
void AmortizationPage::btnCancelClick() {}
bool AmortizationPage::MonthlyGridShown() const { return true; }
bool AmortizationPage::AnnualGridShown() const { return false; }
void AmortizationPage::SetStoredStart(int, int) {}

}  // namespace zeb
