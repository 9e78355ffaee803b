#pragma once
// The Quick Calculators' arithmetic.
//
// Missing loan variable: with three of loan L, annual rate R (percent), payment P and
// number of payments n known, solve the fourth with the loan functions:
//   loan amount   LoanFromPayment(n, R, P) (n * P when R = 0), then + 0.5 and rounded
//                 to a whole number, ties to even: 99,999.948 -> 100,000; 1,200.5 -> 1,200
//   interest rate SolveAnnualRate(n, L, P), unrounded (8.75022)
//   payment       PeriodicPayment(n, L, R / 1200) (L / n when R = 0), unrounded
//   payments      NumberOfPayments(L, P, R) (L / P when R = 0), rounded ties to even
// Errors (0 / 0, an invalid logarithm, a count no term field can hold) throw
// EMathError; the page answers with its own message.
//
// Monthly payment from a price: the down payment amount is the master value, the
// percentage is derived from it except when the percentage field itself was left.
//   price 200,000, 20 % left -> amount 40,000, loan 160,000; 7.5 % over 360 -> 1,118.74
#include <cstdint>

namespace zeb {

enum class QuickTarget { LoanAmount, InterestRate, Payment, NumberOfPayments };

struct QuickInputs {
  double loan = 0;
  double rate = 0;  // annual percent
  double payment = 0;
  std::int32_t payments = 0;
};

// The value the target field shows.
double SolveQuickTarget(QuickTarget target, const QuickInputs& in);

// The number-of-payments target, as a whole count in the range of the term field.
std::int32_t SolveQuickPayments(const QuickInputs& in);

enum class MpiFieldLeft { Other, DownPaymentSum, DownPaymentPercent };

struct MpiInputs {
  long double price = 0;
  long double downPaymentSum = 0;
  long double downPaymentPercent = 0;
  long double rate = 0;  // annual percent
  std::int32_t termInMonths = 0;
  MpiFieldLeft left = MpiFieldLeft::Other;
};

struct MpiResult {
  bool priceZero = false;  // every derived value 0, rate and term left alone
  long double downPaymentSum = 0;
  long double downPaymentPercent = 0;
  double loanAmount = 0;
  double payment = 0;
};

MpiResult CalcMonthlyPayment(const MpiInputs& in);

// The range of the whole-number term fields.
inline constexpr std::int32_t kTermFieldMin = -32768;
inline constexpr std::int32_t kTermFieldMax = 32767;

}  // namespace zeb
