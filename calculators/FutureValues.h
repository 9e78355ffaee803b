#pragma once
// The Future Values calculator's arithmetic: what a starting balance plus a fixed
// monthly investment grows to.
//
// With m compounding periods a year ("Daily" 365, "Monthly" 12, "Quarterly" 4,
// "Annually" 1, any other text 0; letter case counts), the annual rate r = rate / 100
// and N = m * months / 12 compounding periods (not necessarily whole):
//
//     G  = (1 + r / m) ^ N             computed as e ^ (N ln(1 + r / m))
//     FV = balance * G + (G - 1) / r * (12 * payment)
//
// A rate of exactly 0 compounds nothing, whatever the text: FV = months * payment +
// balance. The contribution term treats a year's twelve investments as one annual
// amount growing at r; with monthly compounding it is the ordinary annuity of the
// monthly investment at r / 12 (payments at the end of each month).
//
// Worked example: 10,000.00 to start, 100.00 a month at 8.75 %, compounded monthly:
//     12 months 12,160.27    24 months 14,517.34    60 months 22,956.86
// and for 12 months: daily 12,168.22, quarterly 12,144.08, annually 12,075.00.
//
// Errors: a text that is none of the four names with a rate other than 0 divides by
// zero periods; 1 + r / m of zero or below has no logarithm; a huge number of months
// overflows. Each throws EMathError, as does any result that is not a finite number.
#include <array>
#include <string_view>

namespace zeb {

// The compounding list, in list order.
inline constexpr std::array<std::string_view, 4> kCompoundingNames = {"Daily", "Monthly", "Quarterly", "Annually"};

// Compounding periods per year of `compounding`, compared exactly; 0 for any other text.
int CompoundingPeriodsPerYear(std::string_view compounding);

double FutureValue(std::string_view compounding, double balance, double ratePercent, double months, double payment);

}  // namespace zeb
