#pragma once
// The Tabulon page ("TB"): an 11 x 7 what-if grid of payments, loan amounts, rates or
// terms around the typed loan. The grid's content comes from the core (Tbl); the page
// lays it out.
#include <QString>
#include <QWidget>

namespace zeb {

class PageHost;

class TabulonPage : public QWidget {
  Q_OBJECT
public:
  TabulonPage(PageHost& host, QWidget* parent = nullptr);

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

  int TabulonMode() const;
  QString LoanIncrementText() const;
  QString RateIncrementText() const;
  QString PaymentIncrementText() const;

private:
  PageHost& host_;
};

}  // namespace zeb
