#include "calculators/DepreciationPage.h"

#include <QFocusEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>

#include "calculators/Depreciation.h"
#include "calculators/PageHost.h"
#include "finance/Errors.h"
#include "widgets/FieldStyle.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Guarded.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"
#include "widgets/UiText.h"
#include "widgets/model/FieldEdit.h"

namespace zeb {
namespace {

constexpr int kGridColumnWidths[] = {49, 87, 87, 87};

// Draws a selected or current cell like any other, so no selection shows; an amount
// wider than its column is drawn in a smaller face so that it shows whole (and only
// beyond the smallest face with an ellipsis), never cut into a different number.
class ScheduleCellDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    const int room = option->rect.width() - 4;
    const int wide = QFontMetrics(option->font).horizontalAdvance(option->text);
    if (room > 0 && wide > room && option->font.pixelSize() > 0) {
      QFont smaller = option->font;
      smaller.setPixelSize(std::max(kSmallestPixelSize, option->font.pixelSize() * room / wide));
      option->font = smaller;
      option->textElideMode = Qt::ElideRight;
    }
  }

private:
  static constexpr int kSmallestPixelSize = 7;
};

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h = 16) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(x, y, w, h);
  SetNavyText(l);
  return l;
}

}  // namespace

DepreciationPage::DepreciationPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont(11));
  SetNavyText(this);

  QLabel* intro = label(this, "lblDepreciationHeading",
                        "This calculator offers the three most common methods of depreciating a fixed asset.", 20,
                        12, 560, 36);
  intro->setWordWrap(true);
  intro->setFont(ArialFont(12, true));

  const auto money = [this](const char* name, const char* caption, int y) {
    label(this, (QString("lbl") + (name + 3)).toLatin1().constData(), caption, 16, y + 3, 100);
    auto* f = new TMoneyEdit(this);
    f->setObjectName(name);
    f->setAccessibleName(caption);
    f->SetMaxLength(16);
    f->SetDecimals(2);
    f->setGeometry(120, y, 120, 22);
    return f;
  };
  edtOriginalCost_ = money("edtOriginalCost", "Original Cost", 62);
  edtSalvageValue_ = money("edtSalvageValue", "Salvage Value", 96);

  label(this, "lblDepreciationPeriod", "Depreciation Period", 16, 133, 104);
  edtDepreciationPeriod_ = new TFnpNumericEdit(this);
  edtDepreciationPeriod_->setObjectName("edtDepreciationPeriod");
  edtDepreciationPeriod_->setAccessibleName("Depreciation Period");
  edtDepreciationPeriod_->SetDecimals(0);
  edtDepreciationPeriod_->setAlignment(Qt::AlignCenter);
  edtDepreciationPeriod_->setGeometry(120, 130, 70, 22);
  label(this, "lblYears", "Years", 196, 133, 44);

  rgDepreciationMethod_ = new TRadioGroup(
      "rgDepreciationMethod", {"Straight Line", "Double Declining Balance", "Sum of Years' Digits"}, 1, this);
  rgDepreciationMethod_->setTitle("   Depreciation Method   ");
  rgDepreciationMethod_->setAccessibleName("Depreciation Method");
  SetNavyText(rgDepreciationMethod_);
  rgDepreciationMethod_->setGeometry(16, 166, 224, 90);
  rgDepreciationMethod_->SetItemIndex(0);
  rgDepreciationMethod_->SetClickHandler([this] { CalcDepreciation(); });

  label(this, "lblTotalDepreciated", "Total Depreciated", 16, 275, 104);
  edtTotalDepreciated_ = new TOvcPictureField(this);
  edtTotalDepreciated_->setObjectName("edtTotalDepreciated");
  edtTotalDepreciated_->setAccessibleName("Total Depreciated");
  edtTotalDepreciated_->SetPictureMask("$#,###,###,###.##", TOvcPictureField::DataType::Double, 17);
  edtTotalDepreciated_->SetRange(-1.7e308, 1.7e308);
  edtTotalDepreciated_->setGeometry(120, 272, 120, 22);
  ApplyFieldRole(edtTotalDepreciated_, FieldRole::Result);

  // The grid's column headings are labels above it.
  const char* const headings[] = {"Year", "Beginning Book Value", "Annual Depreciation Expense",
                                  "Total Depreciation"};
  const char* const headingNames[] = {"lblYear", "lblBeginningBookValue", "lblAnnualDepreciationExpense",
                                      "lblTotalDepreciation"};
  constexpr int gridX = 262, gridY = 112;
  int x = gridX + 1;
  for (int c = 0; c < 4; ++c) {
    QLabel* h = label(this, headingNames[c], headings[c], x, gridY - 50, kGridColumnWidths[c], 48);
    h->setWordWrap(true);
    h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    x += kGridColumnWidths[c];
  }

  grdDepreciation_ = new TTextGrid(4, 1, this);
  grdDepreciation_->setObjectName("grdDepreciation");
  grdDepreciation_->setAccessibleName("Depreciation Schedule");
  grdDepreciation_->SetFixedRows(0);
  grdDepreciation_->SetDefaultRowHeight(17);
  for (int c = 0; c < 4; ++c) grdDepreciation_->SetColWidth(c, kGridColumnWidths[c]);
  grdDepreciation_->setGeometry(gridX, gridY, 324, 182);
  grdDepreciation_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdDepreciation_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grdDepreciation_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdDepreciation_->setTabKeyNavigation(false);
  grdDepreciation_->setFont(ArialFont(11));
  grdDepreciation_->setItemDelegate(new ScheduleCellDelegate(grdDepreciation_));
  {
    QPalette pal = grdDepreciation_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      pal.setColor(group, QPalette::Base, Qt::white);
      pal.setColor(group, QPalette::Text, Qt::black);
      // The view paints a selected row's panel before the cell itself; in the grid's
      // own colours it shows nothing either.
      pal.setColor(group, QPalette::Highlight, Qt::white);
      pal.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    grdDepreciation_->setPalette(pal);
  }
  connect(grdDepreciation_, &TTextGrid::cellClicked, this, [this](int, int) { Guarded([this] { CalcDepreciation(); }); });

  for (QWidget* f : {static_cast<QWidget*>(edtOriginalCost_), static_cast<QWidget*>(edtSalvageValue_),
                     static_cast<QWidget*>(edtDepreciationPeriod_), static_cast<QWidget*>(edtTotalDepreciated_)})
    f->installEventFilter(this);

  setTabOrder(edtOriginalCost_, edtSalvageValue_);
  setTabOrder(edtSalvageValue_, edtDepreciationPeriod_);
  QWidget* previous = edtDepreciationPeriod_;
  for (int i = 0; i < rgDepreciationMethod_->Count(); ++i) {
    setTabOrder(previous, rgDepreciationMethod_->Button(i));
    previous = rgDepreciationMethod_->Button(i);
  }
  setTabOrder(previous, grdDepreciation_);
}

DepreciationPage::~DepreciationPage() {
  for (QWidget* f : {static_cast<QWidget*>(edtOriginalCost_), static_cast<QWidget*>(edtSalvageValue_),
                     static_cast<QWidget*>(edtDepreciationPeriod_), static_cast<QWidget*>(edtTotalDepreciated_)})
    f->removeEventFilter(this);
}

bool DepreciationPage::isCurrent() const { return host_.CurrentPageKey() == "Depreciation"; }

bool DepreciationPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Leaving an input for another control of the window; not the window losing the
    // focus to another one or to a popup.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      Guarded([this] { CalcDepreciation(); });
  }
  return QWidget::eventFilter(watched, event);
}

// ---- calculation ---------------------------------------------------------------------------------

void DepreciationPage::CalcDepreciation() {
  // The whole schedule is built before anything is shown, without servicing the event
  // queue, so no action can start a second build inside this one; the guard keeps it so.
  if (calculating_ || writingValues_) return;
  const QScopedValueRollback<bool> running(calculating_, true);

  // Printing belongs to the page on show (Reset was enabled on entering it).
  if (isCurrent()) host_.AllowPrinting();
  const double cost = static_cast<double>(edtOriginalCost_->TextAsFloat());
  const double salvage = static_cast<double>(edtSalvageValue_->TextAsFloat());
  // A period too long for the field to show is far beyond any schedule.
  if (IsOverflowText(edtDepreciationPeriod_->text().toStdString())) throw EMathError("Floating point overflow");
  const double period = edtDepreciationPeriod_->Value();
  const auto method = static_cast<DepreciationMethod>(std::max(0, rgDepreciationMethod_->ItemIndex()));
  const DepreciationSchedule schedule = BuildDepreciationSchedule(cost, salvage, period, method);

  edtTotalDepreciated_->SetAsFloat(schedule.depreciable);
  const int years = static_cast<int>(schedule.years.size());
  grdDepreciation_->BeginUpdate();
  grdDepreciation_->SetRowCount(years);  // at least one row stays
  grdDepreciation_->ClearCells();
  for (int r = 0; r < years; ++r) {
    DepreciationRowTexts texts = DepreciationRowText(r + 1, schedule.years[static_cast<size_t>(r)]);
    for (int c = 0; c < 4; ++c) grdDepreciation_->SetCellUtf8(c, r, std::move(texts[static_cast<size_t>(c)]));
  }
  grdDepreciation_->EndUpdate();
}

// ---- resets ---------------------------------------------------------------------------------------

void DepreciationPage::WriteValues(bool sample) {
  // Every input is replaced below, so choosing the method here builds nothing: a
  // schedule of the inputs being replaced would only be thrown away, and a refused
  // old input would stop the reset half-way.
  const QScopedValueRollback<bool> writing(writingValues_, true);
  rgDepreciationMethod_->SetItemIndex(0);
  if (!sample) {
    grdDepreciation_->SetRowCount(1000);
    grdDepreciation_->ClearCells();
    grdDepreciation_->SetRowCount(10);
  }
  edtOriginalCost_->SetTextAsFloat(sample ? 100000 : 0);
  edtSalvageValue_->SetTextAsFloat(sample ? 92500 : 0);
  edtTotalDepreciated_->SetAsFloat(sample ? 7500 : 0);
  edtDepreciationPeriod_->SetValue(sample ? 10 : 0);
  if (sample) grdDepreciation_->SetRowCount(10);  // the cells keep their texts
}

void DepreciationPage::ClosingSteps() {
  if (!isCurrent()) return;
  CalcDepreciation();
  edtOriginalCost_->setFocus();
}

void DepreciationPage::ResetDepreciation() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps();
}

}  // namespace zeb
