#pragma once
// The Depreciation page ("Depreciation"): the year-by-year schedule of a fixed asset by
// straight line, double declining balance or sum of years' digits. The schedule and its
// texts come from the core (Depreciation); the page reads its inputs and fills the grid.
//
//   an input is left, a method chosen or the grid clicked
//     -> CalcDepreciation: read cost, salvage and period, build the whole schedule
//        (BuildDepreciationSchedule), then write "Total Depreciated" and fill the grid
//        with one row per year in one batch
//   A refused input (a period above 32,767 years, an amount that is not finite)
//   changes nothing on the page and goes on to the application-wide handler.
#include <QWidget>

namespace zeb {

class PageHost;
class TFnpNumericEdit;
class TMoneyEdit;
class TOvcPictureField;
class TRadioGroup;
class TTextGrid;

class DepreciationPage : public QWidget {
  Q_OBJECT
public:
  DepreciationPage(PageHost& host, QWidget* parent = nullptr);
  ~DepreciationPage() override;

  // The zero or sample column of the page's reset (method, grid, inputs), without the
  // closing steps.
  void WriteValues(bool sample);
  // The reset's closing steps: when the page is on show, CalcDepreciation and the focus
  // to the original cost.
  void ClosingSteps();
  // The one-page reset: values by the host's DefaultValueSet, then the closing steps.
  void ResetDepreciation();

  // Handler of leaving an input, choosing a method and clicking the grid.
  void CalcDepreciation();

  // The page's controls, for the report and the document file. The grid's rows are
  // the years as shown: row r (from 0) is year r + 1, columns year, beginning book
  // value, annual depreciation expense, total depreciation.
  TMoneyEdit* edtOriginalCost() const { return edtOriginalCost_; }
  TMoneyEdit* edtSalvageValue() const { return edtSalvageValue_; }
  TFnpNumericEdit* edtDepreciationPeriod() const { return edtDepreciationPeriod_; }
  TOvcPictureField* edtTotalDepreciated() const { return edtTotalDepreciated_; }
  TRadioGroup* rgDepreciationMethod() const { return rgDepreciationMethod_; }
  TTextGrid* grdDepreciation() const { return grdDepreciation_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool isCurrent() const;

  PageHost& host_;
  bool calculating_ = false;
  bool writingValues_ = false;
  TMoneyEdit* edtOriginalCost_ = nullptr;
  TMoneyEdit* edtSalvageValue_ = nullptr;
  TFnpNumericEdit* edtDepreciationPeriod_ = nullptr;
  TOvcPictureField* edtTotalDepreciated_ = nullptr;
  TRadioGroup* rgDepreciationMethod_ = nullptr;
  TTextGrid* grdDepreciation_ = nullptr;
};

}  // namespace zeb
