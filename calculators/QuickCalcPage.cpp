#include "calculators/QuickCalcPage.h"

#include "calculators/PageHost.h"

namespace zeb {
QuickCalcPage::QuickCalcPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {}
void QuickCalcPage::WriteValues(bool) {}
void QuickCalcPage::ClosingSteps(bool) {}
void QuickCalcPage::ResetQuickCalculators() {}
void QuickCalcPage::EnterPage(QWidget*) {}
void QuickCalcPage::btnCalcLAClick() {}
void QuickCalcPage::btnCalcIRClick() {}
void QuickCalcPage::btnCalcPMTClick() {}
void QuickCalcPage::btnCalcNClick() {}
void QuickCalcPage::btnCalcQuickCalcClick() {}
void QuickCalcPage::CalcMPI(QWidget*) {}
void QuickCalcPage::nbkQuickCalcTabClick(int) {}
bool QuickCalcPage::eventFilter(QObject* w, QEvent* e) { return QWidget::eventFilter(w, e); }
}  // namespace zeb
