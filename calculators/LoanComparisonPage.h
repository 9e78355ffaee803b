#pragma once
// The Loan Comparisons page ("LC"): six loans side by side, each with its points.
//
//   any of the 24 entry fields is left
//     -> CalcLC, inside Guarded(): row by row, read the row's four fields,
//        CompareLoan(...) in the core, write the row's four results
//   A math error stops at that row: the rows before it show their new results, that
//   row and the rows after it keep their old ones; the error goes on to the
//   application-wide handler.
#include <QWidget>
#include <array>

#include "calculators/LoanComparison.h"

namespace zeb {

class PageHost;
class TMoneyEdit;
class TNumEdit;
class TOvcPictureField;

class LoanComparisonPage : public QWidget {
  Q_OBJECT
public:
  LoanComparisonPage(PageHost& host, QWidget* parent = nullptr);
  ~LoanComparisonPage() override;

  // Writes the zero or the sample values, row by row (no closing steps).
  void WriteValues(bool sample);
  // The closing step of the reset: the focus to edtLCLoan1 when the page is on show.
  void ClosingSteps();
  // The one-page reset: values by the host's DefaultValueSet, then the closing step.
  void ResetLoanComparisons();

  // The exit handler of every entry field: recomputes all six rows.
  void CalcLC(QObject* sender = nullptr);

  struct Row {
    TMoneyEdit* loan = nullptr;
    TMoneyEdit* interest = nullptr;
    TOvcPictureField* term = nullptr;
    TNumEdit* points = nullptr;
    TOvcPictureField* payment = nullptr;
    TOvcPictureField* totalPaid = nullptr;
    TOvcPictureField* loanCost = nullptr;
    TOvcPictureField* pointsCost = nullptr;
    // The four entry fields in their tab order.
    std::array<QWidget*, 4> Entries() const;
  };
  // Row 0..5 (the fields ending in the digits 1..6), for the report and the document.
  const Row& RowFields(int index) const { return rows_.at(index); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  PageHost& host_;
  std::array<Row, kLoanComparisonRows> rows_;
};

}  // namespace zeb
