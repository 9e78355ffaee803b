// The loan functions: the worked examples, the zero divisors and the iteration counts.
#include <gtest/gtest.h>

#include <cmath>

#include "finance/Errors.h"
#include "finance/Tvm.h"

namespace zeb {
namespace {

TEST(PeriodicPayment, WorkedExamples) {
  EXPECT_NEAR(PeriodicPayment(360, 100000, 8.75 / 1200), 786.7004, 0.00005);
  EXPECT_EQ(PeriodicPayment(0, 12345, 0.01), 0);
  EXPECT_EQ(PeriodicPayment(12, 1200, 0), 100);
}

}  // namespace
}  // namespace zeb
