#include "finance/Tvm.h"

#include <cmath>

#include "finance/FpuScope.h"

namespace zeb {

namespace {
// How far x = 1 - i L / P may lie above 0 and still mean "the payment equals the
// interest": about 450 units in the last place of a double, where the rounding of the
// rate leaves a few. It is a share of the payment, so even a payment of
// 9,999,999,999.99 counts as interest-only only within a thousandth of a cent.
constexpr long double kInterestOnlyTolerance = 1e-13L;
}  // namespace

double PeriodicPayment(std::int32_t periods, double principal, double rate) {
  FpuScope fpu;
  if (periods == 0) return 0.0;
  double result;
  if (rate == 0.0) {
    result = principal / periods;
  } else {
    const double v = std::exp(-static_cast<long double>(periods) *
                              std::log(1.0L + static_cast<long double>(rate)));  // stored
    result = static_cast<double>(static_cast<long double>(principal) * rate / (1.0L - v));
  }
  fpu.check();
  return result;
}

double NumberOfPayments(double loan, double payment, double annualRate) {
  FpuScope fpu;
  const double i = static_cast<double>(static_cast<long double>(annualRate) / 1200.0L);  // stored
  double result = 0.0;
  if (payment == 0.0) return 0.0;
  if (i == 0.0) {
    result = loan / payment;
  } else {
    const long double x = 1.0L - static_cast<long double>(i) * loan / payment;
    // A payment equal to the first month's interest pays nothing off. The binary rate
    // (8.2 / 1200 is no exact double) can leave x a few units in the last place away
    // from 0, which would read as thousands of payments: such an x counts as 0.
    if (x > kInterestOnlyTolerance) {
      const double years =
          static_cast<double>(std::log(x) / (-12.0L * std::log(1.0L + static_cast<long double>(i))));  // stored
      result = static_cast<double>(static_cast<long double>(years) * 12.0L);
    }
  }
  fpu.check();
  return result;
}

double LoanFromPayment(std::int32_t periods, double annualRate, double payment) {
  FpuScope fpu;
  double result;
  if (annualRate == 0.0) {
    result = static_cast<double>(static_cast<long double>(periods) * payment);
  } else {
    const double i = static_cast<double>(static_cast<long double>(annualRate) / 1200.0L);  // stored
    const double g = static_cast<double>(1.0L + static_cast<long double>(i));            // stored
    const long double lng = std::log(static_cast<long double>(g));
    const double u = static_cast<double>(std::exp(-static_cast<long double>(periods) * lng));  // stored
    const long double w = std::exp(static_cast<long double>(periods) * lng);
    const double t = static_cast<double>(payment - static_cast<long double>(payment) * w);  // stored
    result = static_cast<double>(-(static_cast<long double>(u) * t) / i);
  }
  fpu.check();
  return result;
}

double SolveAnnualRate(std::int32_t periods, double loan, double payment, int& iterations) {
  FpuScope fpu;
  iterations = 0;
  double r = 0.0;
  if (periods != 0 && loan != 0.0) {
    double h = 10.0;
    double c = 1.0;
    int k = 1;
    while (c > 0.000001 && k < 100) {
      r = static_cast<double>((1.0L - std::exp(-static_cast<long double>(periods) *
                                                std::log(1.0L + static_cast<long double>(h)))) *
                              payment / loan);  // stored
      c = std::fabs(r - h);
      h = r;
      ++k;
      ++iterations;
      // An invalid logarithm makes r and c NaN, which ends the loop at once; the flag
      // it left is reported by the check below.
    }
  }
  const double result = static_cast<double>(static_cast<long double>(r) * 1200000.0L / 1000.0L);
  fpu.check();
  return result;
}

double SolveAnnualRate(std::int32_t periods, double loan, double payment) {
  int iterations = 0;
  return SolveAnnualRate(periods, loan, payment, iterations);
}

}  // namespace zeb
