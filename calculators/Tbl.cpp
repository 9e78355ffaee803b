#include "calculators/Tbl.h"

#include <cmath>

#include "finance/Errors.h"
#include "finance/FpuScope.h"
#include "finance/TextForms.h"
#include "finance/Tvm.h"

namespace zeb {
namespace {

constexpr TabulonStep kLoanSteps[kLoanStepCount] = {
    {100, "$100"},       {500, "$500"},       {1000, "$1000"},     {5000, "$5000"},      {10000, "$10000"},
    {50000, "$50000"},   {100000, "$100000"}, {500000, "$500000"}, {1000000, "$1000000"},
};
constexpr TabulonStep kRateSteps[kRateStepCount] = {
    {0.125, "1/8%"}, {0.25, "1/4%"}, {0.375, "3/8%"}, {0.5, "1/2%"},
    {0.625, "5/8%"}, {0.75, "3/4%"}, {0.875, "7/8%"}, {1.0, "1%"},
};
constexpr TabulonStep kPaymentSteps[kPaymentStepCount] = {
    {50, "$50"},     {100, "$100"},   {250, "$250"},   {500, "$500"},     {750, "$750"},
    {1000, "$1000"}, {2500, "$2500"}, {5000, "$5000"}, {10000, "$10000"},
};

TabulonStep lookUp(const TabulonStep* steps, int count, int index, const char* what) {
  if (index < 0 || index >= count)
    throw ERangeError(std::string("Step choice out of range: ") + what + " " + std::to_string(index));
  return steps[index];
}

// A text after its leading blanks (appending keeps g++ 12 from a false -Wrestrict).
std::string after(const char* blanks, const std::string& text) {
  std::string r(blanks);
  r += text;
  return r;
}

// The text forms of the axes and cells.
std::string loanAmount(double v) { return FloatToText(v, FloatStyle::Currency, 10, 0); }
std::string paymentAmount(double v) { return FloatToText(v, FloatStyle::Currency, 10, 2); }
std::string rateHeading(double v) { return FloatToText(v, FloatStyle::General, 5, 3) + "%"; }
std::string paymentHeading(double v) { return FloatToText(v, FloatStyle::Currency, 5, 2); }

// Row r holds v + (r - 6) d, column c holds v + (c - 4) d; the centre holds v itself.
struct Axis {
  double typed;
  double step;
  double at(int index, int centre) const { return index == centre ? typed : typed + (index - centre) * step; }
};

// Products and differences of the centre results, with the loan functions' error rule.
double times(double a, double b) {
  FpuScope fpu;
  const double r = static_cast<double>(static_cast<long double>(a) * b);
  fpu.check();
  return r;
}
double minus(double a, double b) {
  FpuScope fpu;
  const double r = a - b;
  fpu.check();
  return r;
}

// The whole part of a solved term, taken through its general text the way a count is
// converted to an integer: a term beyond the 32-bit range (or shown as "1E20") does not
// convert and throws EConvertError.
std::int32_t wholeTerm(double t) { return StrToInt(FloatToStrGeneral(std::trunc(t))); }

// The pattern all four fills share: axes, then the cells column by column and row by
// row, with the centre results computed right after cell (4, 6). The centre cell's
// arguments are the typed values themselves, so its value is the centre's solved
// value and is handed on rather than solved a second time.
template <class RowText, class ColText, class CellValue, class CellText, class CentreResult>
void fillPattern(TabulonGrid& g, Axis rows, Axis cols, RowText rowText, ColText colText, CellValue cellValue,
                 CellText cellText, CentreResult centreResult) {
  std::array<double, kTabulonRows> rowValue{};
  std::array<double, kTabulonCols> colValue{};
  for (int c = 1; c < kTabulonCols; ++c) colValue[c] = cols.at(c, kTabulonCentreCol);
  for (int r = 1; r < kTabulonRows; ++r) rowValue[r] = rows.at(r, kTabulonCentreRow);
  for (int c = 1; c < kTabulonCols; ++c) g.columnAxis[c] = after("  ", colText(colValue[c]));
  for (int r = 1; r < kTabulonRows; ++r) g.rowAxis[r] = after(" ", rowText(rowValue[r]));
  g.axesWritten = true;

  for (int c = 1; c < kTabulonCols; ++c) {
    for (int r = 1; r < kTabulonRows; ++r) {
      const double value = cellValue(rowValue[r], colValue[c]);
      g.cells[c][r] = cellText(c, value);
      ++g.cellsWritten;
      if (c == kTabulonCentreCol && r == kTabulonCentreRow) g.centre = centreResult(value);
    }
  }
}

}  // namespace

TabulonCalculation TabulonCalculationFromIndex(int index) {
  if (index < 0 || index > 3) throw ERangeError("Calculation choice out of range: " + std::to_string(index));
  return static_cast<TabulonCalculation>(index);
}

TabulonStep LoanStep(int index) { return lookUp(kLoanSteps, kLoanStepCount, index, "loan"); }
TabulonStep RateStep(int index) { return lookUp(kRateSteps, kRateStepCount, index, "rate"); }
TabulonStep PaymentStep(int index) { return lookUp(kPaymentSteps, kPaymentStepCount, index, "payment"); }

TabulonGrid FillTabulon(TabulonCalculation calculation, const TabulonInputs& in, int loanStep, int rateStep,
                        int paymentStep) {
  TabulonGrid g;
  g.calculation = calculation;
  try {
    switch (calculation) {
      case TabulonCalculation::Payments: {
        const TabulonStep loan = LoanStep(loanStep), rate = RateStep(rateStep);
        g.loanIncrementText = loan.text;
        g.rateIncrementText = rate.text;
        g.corner = " Loan / Rate";
        fillPattern(
            g, {in.loan, loan.value}, {in.rate, rate.value}, loanAmount, rateHeading,
            [&](double rowLoan, double colRate) { return PeriodicPayment(in.term, rowLoan, colRate / 1200); },
            [](int, double payment) { return after(" ", paymentAmount(payment)); },
            [&](double payment) {  // PeriodicPayment(term, loan, rate / 1200)
              TabulonCentre centre;
              centre.payment = payment;
              centre.totalPaid = times(centre.payment, in.term);
              centre.interestPaid = minus(centre.totalPaid, in.loan);
              return centre;
            });
        break;
      }
      case TabulonCalculation::LoanAmounts: {
        const TabulonStep payment = PaymentStep(paymentStep), rate = RateStep(rateStep);
        g.paymentIncrementText = payment.text;
        g.rateIncrementText = rate.text;
        fillPattern(
            g, {in.payment, payment.value}, {in.rate, rate.value}, paymentAmount, rateHeading,
            [&](double rowPayment, double colRate) { return LoanFromPayment(in.term, colRate, rowPayment); },
            [](int, double loan) { return after(" ", loanAmount(loan)); },
            [&](double loan) {  // LoanFromPayment(term, rate, payment)
              TabulonCentre centre;
              centre.loan = loan;
              centre.totalPaid = times(in.term, in.payment);
              centre.interestPaid = minus(centre.totalPaid, centre.loan);
              return centre;
            });
        break;
      }
      case TabulonCalculation::InterestRates: {
        const TabulonStep loan = LoanStep(loanStep), payment = PaymentStep(paymentStep);
        g.loanIncrementText = loan.text;
        g.paymentIncrementText = payment.text;
        fillPattern(
            g, {in.loan, loan.value}, {in.payment, payment.value}, loanAmount, paymentHeading,
            [&](double rowLoan, double colPayment) { return SolveAnnualRate(in.term, rowLoan, colPayment); },
            [](int, double rate) { return after(" ", FloatToText(rate, FloatStyle::Fixed, 5, 3) + "%"); },
            [&](double rate) {  // SolveAnnualRate(term, loan, payment)
              TabulonCentre centre;
              centre.rate = rate;
              centre.totalPaid = times(in.term, in.payment);
              centre.interestPaid = minus(centre.totalPaid, in.loan);
              return centre;
            });
        break;
      }
      case TabulonCalculation::Terms: {
        const TabulonStep loan = LoanStep(loanStep), payment = PaymentStep(paymentStep);
        g.loanIncrementText = loan.text;
        g.paymentIncrementText = payment.text;
        fillPattern(
            g, {in.loan, loan.value}, {in.payment, payment.value}, loanAmount, paymentHeading,
            [&](double rowLoan, double colPayment) { return NumberOfPayments(rowLoan, colPayment, in.rate); },
            [](int col, double term) {
              // The first column's terms carry no leading blank.
              const std::string text = FloatToText(term, FloatStyle::Fixed, 5, 2);
              return col == 1 ? text : after(" ", text);
            },
            [&](double t) {  // NumberOfPayments(loan, payment, rate), unrounded
              TabulonCentre centre;
              centre.term = wholeTerm(t);
              centre.totalPaid = times(t, in.payment);
              centre.interestPaid = minus(centre.totalPaid, in.loan);
              return centre;
            });
        break;
      }
    }
  } catch (...) {
    g.error = std::current_exception();
  }
  return g;
}

TabulonGrid CleanTabulonGrid(TabulonCalculation calculation) {
  TabulonGrid g;
  g.calculation = calculation;
  g.axesWritten = true;
  const bool payments = calculation == TabulonCalculation::Payments;
  const bool loans = calculation == TabulonCalculation::LoanAmounts;
  g.corner = payments ? " Loan / Rate" : loans ? " Pmt / Rate" : " Loan / Pmt";
  for (int r = 1; r < kTabulonRows; ++r) {
    if (loans) {
      const std::string rate = FloatToText(4.5 + 0.5 * (r - 1), FloatStyle::Fixed, 5, 2) + "%";
      g.rowAxis[r] = r == kTabulonRows - 1 ? rate : after(" ", rate);
    } else {
      g.rowAxis[r] = after(" ", loanAmount(95000 + 1000 * (r - 1)));
    }
  }
  for (int c = 1; c < kTabulonCols; ++c) {
    g.columnAxis[c] = payments ? FloatToText(5.5 + 0.5 * (c - 1), FloatStyle::Fixed, 5, 2) + "%"
                               : FloatToText(650 + 50 * (c - 1), FloatStyle::Currency, 5, 2);
  }
  return g;
}

std::string TabulonGridHint(TabulonCalculation calculation) {
  switch (calculation) {
    case TabulonCalculation::Payments:
      return " Grid is displaying Payment Amounts";
    case TabulonCalculation::LoanAmounts:
      return " Grid is displaying Loan Amounts";
    case TabulonCalculation::InterestRates:
      return " Grid is displaying Interest Rates";
    case TabulonCalculation::Terms:
      return " Grid is displaying Term in Months";
  }
  return {};
}

}  // namespace zeb
