#pragma once
// The Rates of Return calculator's arithmetic: the simple (holding-period) return of
// an investment, the gain in value plus the dividends as a percentage of the start.
//
//     rate = (end - beginning + dividends) / beginning * 100
//
// A beginning value of 0 gives 0 (no division), and so does an ending value of 0, even
// when dividends were paid.
//
// Worked example: 2,500.00 growing to 2,600.00 with 50.00 of dividends: 6 %;
// 10,000.00 to 11,000.00 with 100.00: 11 %; 1,000.00 to 900.00: -10 %.
//
// Errors: none for finite amounts; a result that is not a finite number (an amount
// read from a field that could not show its value) throws EMathError.

namespace zeb {

double RateOfReturn(double beginning, double ending, double dividends);

}  // namespace zeb
