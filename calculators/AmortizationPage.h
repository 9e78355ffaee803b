#pragma once
// The Amortization Schedules page ("Amort"): monthly and annual schedules of one loan
// with extra principal payments. All arithmetic is the engine's (MortLib) and every text
// the page shows is made by the core (Amortization); the page reads its fields, drives
// the engine and fills the two grids.
//
//   "Create or Refresh Schedule" (CalcAmortization): read the five inputs, capture the
//   prepayment list from the monthly grid, rebuild the engine, re-apply the list, fill
//   the monthly grid and build the annual grid from the monthly texts.
//   "Add Prepayments" opens the extra-payment panel (single payment, range, all), whose
//   "Apply Extra" and "Remove Extra" change the engine's prepayments in place.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zeb {

class PageHost;
class TMortgage;
class TMoneyEdit;
class TOvcPictureField;
class TTextGrid;

// The hidden line buffer behind the prepayment list (never shown).
class TLineBuffer : public QWidget {
  Q_OBJECT
public:
  explicit TLineBuffer(QWidget* parent = nullptr);
  void Clear() { lines_.clear(); }
  void SetLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
  std::vector<std::string>& MutableLines() { return lines_; }
  const std::vector<std::string>& RawLines() const { return lines_; }
  QStringList Lines() const;
  int Count() const { return static_cast<int>(lines_.size()); }

private:
  std::vector<std::string> lines_;
};

class AmortizationPage : public QWidget {
  Q_OBJECT
public:
  AmortizationPage(PageHost& host, QWidget* parent = nullptr);

  // Builds the schedule from the inputs, re-applying the prepayments of the grid.
  void CalcAmortization();
  // Rebuilds the prepayment list from the monthly grid.
  void CreatePrepaymentList();
  // Zero values when the host's DefaultValueSet is 0, otherwise sample values.
  void ResetAmortization();
  // The navigation's page extras: grid placed, "Add Prepayments" enabled, focus, build.
  void EnterPage();
  // Extra-payment panel.
  bool ExtraPanelVisible() const;
  void btnCancelClick();
  // Whether the monthly grid is the one marked shown (the Print choice).
  bool MonthlyGridShown() const;
  bool AnnualGridShown() const;
  // The all-calculators zero reset puts the stored start month and year back.
  void SetStoredStart(int month, int year);

  // Grids, from the engine and from the monthly texts.
  void FillGrdAmortization();
  void FillGrdAnnualAmortization();

  // Handlers.
  void btnExtraClick();
  void rbOnePmtClick();
  void rbRangePmtsClick();
  void rbAllPmtsClick();
  void UpdateExtraControls(int kind);
  void btnRecalcExtraClick();
  void btnRemoveClick();
  void cbMonthChange();
  void btnAnnualMonthlyClick();

  // What the document, the reports and the tests read.
  TTextGrid* grdAmortization() const { return grdAmortization_; }
  TTextGrid* grdAnnualAmortization() const { return grdAnnualAmortization_; }
  // The prepayment list: one line per payment number, each ended by CR LF.
  QString PrepaymentText() const;
  int AmortStartMonth() const { return amortStartMonth_; }
  int AmortStartYear() const { return amortStartYear_; }

protected:
  void resizeEvent(QResizeEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void buildControls();
  void buildExtraPanel();
  void readInputs();
  void writeGridHeadings();
  void writeAnnualHeadings();
  void setScheduleInputsEnabled(bool enabled);
  void placeGrids();
  TMortgage& engine();

  PageHost& host_;

  // inputs
  TMoneyEdit* edtMortAmt_ = nullptr;
  TMoneyEdit* edtIRate_ = nullptr;
  TOvcPictureField* edtNumPmts_ = nullptr;
  TOvcPictureField* edtAmortPayment_ = nullptr;
  QComboBox* cbMonth_ = nullptr;
  TOvcPictureField* edtYear_ = nullptr;
  QPushButton* btnCalculate_ = nullptr;
  QPushButton* btnAddExtra_ = nullptr;
  QPushButton* btnAnnualMonthly_ = nullptr;

  // extra-payment panel
  QFrame* pnlAddExtra_ = nullptr;
  QRadioButton* rbOnePmt_ = nullptr;
  QRadioButton* rbRangePmts_ = nullptr;
  QRadioButton* rbAllPmts_ = nullptr;
  QLabel* lblFromPmt_ = nullptr;
  TOvcPictureField* edtFromPmt_ = nullptr;
  QLabel* lblToPmt_ = nullptr;
  TOvcPictureField* edtToPmt_ = nullptr;
  TMoneyEdit* edtExtraAmount_ = nullptr;
  QFrame* pnlRemoveExtra_ = nullptr;
  QPushButton* btnRecalcExtra_ = nullptr;
  QPushButton* btnRemove_ = nullptr;
  QPushButton* btnCancel_ = nullptr;

  // grids and the list buffer
  TTextGrid* grdAmortization_ = nullptr;
  TTextGrid* grdAnnualAmortization_ = nullptr;
  TLineBuffer* memPrepayments_ = nullptr;

  // the page's stored values
  double amortLoanAmount_ = 0;
  double amortRate_ = 0;
  std::int32_t amortNumPmts_ = 0;
  std::int32_t amortStartMonth_ = 0;
  std::int32_t amortStartYear_ = 0;
  std::uint8_t extraMode_ = 0;
  std::int32_t extraFromPmt_ = 0;
  std::int32_t extraToPmt_ = 0;
  double extraAmount_ = 0;
};

}  // namespace zeb
