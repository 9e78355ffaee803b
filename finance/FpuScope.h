#pragma once
// Floating-point error detection without signals.
//
// Arithmetic runs with the hardware's default (non-trapping) mode; an invalid
// operation (ln of a negative number, 0/0), a division by zero or an overflow leaves
// its flag set. An FpuScope marks one computation: the outermost scope clears the
// flags when it opens, and check() throws EMathError when any of the three flags has
// been raised since. Nested scopes (a calculator calling the loan functions) share the
// outer scope's flags, so an error earlier in the outer computation is never hidden.
//
//   FpuScope fpu;
//   double r = a / b;      // b == 0 raises FE_DIVBYZERO
//   fpu.check();           // throws EMathError
#include "finance/Errors.h"

namespace zeb {

class FpuScope {
public:
  FpuScope();
  ~FpuScope();
  FpuScope(const FpuScope&) = delete;
  FpuScope& operator=(const FpuScope&) = delete;

  // Throws EMathError (and clears the flags) when an error flag is set.
  void check() const;

private:
  bool outermost_;
};

// True when the invalid, division-by-zero or overflow flag is set.
bool FpuErrorPending();
// Clears every floating-point exception flag.
void FpuClear();

}  // namespace zeb
