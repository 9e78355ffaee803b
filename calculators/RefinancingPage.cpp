#include "calculators/RefinancingPage.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "calculators/PageHost.h"
#include "calculators/RowPageParts.h"
#include "widgets/FieldStyle.h"
#include "widgets/Guarded.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

constexpr const char* kResultMask = "$#,###,###,###.##";
constexpr int kFieldWidth = 130;
constexpr int kFieldHeight = 22;

// The three columns' left edges and the first item's top; an item is a caption with
// its field under it.
constexpr int kColumnX[] = {12, 207, 402};
constexpr int kFirstItemY = 58;
constexpr int kItemStep = 40;

// The small pictures of the panel's two buttons.
QIcon FeesIcon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QPen(kNavy, 1));
  p.setBrush(Qt::white);
  p.drawRect(2, 1, 11, 14);
  for (int y = 4; y <= 12; y += 3) p.drawLine(4, y, 11, y);
  return QIcon(pm);
}

QIcon ClearIcon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(160, 0, 0), 2));
  p.drawEllipse(4, 2, 8, 12);
  p.drawLine(3, 14, 13, 2);
  return QIcon(pm);
}

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int width) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, width, 15);
  return l;
}

TOvcPictureField* TermField(QWidget* parent) {
  auto* f = new TOvcPictureField(parent);
  f->SetPictureMask("iiiiii", TOvcPictureField::DataType::Integer, 6);
  f->SetRange(-32768, 32767);
  return f;
}

TOvcPictureField* ResultField(QWidget* parent, const char* mask, int maxLength,
                              TOvcPictureField::DataType type = TOvcPictureField::DataType::Double) {
  auto* f = new TOvcPictureField(parent);
  f->SetPictureMask(mask, type, maxLength);
  if (type == TOvcPictureField::DataType::Double) f->SetRange(-1.7e308, 1.7e308);
  ApplyFieldRole(f, FieldRole::Result);
  return f;
}

TMoneyEdit* MoneyField(QWidget* parent, int decimals) {
  auto* f = new TMoneyEdit(parent);
  f->SetMaxLength(16);
  f->SetDecimals(decimals);
  return f;
}

// The fees of the panel, in their order.
constexpr struct {
  const char* name;
  const char* caption;
} kFees[kClosingCostItems] = {
    {"edtDiscountPoints", "Discount Fee"},
    {"edtOriginationPoints", "Origination Fee"},
    {"edtCreditCheck", "Credit Check"},
    {"edtAttyFeeY", "Attorney Fee (yours)"},
    {"edtAttyFeeL", "Attorney Fee (lender's)"},
    {"edtTitleSearchFee", "Title Search Fee"},
    {"edtTitleInsuranceFee", "Title Insurance Fee"},
    {"edtAppraisalFee", "Appraisal Fee"},
    {"edtInspections", "Inspections (Insects, etc.)"},
    {"edtLocalFees", "Local Fees (Taxes, etc.)"},
    {"edtOtherFees", "Other Fees"},
    {"edtPrepaymentPenalty", "Prepayment Penalty"},
};

}  // namespace

RefinancingPage::RefinancingPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont());
  SetNavyText(this);
  buildPage();
  buildClosingCostPanel();

  setTabOrder(edtOldLoan_, edtOldTerm_);
  setTabOrder(edtOldTerm_, edtOldInterestRate_);
  setTabOrder(edtOldInterestRate_, edtOldPaymentsMade_);
  setTabOrder(edtOldPaymentsMade_, edtNewLoan_);
  setTabOrder(edtNewLoan_, edtNewTerm_);
  setTabOrder(edtNewTerm_, edtNewInterestRate_);
  setTabOrder(edtNewInterestRate_, btnCalcFees_);
  QWidget* previous = btnCalcFees_;
  for (TMoneyEdit* fee : fees_) {
    setTabOrder(previous, fee);
    previous = fee;
  }
  setTabOrder(previous, btnCloseClosingCosts_);
  setTabOrder(btnCloseClosingCosts_, btnClearClosingCosts_);
  setTabOrder(btnClearClosingCosts_, edtRefiClosingCosts_);
  setTabOrder(edtRefiClosingCosts_, edtMonthsUntilSell_);

  refiExits_ = {edtOldTerm_,      edtOldInterestRate_, edtOldPaymentsMade_,      edtNewTerm_,
                edtNewInterestRate_, edtMonthsUntilSell_, edtOldPaymentsRemaining_, edtOldPayment_,
                edtNewPayment_,   edtPaymentSaved_,    edtTotalPaymentSaved_,    edtOldEquity_,
                edtNewEquity_,    edtEquitySavings_,   edtTotalSaved_,           edtClosingFees_};
  closingCostExits_ = {edtOldLoan_, edtNewLoan_, edtRefiClosingCosts_};
  closingCostExits_.insert(closingCostExits_.end(), fees_.begin(), fees_.end());
  for (QWidget* f : refiExits_) f->installEventFilter(this);
  for (QWidget* f : closingCostExits_) f->installEventFilter(this);

  connect(btnCalcFees_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCalcFeesClick(); }); });
  connect(btnCloseClosingCosts_, &QPushButton::clicked, this,
          [this] { Guarded([this] { btnCloseClosingCostsClick(btnCloseClosingCosts_); }); });
  connect(btnClearClosingCosts_, &QPushButton::clicked, this,
          [this] { Guarded([this] { btnClearClosingCostsClick(); }); });
}

RefinancingPage::~RefinancingPage() {
  for (QWidget* f : refiExits_) f->removeEventFilter(this);
  for (QWidget* f : closingCostExits_) f->removeEventFilter(this);
}

void RefinancingPage::buildPage() {
  lblSell_ = new QLabel("If you sell in 240 months,", this);
  lblSell_->setObjectName("LblSell");
  lblSellRest_ = new QLabel("your new loan will have saved you money as indicated below.", this);
  lblSellRest_->setObjectName("lblSellRest");
  for (QLabel* l : {lblSell_, lblSellRest_}) l->setFont(ArialFont(12, true));
  placeSentence();

  const char* headings[] = {"Current Loan", "New Loan", "Savings"};
  for (int c = 0; c < 3; ++c) {
    auto* h = new QLabel(headings[c], this);
    h->setObjectName(QString("lblRefiHeading%1").arg(c + 1));
    QFont f = ArialFont(12, true);
    f.setUnderline(true);
    h->setFont(f);
    h->setGeometry(kColumnX[c], 34, kFieldWidth + 50, 18);
  }

  // An item of a column: its caption with the field under it.
  const auto item = [this](QWidget* field, const char* name, const QString& caption, int column, int row) {
    const int y = kFirstItemY + row * kItemStep;
    Caption(this, caption, kColumnX[column], y, 185);
    field->setObjectName(name);
    field->setAccessibleName(caption);
    field->setGeometry(kColumnX[column], y + 15, kFieldWidth, kFieldHeight);
    return field;
  };
  const auto money = [&](const char* name, const QString& caption, int decimals, int column, int row) {
    return static_cast<TMoneyEdit*>(item(MoneyField(this, decimals), name, caption, column, row));
  };
  const auto term = [&](const char* name, const QString& caption, int column, int row) {
    return static_cast<TOvcPictureField*>(item(TermField(this), name, caption, column, row));
  };
  const auto result = [&](const char* name, const QString& caption, int column, int row) {
    return static_cast<TOvcPictureField*>(item(ResultField(this, kResultMask, 17), name, caption, column, row));
  };

  edtOldLoan_ = money("edtOldLoan", "Current Balance", 2, 0, 0);
  edtOldTerm_ = term("edtOldTerm", "Term in Months", 0, 1);
  edtOldInterestRate_ = money("edtOldInterestRate", "Interest Rate", 5, 0, 2);
  edtOldPaymentsMade_ = term("edtOldPaymentsMade", "Payments Made", 0, 3);
  // Any difference of two term fields is a count this result shows as computed, without
  // the error colours of an entry outside the terms' range.
  edtOldPaymentsRemaining_ = ResultField(this, "iiiiii", 6, TOvcPictureField::DataType::Integer);
  edtOldPaymentsRemaining_->SetRange(-65535, 65535);
  item(edtOldPaymentsRemaining_, "edtOldPaymentsRemaining", "Payments Remaining", 0, 4);
  edtOldPayment_ = result("edtOldPayment", "Payment", 0, 5);

  edtNewLoan_ = money("edtNewLoan", "New Balance", 2, 1, 0);
  edtNewTerm_ = term("edtNewTerm", "Term in Months", 1, 1);
  edtNewInterestRate_ = money("edtNewInterestRate", "Interest Rate", 5, 1, 2);
  edtNewPayment_ = result("edtNewPayment", "Payment", 1, 3);
  edtRefiClosingCosts_ = money("edtRefiClosingCosts", "Closing Costs", 2, 1, 4);
  btnCalcFees_ = new QPushButton(this);
  btnCalcFees_->setObjectName("btnCalcFees");
  btnCalcFees_->setIcon(FeesIcon());
  btnCalcFees_->setAccessibleName("Itemized Closing Costs");
  SetHint(btnCalcFees_, "Click to itemize Closing Costs");
  btnCalcFees_->setAutoDefault(true);
  btnCalcFees_->setGeometry(kColumnX[1] + kFieldWidth + 4, edtRefiClosingCosts_->y(), 26, kFieldHeight);
  edtMonthsUntilSell_ = term("edtMonthsUntilSell", "Months Until You Will Sell", 1, 5);

  edtPaymentSaved_ = result("edtPaymentSaved", "Monthly Payment Savings", 2, 0);
  edtTotalPaymentSaved_ = result("edtTotalPaymentSaved", "Total Monthly Payment Savings", 2, 1);
  edtOldEquity_ = result("edtOldEquity", "Equity in Old Loan", 2, 2);
  edtNewEquity_ = result("edtNewEquity", "Equity in New Loan", 2, 3);
  edtEquitySavings_ = result("edtEquitySavings", "Total Equity Savings", 2, 4);
  edtTotalSaved_ = result("edtTotalSaved", "Total Saved", 2, 5);
}

void RefinancingPage::buildClosingCostPanel() {
  pnlClosingCosts_ = new QFrame(this);
  pnlClosingCosts_->setObjectName("pnlClosingCosts");
  pnlClosingCosts_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  pnlClosingCosts_->setLineWidth(2);
  pnlClosingCosts_->setAutoFillBackground(true);
  pnlClosingCosts_->setGeometry(125, 27, 347, 351);

  auto* title = new QLabel("Itemized Closing Costs", pnlClosingCosts_);
  title->setObjectName("lblClosingCostsTitle");
  title->setFont(ArialFont(12, true));
  title->setAlignment(Qt::AlignCenter);
  title->setAutoFillBackground(true);
  QPalette pal = title->palette();
  pal.setColor(QPalette::Window, kNavy);
  pal.setColor(QPalette::WindowText, Qt::white);
  title->setPalette(pal);
  title->setGeometry(2, 2, 343, 20);

  constexpr int captionX = 14, fieldX = 196, fieldWidth = 130, firstY = 27, step = 22;
  for (int i = 0; i < kClosingCostItems; ++i) {
    const int y = firstY + i * step;
    Caption(pnlClosingCosts_, kFees[i].caption, captionX, y + 3, fieldX - captionX - 4);
    TMoneyEdit* fee = MoneyField(pnlClosingCosts_, 2);
    fee->setObjectName(kFees[i].name);
    fee->setAccessibleName(kFees[i].caption);
    fee->setGeometry(fieldX, y, fieldWidth, 20);
    fees_[i] = fee;
  }
  const int totalY = firstY + kClosingCostItems * step + 4;
  auto* totalCaption = Caption(pnlClosingCosts_, "Closing Costs", captionX, totalY + 3, 150);
  totalCaption->setFont(ArialFont(11, true));
  edtClosingFees_ = ResultField(pnlClosingCosts_, "$##,###.##", 10);
  edtClosingFees_->setObjectName("edtClosingFees");
  edtClosingFees_->setAccessibleName("Closing Costs");
  edtClosingFees_->setGeometry(fieldX, totalY, fieldWidth, 20);

  btnCloseClosingCosts_ = new QPushButton("OK", pnlClosingCosts_);
  btnCloseClosingCosts_->setObjectName("btnCloseClosingCosts");
  SetHint(btnCloseClosingCosts_, "Click to close Itemized Closing Costs");
  btnCloseClosingCosts_->setAutoDefault(true);
  btnCloseClosingCosts_->setGeometry(fieldX, totalY + 26, 80, 26);
  btnClearClosingCosts_ = new QPushButton(pnlClosingCosts_);
  btnClearClosingCosts_->setObjectName("btnClearClosingCosts");
  btnClearClosingCosts_->setIcon(ClearIcon());
  btnClearClosingCosts_->setAccessibleName("Zero all Closing Costs");
  SetHint(btnClearClosingCosts_, "Zero all Closing Costs");
  btnClearClosingCosts_->setAutoDefault(true);
  btnClearClosingCosts_->setGeometry(fieldX + fieldWidth - 28, totalY + 26, 28, 26);

  pnlClosingCosts_->hide();
}

void RefinancingPage::placeSentence() {
  lblSell_->adjustSize();
  lblSell_->move(12, 10);
  lblSellRest_->adjustSize();
  // One blank after the comma.
  const QFontMetrics metrics(lblSell_->font());
  lblSellRest_->move(lblSell_->x() + metrics.horizontalAdvance(lblSell_->text() + ' '), 10);
}

bool RefinancingPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    focused_ = watched;
  } else if (event->type() == QEvent::FocusOut && watched == focused_) {
    // A field that loses a focus it never received (the last fee's exit sends the
    // focus on to "OK" while it is on its way elsewhere) has not been left.
    focused_ = nullptr;
    if (rowpage::FieldLeft(event)) {
      const bool refi = std::find(refiExits_.begin(), refiExits_.end(), watched) != refiExits_.end();
      Guarded([this, watched, refi] { refi ? CalcRefi(watched) : CalcClosingCosts(watched); });
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- the savings ----------------------------------------------------------------------

void RefinancingPage::CalcRefi(QObject*) {
  host_.AllowPrinting();
  RefiInputs in;
  in.oldTerm = edtOldTerm_->AsInteger();
  in.paymentsMade = edtOldPaymentsMade_->AsInteger();
  in.currentBalance = static_cast<double>(edtOldLoan_->TextAsFloat());
  in.oldRate = static_cast<double>(edtOldInterestRate_->TextAsFloat());
  in.newTerm = edtNewTerm_->AsInteger();
  in.newBalance = static_cast<double>(edtNewLoan_->TextAsFloat());
  in.monthsUntilSale = edtMonthsUntilSell_->AsInteger();
  in.newRate = static_cast<double>(edtNewInterestRate_->TextAsFloat());
  in.closingCosts = static_cast<double>(edtRefiClosingCosts_->TextAsFloat());

  const RefiResults r = ComputeRefi(in);
  if (r.Reached(RefiStep::PaymentsRemaining)) edtOldPaymentsRemaining_->SetAsInteger(r.paymentsRemaining);
  if (r.Reached(RefiStep::OldPayment)) edtOldPayment_->SetAsFloat(r.oldPayment);
  if (r.Reached(RefiStep::OldEquity)) edtOldEquity_->SetAsFloat(r.oldEquity);
  if (r.Reached(RefiStep::NewPayment)) edtNewPayment_->SetAsFloat(r.newPayment);
  if (r.Reached(RefiStep::NewEquity)) edtNewEquity_->SetAsFloat(r.newEquity);
  if (r.Reached(RefiStep::PaymentSaved)) edtPaymentSaved_->SetAsFloat(r.paymentSaved);
  if (r.Reached(RefiStep::TotalPaymentSaved)) edtTotalPaymentSaved_->SetAsFloat(r.totalPaymentSaved);
  if (r.Reached(RefiStep::EquitySavings)) edtEquitySavings_->SetAsFloat(r.equitySavings);
  if (r.Reached(RefiStep::TotalSaved)) edtTotalSaved_->SetAsFloat(r.totalSaved);
  if (r.Reached(RefiStep::SellText)) {
    lblSell_->setText(QString::fromStdString(r.sellText));
    placeSentence();
    lblSell_->repaint();
  }
  if (r.error) std::rethrow_exception(r.error);
}

// ---- the closing costs ------------------------------------------------------------------

void RefinancingPage::CalcClosingCosts(QObject* sender) {
  std::array<long double, kClosingCostItems> amounts{};
  for (int i = 0; i < kClosingCostItems; ++i) amounts[i] = fees_[i]->TextAsFloat();
  const long double total = ClosingCostsTotal(amounts);
  edtClosingFees_->SetAsFloat(static_cast<double>(total));
  edtRefiClosingCosts_->SetTextAsFloat(total);
  if (sender == fees_.back()) btnCloseClosingCosts_->setFocus(Qt::TabFocusReason);
}

void RefinancingPage::btnCalcFeesClick() {
  pnlClosingCosts_->show();
  pnlClosingCosts_->raise();
  fees_.front()->setFocus(Qt::OtherFocusReason);
}

void RefinancingPage::btnCloseClosingCostsClick(QObject* sender) {
  // The focus leaves the panel before it hides, so that hiding it hands the focus to
  // no field whose exit would run on the way; it arrives as by Tab, the months selected.
  edtMonthsUntilSell_->setFocus(Qt::TabFocusReason);
  pnlClosingCosts_->hide();
  CalcRefi(sender);
}

void RefinancingPage::btnClearClosingCostsClick() {
  for (TMoneyEdit* fee : fees_) fee->SetTextAsFloat(0);
  edtClosingFees_->SetAsFloat(0);
  fees_.front()->setFocus(Qt::OtherFocusReason);
}

// ---- resets ---------------------------------------------------------------------------------

void RefinancingPage::WriteValues(bool sample) {
  edtOldLoan_->SetTextAsFloat(sample ? 100000 : 0);
  edtOldTerm_->SetAsInteger(sample ? 360 : 0);
  edtOldInterestRate_->SetTextAsFloat(sample ? 8.75L : 0);
  edtOldPaymentsMade_->SetAsInteger(0);
  edtOldPaymentsRemaining_->SetAsInteger(sample ? 360 : 0);
  edtOldPayment_->SetAsFloat(sample ? 786.7 : 0);
  edtNewLoan_->SetTextAsFloat(sample ? 100000 : 0);
  edtNewTerm_->SetAsInteger(sample ? 240 : 0);
  edtNewInterestRate_->SetTextAsFloat(sample ? 7.25L : 0);
  edtRefiClosingCosts_->SetTextAsFloat(0);
  edtMonthsUntilSell_->SetAsInteger(sample ? 240 : 0);
  edtNewPayment_->SetAsFloat(sample ? 790.38 : 0);
  edtPaymentSaved_->SetAsFloat(sample ? -3.68 : 0);
  edtTotalPaymentSaved_->SetAsFloat(sample ? -882.14 : 0);
  edtOldEquity_->SetAsFloat(sample ? 37228.05 : 0);
  edtNewEquity_->SetAsFloat(sample ? 100000 : 0);
  edtEquitySavings_->SetAsFloat(sample ? 62771.95 : 0);
  edtTotalSaved_->SetAsFloat(sample ? 61889.81 : 0);
}

void RefinancingPage::ClosingSteps() {
  if (host_.CurrentPageKey() == "RC") edtOldLoan_->setFocus();
}

void RefinancingPage::ResetRefinancing() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps();
}

}  // namespace zeb
