#include "calculators/CapRate.h"

#include <cmath>
#include <string>

#include "finance/Errors.h"
#include "finance/FpuScope.h"
#include "finance/TextForms.h"

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
    // A value read back from a field showing stars is no number; a result wider than
    // the page's fields would show cut.
    if (!std::isfinite(x)) throw EMathError("Invalid floating point operation");
    const int decimals = solveFor == CapRateSolveFor::CapitalizationRate ? 5 : 2;
    const std::string text = FormatMoneyPicture(x, decimals);
    if (text.size() - (text.front() == '-' ? 1 : 0) > static_cast<size_t>(kCapRateFieldLength))
      throw EMathError("Floating point overflow");
    results[static_cast<size_t>(i)] = x;
  }
  return results;
}

}  // namespace zeb
