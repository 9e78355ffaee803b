#include "calculators/LoanComparison.h"

#include <cmath>

#include "finance/FpuScope.h"
#include "finance/Tvm.h"

namespace zeb {

LoanComparisonRow CompareLoan(const LoanComparisonInputs& in) {
  FpuScope fpu;
  LoanComparisonRow row;
  row.payment = PeriodicPayment(in.payments, in.loan, in.rate / 1200);
  row.pointsCost = in.points / 100 * in.loan;
  const double paidInPayments = in.payments * row.payment;
  row.totalPaid = paidInPayments + row.pointsCost;
  row.interestPaid = paidInPayments - in.loan;
  fpu.check();
  // A field that could not show its value reads as NaN; no result is made from it.
  for (double v : {row.payment, row.totalPaid, row.interestPaid, row.pointsCost})
    if (!std::isfinite(v)) throw EMathError("Invalid floating point operation");
  return row;
}

}  // namespace zeb
