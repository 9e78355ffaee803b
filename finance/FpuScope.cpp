#include "finance/FpuScope.h"

#include <cfenv>

namespace zeb {
namespace {
thread_local int g_depth = 0;
constexpr int kErrorFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
}  // namespace

FpuScope::FpuScope() : outermost_(g_depth == 0) {
  if (outermost_) std::feclearexcept(FE_ALL_EXCEPT);
  ++g_depth;
}

FpuScope::~FpuScope() { --g_depth; }

void FpuScope::check() const {
  const int raised = std::fetestexcept(kErrorFlags);
  if (raised == 0) return;
  std::feclearexcept(FE_ALL_EXCEPT);
  if (raised & FE_INVALID) throw EMathError("Invalid floating point operation");
  if (raised & FE_DIVBYZERO) throw EMathError("Floating point division by zero");
  throw EMathError("Floating point overflow");
}

bool FpuErrorPending() { return std::fetestexcept(kErrorFlags) != 0; }
void FpuClear() { std::feclearexcept(FE_ALL_EXCEPT); }

}  // namespace zeb
