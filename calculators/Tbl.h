#pragma once
// The Tabulon grid: an 11 x 7 what-if table around one typed loan.
//
// One loan variable is solved (the monthly payment, the loan amount, the interest rate
// or the term); two of the other three vary along the axes and the third is held:
//
//   calculation     rows (11)          columns (7)      cell
//   payments        loan amount        annual rate      PeriodicPayment(term, loan, rate / 1200)
//   loan amounts    payment            annual rate      LoanFromPayment(term, rate, payment)
//   interest rates  loan amount        payment          SolveAnnualRate(term, loan, payment)
//   terms           loan amount        payment          NumberOfPayments(loan, payment, rate)
//
// Row r (1..11) holds v + (r - 6) d and column c (1..7) holds v + (c - 4) d, so the
// typed value v sits in row 6 and column 4, the centre cell. The centre's own result,
// computed from the typed values, also goes to the solved field with the total paid
// and the interest paid.
//
// Worked example: 100,000.00 at 8.75 % over 360 months, loan step $5000, rate step 1/2 %.
// Rows run " $75,000" .. " $125,000", columns "  7.25%" .. "  10.25%"; cell (1, 1) is
// " $511.63", the centre " $786.70", cell (7, 11) " $1,120.13"; the payment is
// 786.7004, the total paid 283,212.15 and the interest paid 183,212.15.
//
// The fill runs column by column (1..7) and, within a column, row by row (1..11); the
// centre results are computed while column 4 is filled, right after its row 6. A loan
// function's math error (EMathError) or a solved term that cannot be written as a whole
// number (EConvertError) ends the fill there: the result keeps what was done so far and
// carries the error, so the page shows the partial grid before reporting it.
#include <array>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

namespace zeb {

// The variable the grid solves; the value is the index of the calculation choice.
enum class TabulonCalculation { Payments = 0, LoanAmounts = 1, InterestRates = 2, Terms = 3 };

// Index 0..3 of the calculation choice; anything else throws ERangeError.
TabulonCalculation TabulonCalculationFromIndex(int index);

// A step choice: the step itself and the text the report prints for it.
struct TabulonStep {
  double value = 0;
  const char* text = "";
};

inline constexpr int kLoanStepCount = 9;
inline constexpr int kRateStepCount = 8;
inline constexpr int kPaymentStepCount = 9;

// By item index: loan 100 "$100" .. 1000000 "$1000000"; rate 0.125 "1/8%" .. 1.0 "1%";
// payment 50 "$50" .. 10000 "$10000". An index outside the list throws ERangeError.
TabulonStep LoanStep(int index);
TabulonStep RateStep(int index);
TabulonStep PaymentStep(int index);

// The typed values of the page. Each calculation reads three of them.
struct TabulonInputs {
  double loan = 0;
  double rate = 0;  // annual percent
  std::int32_t term = 0;
  double payment = 0;
};

inline constexpr int kTabulonCols = 8;  // column 0 is the row axis
inline constexpr int kTabulonRows = 12;  // row 0 is the column axis
inline constexpr int kTabulonCentreCol = 4;
inline constexpr int kTabulonCentreRow = 6;
inline constexpr int kTabulonCellCount = 77;

// The centre's results for the page's result fields (numbers, not texts).
struct TabulonCentre {
  double payment = 0;       // payments: edtPayment
  double loan = 0;          // loan amounts: edtLoan
  double rate = 0;          // interest rates: edtInterest
  std::int32_t term = 0;    // terms: edtTerm, the whole part of the solved term
  double totalPaid = 0;     // edtTotalPaid
  double interestPaid = 0;  // edtInterestPaid
};

struct TabulonGrid {
  TabulonCalculation calculation = TabulonCalculation::Payments;

  // Step texts stored by the fill; only those of the steps the calculation uses are set.
  std::optional<std::string> loanIncrementText;
  std::optional<std::string> rateIncrementText;
  std::optional<std::string> paymentIncrementText;

  // The corner label; only the payments fill (and the clean grid) writes it, the other
  // fills keep the one the clean grid wrote.
  std::optional<std::string> corner;
  bool axesWritten = false;
  std::array<std::string, kTabulonCols> columnAxis;  // [1..7]; [0] unused
  std::array<std::string, kTabulonRows> rowAxis;     // [1..11]; [0] unused

  // cells[col][row] for col 1..7, row 1..11, each with its leading blank.
  std::array<std::array<std::string, kTabulonRows>, kTabulonCols> cells;
  // How many cells were written, in fill order (column by column, row by row).
  int cellsWritten = 0;

  // Set once the centre's results are known (all of them or none).
  std::optional<TabulonCentre> centre;

  // Set when the fill ended early; EMathError or EConvertError.
  std::exception_ptr error;

  bool Complete() const { return !error && cellsWritten == kTabulonCellCount; }
  // Whether cell (col, row) was reached before the fill ended.
  bool CellWritten(int col, int row) const {
    return col >= 1 && col <= 7 && row >= 1 && row <= 11 && (col - 1) * 11 + (row - 1) < cellsWritten;
  }
};

// Fills the grid for `calculation` from the typed values and the step indexes. Never
// throws for a calculation's failure: a math or conversion error is returned in
// `error` with the content written before it. A step index outside its list is
// returned as ERangeError before anything is written.
TabulonGrid FillTabulon(TabulonCalculation calculation, const TabulonInputs& inputs, int loanStep, int rateStep,
                        int paymentStep);

// The layout the grid is cleaned to before a fill: the corner and placeholder axes of
// the calculation, no cells. Payments " Loan / Rate", rows " $95,000" .. " $105,000",
// columns "5.50%" .. "8.50%"; loan amounts " Pmt / Rate", rows " 4.50%" .. " 9.00%",
// "9.50%", columns "$650.00" .. "$950.00"; interest rates and terms " Loan / Pmt" with
// the rows of payments and the columns of loan amounts.
TabulonGrid CleanTabulonGrid(TabulonCalculation calculation);

// The grid's hint: " Grid is displaying Payment Amounts", ... for each calculation.
std::string TabulonGridHint(TabulonCalculation calculation);

}  // namespace zeb
