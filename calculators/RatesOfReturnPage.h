#pragma once
// The Rates of Return page ("ROR"): the simple rate of return of five investments.
// Leaving any of the fifteen entry fields recomputes all five rows with the core's
// RateOfReturn; there is no calculate button.
//
//   a field is left -> CalcROR(sender), inside Guarded()
//     -> for rows 1 to 5: RateOfReturn(beginning, end, dividends)
//     -> the row's yellow result field ("###.####%")
#include <QWidget>
#include <array>

namespace zeb {

class PageHost;
class TMoneyEdit;
class TOvcPictureField;

class RatesOfReturnPage : public QWidget {
  Q_OBJECT
public:
  static constexpr int kRows = 5;

  RatesOfReturnPage(PageHost& host, QWidget* parent = nullptr);
  ~RatesOfReturnPage() override;

  // Writes the zero or the sample column of the page's values (no closing steps).
  void WriteValues(bool sample);
  // The closing step of the reset: the focus to edtRORBV1 if the page is on show.
  void ClosingSteps();
  // The one-page reset: values by the host's DefaultValueSet, then the closing steps.
  void ResetRatesOfReturn();

  // Handler of every entry field's exit.
  void CalcROR(QObject* sender);

  struct Row {
    TMoneyEdit* beginning = nullptr;  // edtRORBV
    TMoneyEdit* ending = nullptr;     // edtROREV
    TMoneyEdit* dividends = nullptr;  // edtRORDV
    TOvcPictureField* result = nullptr;  // edtROR
  };
  const Row& RowFields(int index) const { return rows_.at(static_cast<size_t>(index)); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  PageHost& host_;
  std::array<Row, kRows> rows_;
};

}  // namespace zeb
