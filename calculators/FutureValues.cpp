#include "calculators/FutureValues.h"

#include <cmath>

#include "finance/FpuScope.h"

namespace zeb {

int CompoundingPeriodsPerYear(std::string_view compounding) {
  if (compounding == "Annually") return 1;
  if (compounding == "Quarterly") return 4;
  if (compounding == "Monthly") return 12;
  if (compounding == "Daily") return 365;
  return 0;
}

double FutureValue(std::string_view compounding, double balance, double ratePercent, double months, double payment) {
  FpuScope fpu;
  double result = 0;
  if (ratePercent == 0) {
    result = months * payment + balance;
  } else {
    const double m = CompoundingPeriodsPerYear(compounding);
    const double r = ratePercent / 100;
    const double n = m * (months / 12);
    const double g = 1 + r / m;
    const double growth = std::exp(n * std::log(g));
    result = balance * growth + (growth - 1) / r * (12 * payment);
  }
  fpu.check();
  // A balance read from a field that could not show its value is no number either.
  if (!std::isfinite(result)) throw EMathError("Invalid floating point operation");
  return result;
}

}  // namespace zeb
