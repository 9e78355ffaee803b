#pragma once
// The Net Present Values page ("DCF"): thirty yearly cash flows discounted at five
// rates side by side. Leaving any of the thirty-five entry fields recomputes the five
// present values with the core's PresentValue; there is no calculate button.
//
//   a field is left -> CalcDCF(sender), inside Guarded()
//     -> for rates 1 to 5: PresentValue(cash flows, rate)
//     -> the rate's yellow result field, before the next rate is taken
//   A rate that fails (-100 % or below) stops the calculation there: the rates above
//   keep their new present values, that one and those below their old ones, and the
//   error goes on to the application-wide handler.
#include <QWidget>
#include <array>

#include "calculators/NetPresentValues.h"

namespace zeb {

class PageHost;
class TMoneyEdit;
class TOvcPictureField;

class NetPresentValuesPage : public QWidget {
  Q_OBJECT
public:
  static constexpr int kRates = 5;

  NetPresentValuesPage(PageHost& host, QWidget* parent = nullptr);
  ~NetPresentValuesPage() override;

  // Writes the zero or the sample column of the page's values (no closing steps).
  void WriteValues(bool sample);
  // The closing step of the reset: the focus to edtDCFYear1 if the page is on show.
  void ClosingSteps();
  // The one-page reset: values by the host's DefaultValueSet, then the closing steps.
  void ResetNetPresentValues();

  // Handler of every entry field's exit.
  void CalcDCF(QObject* sender);

  TMoneyEdit* CashFlow(int year) const { return cashFlows_.at(static_cast<size_t>(year - 1)); }
  TMoneyEdit* DiscountRate(int index) const { return rates_.at(static_cast<size_t>(index)); }
  TOvcPictureField* PresentValueField(int index) const { return results_.at(static_cast<size_t>(index)); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  PageHost& host_;
  std::array<TMoneyEdit*, kCashFlowYears> cashFlows_{};
  std::array<TMoneyEdit*, kRates> rates_{};
  std::array<TOvcPictureField*, kRates> results_{};
};

}  // namespace zeb
