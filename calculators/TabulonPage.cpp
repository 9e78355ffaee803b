#include "calculators/TabulonPage.h"

#include <QApplication>
#include <algorithm>
#include <utility>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QRadioButton>
#include <QStatusTipEvent>

#include "calculators/PageHost.h"
#include "calculators/Tbl.h"
#include "widgets/FieldStyle.h"
#include "widgets/Guarded.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int width) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(x, y, width, 14);
  SetNavyText(l);
  return l;
}

}  // namespace

// ---- page -----------------------------------------------------------------------------------

TabulonPage::TabulonPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  buildControls();
  layOut(0);
  // Until a calculation is first chosen the two labels keep their designed captions.
  lblLeft_->setText("Loan Amount Increment:");
  lblRight_->setText("Interest Rate Increment:");
  CleanGrid();
}

TabulonPage::~TabulonPage() {
  for (QWidget* field : leaveFields_) field->removeEventFilter(this);
  grdTB_->viewport()->removeEventFilter(this);
}

void TabulonPage::buildControls() {
  setFont(ArialFont());
  SetNavyText(this);

  auto money = [this](const char* name, int decimals, int x, int y) {
    auto* e = new TMoneyEdit(this);
    e->setObjectName(name);
    e->SetMaxLength(16);
    e->SetDecimals(decimals);
    e->setGeometry(x, y, 100, 22);
    return e;
  };
  auto picture = [this](const char* name, const QString& mask, TOvcPictureField::DataType type, int maxLength,
                        int x, int y) {
    auto* e = new TOvcPictureField(this);
    e->setObjectName(name);
    e->SetPictureMask(mask, type, maxLength);
    e->setGeometry(x, y, 100, 22);
    return e;
  };

  label(this, "lblLoan", "Loan", 8, 2, 100);
  edtLoan_ = money("edtLoan", 2, 8, 16);
  label(this, "lblInterest", "Rate", 112, 2, 100);
  edtInterest_ = money("edtInterest", 5, 112, 16);
  label(this, "lblTerm", "Months", 8, 40, 100);
  edtTerm_ = picture("edtTerm", "iiiiii", TOvcPictureField::DataType::Integer, 6, 8, 54);
  edtTerm_->SetRange(-32768, 32767);
  label(this, "lblPayment", "PMT", 112, 40, 100);
  edtPayment_ = money("edtPayment", 2, 112, 54);
  label(this, "lblTotalPaid", "Total Amount Paid", 8, 78, 100);
  edtTotalPaid_ =
      picture("edtTotalPaid", "$#,###,###,###.##", TOvcPictureField::DataType::Double, 17, 8, 92);
  label(this, "lblInterestPaid", "Interest Paid", 112, 78, 100);
  edtInterestPaid_ =
      picture("edtInterestPaid", "$#,###,###,###.##", TOvcPictureField::DataType::Double, 17, 112, 92);
  // Each field is named by its caption for the screen reader.
  edtLoan_->setAccessibleName("Loan");
  edtInterest_->setAccessibleName("Rate");
  edtTerm_->setAccessibleName("Months");
  edtPayment_->setAccessibleName("PMT");
  edtTotalPaid_->setAccessibleName("Total Amount Paid");
  edtInterestPaid_->setAccessibleName("Interest Paid");
  for (TOvcPictureField* result : {edtTotalPaid_, edtInterestPaid_}) {
    result->SetRange(-1.7e308, 1.7e308);
    ApplyFieldRole(result, FieldRole::Result);
  }

  lblLeft_ = label(this, "lblLeft", "Increment Loan Amounts By", 217, 0, 207);
  lblRight_ = label(this, "lblRight", "Increment Interest Rates By", 424, 0, 172);
  rgLoan_ = new TRadioGroup(
      "rgLoan", {"$100", "$500", "$1000", "$5000", "$10000", "$50000", "$100000", "$500000", "$1000000"}, 3, this);
  rgLoan_->setGeometry(217, 13, 207, 80);
  rgInterest_ = new TRadioGroup("rgInterest", {" .125", " .25", " .375", " .5", " .625", " .75", " .875", "1.0"},
                                      3, this);
  rgInterest_->setGeometry(424, 13, 172, 80);
  rgPayments_ = new TRadioGroup(
      "rgPayments", {"$50", "$100", "$250", "$500", "$750", "$1000", "$2500", "$5000", "$10000"}, 3, this);
  rgPayments_->setGeometry(424, 13, 172, 80);
  rgPayments_->hide();
  // The longest steps ("$1000000", and "$10000" in the narrow payment group) fit their
  // third of a group only in a face one pixel smaller than the page's.
  for (TRadioGroup* g : {rgLoan_, rgInterest_, rgPayments_})
    for (int i = 0; i < g->Count(); ++i) g->Button(i)->setFont(ArialFont(10));
  rgCalculate_ = new TRadioGroup("rgCalculate", {"PMT (P && I)", "Loan", "Rates", "Term (Mo)"}, 4, this);
  rgCalculate_->setTitle("Calculate:");
  SetNavyText(rgCalculate_);
  rgCalculate_->setGeometry(217, 96, 379, 42);

  // The start choices, set before the handlers are attached.
  rgCalculate_->SetItemIndex(0);
  rgLoan_->SetItemIndex(3);
  rgInterest_->SetItemIndex(3);
  rgPayments_->SetItemIndex(3);
  for (TRadioGroup* g : {rgCalculate_, rgLoan_, rgInterest_, rgPayments_})
    g->SetClickHandler([this, g] { rgCalculateClick(g); });

  grdTB_ = new TTextGrid(8, 12, this);
  grdTB_->setObjectName("grdTB");
  grdTB_->setGeometry(6, 144, 585, 234);
  grdTB_->SetFixedCols(1);
  grdTB_->SetDefaultRowHeight(19);
  grdTB_->SetStretchLastColumn(true);
  grdTB_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdTB_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdTB_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdTB_->setFont(ArialFont());
  {
    // The selected cell: yellow background, red text, whether or not the grid has the focus.
    QPalette pal = grdTB_->palette();
    pal.setColor(QPalette::Text, kNavy);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      pal.setColor(group, QPalette::Highlight, Qt::yellow);
      pal.setColor(group, QPalette::HighlightedText, Qt::red);
    }
    grdTB_->setPalette(pal);
  }
  grdTB_->viewport()->setMouseTracking(true);
  grdTB_->viewport()->installEventFilter(this);
  connect(grdTB_, &TTextGrid::cellClicked, this, [this](int, int) { Guarded([this] { grdTBClick(); }); });
  // Keys and drags move the selection too; it goes back once the view is done with it.
  connect(grdTB_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { Guarded([this] { grdTBClick(); }); }, Qt::QueuedConnection);

  leaveFields_ = {edtLoan_, edtInterest_, edtTerm_, edtPayment_, edtTotalPaid_, edtInterestPaid_};
  for (QWidget* field : leaveFields_) field->installEventFilter(this);

  setTabOrder(edtLoan_, edtInterest_);
  setTabOrder(edtInterest_, edtTerm_);
  setTabOrder(edtTerm_, edtPayment_);
  setTabOrder(edtPayment_, rgCalculate_->Button(0));
  setTabOrder(rgCalculate_->Button(0), rgLoan_->Button(0));
  setTabOrder(rgLoan_->Button(0), rgInterest_->Button(0));
  setTabOrder(rgInterest_->Button(0), rgPayments_->Button(0));
  setTabOrder(rgPayments_->Button(0), grdTB_);
}

bool TabulonPage::isCurrent() const { return host_.CurrentPageKey() == "TB"; }

bool TabulonPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Leaving a field for another control of the window; not the window losing the
    // focus to another one or to a popup.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      Guarded([this] { ChooseTabulonCalculator(); });
  } else if (event->type() == QEvent::MouseMove && watched == grdTB_->viewport()) {
    Guarded([this] { grdTBMouseMove(); });
  }
  return QWidget::eventFilter(watched, event);
}

// ---- calculation switch ----------------------------------------------------------------------

void TabulonPage::layOut(int calculation) {
  struct Field {
    QWidget* field;
    bool result;
    const char* hint;
  };
  const bool payments = calculation == 0, loans = calculation == 1, rates = calculation == 2,
             terms = calculation == 3;
  const Field fields[] = {
      {edtPayment_, payments, payments ? "Calculated Monthly Payment" : "Enter Monthly Payment"},
      {edtLoan_, loans, loans ? "Calculated Loan Amount" : "Enter Loan Amount"},
      {edtTerm_, terms, terms ? "Calculated Term in Months" : "Enter Term in Months"},
      {edtInterest_, rates, rates ? "Calculated Interest Rate" : "Enter Interest Rate"},
  };
  for (const Field& f : fields) {
    ApplyFieldRole(f.field, f.result ? FieldRole::Result : FieldRole::Entry);
    SetHint(f.field, f.hint);
  }

  rgLoan_->setVisible(!loans);
  if (!loans) rgLoan_->move(217, 13);
  rgInterest_->setVisible(payments || loans);
  if (payments || loans) rgInterest_->move(424, 13);
  rgPayments_->setVisible(!payments);
  if (loans) rgPayments_->setGeometry(217, 13, 209, rgPayments_->height());
  if (rates) rgPayments_->setGeometry(424, 13, 172, rgPayments_->height());
  if (terms) rgPayments_->move(424, 13);

  keepStepItemsOnThePage();

  lblLeft_->setText(loans ? "Increment Payments By" : "Increment Loan Amounts By");
  lblRight_->setText(payments || loans ? "Increment Interest Rates By" : "Increment Payments By");
}

// The payment group keeps the loan amounts' width of 209 when terms follow them, which
// takes it past the page's right edge; its items are kept on the page.
void TabulonPage::keepStepItemsOnThePage() {
  for (TRadioGroup* g : {rgLoan_, rgInterest_, rgPayments_}) g->KeepItemsWithin(width());
}

void TabulonPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  keepStepItemsOnThePage();
}

void TabulonPage::rgCalculateClick(QObject*) {
  const int index = rgCalculate_->ItemIndex();
  if (index < 0) return;
  mode_ = index;
  layOut(index);
  // The focus moves only while the page is on show; a choice set in code while another
  // page is shown lays out and refills without it.
  if (isCurrent()) (index == 1 ? static_cast<QWidget*>(edtInterest_) : edtLoan_)->setFocus();
  CleanGrid();
  ChooseTabulonCalculator();
}

// ---- grid -------------------------------------------------------------------------------------

void TabulonPage::markCentre() {
  for (int r = 1; r < kTabulonRows; ++r) grdTB_->SetCellBackground(kTabulonCentreCol, r, Qt::yellow);
  for (int c = 1; c < kTabulonCols; ++c) grdTB_->SetCellBackground(c, kTabulonCentreRow, Qt::yellow);
  grdTB_->SetCellTextColor(kTabulonCentreCol, kTabulonCentreRow, Qt::red);
  grdTB_->SelectCell(kTabulonCentreCol, kTabulonCentreRow);
}

void TabulonPage::CleanGrid() {
  grdTB_->SetRowCount(kTabulonRows);
  grdTB_->ClearCells();
  markCentre();
  grdTB_->SetColWidth(0, 69);
  for (int c = 1; c < kTabulonCols; ++c) grdTB_->SetColWidth(c, 73);

  const TabulonGrid placeholder = CleanTabulonGrid(TabulonCalculationFromIndex(std::clamp(mode_, 0, 3)));
  grdTB_->BeginUpdate();
  grdTB_->SetCell(0, 0, QString::fromStdString(*placeholder.corner));
  for (int c = 1; c < kTabulonCols; ++c) grdTB_->SetCell(c, 0, QString::fromStdString(placeholder.columnAxis[c]));
  for (int r = 1; r < kTabulonRows; ++r) grdTB_->SetCell(0, r, QString::fromStdString(placeholder.rowAxis[r]));
  grdTB_->EndUpdate();
  grdTB_->SelectCell(kTabulonCentreCol, kTabulonCentreRow);
}

void TabulonPage::ChooseTabulonCalculator() {
  switch (mode_) {
    case 0:
      FillTabulonPayments();
      break;
    case 1:
      FillTabulonLoans();
      break;
    case 2:
      FillTabulonRates();
      break;
    case 3:
      FillTabulonTerms();
      break;
    default:
      break;
  }
}

void TabulonPage::FillTabulonPayments() { fill(TabulonCalculation::Payments); }
void TabulonPage::FillTabulonLoans() { fill(TabulonCalculation::LoanAmounts); }
void TabulonPage::FillTabulonRates() { fill(TabulonCalculation::InterestRates); }
void TabulonPage::FillTabulonTerms() { fill(TabulonCalculation::Terms); }

void TabulonPage::fill(TabulonCalculation calculation) {
  mode_ = rgCalculate_->ItemIndex();

  // Only the three inputs of the calculation are read; a text that is not a number
  // ends the fill here with a conversion error.
  TabulonInputs in;
  if (calculation != TabulonCalculation::LoanAmounts) in.loan = static_cast<double>(edtLoan_->TextAsFloat());
  if (calculation != TabulonCalculation::InterestRates) in.rate = static_cast<double>(edtInterest_->TextAsFloat());
  if (calculation != TabulonCalculation::Terms) in.term = edtTerm_->AsInteger();
  if (calculation != TabulonCalculation::Payments) in.payment = static_cast<double>(edtPayment_->TextAsFloat());

  const TabulonGrid g =
      FillTabulon(calculation, in, rgLoan_->ItemIndex(), rgInterest_->ItemIndex(), rgPayments_->ItemIndex());
  if (g.loanIncrementText) loanIncrementText_ = QString::fromStdString(*g.loanIncrementText);
  if (g.rateIncrementText) rateIncrementText_ = QString::fromStdString(*g.rateIncrementText);
  if (g.paymentIncrementText) paymentIncrementText_ = QString::fromStdString(*g.paymentIncrementText);

  grdTB_->BeginUpdate();
  if (g.corner) grdTB_->SetCell(0, 0, QString::fromStdString(*g.corner));
  if (g.axesWritten) {
    for (int c = 1; c < kTabulonCols; ++c) grdTB_->SetCell(c, 0, QString::fromStdString(g.columnAxis[c]));
    for (int r = 1; r < kTabulonRows; ++r) grdTB_->SetCell(0, r, QString::fromStdString(g.rowAxis[r]));
  }
  for (int c = 1; c < kTabulonCols; ++c)
    for (int r = 1; r < kTabulonRows; ++r)
      if (g.CellWritten(c, r)) grdTB_->SetCell(c, r, QString::fromStdString(g.cells[c][r]));
  grdTB_->EndUpdate();

  if (g.centre) {
    switch (calculation) {
      case TabulonCalculation::Payments:
        edtPayment_->SetTextAsFloat(g.centre->payment);
        break;
      case TabulonCalculation::LoanAmounts:
        edtLoan_->SetTextAsFloat(g.centre->loan);
        break;
      case TabulonCalculation::InterestRates:
        edtInterest_->SetTextAsFloat(g.centre->rate);
        break;
      case TabulonCalculation::Terms:
        edtTerm_->SetAsInteger(g.centre->term);
        break;
    }
    edtTotalPaid_->SetAsFloat(g.centre->totalPaid);
    edtInterestPaid_->SetAsFloat(g.centre->interestPaid);
  }

  markCentre();
  if (g.error) std::rethrow_exception(g.error);
  host_.AllowPrinting();
}

void TabulonPage::grdTBClick() {
  if (grdTB_->SelectedCol() == kTabulonCentreCol && grdTB_->SelectedRow() == kTabulonCentreRow) return;
  markCentre();
}

void TabulonPage::grdTBMouseMove() {
  const int index = rgCalculate_->ItemIndex();
  if (index < 0) return;
  const QString hint = QString::fromStdString(TabulonGridHint(TabulonCalculationFromIndex(index)));
  const bool changed = grdTB_->statusTip() != hint;
  SetHint(grdTB_, hint);
  if (changed) {
    // The status bar shows the new hint at once, not only when the mouse next enters.
    QStatusTipEvent tip(hint);
    QCoreApplication::sendEvent(grdTB_, &tip);
  }
}

// ---- resets and repairs -------------------------------------------------------------------------

void TabulonPage::SetZeroInputs() {
  edtLoan_->SetTextAsFloat(0);
  edtInterest_->SetTextAsFloat(0);
  edtTerm_->SetAsInteger(0);
  edtPayment_->SetTextAsFloat(0);
  rgCalculate_->SetItemIndex(0);
}

void TabulonPage::ResetTabulon() {
  if (host_.DefaultValueSet() == 0) {
    SetZeroInputs();
    CleanGrid();
    ChooseTabulonCalculator();
    if (isCurrent()) edtLoan_->setFocus();
  } else {
    ApplySampleValues();
  }
}

void TabulonPage::ApplySampleValues() {
  edtPayment_->SetTextAsFloat(786.7);
  edtLoan_->SetTextAsFloat(100000);
  edtInterest_->SetTextAsFloat(8.75);
  edtTerm_->SetAsInteger(360);
  rgCalculate_->SetItemIndex(0);
  ChooseTabulonCalculator();
  if (isCurrent()) edtLoan_->setFocus();
}

void TabulonPage::RepairAfterMathError() {
  if (isCurrent()) {
    edtLoan_->SetTextAsFloat(100000);
    edtInterest_->SetTextAsFloat(8.75);
    edtTerm_->SetAsInteger(360);
    edtPayment_->SetTextAsFloat(786.7);
    edtLoan_->setFocus();
  }
  CleanGrid();
  try {
    ChooseTabulonCalculator();
  } catch (...) {
    // The inputs of a page not on show still fail: the clean grid stays.
    CleanGrid();
    throw;
  }
}

void TabulonPage::EnterPage() {
  ChooseTabulonCalculator();
  (mode_ == 1 ? static_cast<QWidget*>(edtPayment_) : edtLoan_)->setFocus();
}

}  // namespace zeb
