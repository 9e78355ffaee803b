#include "calculators/CapRate.h"

#include <cmath>

#include "finance/Errors.h"
#include "finance/FpuScope.h"
#include "widgets/model/MoneyField.h"

namespace zeb {

std::array<double, kCapRateRows> SolveCapRates(CapRateSolveFor solveFor, const CapRateRows& rows) {
  FpuScope fpu;
  std::array<double, kCapRateRows> results{};
  for (int i = 0; i < kCapRateRows; ++i) {
    const CapRateRow& r = rows[static_cast<size_t>(i)];
    double x = 0;
    switch (solveFor) {
      case CapRateSolveFor::NetOperatingIncome:
        x = r.rate * r.value / 100;
        break;
      case CapRateSolveFor::Value:
        x = r.income == 0 ? 0.0 : r.income / r.rate * 100;
        break;
      case CapRateSolveFor::CapitalizationRate:
        x = r.value == 0 ? 0.0 : r.income / r.value * 100;
        break;
    }
    fpu.check();
    // A field showing stars, or a value read back from stars, is no result.
    if (!std::isfinite(x) || std::fabs(x) >= static_cast<double>(kMoneyOverflow))
      throw EMathError("Invalid floating point operation");
    results[static_cast<size_t>(i)] = x;
  }
  return results;
}

}  // namespace zeb
