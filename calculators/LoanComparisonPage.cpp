#include "calculators/LoanComparisonPage.h"

#include "calculators/PageHost.h"
#include "calculators/RowPageParts.h"
#include "widgets/FieldStyle.h"
#include "widgets/Guarded.h"
#include "widgets/Mneyedit.h"
#include "widgets/NumCtrl.h"
#include "widgets/PictureField.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

// The eight columns: heading, left edge and width.
struct Column {
  const char* heading;
  int x;
  int width;
};
constexpr Column kColumns[] = {
    {"Loan Amount", 4, 88},     {"Interest Rate", 94, 70},  {"# of Pmts", 166, 42},
    {"# of Points", 210, 46},   {"Payment", 258, 76},       {"Total Paid", 336, 88},
    {"Interest Paid", 426, 88}, {"Cost of Points", 516, 78},
};
constexpr int kFirstRowY = 92;
constexpr int kRowStep = 36;
constexpr int kFieldHeight = 22;  // the row-page fields' height

// The sample loans: loan, rate, payments, points, then the stored results.
struct SampleRow {
  double loan, rate;
  int payments;
  double points, payment, totalPaid, loanCost, pointsCost;
};
constexpr SampleRow kSamples[kLoanComparisonRows] = {
    {100000, 8.75, 360, 0, 786.7, 283212.15, 183212.15, 0},
    {100000, 8.75, 240, 1, 883.71, 213090.57, 112090.57, 1000},
    {100000, 9.25, 360, 2, 822.68, 298163.15, 196163.15, 2000},
    {100000, 9.25, 240, 2, 915.87, 221808.04, 119808.04, 2000},
    {100000, 8.75, 360, 1, 786.7, 284212.15, 183212.15, 1000},
    {95000, 8.75, 240, 2, 839.53, 203386.04, 106486.04, 1900},
};

QString Numbered(const char* name, int row) { return QString("%1%2").arg(name).arg(row + 1); }

}  // namespace

LoanComparisonPage::LoanComparisonPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont());
  SetNavyText(this);

  rowpage::PageSentence(this, "lblLCCaption",
                        "Use the Loan Comparison Calculator to illustrate the impact that different percentage "
                        "rates and points have on the property loan.",
                        34);
  for (const Column& c : kColumns) rowpage::Heading(this, c.heading, c.x, kFirstRowY - 32, c.width, 28);

  for (int i = 0; i < kLoanComparisonRows; ++i) {
    Row& row = rows_[i];
    const int y = kFirstRowY + i * kRowStep;
    const auto accessible = [i](int column) { return QString("%1 %2").arg(kColumns[column].heading).arg(i + 1); };
    const auto place = [&](QWidget* field, const char* name, int column) {
      field->setObjectName(Numbered(name, i));
      field->setAccessibleName(accessible(column));
      field->setGeometry(kColumns[column].x, y, kColumns[column].width, kFieldHeight);
    };
    const auto money = [&](const char* name, int decimals, int column) {
      return rowpage::MoneyEntry(this, Numbered(name, i), accessible(column), decimals, kColumns[column].x, y,
                                 kColumns[column].width);
    };
    const auto result = [&](const char* name, const char* mask, int maxLength, int column) {
      return rowpage::PictureResult(this, Numbered(name, i), accessible(column), mask, maxLength,
                                    kColumns[column].x, y, kColumns[column].width);
    };
    row.loan = money("edtLCLoan", 2, 0);
    row.interest = money("edtLCInterest", 5, 1);
    row.term = new TOvcPictureField(this);
    row.term->SetPictureMask("iiiiii", TOvcPictureField::DataType::Integer, 6);
    row.term->SetRange(-32768, 32767);
    place(row.term, "edtLCTerm", 2);
    row.points = new TNumEdit(this);
    row.points->SetNumericType(TNumEdit::NumericType::General);
    row.points->SetDigits(12);
    row.points->SetDecimals(3);
    row.points->SetMasks("#,##0.###", "", "");
    row.points->SetRounding(false);
    row.points->SetValidation(false);
    row.points->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(row.points, "edtLCPoints", 3);
    row.payment = result("edtLCPayment", "$###,###,###.##", 10, 4);
    row.totalPaid = result("edtLCTotalPaid", "$#,###,###,###.##", 17, 5);
    row.loanCost = result("edtLCLoanCost", "$#,###,###,###.##", 17, 6);
    row.pointsCost = result("edtLCPointsCost", "$###,###,###.##", 10, 7);
    for (QWidget* f : row.Entries()) f->installEventFilter(this);
  }

  // Row by row; within a row loan, rate, payments, points.
  QWidget* previous = nullptr;
  for (const Row& row : rows_) {
    for (QWidget* f : row.Entries()) {
      if (previous) setTabOrder(previous, f);
      previous = f;
    }
  }
}

std::array<QWidget*, 4> LoanComparisonPage::Row::Entries() const { return {loan, interest, term, points}; }

LoanComparisonPage::~LoanComparisonPage() {
  for (const Row& row : rows_)
    for (QWidget* f : row.Entries()) f->removeEventFilter(this);
}

bool LoanComparisonPage::eventFilter(QObject* watched, QEvent* event) {
  if (rowpage::FieldLeft(event)) Guarded([this, watched] { CalcLC(watched); });
  return QWidget::eventFilter(watched, event);
}

void LoanComparisonPage::CalcLC(QObject*) {
  for (const Row& row : rows_) {
    LoanComparisonInputs in;
    in.loan = static_cast<double>(row.loan->TextAsFloat());
    in.rate = static_cast<double>(row.interest->TextAsFloat());
    in.payments = row.term->AsInteger();
    in.points = static_cast<double>(row.points->Value());
    const LoanComparisonRow out = CompareLoan(in);
    row.payment->SetAsFloat(out.payment);
    row.totalPaid->SetAsFloat(out.totalPaid);
    row.loanCost->SetAsFloat(out.interestPaid);
    row.pointsCost->SetAsFloat(out.pointsCost);
  }
}

void LoanComparisonPage::WriteValues(bool sample) {
  for (int i = 0; i < kLoanComparisonRows; ++i) {
    const Row& row = rows_[i];
    const SampleRow v = sample ? kSamples[i] : SampleRow{};
    row.loan->SetTextAsFloat(v.loan);
    row.interest->SetTextAsFloat(v.rate);
    row.term->SetAsInteger(v.payments);
    row.points->SetValue(v.points);
    row.payment->SetAsFloat(v.payment);
    row.totalPaid->SetAsFloat(v.totalPaid);
    row.loanCost->SetAsFloat(v.loanCost);
    row.pointsCost->SetAsFloat(v.pointsCost);
  }
}

void LoanComparisonPage::ClosingSteps() {
  if (host_.CurrentPageKey() == "LC") rows_[0].loan->setFocus();
}

void LoanComparisonPage::ResetLoanComparisons() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps();
}

}  // namespace zeb
