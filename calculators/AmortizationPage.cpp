#include "calculators/AmortizationPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <exception>

#include "calculators/Amortization.h"
#include "calculators/MortLib.h"
#include "calculators/PageHost.h"
#include "finance/Errors.h"
#include "widgets/CompletingCombo.h"
#include "widgets/FieldStyle.h"
#include "widgets/Guarded.h"
#include "widgets/InputRules.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

constexpr int kGridTop = 150;

const QString kAnnualHint = QStringLiteral("Click for Annual Amortization Report ...");
const QString kMonthlyHint = QStringLiteral("Click for Monthly Amortization Report ...");
const QString kViewAnnual = QStringLiteral("View Annual Chart");
const QString kViewMonthly = QStringLiteral("View Monthly Chart");

// The hourglass for the length of a scope, restored also when an error leaves it.
class WaitCursor {
public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// BeginUpdate / EndUpdate of a grid, ended also when an error leaves the fill.
class GridUpdate {
public:
  explicit GridUpdate(TTextGrid* grid) : grid_(grid) { grid_->BeginUpdate(); }
  ~GridUpdate() { grid_->EndUpdate(); }
  GridUpdate(const GridUpdate&) = delete;
  GridUpdate& operator=(const GridUpdate&) = delete;

private:
  TTextGrid* grid_;
};

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int w) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(x, y, w, 16);
  return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int x, int y, int w) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(x, y, w, 25);
  return b;
}

TOvcPictureField* integerField(QWidget* parent, const char* name, int x, int y, int w) {
  auto* f = new TOvcPictureField(parent);
  f->setObjectName(name);
  f->SetPictureMask("iiiiii", TOvcPictureField::DataType::Integer, 6);
  f->SetRange(-32768, 32767);
  f->setGeometry(x, y, w, 22);
  ApplyFieldRole(f, FieldRole::Entry);
  return f;
}

TMoneyEdit* moneyField(QWidget* parent, const char* name, int decimals, int x, int y, int w) {
  auto* f = new TMoneyEdit(parent);
  f->setObjectName(name);
  f->SetMaxLength(16);
  f->SetDecimals(decimals);
  f->setGeometry(x, y, w, 22);
  ApplyFieldRole(f, FieldRole::Entry);
  return f;
}

void styleGrid(TTextGrid* grid) {
  grid->SetDefaultRowHeight(16);
  grid->SetStretchLastColumn(true);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace

// ---- the hidden list buffer -------------------------------------------------------------

TLineBuffer::TLineBuffer(QWidget* parent) : QWidget(parent) { hide(); }

QStringList TLineBuffer::Lines() const {
  QStringList out;
  out.reserve(static_cast<qsizetype>(lines_.size()));
  for (const std::string& line : lines_) out << QString::fromStdString(line);
  return out;
}

// ---- building the page ------------------------------------------------------------------

AmortizationPage::AmortizationPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  QFont f("Arial");
  f.setPointSize(8);
  setFont(f);
  SetNavyText(this);
  {
    // Navy while enabled; disabled captions ("To Payment #" unless a range is chosen)
    // are greyed as usual, so they do not look available.
    QPalette pal = palette();
    const QPalette base = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      pal.setColor(QPalette::Disabled, role, base.color(QPalette::Disabled, role));
    setPalette(pal);
  }
  resize(597, 380);
  buildControls();
  buildExtraPanel();
  writeGridHeadings();
  writeAnnualHeadings();
  placeGrids();
}

void AmortizationPage::buildControls() {
  label(this, "lblMortAmt", "Loan Amount", 8, 8, 110);
  edtMortAmt_ = moneyField(this, "edtMortAmt", 2, 8, 26, 110);
  label(this, "lblIRate", "Interest Rate", 126, 8, 90);
  edtIRate_ = moneyField(this, "edtIRate", 5, 126, 26, 90);
  label(this, "lblNumPmts", "Term in Months", 224, 8, 85);
  edtNumPmts_ = integerField(this, "edtNumPmts", 224, 26, 80);
  label(this, "lblAmortPayment", "Monthly Payment", 312, 8, 110);
  edtAmortPayment_ = new TOvcPictureField(this);
  edtAmortPayment_->setObjectName("edtAmortPayment");
  edtAmortPayment_->SetPictureMask("$#,###,###.##", TOvcPictureField::DataType::Double, 13);
  edtAmortPayment_->setGeometry(312, 26, 110, 22);
  ApplyFieldRole(edtAmortPayment_, FieldRole::Result);
  label(this, "lblFirstPayment", "First Payment", 430, 8, 120);
  QStringList months;
  for (const char* name : kAmortMonthNames) months << name;
  cbMonth_ = new TCompletingComboBox(months, this);
  cbMonth_->setObjectName("cbMonth");
  cbMonth_->setMaxVisibleItems(12);
  cbMonth_->setGeometry(430, 26, 62, 22);
  edtYear_ = integerField(this, "edtYear", 498, 26, 60);

  edtMortAmt_->setAccessibleName("Loan Amount");
  edtIRate_->setAccessibleName("Interest Rate");
  edtNumPmts_->setAccessibleName("Term in Months");
  edtAmortPayment_->setAccessibleName("Monthly Payment");
  cbMonth_->setAccessibleName("First Payment");
  edtYear_->setAccessibleName("First Payment Year");

  btnCalculate_ = button(this, "btnCalculate", "Create or Refresh Schedule", 8, 80, 180);
  btnAddExtra_ = button(this, "btnAddExtra", "Add Prepayments", 196, 80, 130);
  btnAnnualMonthly_ = button(this, "btnAnnualMonthly", kViewAnnual, 440, 80, 150);
  SetHint(btnAnnualMonthly_, kAnnualHint);

  grdAmortization_ = new TTextGrid(8, 2, this);
  grdAmortization_->setObjectName("grdAmortization");
  styleGrid(grdAmortization_);
  grdAnnualAmortization_ = new TTextGrid(5, 2, this);
  grdAnnualAmortization_->setObjectName("grdAnnualAmortization");
  styleGrid(grdAnnualAmortization_);
  grdAnnualAmortization_->hide();

  memPrepayments_ = new TLineBuffer(this);
  memPrepayments_->setObjectName("memPrepayments");

  connect(btnCalculate_, &QPushButton::clicked, this, [this] { Guarded([this] { CalcAmortization(); }); });
  connect(btnAddExtra_, &QPushButton::clicked, this, [this] { Guarded([this] { btnExtraClick(); }); });
  connect(btnAnnualMonthly_, &QPushButton::clicked, this, [this] { Guarded([this] { btnAnnualMonthlyClick(); }); });
  // Only the user's typing normalises the month text; the resets may put any short
  // month name of the desktop there.
  connect(cbMonth_->lineEdit(), &QLineEdit::textEdited, this, [this] { Guarded([this] { cbMonthChange(); }); });

  setTabOrder(edtMortAmt_, edtIRate_);
  setTabOrder(edtIRate_, edtNumPmts_);
  setTabOrder(edtNumPmts_, cbMonth_);
  setTabOrder(cbMonth_, edtYear_);
  setTabOrder(edtYear_, btnCalculate_);
  setTabOrder(btnCalculate_, btnAddExtra_);
  setTabOrder(btnAddExtra_, btnAnnualMonthly_);
  setTabOrder(btnAnnualMonthly_, grdAmortization_);
}

void AmortizationPage::buildExtraPanel() {
  // Shown over "Create or Refresh Schedule" and "Add Prepayments".
  pnlAddExtra_ = new QFrame(this);
  pnlAddExtra_->setObjectName("pnlAddExtra");
  pnlAddExtra_->setGeometry(4, 54, 430, 94);
  pnlAddExtra_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  pnlAddExtra_->setAutoFillBackground(true);
  pnlAddExtra_->hide();

  label(pnlAddExtra_, "lblAddExtraTo", "Add Extra To:", 8, 4, 120);
  rbOnePmt_ = new QRadioButton("&Single Payment", pnlAddExtra_);
  rbOnePmt_->setObjectName("rbOnePmt");
  rbOnePmt_->setGeometry(8, 22, 130, 18);
  rbRangePmts_ = new QRadioButton("&Range of Payments", pnlAddExtra_);
  rbRangePmts_->setObjectName("rbRangePmts");
  rbRangePmts_->setGeometry(8, 44, 130, 18);
  rbAllPmts_ = new QRadioButton("&All Payments", pnlAddExtra_);
  rbAllPmts_->setObjectName("rbAllPmts");
  rbAllPmts_->setGeometry(8, 66, 130, 18);
  rbRangePmts_->setChecked(true);

  // Each label sits over its field with a clear gap to the next one.
  lblFromPmt_ = label(pnlAddExtra_, "lblFromPmt", "From Payment #", 146, 4, 88);
  edtFromPmt_ = integerField(pnlAddExtra_, "edtFromPmt", 146, 22, 80);
  lblToPmt_ = label(pnlAddExtra_, "lblToPmt", "To Payment #", 240, 4, 80);
  edtToPmt_ = integerField(pnlAddExtra_, "edtToPmt", 240, 22, 76);
  label(pnlAddExtra_, "lblExtraAmount", "Amount", 326, 4, 96);
  edtExtraAmount_ = moneyField(pnlAddExtra_, "edtExtraAmount", 2, 326, 22, 96);
  edtFromPmt_->setAccessibleName("From Payment #");
  edtToPmt_->setAccessibleName("To Payment #");
  edtExtraAmount_->setAccessibleName("Amount");

  pnlRemoveExtra_ = new QFrame(pnlAddExtra_);
  pnlRemoveExtra_->setObjectName("pnlRemoveExtra");
  pnlRemoveExtra_->setGeometry(142, 54, 284, 34);
  btnRecalcExtra_ = button(pnlRemoveExtra_, "btnRecalcExtra", "Apply Extra", 4, 4, 86);
  btnRemove_ = button(pnlRemoveExtra_, "btnRemove", "Remove Extra", 94, 4, 90);
  btnCancel_ = button(pnlRemoveExtra_, "btnCancel", "Return to Amort", 188, 4, 92);

  connect(rbOnePmt_, &QRadioButton::clicked, this, [this] { Guarded([this] { rbOnePmtClick(); }); });
  connect(rbRangePmts_, &QRadioButton::clicked, this, [this] { Guarded([this] { rbRangePmtsClick(); }); });
  connect(rbAllPmts_, &QRadioButton::clicked, this, [this] { Guarded([this] { rbAllPmtsClick(); }); });
  connect(btnRecalcExtra_, &QPushButton::clicked, this, [this] { Guarded([this] { btnRecalcExtraClick(); }); });
  connect(btnRemove_, &QPushButton::clicked, this, [this] { Guarded([this] { btnRemoveClick(); }); });
  connect(btnCancel_, &QPushButton::clicked, this, [this] { Guarded([this] { btnCancelClick(); }); });

  setTabOrder(rbOnePmt_, rbRangePmts_);
  setTabOrder(rbRangePmts_, rbAllPmts_);
  setTabOrder(rbAllPmts_, edtFromPmt_);
  setTabOrder(edtFromPmt_, edtToPmt_);
  setTabOrder(edtToPmt_, edtExtraAmount_);
  setTabOrder(edtExtraAmount_, btnRecalcExtra_);
  setTabOrder(btnRecalcExtra_, btnRemove_);
  setTabOrder(btnRemove_, btnCancel_);
}

void AmortizationPage::placeGrids() {
  // Both grids share one place below the inputs, aligned to the bottom of the page.
  const int top = grdAmortization_->y() > 0 ? grdAmortization_->y() : kGridTop;
  grdAmortization_->setGeometry(0, top, width(), std::max(0, height() - top));
  grdAnnualAmortization_->setGeometry(0, kGridTop, width(), std::max(0, height() - kGridTop));
}

void AmortizationPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeGrids();
}

void AmortizationPage::writeGridHeadings() {
  for (int c = 0; c < static_cast<int>(kMonthlyColumns.size()); ++c) {
    grdAmortization_->SetColWidth(c, kMonthlyColumns[static_cast<size_t>(c)].width);
    grdAmortization_->SetCell(c, 0, kMonthlyColumns[static_cast<size_t>(c)].heading);
  }
}

void AmortizationPage::writeAnnualHeadings() {
  for (int c = 0; c < static_cast<int>(kAnnualColumns.size()); ++c) {
    grdAnnualAmortization_->SetColWidth(c, kAnnualColumns[static_cast<size_t>(c)].width);
    grdAnnualAmortization_->SetCell(c, 0, kAnnualColumns[static_cast<size_t>(c)].heading);
  }
}

TMortgage& AmortizationPage::engine() {
  std::unique_ptr<TMortgage>& mortgage = host_.Mortgage();
  if (!mortgage) mortgage = std::make_unique<TMortgage>();
  mortgage->SetMessageSink([](const std::string& message) { ShowInformation(QString::fromStdString(message)); });
  return *mortgage;
}

// ---- building the schedule ----------------------------------------------------------------

void AmortizationPage::readInputs() {
  amortLoanAmount_ = static_cast<double>(edtMortAmt_->TextAsFloat());
  amortRate_ = static_cast<double>(edtIRate_->TextAsFloat() / 100);
  amortNumPmts_ = edtNumPmts_->AsInteger();
  amortStartMonth_ = ResolveStartMonth(cbMonth_->currentText().toStdString(), amortStartMonth_);
  amortStartYear_ = edtYear_->AsInteger();
}

void AmortizationPage::CalcAmortization() {
  btnAddExtra_->setEnabled(true);
  host_.AllowPrinting();
  update();
  readInputs();
  CreatePrepaymentList();
  TMortgage& mortgage = engine();
  mortgage.Create(amortNumPmts_, amortLoanAmount_, amortRate_, 12, amortStartMonth_, amortStartYear_);
  // A list line that cannot be read (a document may hold any text in the grid) ends the
  // re-application; the grids still show what the engine now holds, so the page stays
  // consistent, and the error is reported afterwards.
  std::exception_ptr unreadable;
  try {
    ApplyPrepaymentList(mortgage, memPrepayments_->RawLines());
  } catch (const EConvertError&) {
    unreadable = std::current_exception();
  } catch (const ERangeError&) {
    unreadable = std::current_exception();
  }
  FillGrdAmortization();
  FillGrdAnnualAmortization();
  if (unreadable) std::rethrow_exception(unreadable);
}

void AmortizationPage::CreatePrepaymentList() {
  memPrepayments_->Clear();
  std::vector<std::string>& lines = memPrepayments_->MutableLines();
  lines.reserve(static_cast<size_t>(std::max(amortNumPmts_, 0)));
  for (std::int32_t i = 1; i <= amortNumPmts_; ++i)
    lines.push_back(PrepaymentLine(grdAmortization_->CellUtf8(0, i), grdAmortization_->CellUtf8(6, i)));
}

QString AmortizationPage::PrepaymentText() const {
  QString text;
  for (const std::string& line : memPrepayments_->RawLines()) {
    text += QString::fromStdString(line);
    text += QStringLiteral("\r\n");
  }
  return text;
}

void AmortizationPage::FillGrdAmortization() {
  WaitCursor hourglass;
  const TMortgage& mortgage = engine();
  edtAmortPayment_->SetAsFloat(mortgage.Payment);
  writeGridHeadings();
  writeAnnualHeadings();
  {
    GridUpdate batch(grdAmortization_);
    grdAmortization_->SetRowCount(mortgage.NumPayments + 1);
    int written = 0;
    MonthlyRowTexts texts;
    for (const TPayment& payment : mortgage.Payments) {
      if (!FormatMonthlyRow(payment, texts)) break;
      ++written;
      for (int c = 0; c < 8; ++c) grdAmortization_->SetCellUtf8(c, written, std::move(texts[static_cast<size_t>(c)]));
    }
    if (written == 0) {
      grdAmortization_->SetRowCount(2);
      for (int c = 0; c < 8; ++c) grdAmortization_->SetCell(c, 1, QStringLiteral(" "));
    } else {
      grdAmortization_->SetRowCount(written + 1);
    }
  }
  // Marked shown; an annual grid on show stays in front.
  grdAmortization_->show();
  if (!grdAnnualAmortization_->isHidden()) grdAnnualAmortization_->raise();
}

void AmortizationPage::FillGrdAnnualAmortization() {
  GridUpdate batch(grdAnnualAmortization_);
  grdAnnualAmortization_->ClearCells();
  writeAnnualHeadings();
  grdAnnualAmortization_->SetRowCount(1);
  const TTextGrid* monthly = grdAmortization_;
  const std::vector<AnnualRowTexts> rows =
      BuildAnnualRows(monthly->RowCount() - 1, [monthly](int col, int row) { return monthly->CellUtf8(col, row); });
  if (rows.empty()) return;
  grdAnnualAmortization_->SetRowCount(static_cast<int>(rows.size()) + 1);
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 5; ++c)
      grdAnnualAmortization_->SetCellUtf8(c, static_cast<int>(r) + 1, rows[r][static_cast<size_t>(c)]);
}

// ---- the extra-payment panel ----------------------------------------------------------------

void AmortizationPage::setScheduleInputsEnabled(bool enabled) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{edtMortAmt_, edtIRate_, edtNumPmts_, edtAmortPayment_, cbMonth_, edtYear_})
    w->setEnabled(enabled);
}

void AmortizationPage::btnExtraClick() {
  // A single blank (the loan of 0) counts as a schedule.
  if (grdAmortization_->Cell(0, 1).isEmpty()) return;
  setScheduleInputsEnabled(false);
  pnlAddExtra_->show();
  pnlAddExtra_->raise();
  // The keyboard goes with the panel: its first enabled field takes the focus.
  for (QWidget* f : {static_cast<QWidget*>(edtFromPmt_), static_cast<QWidget*>(edtToPmt_),
                     static_cast<QWidget*>(edtExtraAmount_)}) {
    if (f->isEnabled()) {
      f->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

void AmortizationPage::keyPressEvent(QKeyEvent* event) {
  // Escape closes the open panel as "Return to Amort" does.
  if (event->key() == Qt::Key_Escape && ExtraPanelVisible()) {
    btnCancel_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool AmortizationPage::focusNextPrevChild(bool next) {
  // While the panel is open, Tab and Shift+Tab cycle through it.
  if (ExtraPanelVisible() && pnlAddExtra_->isAncestorOf(QApplication::focusWidget()))
    return FocusNextWithin(pnlAddExtra_, next);
  return QWidget::focusNextPrevChild(next);
}

void AmortizationPage::rbOnePmtClick() { UpdateExtraControls(0); }
void AmortizationPage::rbRangePmtsClick() { UpdateExtraControls(1); }
void AmortizationPage::rbAllPmtsClick() { UpdateExtraControls(2); }

void AmortizationPage::UpdateExtraControls(int kind) {
  if (kind == 0) lblFromPmt_->setText("Payment #");
  else if (kind == 1) lblFromPmt_->setText("From Payment #");
  lblFromPmt_->setEnabled(kind != 2);
  edtFromPmt_->setEnabled(kind != 2);
  lblToPmt_->setEnabled(kind == 1);
  edtToPmt_->setEnabled(kind == 1);
}

void AmortizationPage::btnRecalcExtraClick() {
  readInputs();  // the schedule is not rebuilt: its inputs are locked while the panel is open
  if (ExtraPanelVisible()) {
    if (rbOnePmt_->isChecked()) {
      extraMode_ = 0;
      extraFromPmt_ = edtFromPmt_->AsInteger();
    } else if (rbRangePmts_->isChecked()) {
      extraMode_ = 1;
      extraFromPmt_ = edtFromPmt_->AsInteger();
      extraToPmt_ = edtToPmt_->AsInteger();
    } else {
      extraMode_ = 2;
    }
  }
  extraAmount_ = static_cast<double>(edtExtraAmount_->TextAsFloat());
  TMortgage& mortgage = engine();
  switch (extraMode_) {
    case 0:
      mortgage.SetPrepayment(extraFromPmt_, extraAmount_);
      break;
    case 1:
      mortgage.SetPrepaymentRange(extraFromPmt_, extraToPmt_, extraAmount_);
      break;
    default:
      mortgage.SetPrepaymentsFrom(1, extraAmount_);
      break;
  }
  if (extraMode_ != 2 && !pnlRemoveExtra_->isHidden()) pnlRemoveExtra_->repaint();
  FillGrdAmortization();
  FillGrdAnnualAmortization();
}

void AmortizationPage::btnRemoveClick() {
  engine().ClearPrepayments();
  edtExtraAmount_->SetTextAsFloat(0);
  edtFromPmt_->SetAsInteger(0);
  edtToPmt_->SetAsInteger(0);
  FillGrdAmortization();
  FillGrdAnnualAmortization();
}

void AmortizationPage::btnCancelClick() {
  const bool hadFocus = pnlAddExtra_->isAncestorOf(QApplication::focusWidget());
  setScheduleInputsEnabled(true);
  pnlAddExtra_->hide();
  // Closing gives the focus back to the button that opened the panel.
  if (hadFocus) btnAddExtra_->setFocus(Qt::OtherFocusReason);
}

bool AmortizationPage::ExtraPanelVisible() const { return !pnlAddExtra_->isHidden(); }

// ---- month text and view --------------------------------------------------------------------

void AmortizationPage::cbMonthChange() {
  if (AmortMonthNumber(cbMonth_->currentText().toStdString()) == 0) cbMonth_->setEditText("Jan");
}

void AmortizationPage::btnAnnualMonthlyClick() {
  if (btnAnnualMonthly_->text() == kViewAnnual) {
    btnAnnualMonthly_->setText(kViewMonthly);
    grdAmortization_->hide();
    grdAnnualAmortization_->show();
    grdAnnualAmortization_->raise();
    SetHint(btnAnnualMonthly_, kMonthlyHint);
  } else {
    btnAnnualMonthly_->setText(kViewAnnual);
    grdAmortization_->show();
    grdAnnualAmortization_->hide();
    SetHint(btnAnnualMonthly_, kAnnualHint);
  }
}

bool AmortizationPage::MonthlyGridShown() const { return !grdAmortization_->isHidden(); }
bool AmortizationPage::AnnualGridShown() const { return !grdAnnualAmortization_->isHidden(); }

// ---- navigation and resets ----------------------------------------------------------------------

void AmortizationPage::EnterPage() {
  grdAmortization_->setGeometry(0, kGridTop, width(), std::max(0, height() - kGridTop));
  btnAddExtra_->setEnabled(true);
  host_.DisallowPrinting();
  edtMortAmt_->setFocus();
  CalcAmortization();
}

void AmortizationPage::SetStoredStart(int month, int year) {
  amortStartMonth_ = month;
  amortStartYear_ = year;
}

void AmortizationPage::ResetAmortization() {
  const bool sample = host_.DefaultValueSet() != 0;
  const auto emptyGrids = [this] {
    grdAmortization_->ClearCells();
    grdAnnualAmortization_->ClearCells();
    writeGridHeadings();
    writeAnnualHeadings();
  };
  grdAmortization_->ClearCellSelection();
  host_.Mortgage() = std::make_unique<TMortgage>();
  engine();
  if (sample) emptyGrids();
  if (ExtraPanelVisible()) {
    edtFromPmt_->SetAsInteger(0);
    edtToPmt_->SetAsInteger(0);
    edtExtraAmount_->SetTextAsFloat(0);
    pnlAddExtra_->hide();
    btnCancelClick();
  }
  amortLoanAmount_ = sample ? 100000 : 0;
  amortRate_ = sample ? 0.0875 : 0;
  amortNumPmts_ = sample ? 360 : 0;
  host_.SetSettingsPayment(sample ? 786.7 : 0);
  edtMortAmt_->SetTextAsFloat(amortLoanAmount_);
  edtIRate_->SetTextAsFloat(static_cast<long double>(amortRate_) * 100);
  edtNumPmts_->SetAsInteger(amortNumPmts_);
  edtAmortPayment_->SetAsFloat(host_.SettingsPayment());
  cbMonth_->setEditText(host_.TodayMonthShort());
  edtYear_->SetAsInteger(host_.TodayYear());
  if (!sample) emptyGrids();
  CreatePrepaymentList();
  if (host_.CurrentPageKey() == "Amort") {
    CalcAmortization();
    edtMortAmt_->setFocus();
  }
}

}  // namespace zeb
