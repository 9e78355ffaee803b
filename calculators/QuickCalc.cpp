#include "calculators/QuickCalc.h"

#include <cmath>

#include "finance/FpuScope.h"
#include "finance/Tvm.h"

namespace zeb {
namespace {

double finiteOrThrow(double v) {
  if (!std::isfinite(v)) throw EMathError("Invalid floating point operation");
  return v;
}

}  // namespace

double SolveQuickTarget(QuickTarget target, const QuickInputs& in) {
  FpuScope fpu;
  double result = 0;
  switch (target) {
    case QuickTarget::LoanAmount: {
      const double amount = in.rate != 0 ? LoanFromPayment(in.payments, in.rate, in.payment)
                                         : static_cast<double>(static_cast<long double>(in.payments) * in.payment);
      result = std::nearbyint(static_cast<long double>(amount) + 0.5L);  // ties to even
      break;
    }
    case QuickTarget::InterestRate:
      result = SolveAnnualRate(in.payments, in.loan, in.payment);
      break;
    case QuickTarget::Payment:
      result = in.rate != 0 ? PeriodicPayment(in.payments, in.loan,
                                              static_cast<double>(static_cast<long double>(in.rate) / 1200.0L))
                            : in.loan / in.payments;
      break;
    case QuickTarget::NumberOfPayments: {
      const double n = in.rate != 0 ? NumberOfPayments(in.loan, in.payment, in.rate) : in.loan / in.payment;
      result = std::nearbyint(n);
      break;
    }
  }
  fpu.check();
  return finiteOrThrow(result);
}

std::int32_t SolveQuickPayments(const QuickInputs& in) {
  const double n = SolveQuickTarget(QuickTarget::NumberOfPayments, in);
  // A count the term field cannot hold is no answer: report it like any other
  // calculation that has no valid result rather than show a wrapped number.
  if (n < kTermFieldMin || n > kTermFieldMax) throw EMathError("Floating point overflow");
  return static_cast<std::int32_t>(n);
}

MpiResult CalcMonthlyPayment(const MpiInputs& in) {
  FpuScope fpu;
  MpiResult out;
  if (in.price == 0) {
    out.priceZero = true;
    return out;
  }
  out.downPaymentSum = in.downPaymentSum;
  out.downPaymentPercent = in.downPaymentPercent;
  if (in.left == MpiFieldLeft::DownPaymentSum) out.downPaymentPercent = in.downPaymentSum / in.price * 100;
  if (in.left == MpiFieldLeft::DownPaymentPercent) out.downPaymentSum = in.price * (in.downPaymentPercent / 100);
  out.loanAmount = static_cast<double>(in.price - out.downPaymentSum);  // stored
  if (in.termInMonths == 0) {
    out.payment = 0;
  } else if (in.rate == 0) {
    out.payment = out.loanAmount / in.termInMonths;
  } else {
    out.payment = PeriodicPayment(in.termInMonths, out.loanAmount, static_cast<double>(in.rate / 1200));
  }
  fpu.check();
  return out;
}

}  // namespace zeb
