#pragma once
// Loan comparisons: up to six loans side by side, each with its points.
//
// For one loan L at the annual rate R (percent) over n monthly payments with p points:
//
//     payment        = PeriodicPayment(n, L, R / 1200)     (0 for n = 0, L / n for R = 0)
//     cost of points = p / 100 * L                         (one point is 1 % of the loan)
//     total paid     = n * payment + cost of points
//     interest paid  = n * payment - L
//
// Everything is double precision and nothing is rounded: the fields round for display
// only, so the total paid is the unrounded payment times n, not the shown one.
//
// Worked example: 100,000.00 at 8.75 % over 360 payments, no points:
//     payment 786.70, total paid 283,212.15, interest paid 183,212.15, points 0.00.
// Over 240 payments with 1 point: 883.71, 213,090.57, 112,090.57 and 1,000.00.
//
// Errors: a rate of -1200 % or less (an invalid logarithm), an overflow, or an input
// that is no finite number throws EMathError; the page stops at that loan.
#include <cstdint>

namespace zeb {

struct LoanComparisonInputs {
  double loan = 0;
  double rate = 0;  // annual percent
  std::int32_t payments = 0;
  double points = 0;
};

struct LoanComparisonRow {
  double payment = 0;
  double totalPaid = 0;
  double interestPaid = 0;
  double pointsCost = 0;
};

// One row of the comparison.
LoanComparisonRow CompareLoan(const LoanComparisonInputs& in);

// The number of loans on the page.
inline constexpr int kLoanComparisonRows = 6;

}  // namespace zeb
