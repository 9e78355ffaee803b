#include "calculators/Refinancing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "finance/FpuScope.h"
#include "finance/Tvm.h"

namespace zeb {
namespace {

double Finite(double v) {
  if (!std::isfinite(v)) throw EMathError("Invalid floating point operation");
  return v;
}

}  // namespace

double EquityBuildUp(std::int32_t months, double balance, double annualRate, double payment) {
  FpuScope fpu;
  const double monthlyRate = annualRate / 1200;
  double sum = 0;
  for (std::int32_t k = 1; k <= months; ++k) {
    const double interest = monthlyRate * balance;
    const double principal = payment - interest;
    sum = sum + principal;
    balance = balance - principal;
  }
  fpu.check();
  return Finite(sum);
}

std::string RefiSellText(std::int32_t horizon) {
  return "If you sell in " + std::to_string(horizon) + " months,";
}

RefiResults ComputeRefi(const RefiInputs& in) {
  RefiResults r;
  try {
    FpuScope fpu;
    const auto done = [&](RefiStep step) {
      fpu.check();
      r.reached = step;
    };
    const std::int64_t remaining = std::int64_t{in.oldTerm} - in.paymentsMade;
    if (remaining < std::numeric_limits<std::int32_t>::min() || remaining > std::numeric_limits<std::int32_t>::max())
      throw EMathError("Integer overflow");
    r.paymentsRemaining = static_cast<std::int32_t>(remaining);
    done(RefiStep::PaymentsRemaining);

    r.horizon = std::min(in.monthsUntilSale, in.newTerm);
    r.oldPayment = Finite(PeriodicPayment(r.paymentsRemaining, in.currentBalance, in.oldRate / 1200));
    done(RefiStep::OldPayment);

    r.oldHorizon = std::min(r.horizon, r.paymentsRemaining);
    r.oldEquity = EquityBuildUp(r.oldHorizon, in.currentBalance, in.oldRate, r.oldPayment);
    done(RefiStep::OldEquity);

    r.newPayment = Finite(PeriodicPayment(in.newTerm, in.newBalance, in.newRate / 1200));
    done(RefiStep::NewPayment);

    r.newEquity = EquityBuildUp(r.horizon, in.newBalance, in.newRate, r.newPayment);
    done(RefiStep::NewEquity);

    r.paymentSaved = Finite(r.oldPayment - r.newPayment);
    done(RefiStep::PaymentSaved);

    r.totalPaymentSaved = Finite(r.oldHorizon * r.paymentSaved);
    done(RefiStep::TotalPaymentSaved);

    r.equitySavings = Finite(r.newEquity - r.oldEquity);
    done(RefiStep::EquitySavings);

    r.totalSaved = Finite(r.totalPaymentSaved + r.equitySavings - in.closingCosts);
    done(RefiStep::TotalSaved);

    r.sellText = RefiSellText(r.horizon);
    r.reached = RefiStep::SellText;
  } catch (...) {
    r.error = std::current_exception();
  }
  return r;
}

long double ClosingCostsTotal(const std::array<long double, kClosingCostItems>& fees) {
  long double total = 0;
  for (long double fee : fees) total += fee;
  return total;
}

}  // namespace zeb
