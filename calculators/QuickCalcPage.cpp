#include "calculators/QuickCalcPage.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "calculators/PageHost.h"
#include "calculators/QuickCalc.h"
#include "finance/TextForms.h"
#include "widgets/FieldStyle.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Guarded.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

const QString kCannotCalculate = QStringLiteral("Cannot calculate using the values you entered.  Please try again.");

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int h = 16) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, h);
  l->setStyleSheet("color: navy");
  l->setWordWrap(true);
  return l;
}

TMoneyEdit* moneyField(QWidget* parent, const char* name, int decimals, int x, int y) {
  auto* f = new TMoneyEdit(parent);
  f->setObjectName(name);
  f->SetMaxLength(16);
  f->SetDecimals(decimals);
  f->setGeometry(x, y, 120, 22);
  return f;
}

// A result the target field cannot show in full is no answer either.
void requireFits(const TMoneyEdit* field, double value) {
  const std::string text = FormatMoneyPicture(value, field->Decimals());
  const size_t sign = value < 0 ? 1 : 0;
  if (text.size() - sign > static_cast<size_t>(field->MaxLength())) throw EMathError("Floating point overflow");
}

}  // namespace

QuickCalcPage::QuickCalcPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont(11));
  auto* heading = label(this,
                        "Use these two \"Quick Calculators\" to get fast answers to basic questions about loan "
                        "variables and payments without providing all of the variables required by the more "
                        "detailed calculators.",
                        20, 12, 550, 48);
  heading->setObjectName("lblQCHeading");
  heading->setFont(ArialFont(12, true));

  nbkQuickCalc_ = new QTabWidget(this);
  nbkQuickCalc_->setObjectName("nbkQuickCalc");
  nbkQuickCalc_->setGeometry(138, 72, 321, 269);
  nbkQuickCalc_->setTabPosition(QTabWidget::North);
  // The active tab stands out: white and navy in bold, joined to its page; the other
  // sits lower, grey on grey.
  nbkQuickCalc_->setStyleSheet(
      "QTabBar::tab { height: 18px; padding: 0 8px; border: 1px solid #808080; border-bottom: none; }"
      "QTabBar::tab:selected { background: white; color: navy; font-weight: bold; }"
      "QTabBar::tab:!selected { background: #c8c8c8; color: #505050; margin-top: 3px; }"
      "QTabBar::tab:focus { text-decoration: underline; }");
  nbkQuickCalc_->setFocusPolicy(Qt::StrongFocus);

  // ---- tab 0: monthly payment from a sales price ----------------------------------
  auto* page2 = new QWidget;
  page2->setObjectName("Page2");
  nbkQuickCalc_->addTab(page2, "Monthly Payment (P&&I)");
  struct Row {
    const char* caption;
  };
  const int lx = 18, fx = 170, y0 = 16, dy = 31;
  label(page2, "Sales Price", lx, y0 + 3, 140);
  label(page2, "Down Payment  $", lx, y0 + dy + 3, 140);
  label(page2, "or  %", lx, y0 + 2 * dy + 3, 140);
  label(page2, "Loan Amount", lx, y0 + 3 * dy + 3, 140);
  label(page2, "Interest Rate", lx, y0 + 4 * dy + 3, 140);
  label(page2, "Term in Months", lx, y0 + 5 * dy + 3, 140);
  label(page2, "Monthly Payment (P&&I)", lx, y0 + 6 * dy + 3, 150)->setText("Monthly Payment (P&I)");
  edtMPISalesPrice_ = moneyField(page2, "edtMPISalesPrice", 2, fx, y0);
  edtMPIDownPaymentSum_ = moneyField(page2, "edtMPIDownPaymentSum", 2, fx, y0 + dy);
  edtMPIDownPaymentPercent_ = moneyField(page2, "edtMPIDownPaymentPercent", 5, fx, y0 + 2 * dy);
  edtMPILoanAmount_ = moneyField(page2, "edtMPILoanAmount", 2, fx, y0 + 3 * dy);
  edtMPIInterestRate_ = moneyField(page2, "edtMPIInterestRate", 5, fx, y0 + 4 * dy);
  edtMPITermInMonths_ = new TFnpNumericEdit(page2);
  edtMPITermInMonths_->setObjectName("edtMPITermInMonths");
  edtMPITermInMonths_->SetDecimals(0);
  edtMPITermInMonths_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edtMPITermInMonths_->setGeometry(fx, y0 + 5 * dy, 120, 22);
  edtMPIPayment_ = moneyField(page2, "edtMPIPayment", 2, fx, y0 + 6 * dy);
  // Each field is named by its caption for the screen reader.
  edtMPISalesPrice_->setAccessibleName("Sales Price");
  edtMPIDownPaymentSum_->setAccessibleName("Down Payment $");
  edtMPIDownPaymentPercent_->setAccessibleName("Down Payment %");
  edtMPILoanAmount_->setAccessibleName("Loan Amount");
  edtMPIInterestRate_->setAccessibleName("Interest Rate");
  edtMPITermInMonths_->setAccessibleName("Term in Months");
  edtMPIPayment_->setAccessibleName("Monthly Payment (P&I)");
  ApplyFieldRole(edtMPILoanAmount_, FieldRole::Result);
  ApplyFieldRole(edtMPIPayment_, FieldRole::Result);
  for (QWidget* f : {static_cast<QWidget*>(edtMPISalesPrice_), static_cast<QWidget*>(edtMPIDownPaymentSum_),
                     static_cast<QWidget*>(edtMPIDownPaymentPercent_), static_cast<QWidget*>(edtMPILoanAmount_),
                     static_cast<QWidget*>(edtMPIInterestRate_), static_cast<QWidget*>(edtMPITermInMonths_),
                     static_cast<QWidget*>(edtMPIPayment_)}) {
    f->installEventFilter(this);
  }
  setTabOrder(edtMPISalesPrice_, edtMPIDownPaymentSum_);
  setTabOrder(edtMPIDownPaymentSum_, edtMPIDownPaymentPercent_);
  setTabOrder(edtMPIDownPaymentPercent_, edtMPIInterestRate_);
  setTabOrder(edtMPIInterestRate_, edtMPITermInMonths_);

  // ---- tab 1: the missing loan variable ------------------------------------------
  auto* page1 = new QWidget;
  page1->setObjectName("Page1");
  nbkQuickCalc_->addTab(page1, "Missing Loan Variables");
  label(page1, "Click the variable you wish to calculate", 10, 10, 140, 30);
  const auto targetButton = [page1](const char* name, const QString& caption, const QString& hint, int y) {
    auto* b = new QPushButton(caption, page1);
    b->setObjectName(name);
    b->setGeometry(10, y, 130, 24);
    SetHint(b, hint);
    return b;
  };
  btnCalcLA_ = targetButton("btnCalcLA", "&Loan Amount", "Click to calculate loan amount", 48);
  btnCalcIR_ = targetButton("btnCalcIR", "&Interest Rate ", "Click to calculate interest rate", 80);
  btnCalcPMT_ = targetButton("btnCalcPMT", "&Payment (P&&I)", "Click to calculate payment amount", 112);
  btnCalcN_ = targetButton("btnCalcN", "&Number Payments", "Click to calculate number of payments", 144);
  label(page1, "Enter 3 known values, using the Tab key to move among fields.", 160, 4, 150, 42);
  edtLA_ = moneyField(page1, "edtLA", 2, 160, 49);
  edtIR_ = moneyField(page1, "edtIR", 5, 160, 81);
  edtPMT_ = moneyField(page1, "edtPMT", 2, 160, 113);
  edtN_ = new TOvcPictureField(page1);
  edtN_->setObjectName("edtN");
  edtN_->SetPictureMask("iiiiii", TOvcPictureField::DataType::Integer, 6);
  edtN_->SetRange(kTermFieldMin, kTermFieldMax);
  edtN_->setGeometry(160, 145, 120, 22);
  btnCalcQuickCalc_ = new QPushButton("Calculate", page1);
  btnCalcQuickCalc_->setObjectName("btnCalcQuickCalc");
  btnCalcQuickCalc_->setGeometry(10, 196, 130, 26);
  SetHint(btnCalcQuickCalc_, "Click to calculate results ...");
  btnCalcQuickCalc_->setEnabled(false);
  label(page1, "Click 'Calculate'", 160, 201, 140);
  edtLA_->setAccessibleName("Loan Amount");
  edtIR_->setAccessibleName("Interest Rate");
  edtPMT_->setAccessibleName("Payment (P&I)");
  edtN_->setAccessibleName("Number Payments");
  setTabOrder(btnCalcLA_, btnCalcIR_);
  setTabOrder(btnCalcIR_, btnCalcPMT_);
  setTabOrder(btnCalcPMT_, btnCalcN_);
  setTabOrder(btnCalcN_, edtLA_);
  setTabOrder(edtLA_, edtIR_);
  setTabOrder(edtIR_, edtPMT_);
  setTabOrder(edtPMT_, edtN_);
  setTabOrder(edtN_, btnCalcQuickCalc_);

  connect(btnCalcLA_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCalcLAClick(); }); });
  connect(btnCalcIR_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCalcIRClick(); }); });
  connect(btnCalcPMT_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCalcPMTClick(); }); });
  connect(btnCalcN_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCalcNClick(); }); });
  connect(btnCalcQuickCalc_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCalcQuickCalcClick(); }); });
  connect(nbkQuickCalc_, &QTabWidget::tabBarClicked, this,
          [this](int index) { Guarded([this, index] { nbkQuickCalcTabClick(index); }); });
}

// ---- values ------------------------------------------------------------------------

void QuickCalcPage::WriteValues(bool sample) {
  edtLA_->SetTextAsFloat(sample ? 100000 : 0);
  edtIR_->SetTextAsFloat(sample ? 8.75L : 0);
  edtPMT_->SetTextAsFloat(sample ? 786.7L : 0);
  edtN_->SetAsInteger(sample ? 360 : 0);
  edtMPISalesPrice_->SetTextAsFloat(sample ? 125000 : 0);
  edtMPIDownPaymentSum_->SetTextAsFloat(sample ? 25000 : 0);
  edtMPIDownPaymentPercent_->SetTextAsFloat(sample ? 20 : 0);
  edtMPILoanAmount_->SetTextAsFloat(sample ? 100000 : 0);
  edtMPIInterestRate_->SetTextAsFloat(sample ? 8.75L : 0);
  edtMPITermInMonths_->SetValue(sample ? 360 : 0);
  edtMPIPayment_->SetTextAsFloat(sample ? 786.7L : 0);
}

void QuickCalcPage::ClosingSteps(bool focus) {
  for (QWidget* f : {static_cast<QWidget*>(edtLA_), static_cast<QWidget*>(edtIR_), static_cast<QWidget*>(edtPMT_),
                     static_cast<QWidget*>(edtN_)})
    setFieldLook(f, true, false, false);
  target_ = Target::None;
  btnCalcQuickCalc_->setEnabled(false);
  if (focus) nbkQuickCalc_->setFocus();
}

void QuickCalcPage::ResetQuickCalculators() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps(true);
}

void QuickCalcPage::EnterPage(QWidget* pageArea) {
  nbkQuickCalc_->setCurrentIndex(0);
  edtMPISalesPrice_->setFocus();
  if (pageArea) pageArea->setFocus();
}

// ---- tab 1 ---------------------------------------------------------------------------

void QuickCalcPage::setFieldLook(QWidget* field, bool enabled, bool greyText, bool yellow) {
  field->setEnabled(enabled);
  QPalette pal = field->palette();
  pal.setColor(QPalette::Base, yellow ? QColor(Qt::yellow) : QColor(Qt::white));
  pal.setColor(QPalette::Text, greyText ? QColor(Qt::gray) : QColor(Qt::black));
  pal.setColor(QPalette::Disabled, QPalette::Text, greyText ? QColor(Qt::gray) : QColor(Qt::black));
  pal.setColor(QPalette::Disabled, QPalette::Base, yellow ? QColor(Qt::yellow) : QColor(Qt::white));
  field->setPalette(pal);
}

QWidget* QuickCalcPage::targetField() const {
  switch (target_) {
    case Target::LoanAmount: return edtLA_;
    case Target::InterestRate: return edtIR_;
    case Target::Payment: return edtPMT_;
    case Target::NumberOfPayments: return edtN_;
    case Target::None: break;
  }
  return nullptr;
}

void QuickCalcPage::chooseTarget(Target target) {
  target_ = target;
  btnCalcQuickCalc_->setEnabled(true);
  edtLA_->SetTextAsFloat(0);
  edtIR_->SetTextAsFloat(0);
  edtPMT_->SetTextAsFloat(0);
  edtN_->SetAsInteger(0);
  for (QWidget* f : {static_cast<QWidget*>(edtLA_), static_cast<QWidget*>(edtIR_), static_cast<QWidget*>(edtPMT_),
                     static_cast<QWidget*>(edtN_)}) {
    const bool isTarget = f == targetField();
    setFieldLook(f, !isTarget, isTarget, false);
  }
  (target == Target::LoanAmount ? static_cast<QWidget*>(edtIR_) : edtLA_)->setFocus();
}

void QuickCalcPage::btnCalcLAClick() { chooseTarget(Target::LoanAmount); }
void QuickCalcPage::btnCalcIRClick() { chooseTarget(Target::InterestRate); }
void QuickCalcPage::btnCalcPMTClick() { chooseTarget(Target::Payment); }
void QuickCalcPage::btnCalcNClick() { chooseTarget(Target::NumberOfPayments); }

void QuickCalcPage::btnCalcQuickCalcClick() {
  try {
    QuickInputs in;
    in.loan = static_cast<double>(edtLA_->TextAsFloat());
    in.rate = static_cast<double>(edtIR_->TextAsFloat());
    in.payment = static_cast<double>(edtPMT_->TextAsFloat());
    in.payments = edtN_->AsInteger();
    switch (target_) {
      case Target::LoanAmount: {
        const double v = SolveQuickTarget(QuickTarget::LoanAmount, in);
        requireFits(edtLA_, v);
        edtLA_->SetTextAsFloat(v);
        break;
      }
      case Target::InterestRate: {
        const double v = SolveQuickTarget(QuickTarget::InterestRate, in);
        requireFits(edtIR_, v);
        edtIR_->SetTextAsFloat(v);
        break;
      }
      case Target::Payment: {
        const double v = SolveQuickTarget(QuickTarget::Payment, in);
        requireFits(edtPMT_, v);
        edtPMT_->SetTextAsFloat(v);
        break;
      }
      case Target::NumberOfPayments:
        edtN_->SetAsInteger(SolveQuickPayments(in));
        break;
      case Target::None:
        break;
    }
    if (QWidget* f = targetField()) setFieldLook(f, true, false, true);
  } catch (...) {
    edtLA_->SetTextAsFloat(0);
    edtIR_->SetTextAsFloat(0);
    edtPMT_->SetTextAsFloat(0);
    edtN_->SetAsInteger(0);
    ClosingSteps(false);
    ShowInformation(kCannotCalculate);
  }
  nbkQuickCalc_->setFocus();
}

// ---- tab 0 ------------------------------------------------------------------------------

void QuickCalcPage::CalcMPI(QWidget* sender) {
  MpiInputs in;
  in.price = edtMPISalesPrice_->TextAsFloat();
  in.downPaymentSum = edtMPIDownPaymentSum_->TextAsFloat();
  in.downPaymentPercent = edtMPIDownPaymentPercent_->TextAsFloat();
  in.rate = edtMPIInterestRate_->TextAsFloat();
  if (sender == edtMPIDownPaymentSum_) in.left = MpiFieldLeft::DownPaymentSum;
  if (sender == edtMPIDownPaymentPercent_) in.left = MpiFieldLeft::DownPaymentPercent;
  if (in.price != 0) in.termInMonths = edtMPITermInMonths_->AsInteger();
  const MpiResult out = CalcMonthlyPayment(in);
  edtMPIDownPaymentPercent_->SetTextAsFloat(out.downPaymentPercent);
  edtMPIDownPaymentSum_->SetTextAsFloat(out.downPaymentSum);
  edtMPILoanAmount_->SetTextAsFloat(out.loanAmount);
  edtMPIPayment_->SetTextAsFloat(out.payment);
}

void QuickCalcPage::nbkQuickCalcTabClick(int index) {
  if (index == 1) btnCalcLA_->setFocus();
  else if (index == 0) edtMPISalesPrice_->setFocus();
}

bool QuickCalcPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Leaving a field for another control recomputes; a window losing the focus to
    // a message box or a popup does not.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      auto* sender = static_cast<QWidget*>(watched);
      Guarded([this, sender] { CalcMPI(sender); });
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zeb
