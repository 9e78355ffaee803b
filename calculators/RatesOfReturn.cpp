#include "calculators/RatesOfReturn.h"

#include <cmath>

#include "finance/FpuScope.h"

namespace zeb {

double RateOfReturn(double beginning, double ending, double dividends) {
  if (beginning == 0) return 0;
  if (ending == 0) return 0;
  FpuScope fpu;
  const double rate = (ending - beginning + dividends) / beginning * 100;
  fpu.check();
  if (!std::isfinite(rate)) throw EMathError("Invalid floating point operation");
  return rate;
}

}  // namespace zeb
