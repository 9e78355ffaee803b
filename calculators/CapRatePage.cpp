#include "calculators/CapRatePage.h"

#include <QFocusEvent>
#include <QLabel>
#include <QRadioButton>

#include "calculators/PageHost.h"
#include "widgets/FieldStyle.h"
#include "widgets/Guarded.h"
#include "widgets/Mneyedit.h"
#include "widgets/RadioGroup.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

constexpr int kColumnX[] = {20, 160, 300};
constexpr int kFieldWidth = 120;
constexpr int kFirstRowY = 118;
constexpr int kRowStep = 30;

QLabel* heading(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(x, y, w, h);
  l->setWordWrap(true);
  SetNavyText(l);
  return l;
}

}  // namespace

CapRatePage::CapRatePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont(11));
  SetNavyText(this);

  QLabel* intro = heading(this, "lblCapRateHeading",
                          "The rate of return the investor receives is the capitalization rate (also called the "
                          "overall capitalization rate), which can be expressed as a relationship between the annual "
                          "net operating income a property produces and its value.  ",
                          20, 12, 560, 64);
  intro->setFont(ArialFont(12, true));

  const char* const captions[] = {"Net Operating Income", "Value", "Capitalization Rate"};
  const char* const names[] = {"edtCRNetOperatingIncome", "edtCRValue", "edtCRCapitalizationRate"};
  const char* const labelNames[] = {"lblCRNetOperatingIncome", "lblCRValue", "lblCRCapitalizationRate"};
  Column* columns[] = {&income_, &value_, &rate_};
  for (int c = 0; c < 3; ++c) {
    QLabel* h = heading(this, labelNames[c], captions[c], kColumnX[c], kFirstRowY - 20, kFieldWidth, 16);
    h->setAlignment(Qt::AlignCenter);
    h->setFont(ArialFont(11, true));
    for (int r = 0; r < kCapRateRows; ++r) {
      auto* f = new TMoneyEdit(this);
      f->setObjectName(QString(names[c]) + QString::number(r + 1));
      f->setAccessibleName(QString(captions[c]) + " " + QString::number(r + 1));
      f->SetMaxLength(16);
      f->SetDecimals(c == 2 ? 5 : 2);
      f->setGeometry(kColumnX[c], kFirstRowY + r * kRowStep, kFieldWidth, 22);
      f->installEventFilter(this);
      (*columns[c])[static_cast<size_t>(r)] = f;
    }
  }

  rgCapRateSolveFor_ =
      new TRadioGroup("rgCapRateSolveFor", {"Net Operating Income", "Value", "Capitalization Rate"}, 1, this);
  rgCapRateSolveFor_->setTitle(" Solve for: ");
  rgCapRateSolveFor_->setAccessibleName("Solve for");
  SetNavyText(rgCapRateSolveFor_);
  rgCapRateSolveFor_->setGeometry(440, kFirstRowY - 6, 150, 90);
  rgCapRateSolveFor_->SetItemIndex(2);
  rgCapRateSolveFor_->SetClickHandler([this] { rgCapRateSolveForClick(); });

  // The designed look, until a choice is first made: income and value white with navy
  // text; the rates yellow with black text and no tab stop, but not yet read-only; no
  // hints.
  for (const Column* column : {&income_, &value_}) {
    for (TMoneyEdit* f : *column) {
      ApplyFieldRole(f, FieldRole::Entry);
      QPalette pal = f->palette();
      for (auto group : {QPalette::Active, QPalette::Inactive}) pal.setColor(group, QPalette::Text, kNavy);
      f->setPalette(pal);
    }
  }
  for (TMoneyEdit* f : rate_) {
    ApplyFieldRole(f, FieldRole::Result);
    f->setReadOnly(false);
  }

  // Row by row: income, value, rate; then the choice.
  QWidget* previous = nullptr;
  for (int r = 0; r < kCapRateRows; ++r) {
    for (const Column* column : {&income_, &value_, &rate_}) {
      QWidget* f = (*column)[static_cast<size_t>(r)];
      if (previous) setTabOrder(previous, f);
      previous = f;
    }
  }
  for (int i = 0; i < rgCapRateSolveFor_->Count(); ++i) {
    setTabOrder(previous, rgCapRateSolveFor_->Button(i));
    previous = rgCapRateSolveFor_->Button(i);
  }
}

CapRatePage::~CapRatePage() {
  for (const Column* column : {&income_, &value_, &rate_})
    for (TMoneyEdit* f : *column) f->removeEventFilter(this);
}

bool CapRatePage::isCurrent() const { return host_.CurrentPageKey() == "pgCapRate"; }

bool CapRatePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Leaving a field for another control of the window; not the window losing the
    // focus to another one or to a popup.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      Guarded([this] { CalcCapRate(); });
  }
  return QWidget::eventFilter(watched, event);
}

// ---- solve-for choice ------------------------------------------------------------------------

void CapRatePage::setColumnRole(const Column& column, bool computed, const char* enteredHint,
                                const char* computedHint) {
  for (TMoneyEdit* f : column) {
    ApplyFieldRole(f, computed ? FieldRole::Result : FieldRole::Entry);
    SetHint(f, computed ? computedHint : enteredHint);
  }
}

void CapRatePage::rgCapRateSolveForClick() {
  const int index = rgCapRateSolveFor_->ItemIndex();
  if (index < 0) return;
  solveFor_ = index;
  setColumnRole(income_, index == 0, "Enter Net Operating Income", "Calculated Net Operating Income");
  setColumnRole(value_, index == 1, "Enter Value", "Calculated Value");
  setColumnRole(rate_, index == 2, "Enter Capitalization Rate", "Calculated Capitalization Rate");
  // A choice set in code while another page is on show moves no focus.
  if (isCurrent()) (index == 0 ? value_[0] : income_[0])->setFocus();
  CalcCapRate();
}

// ---- calculation -------------------------------------------------------------------------------

void CapRatePage::CalcCapRate() {
  // Printing (and Reset, already enabled on entering the page) belong to the page on
  // show: a choice set in code from another page allows nothing there.
  if (isCurrent()) host_.AllowPrinting();
  CapRateRows rows;
  for (size_t i = 0; i < rows.size(); ++i) {
    rows[i].income = static_cast<double>(income_[i]->TextAsFloat());
    rows[i].value = static_cast<double>(value_[i]->TextAsFloat());
    rows[i].rate = static_cast<double>(rate_[i]->TextAsFloat());
  }
  const auto mode = static_cast<zeb::CapRateSolveFor>(solveFor_);
  const auto results = SolveCapRates(mode, rows);
  const Column& computed = mode == zeb::CapRateSolveFor::NetOperatingIncome ? income_
                           : mode == zeb::CapRateSolveFor::Value            ? value_
                                                                       : rate_;
  for (size_t i = 0; i < results.size(); ++i) computed[i]->SetTextAsFloat(results[i]);
}

// ---- resets ---------------------------------------------------------------------------------------

void CapRatePage::WriteValues(bool) {
  for (const Column* column : {&income_, &value_, &rate_})
    for (TMoneyEdit* f : *column) f->SetTextAsFloat(0);
  rgCapRateSolveFor_->SetItemIndex(2);
}

void CapRatePage::ClosingSteps() {
  CalcCapRate();
  if (isCurrent()) income_[0]->setFocus();
}

void CapRatePage::ResetCapRate() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps();
}

}  // namespace zeb
