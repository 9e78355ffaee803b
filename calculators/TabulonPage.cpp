#include "calculators/TabulonPage.h"

#include "calculators/PageHost.h"

namespace zeb {

TabulonPage::TabulonPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {}
void TabulonPage::ChooseTabulonCalculator() {}
void TabulonPage::CleanGrid() {}
void TabulonPage::ResetTabulon() {}
void TabulonPage::SetZeroInputs() {}
void TabulonPage::ApplySampleValues() {}
void TabulonPage::RepairAfterMathError() {}
void TabulonPage::EnterPage() {}
int TabulonPage::TabulonMode() const { return 0; }
QString TabulonPage::LoanIncrementText() const { return {}; }
QString TabulonPage::RateIncrementText() const { return {}; }
QString TabulonPage::PaymentIncrementText() const { return {}; }

}  // namespace zeb
