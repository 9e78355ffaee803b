#pragma once
// Refinancing: the loan a borrower has now against a new loan that replaces it, over the
// months until the borrower expects to sell.
//
//   remaining      = old term - payments made (negative when more were made; used as is)
//   horizon        = months until sale, at most the new term
//   old payment    = PeriodicPayment(remaining, current balance, old rate / 1200)
//   old horizon    = horizon, at most remaining
//   old equity     = EquityBuildUp(old horizon, current balance, old rate, old payment)
//   new payment    = PeriodicPayment(new term, new balance, new rate / 1200)
//   new equity     = EquityBuildUp(horizon, new balance, new rate, new payment)
//   monthly saving = old payment - new payment             (negative: the new loan costs more)
//   total payment saving = old horizon * monthly saving
//   equity saving  = new equity - old equity
//   total saved    = total payment saving + equity saving - closing costs
// EquityBuildUp sums the principal part of each month's payment, every intermediate at
// full double precision, never cut to cents.
//
// Worked example: 100,000.00 at 8.75 % with 360 of 360 payments left, replaced by
// 100,000.00 at 7.25 % over 240, no closing costs, sale in 240 months:
//     old payment 786.70, new payment 790.38, monthly saving -3.68, total payment saving
//     -882.14 (240 times the unrounded -3.6756), old equity 37,228.05, new equity
//     100,000.00, equity saving 62,771.95, total saved 61,889.81;
//     "If you sell in 240 months,".
//
// Errors: a rate of -1200 % or less, an overflow, or an input that is no finite number
// ends the computation with EMathError at the result it hits; the results before it
// stand, so the page shows them before reporting the error.
#include <array>
#include <cstdint>
#include <exception>
#include <string>

namespace zeb {

// Principal repaid over `months` monthly payments of `payment` on `balance` at
// `annualRate` percent; 0 for months of 0 or less.
double EquityBuildUp(std::int32_t months, double balance, double annualRate, double payment);

struct RefiInputs {
  std::int32_t oldTerm = 0;
  std::int32_t paymentsMade = 0;
  double currentBalance = 0;
  double oldRate = 0;  // annual percent
  std::int32_t newTerm = 0;
  double newBalance = 0;
  std::int32_t monthsUntilSale = 0;
  double newRate = 0;  // annual percent
  double closingCosts = 0;
};

// The results in the order they are computed; a computation that stops reaches the
// step before the one that failed.
enum class RefiStep {
  None,
  PaymentsRemaining,
  OldPayment,
  OldEquity,
  NewPayment,
  NewEquity,
  PaymentSaved,
  TotalPaymentSaved,
  EquitySavings,
  TotalSaved,
  SellText,
};

struct RefiResults {
  std::int32_t paymentsRemaining = 0;
  std::int32_t horizon = 0;
  std::int32_t oldHorizon = 0;
  double oldPayment = 0;
  double oldEquity = 0;
  double newPayment = 0;
  double newEquity = 0;
  double paymentSaved = 0;
  double totalPaymentSaved = 0;
  double equitySavings = 0;
  double totalSaved = 0;
  std::string sellText;
  // The last result computed (SellText when all were) and the error that stopped the
  // computation, if one did.
  RefiStep reached = RefiStep::None;
  std::exception_ptr error;
  bool Reached(RefiStep step) const { return static_cast<int>(reached) >= static_cast<int>(step); }
};

RefiResults ComputeRefi(const RefiInputs& in);

// "If you sell in " + horizon + " months,"
std::string RefiSellText(std::int32_t horizon);

// The twelve itemised closing costs, in the order of the panel.
inline constexpr int kClosingCostItems = 12;
// Their sum, added in that order.
long double ClosingCostsTotal(const std::array<long double, kClosingCostItems>& fees);

}  // namespace zeb
