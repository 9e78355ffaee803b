#include "calculators/NetPresentValues.h"

#include <cmath>

#include "finance/FpuScope.h"

namespace zeb {

double PresentValue(std::span<const double, kCashFlowYears> cashFlows, double ratePercent) {
  FpuScope fpu;
  const double d = 1 + ratePercent / 100;
  const double lnD = std::log(d);
  double sum = 0;
  for (int k = 1; k <= kCashFlowYears; ++k) sum += cashFlows[static_cast<size_t>(k - 1)] / std::exp(k * lnD);
  fpu.check();
  if (!std::isfinite(sum)) throw EMathError("Invalid floating point operation");
  return sum;
}

}  // namespace zeb
