#include "calculators/FutureValuesPage.h"

#include "calculators/FutureValues.h"
#include "calculators/PageHost.h"
#include "calculators/RowPageParts.h"
#include "widgets/ComboBox.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Guarded.h"

namespace zeb {
namespace {

using namespace rowpage;

// Columns: left edge and width.
constexpr int kBalanceX = 6, kBalanceW = 106;
constexpr int kCompoundingX = 116, kCompoundingW = 90;
constexpr int kPaymentX = 210, kPaymentW = 106;
constexpr int kRateX = 320, kRateW = 100;
constexpr int kMonthsX = 424, kMonthsW = 66;
constexpr int kResultX = 494, kResultW = 98;
constexpr int kFirstRowY = 96, kRowStep = 36;

struct Sample {
  double months, result;
};
constexpr Sample kSamples[FutureValuesPage::kRows] = {
    {12, 12160.27}, {24, 14517.34}, {36, 17089.12}, {48, 19895.18}, {60, 22956.86}};

QStringList CompoundingList() {
  QStringList list;
  for (std::string_view name : kCompoundingNames) list << QString::fromLatin1(name.data(), name.size());
  return list;
}

}  // namespace

FutureValuesPage::FutureValuesPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont(11));
  SetNavyText(this);
  PageSentence(this, "lblFVHeading", "Quickly determine the Future Value of different investment scenarios.", 20);

  const int hy = 50, hh = 40;
  Heading(this, "Beginning Balance", kBalanceX, hy, kBalanceW, hh);
  Heading(this, "Compounding Frequency", kCompoundingX, hy, kCompoundingW, hh);
  Heading(this, "Monthly Investment", kPaymentX, hy, kPaymentW, hh);
  Heading(this, "Interest Rate", kRateX, hy, kRateW, hh);
  Heading(this, "Months", kMonthsX, hy, kMonthsW, hh);
  Heading(this, "Future Value", kResultX, hy, kResultW, hh);

  QWidget* previous = nullptr;
  for (int i = 0; i < kRows; ++i) {
    const QString n = QString::number(i + 1);
    const int y = kFirstRowY + i * kRowStep;
    Row& row = rows_[static_cast<size_t>(i)];
    row.balance = MoneyEntry(this, "edtFVp" + n, "Beginning Balance " + n, 2, kBalanceX, y, kBalanceW);
    SetHint(row.balance, "Beginning Balance|Enter the balance the savings start with");
    row.compounding = new TComboBox(CompoundingList(), this);
    row.compounding->setObjectName("cbCompounding" + n);
    row.compounding->setAccessibleName("Compounding Frequency " + n);
    row.compounding->setGeometry(kCompoundingX, y, kCompoundingW, 22);
    row.compounding->SetText("Monthly");
    SetHint(row.compounding, "Compounding Frequency|Choose how often the interest is compounded");
    row.payment = MoneyEntry(this, "edtFVpmt" + n, "Monthly Investment " + n, 2, kPaymentX, y, kPaymentW);
    SetHint(row.payment, "Monthly Investment|Enter the amount added every month");
    row.payment->SetAllowNegative(true);  // withdrawals
    row.rate = MoneyEntry(this, "edtFVir" + n, "Interest Rate " + n, 5, kRateX, y, kRateW);
    SetHint(row.rate, "Interest Rate|Enter the annual interest rate in percent");
    row.months = new TFnpNumericEdit(this);
    row.months->setObjectName("edtFVn" + n);
    row.months->setAccessibleName("Months " + n);
    row.months->SetDecimals(0);
    row.months->setAlignment(Qt::AlignCenter);
    row.months->setGeometry(kMonthsX, y, kMonthsW, 22);
    row.months->SetValue(12);
    SetHint(row.months, "Months|Enter the number of months the savings grow");
    row.result = PictureResult(this, "edtFV" + n, "Future Value " + n, "$###,###,###.##", 10, kResultX, y,
                               kResultW);
    SetHint(row.result, "Future Value|What the savings grow to");

    for (QWidget* f : {static_cast<QWidget*>(row.balance), static_cast<QWidget*>(row.compounding),
                       static_cast<QWidget*>(row.payment), static_cast<QWidget*>(row.rate),
                       static_cast<QWidget*>(row.months)}) {
      f->installEventFilter(this);
      if (previous) setTabOrder(previous, f);
      previous = f;
    }
    TComboBox* box = row.compounding;
    if (i == 0) connect(box, &TComboBox::Change, this, [this, box] { Guarded([this, box] { CalcFV(box); }); });
    else connect(box, &TComboBox::Click, this, [this, box] { Guarded([this, box] { CalcFV(box); }); });
  }
}

FutureValuesPage::~FutureValuesPage() {
  for (const Row& row : rows_)
    for (QWidget* f : {static_cast<QWidget*>(row.balance), static_cast<QWidget*>(row.compounding),
                       static_cast<QWidget*>(row.payment), static_cast<QWidget*>(row.rate),
                       static_cast<QWidget*>(row.months)})
      f->removeEventFilter(this);
}

bool FutureValuesPage::eventFilter(QObject* watched, QEvent* event) {
  if (FieldLeft(event)) Guarded([this, watched] { CalcFV(watched); });
  return QWidget::eventFilter(watched, event);
}

// ---- values ---------------------------------------------------------------------------------

void FutureValuesPage::WriteValues(bool sample) {
  for (int i = 0; i < kRows; ++i) {
    const Row& row = rows_[static_cast<size_t>(i)];
    row.balance->SetTextAsFloat(sample ? 10000 : 0);
    row.compounding->SetText("Monthly");
    row.payment->SetTextAsFloat(sample ? 100 : 0);
    row.rate->SetTextAsFloat(sample ? 8.75L : 0);
    row.months->SetValue(sample ? kSamples[i].months : 0);
    row.result->SetAsFloat(sample ? kSamples[i].result : 0);
  }
}

void FutureValuesPage::ClosingSteps() {
  if (host_.CurrentPageKey() == "FV") rows_[0].balance->setFocus();
}

void FutureValuesPage::ResetFutureValues() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps();
}

// ---- calculation ----------------------------------------------------------------------------

void FutureValuesPage::CalcFV(QObject* sender) {
  host_.AllowPrinting();
  host_.EnableReset();
  // Only the first box is put right, and only when it reports the change itself.
  TComboBox* first = rows_[0].compounding;
  if (sender == first && CompoundingPeriodsPerYear(first->Text().toStdString()) == 0) first->SetText("Monthly");
  for (const Row& row : rows_) {
    const double balance = static_cast<double>(row.balance->TextAsFloat());
    const double payment = static_cast<double>(row.payment->TextAsFloat());
    const double rate = static_cast<double>(row.rate->TextAsFloat());
    const double months = row.months->Value();
    row.result->SetAsFloat(FutureValue(row.compounding->Text().toStdString(), balance, rate, months, payment));
  }
}

}  // namespace zeb
