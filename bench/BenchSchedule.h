#pragma once
// The schedule the widget benchmarks start from: a main window on the Amortization page
// with 100,000.00 at `rate` % over `payments` months from January 2000, built as
// "Create or Refresh Schedule" builds it.
#include <QComboBox>

#include "app/Main.h"
#include "calculators/AmortizationPage.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"

namespace zeb {

inline void BuildBenchSchedule(TfrmMain& window, double rate, int payments) {
  window.ShowPageByKey("Amort");
  window.findChild<TMoneyEdit*>("edtMortAmt")->SetTextAsFloat(100000);
  window.findChild<TMoneyEdit*>("edtIRate")->SetTextAsFloat(rate);
  window.findChild<TOvcPictureField*>("edtNumPmts")->SetAsInteger(payments);
  window.findChild<QComboBox*>("cbMonth")->setEditText("Jan");
  window.findChild<TOvcPictureField*>("edtYear")->SetAsInteger(2000);
  window.Amortization()->CalcAmortization();
}

}  // namespace zeb
