#pragma once
// The Quick Calculators page ("QC"): two small loan calculators on the tabs of
// nbkQuickCalc. Tab 0 "Monthly Payment (P&&I)" recomputes whenever one of its fields is
// left; tab 1 "Missing Loan Variables" solves the chosen one of amount, rate, payment
// and number of payments when "Calculate" is pressed. The arithmetic is QuickCalc's.
#include <QWidget>

class QPushButton;
class QTabWidget;

namespace zeb {

class PageHost;
class TMoneyEdit;
class TFnpNumericEdit;
class TOvcPictureField;

class QuickCalcPage : public QWidget {
  Q_OBJECT
public:
  QuickCalcPage(PageHost& host, QWidget* parent = nullptr);

  enum class Target { None, LoanAmount, InterestRate, Payment, NumberOfPayments };
  Target QuickCalcTarget() const { return target_; }

  // Writes the zero or sample column of the page's values (no closing steps).
  void WriteValues(bool sample);
  // The closing steps of the one-page reset: the four tab-1 fields normal and
  // enabled, "Calculate" disabled, and (when `focus`) the focus on nbkQuickCalc.
  void ClosingSteps(bool focus);
  // The one-page reset: values by the host's DefaultValueSet, then the closing steps.
  void ResetQuickCalculators();
  // The navigation's page extras: tab 0, focus to edtMPISalesPrice, then the page area.
  void EnterPage(QWidget* pageArea);

  // Handlers.
  void btnCalcLAClick();
  void btnCalcIRClick();
  void btnCalcPMTClick();
  void btnCalcNClick();
  void btnCalcQuickCalcClick();
  void CalcMPI(QWidget* sender);
  void nbkQuickCalcTabClick(int index);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void chooseTarget(Target target);
  QWidget* targetField() const;
  void setFieldLook(QWidget* field, bool enabled, bool greyText, bool yellow);

  PageHost& host_;
  Target target_ = Target::None;

  QTabWidget* nbkQuickCalc_ = nullptr;
  QPushButton* btnCalcLA_ = nullptr;
  QPushButton* btnCalcIR_ = nullptr;
  QPushButton* btnCalcPMT_ = nullptr;
  QPushButton* btnCalcN_ = nullptr;
  QPushButton* btnCalcQuickCalc_ = nullptr;
  TMoneyEdit* edtLA_ = nullptr;
  TMoneyEdit* edtIR_ = nullptr;
  TMoneyEdit* edtPMT_ = nullptr;
  TOvcPictureField* edtN_ = nullptr;

  TMoneyEdit* edtMPISalesPrice_ = nullptr;
  TMoneyEdit* edtMPIDownPaymentSum_ = nullptr;
  TMoneyEdit* edtMPIDownPaymentPercent_ = nullptr;
  TMoneyEdit* edtMPILoanAmount_ = nullptr;
  TMoneyEdit* edtMPIInterestRate_ = nullptr;
  TFnpNumericEdit* edtMPITermInMonths_ = nullptr;
  TMoneyEdit* edtMPIPayment_ = nullptr;
};

}  // namespace zeb
