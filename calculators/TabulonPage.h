#pragma once
// The Tabulon page ("TB"): an 11 x 7 what-if grid of payments, loan amounts, rates or
// terms around the typed loan. The grid's content comes from the core (Tbl); the page
// lays it out.
//
//   a field is left, or a choice changes (rgCalculate and the three step groups)
//     -> ChooseTabulonCalculator / rgCalculateClick, inside Guarded()
//     -> FillTabulon(calculation, inputs, steps) in the core
//     -> the grid's axes and cells, the centre's result fields, the step texts
//   A fill that ends early (a math error, a term that is no whole number) still shows
//   what it computed, then its error goes on to the application-wide handler.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <exception>
#include <functional>
#include <vector>

#include "widgets/RadioGroup.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace zeb {

class PageHost;
class TMoneyEdit;
class TOvcPictureField;
class TTextGrid;
enum class TabulonCalculation;

class TabulonPage : public QWidget {
  Q_OBJECT
public:
  TabulonPage(PageHost& host, QWidget* parent = nullptr);
  ~TabulonPage() override;

  // Fills the grid for the current calculation.
  void ChooseTabulonCalculator();
  // Empties the grid and writes the placeholder axes.
  void CleanGrid();
  // Zero or sample values by the host's DefaultValueSet, with the closing steps.
  void ResetTabulon();
  // The all-calculators zero reset's part: the four inputs 0 and the calculation
  // set to payments, nothing run.
  void SetZeroInputs();
  // The all-calculators sample reset's part: sample inputs, fill, focus if current.
  void ApplySampleValues();
  // The application-wide handler's repair after a math error.
  void RepairAfterMathError();
  // The navigation's page extras: refill, then focus.
  void EnterPage();

  int TabulonMode() const { return mode_; }
  QString LoanIncrementText() const { return loanIncrementText_; }
  QString RateIncrementText() const { return rateIncrementText_; }
  QString PaymentIncrementText() const { return paymentIncrementText_; }

  // Handlers.
  void rgCalculateClick(QObject* sender);
  void FillTabulonPayments();
  void FillTabulonLoans();
  void FillTabulonRates();
  void FillTabulonTerms();
  void grdTBClick();
  void grdTBMouseMove();

  // The page's controls, for the report and the document file.
  TMoneyEdit* edtLoan() const { return edtLoan_; }
  TMoneyEdit* edtInterest() const { return edtInterest_; }
  TOvcPictureField* edtTerm() const { return edtTerm_; }
  TMoneyEdit* edtPayment() const { return edtPayment_; }
  TOvcPictureField* edtTotalPaid() const { return edtTotalPaid_; }
  TOvcPictureField* edtInterestPaid() const { return edtInterestPaid_; }
  TRadioGroup* rgCalculate() const { return rgCalculate_; }
  TRadioGroup* rgLoan() const { return rgLoan_; }
  TRadioGroup* rgInterest() const { return rgInterest_; }
  TRadioGroup* rgPayments() const { return rgPayments_; }
  TTextGrid* grdTB() const { return grdTB_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void buildControls();
  // The calculation switch's layout: roles, hints, step groups, labels (no focus).
  void layOut(int calculation);
  void fill(TabulonCalculation calculation);
  void markCentre();
  void keepStepItemsOnThePage();
  bool isCurrent() const;

  PageHost& host_;
  int mode_ = 0;
  QString loanIncrementText_;
  QString rateIncrementText_;
  QString paymentIncrementText_;

  TMoneyEdit* edtLoan_ = nullptr;
  TMoneyEdit* edtInterest_ = nullptr;
  TOvcPictureField* edtTerm_ = nullptr;
  TMoneyEdit* edtPayment_ = nullptr;
  TOvcPictureField* edtTotalPaid_ = nullptr;
  TOvcPictureField* edtInterestPaid_ = nullptr;
  TRadioGroup* rgCalculate_ = nullptr;
  TRadioGroup* rgLoan_ = nullptr;
  TRadioGroup* rgInterest_ = nullptr;
  TRadioGroup* rgPayments_ = nullptr;
  QLabel* lblLeft_ = nullptr;
  QLabel* lblRight_ = nullptr;
  TTextGrid* grdTB_ = nullptr;
  std::vector<QWidget*> leaveFields_;
};

}  // namespace zeb
