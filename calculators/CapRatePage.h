#pragma once
// The Capitalization Rate page ("pgCapRate"): income, value and capitalization rate of
// up to five properties. The solve-for choice makes one column the computed one (yellow,
// read-only, skipped by Tab); the arithmetic is CapRate's.
//
//   a field is left, or the solve-for choice changes
//     -> CalcCapRate: read the two entered columns of all five rows, solve all five
//        (SolveCapRates), and only then write the computed column
//   A failure (a value solved at a rate of 0) writes nothing and goes on to the
//   application-wide handler.
#include <QWidget>
#include <array>

#include "calculators/CapRate.h"

namespace zeb {

class PageHost;
class TMoneyEdit;
class TRadioGroup;

class CapRatePage : public QWidget {
  Q_OBJECT
public:
  CapRatePage(PageHost& host, QWidget* parent = nullptr);
  ~CapRatePage() override;

  // The zero (= sample) values: the fifteen fields 0, then the choice set to
  // "Capitalization Rate" (which re-applies the look and recomputes when it changes).
  void WriteValues(bool sample);
  // The reset's closing steps: CalcCapRate, then the focus to the first income field
  // when the page is on show.
  void ClosingSteps();
  // The one-page reset: the values, then the closing steps.
  void ResetCapRate();

  // What the computed column is: 0 income, 1 value, 2 rate (as the choice's index).
  int CapRateSolveFor() const { return solveFor_; }

  // Handlers.
  void CalcCapRate();
  void rgCapRateSolveForClick();

  // The page's controls, for the report and the document file (row 1 to 5).
  TMoneyEdit* edtCRNetOperatingIncome(int row) const { return income_.at(static_cast<size_t>(row - 1)); }
  TMoneyEdit* edtCRValue(int row) const { return value_.at(static_cast<size_t>(row - 1)); }
  TMoneyEdit* edtCRCapitalizationRate(int row) const { return rate_.at(static_cast<size_t>(row - 1)); }
  TRadioGroup* rgCapRateSolveFor() const { return rgCapRateSolveFor_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  using Column = std::array<TMoneyEdit*, kCapRateRows>;
  void setColumnRole(const Column& column, bool computed, const char* enteredHint, const char* computedHint);
  bool isCurrent() const;

  PageHost& host_;
  int solveFor_ = 2;
  Column income_{};
  Column value_{};
  Column rate_{};
  TRadioGroup* rgCapRateSolveFor_ = nullptr;
};

}  // namespace zeb
