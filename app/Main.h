#pragma once
// TfrmMain: the main window, owner of every page, field, grid and the one engine object.
//
// How a user action travels:
//   a field is left or a button pressed
//     -> the page's handler (QuickCalcPage::CalcMPI, AmortizationPage::CalcAmortization, ...)
//        runs inside Guarded(), reads every field of its page through the field's value
//        operation,
//     -> calls the Qt-free core (finance/, calculators/*.cpp) with plain numbers,
//     -> writes results back through the fields' value operations (which format them).
//   Anything the handler does not catch (EMathError, EConvertError, ...) reaches
//   AppOnException, which shows the fixed message and repairs the Amortization and
//   Tabulon pages after a math error.
// Page moves all pass through gotoChosenCalculator, which updates the caption strip,
// the menus, Print and Reset. What pages share goes through TfrmMain (PageHost).
#include <QDateTime>
#include <QMainWindow>
#include <QMap>
#include <exception>
#include <memory>

#include "calculators/PageHost.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QToolButton;
class QFrame;
class QMenu;
class QAction;

namespace zeb {

class TMortgage;
class QuickCalcPage;
class AmortizationPage;
class TabulonPage;
class TRotatedLabel;

class TfrmMain : public QMainWindow, public PageHost {
  Q_OBJECT
public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // ---- shell -----------------------------------------------------------------------
  void FormCreate();
  void AppOnException(std::exception_ptr error);
  void DisplayHint(const QString& hint);
  void FormActivate();
  void MnuFileExitClick();
  // The save question on close; returns whether the close may go on (always true).
  bool FormCloseQuery();
  void FormClose();

  // ---- PageHost ----------------------------------------------------------------------
  void AllowPrinting() override;
  void DisallowPrinting() override;
  QString CurrentPageKey() const override;
  int DefaultValueSet() const override { return defaultValueSet_; }
  void SetDefaultValueSet(int value) { defaultValueSet_ = value; }
  double SettingsPayment() const override { return settingsPayment_; }
  void SetSettingsPayment(double payment) override { settingsPayment_ = payment; }
  QString TodayMonthShort() const override { return todayMonthShort_; }
  int TodayYear() const override { return todayYear_; }
  std::unique_ptr<TMortgage>& Mortgage() override { return mortgage_; }

  // ---- pages -------------------------------------------------------------------------
  // Shows the page of `key` the way every page-choosing control does.
  void ShowPageByKey(const QString& key);
  QStackedWidget* PageArea() const { return nbkMain_; }
  QWidget* Page(const QString& key) const { return pages_.value(key); }
  QuickCalcPage* QuickCalc() const { return quickCalc_; }
  AmortizationPage* Amortization() const { return amortization_; }
  TabulonPage* Tabulon() const { return tabulon_; }

  // ---- resets ------------------------------------------------------------------------
  void ResetCurrentPage();
  void ResetAllToZero();
  void ResetAllToSamples();

  // ---- document state ----------------------------------------------------------------
  QString CurrentFileName() const { return currentFileName_; }
  void SetCurrentFileName(const QString& name) { currentFileName_ = name; }
  // Writes the calculators to `fileName` (the document's Save).
  void SaveDocumentTo(const QString& fileName);

  QString StatusText() const;
  void SetStatusText(const QString& text);
  QString ProgramFolder() const { return programFolder_; }
  QDateTime TodayDateTime() const { return todayDateTime_; }

protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void buildFrame();
  void buildPages();
  QWidget* addPage(const QString& key, QWidget* content);

  // frame
  QFrame* pnlButtonBar_ = nullptr;
  QToolButton* btnOpen_ = nullptr;
  QToolButton* btnSave_ = nullptr;
  QToolButton* btnPrint_ = nullptr;
  QToolButton* btnReset_ = nullptr;
  QToolButton* btnPopupCalculator_ = nullptr;
  QToolButton* btnHelp_ = nullptr;
  QLabel* lblCompany_ = nullptr;
  QPushButton* btnCalculators_ = nullptr;
  QToolButton* btnExit_ = nullptr;
  QStatusBar* statusBar1_ = nullptr;
  QLabel* statusText_ = nullptr;
  QFrame* pnlCaption_ = nullptr;
  TRotatedLabel* lblCalculatorName_ = nullptr;
  QStackedWidget* nbkMain_ = nullptr;
  QMap<QString, QWidget*> pages_;

  QuickCalcPage* quickCalc_ = nullptr;
  AmortizationPage* amortization_ = nullptr;
  TabulonPage* tabulon_ = nullptr;

  // state
  QString currentFileName_;
  bool askToSaveOnClose_ = true;
  QDateTime todayDateTime_;
  QString todayMonthShort_;
  QString todayMonthLong_;
  int todayYear_ = 0;
  QString programFolder_;
  std::unique_ptr<TMortgage> mortgage_;
  int defaultValueSet_ = 1;
  double settingsPayment_ = 0;
  bool closed_ = false;
};

}  // namespace zeb
