#pragma once
// Time value of money: the level-payment loan equation solved for each of its four
// variables. For a loan L, a monthly payment P, n monthly payments and a monthly
// rate i (a fraction):
//
//     L * i = P * (1 - (1 + i)^-n)
//
// Annual rates are percentages (8.75 means 8.75 %); the monthly rate is the annual
// percentage / 1200. Powers (1 + i)^x are e^(x ln(1 + i)). Intermediates run in
// extended precision (long double); the values marked "stored" in each function are
// rounded to double there, which fixes the last digits of the results.
//
// Worked example: 100,000.00 at 8.75 % over 360 months.
//     PeriodicPayment(360, 100000, 8.75 / 1200) = 786.7004...  (shown 786.70)
//     NumberOfPayments(100000, 786.70, 8.75)    = 360.0009...
//     LoanFromPayment(360, 8.75, 786.70)        = 99999.948...
//     SolveAnnualRate(360, 100000, 786.70)      = 8.75022 after 6 iterations
//
// Errors: the functions test only the zero divisors named in their steps. An invalid
// logarithm (a rate of -1200 % or less), a division by zero or an overflow throws
// EMathError (see FpuScope).
#include <cstdint>

namespace zeb {

// Level payment per period; `rate` is the periodic rate as a fraction.
// n = 0 gives 0; rate = 0 (exactly) gives principal / n.
double PeriodicPayment(std::int32_t periods, double principal, double rate);

// Number of monthly payments (unrounded) that repay `loan` with `payment` at
// `annualRate` percent. A payment that does not exceed the first month's interest
// gives 0, as does a zero payment; a payment equal to that interest to within binary
// rounding (a relative 1e-13, far below a cent) counts as equal:
//     NumberOfPayments(3000, 20.50, 8.2) = 0, not 5,434.
double NumberOfPayments(double loan, double payment, double annualRate);

// Loan amount that `periods` payments of `payment` repay at `annualRate` percent.
double LoanFromPayment(std::int32_t periods, double annualRate, double payment);

// Annual rate in percent found by the fixed-point iteration
//     h <- (1 - (1 + h)^-n) * P / L,   started at h = 10,
// stopped when one step changes h by 0.000001 or less, after 99 steps at most.
// The result is the iteration's, not the exact root (8.75022 where the root is 8.74999).
double SolveAnnualRate(std::int32_t periods, double loan, double payment);

// The same, also reporting how many iterations ran (0 when n or L is 0).
double SolveAnnualRate(std::int32_t periods, double loan, double payment, int& iterations);

}  // namespace zeb
