#pragma once
// The Refinancing page ("RC"): the current loan against a new one over the months until
// a sale, with the closing-cost panel that itemises and adds up the new loan's fees.
//
//   a loan term, rate, payments-made or months-until-sale field (or a result field, or
//   the fees' total) is left, or the panel is closed with "OK"
//     -> CalcRefi, inside Guarded(): read the inputs, ComputeRefi(...) in the core,
//        write the results one by one in the order computed, then LblSell
//   a balance, the closing costs or a fee is left
//     -> CalcClosingCosts: the twelve fees' sum into the panel's total and into
//        "Closing Costs" (the savings wait for the next CalcRefi)
//   A math error stops CalcRefi at its step: the results before it show their new
//   values, the rest keep their old ones; the error goes on to the application-wide
//   handler.
#include <QWidget>
#include <array>
#include <vector>

#include "calculators/Refinancing.h"

class QFrame;
class QLabel;
class QPushButton;

namespace zeb {

class PageHost;
class TMoneyEdit;
class TOvcPictureField;

class RefinancingPage : public QWidget {
  Q_OBJECT
public:
  RefinancingPage(PageHost& host, QWidget* parent = nullptr);
  ~RefinancingPage() override;

  // Writes the zero or the sample values (no closing step). The twelve fees, their
  // total and LblSell are left as they are.
  void WriteValues(bool sample);
  // The closing step of the reset: the focus to edtOldLoan when the page is on show.
  void ClosingSteps();
  // The one-page reset: values by the host's DefaultValueSet, then the closing step.
  void ResetRefinancing();

  // Handlers.
  void CalcRefi(QObject* sender = nullptr);
  void CalcClosingCosts(QObject* sender = nullptr);
  void btnCalcFeesClick();
  void btnCloseClosingCostsClick(QObject* sender = nullptr);
  void btnClearClosingCostsClick();

  QFrame* pnlClosingCosts() const { return pnlClosingCosts_; }
  QLabel* LblSell() const { return lblSell_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void buildPage();
  void buildClosingCostPanel();
  void placeSentence();

  PageHost& host_;

  TMoneyEdit* edtOldLoan_ = nullptr;
  TOvcPictureField* edtOldTerm_ = nullptr;
  TMoneyEdit* edtOldInterestRate_ = nullptr;
  TOvcPictureField* edtOldPaymentsMade_ = nullptr;
  TOvcPictureField* edtOldPaymentsRemaining_ = nullptr;
  TOvcPictureField* edtOldPayment_ = nullptr;
  TMoneyEdit* edtNewLoan_ = nullptr;
  TOvcPictureField* edtNewTerm_ = nullptr;
  TMoneyEdit* edtNewInterestRate_ = nullptr;
  TOvcPictureField* edtNewPayment_ = nullptr;
  QPushButton* btnCalcFees_ = nullptr;
  TMoneyEdit* edtRefiClosingCosts_ = nullptr;
  TOvcPictureField* edtMonthsUntilSell_ = nullptr;
  TOvcPictureField* edtPaymentSaved_ = nullptr;
  TOvcPictureField* edtTotalPaymentSaved_ = nullptr;
  TOvcPictureField* edtOldEquity_ = nullptr;
  TOvcPictureField* edtNewEquity_ = nullptr;
  TOvcPictureField* edtEquitySavings_ = nullptr;
  TOvcPictureField* edtTotalSaved_ = nullptr;
  QLabel* lblSell_ = nullptr;
  QLabel* lblSellRest_ = nullptr;

  QFrame* pnlClosingCosts_ = nullptr;
  std::array<TMoneyEdit*, kClosingCostItems> fees_{};
  TOvcPictureField* edtClosingFees_ = nullptr;
  QPushButton* btnCloseClosingCosts_ = nullptr;
  QPushButton* btnClearClosingCosts_ = nullptr;

  QObject* focused_ = nullptr;  // the watched field that last received the focus
  std::vector<QWidget*> refiExits_;
  std::vector<QWidget*> closingCostExits_;
};

}  // namespace zeb
