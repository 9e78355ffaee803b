#pragma once
// The Amortization Schedules page ("Amort"): monthly and annual schedules of one loan
// with extra principal payments. All arithmetic is the engine's (MortLib); the page
// reads its fields, drives the engine and fills the two grids.
#include <QWidget>

namespace zeb {

class PageHost;

class AmortizationPage : public QWidget {
  Q_OBJECT
public:
  AmortizationPage(PageHost& host, QWidget* parent = nullptr);

  // Builds the schedule from the inputs, re-applying the prepayments of the grid.
  void CalcAmortization();
  // Rebuilds the prepayment list from the monthly grid.
  void CreatePrepaymentList();
  // Zero values when the host's DefaultValueSet is 0, otherwise sample values.
  void ResetAmortization();
  // The navigation's page extras: grid placed, "Add Prepayments" enabled, focus, build.
  void EnterPage();
  // Extra-payment panel.
  bool ExtraPanelVisible() const;
  void btnCancelClick();
  // Whether the monthly grid is the one marked shown (the Print choice).
  bool MonthlyGridShown() const;
  bool AnnualGridShown() const;
  // The all-calculators zero reset puts the stored start month and year back.
  void SetStoredStart(int month, int year);

private:
  PageHost& host_;
};

}  // namespace zeb
