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
#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <exception>
#include <functional>
#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace zeb {

class PageHost;
class TMoneyEdit;
class TOvcPictureField;
class TTextGrid;
enum class TabulonCalculation;

// A radio group: the items as radio buttons in a grid of `columns` columns. Choosing
// an item, by a click or by SetItemIndex, runs the click handler when the index
// changes. A user's click runs it inside Guarded(); SetItemIndex passes the handler's
// exception on to its own caller, as any other code path would.
class TabulonRadioGroup : public QGroupBox {
  Q_OBJECT
public:
  TabulonRadioGroup(const QString& name, const QStringList& items, int columns, QWidget* parent);

  int ItemIndex() const;  // -1 when no item is chosen
  // Clamped to -1 .. Count() - 1; -1 clears the choice without running the handler.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

  void SetClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

  // Lays the items out within the part of the group left of `rightEdge` (in the
  // parent's coordinates), so a group that reaches past its parent still shows every
  // item whole; the group's own geometry is not changed.
  void KeepItemsWithin(int rightEdge);

private:
  void itemToggled(bool checked);

  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
  std::function<void()> onClick_;
  bool settingInCode_ = false;
  std::exception_ptr pending_;
};

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
  TabulonRadioGroup* rgCalculate() const { return rgCalculate_; }
  TabulonRadioGroup* rgLoan() const { return rgLoan_; }
  TabulonRadioGroup* rgInterest() const { return rgInterest_; }
  TabulonRadioGroup* rgPayments() const { return rgPayments_; }
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
  TabulonRadioGroup* rgCalculate_ = nullptr;
  TabulonRadioGroup* rgLoan_ = nullptr;
  TabulonRadioGroup* rgInterest_ = nullptr;
  TabulonRadioGroup* rgPayments_ = nullptr;
  QLabel* lblLeft_ = nullptr;
  QLabel* lblRight_ = nullptr;
  TTextGrid* grdTB_ = nullptr;
  std::vector<QWidget*> leaveFields_;
};

}  // namespace zeb
