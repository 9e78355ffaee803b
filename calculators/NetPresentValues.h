#pragma once
// The Net Present Values calculator's arithmetic: thirty yearly cash flows discounted
// to today at one annual rate, every year by whole years (end of year).
//
// With d = 1 + rate / 100:
//
//     PV = CF1 / d^1 + CF2 / d^2 + ... + CF30 / d^30
//
// summed in year order, each power computed as e ^ (k ln d), in double precision.
// Years left at 0 add nothing, so a shorter holding period needs no other setting;
// a rate of 0 gives the plain sum.
//
// Worked example: cash flows 9,000.00, 0.00, -3,000.00, 8,000.00, 8,200.00, 9,000.00,
// 9,350.00, 12,500.00 and 137,580.00 (cash flow plus sale proceeds) in years 1 to 9:
//     5 % 129,493.05   6 % 120,274.95   7 % 111,841.28   8 % 104,117.63   9 % 97,037.33
// A single 1,000.00 at 10 % is worth 909.09 in year 1 and 57.31 in year 30.
//
// Errors: a rate of -100 % or below leaves no logarithm of d; that, an overflow, or a
// result that is not a finite number throws EMathError.
#include <span>

namespace zeb {

inline constexpr int kCashFlowYears = 30;

double PresentValue(std::span<const double, kCashFlowYears> cashFlows, double ratePercent);

}  // namespace zeb
