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
#include <functional>
#include <memory>
#include <vector>

#include "calculators/PageHost.h"
#include "document/Settings.h"
#include "reports/Report.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QToolButton;
class QFrame;
class QMenu;
class QMenuBar;
class QAction;
class QPrinter;

namespace zeb {

class TMortgage;
class QuickCalcPage;
class AmortizationPage;
class TabulonPage;
class FutureValuesPage;
class RatesOfReturnPage;
class NetPresentValuesPage;
class LoanComparisonPage;
class RefinancingPage;
class CapRatePage;
class DepreciationPage;
class TRotatedLabel;
class WelcomePage;
class MenuPage;
class HelpViewer;
class TReportSet;
class TPageBuilder;
struct TCalculatorDocument;

// One page of nbkMain: its key, the name in the caption strip, where that name begins,
// its help contexts (F1 and the Help button), the field that gets the focus on entry,
// and whether entering it allows printing and enables Reset.
struct TPageInfo {
  const char* key;
  const char* name;
  int stripOrigin;
  int f1Context;
  int helpButtonContext;
  const char* focusField;  // empty: the focus stays where it is
  bool print;
  bool reset;
};

class TfrmMain : public QMainWindow, public PageHost {
  Q_OBJECT
public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // ---- shell -----------------------------------------------------------------------
  void FormCreate();
  // Set-up steps: the document type's desktop registration, the settings file.
  void RegisterAFile();
  void ReadIniFile();
  const TSettings& Settings() const { return settings_; }
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
  void EnableReset() override;
  QString CurrentPageKey() const override;
  int DefaultValueSet() const override { return defaultValueSet_; }
  void SetDefaultValueSet(int value) { defaultValueSet_ = value; }
  double SettingsPayment() const override { return settingsPayment_; }
  void SetSettingsPayment(double payment) override { settingsPayment_ = payment; }
  QString TodayMonthShort() const override { return todayMonthShort_; }
  int TodayYear() const override { return todayYear_; }
  std::unique_ptr<TMortgage>& Mortgage() override { return mortgage_; }

  // ---- pages -------------------------------------------------------------------------
  // The twelve pages in their fixed order.
  static const std::vector<TPageInfo>& PageTable();
  static const TPageInfo* FindPage(const QString& key);
  // Shows the page of `key` the way every page-choosing control does (through
  // gotoChosenCalculator with the page's main-menu item as sender).
  void ShowPageByKey(const QString& key);
  // The one path of every page-choosing control.
  void gotoChosenCalculator(QObject* sender);
  void EnableMnuCalcItems();
  void CloseCalculators();
  void ShowLoanApplication();
  // The applicant's first name the loan application proposes (kept for the run).
  QString LoanApplicationFirstName() const { return loanApplicationFirstName_; }
  void SetLoanApplicationFirstName(const QString& name) { loanApplicationFirstName_ = name; }
  // The page-choosing controls of `key` ("MQ" for the loan application): main menu,
  // MnuPopup and mnuPopCalcs items, and the page button.
  QAction* MainMenuItem(const QString& key) const;
  QAction* PopupItem(const QString& key) const;
  QAction* PopCalcsItem(const QString& key) const;
  QWidget* PageButton(const QString& key) const;
  QAction* Action(const QString& objectName) const;

  // ---- menus and the button bar ------------------------------------------------------
  QMenu* MnuPopup() const { return mnuPopup_; }
  QMenu* MnuPopCalcs() const { return mnuPopCalcs_; }
  QMenu* MnuPopReset() const { return mnuPopReset_; }
  void btnCalculatorsClick();
  void btnResetClick();
  void mnuResetThisZeroClick();
  void mnuResetAllZeroClick();
  void mnuResetSamplesClick();
  void mnuResetAllSamplesClick();
  bool PrintingAllowed() const;
  // Whether the page of `key` has a report for Print (all but the welcome, menu and
  // quick-calculator pages).
  static bool PageHasReport(const QString& key);

  // ---- printing ----------------------------------------------------------------------
  void Print();
  void MnuFilePrintSetupClick();
  void PrintLoanComparison();
  void PrintRatesOfReturn();
  void PrintRefinancingCalc();
  void PrintFutureValues();
  void PrintTBL();
  void PrintAmortizationMonthly();
  void PrintAnnualAmortization();
  void PrintNPV();
  void PrintCapRate();
  void PrintDepreciation();
  // The layout of the six single-page reports: the title band, then the footer.
  void BuildSinglePageReport(TPageBuilder& page);
  // The datasets of the four data-driven reports, each standing for the rows of one grid,
  // and their handlers (reports/ReportDatasetsQt.cpp): the end test and the values
  // "Cell1".."CellN" of the record's grid row; another name is left unassigned.
  TUserDataset frAmortMonthlyDataset;
  TUserDataset frAmortAnnualDataset;
  TUserDataset frTBLDataset;
  TUserDataset frDepreciationDataset;
  bool frAmortMonthlyDatasetCheckEOF() const;
  void frAmortMonthlyGetValue(const std::string& name, std::string& value, bool& assigned);
  bool frAmortAnnualDatasetCheckEOF() const;
  void frAmortAnnualGetValue(const std::string& name, std::string& value, bool& assigned);
  bool frTBLDatasetCheckEOF() const;
  void frTBLGetValue(const std::string& name, std::string& value, bool& assigned);
  bool frDepreciationDatasetCheckEOF() const;
  void frDepreciationGetValue(const std::string& name, std::string& value, bool& assigned);
  // The one printer of the run: the print set-up's choice persists.
  QPrinter& Printer();
  // The report templates, loaded with the window; texts set on them stay until the next print.
  TReportSet& Reports();

  // ---- help --------------------------------------------------------------------------
  void btnHelpClick();
  // F1: the current page's own topic.
  void PageHelp();
  void ShowHelpContext(int context);
  void MnuHelpContentsClick();
  void MnuHelpSearchClick();
  void MnuHelpHowClick();
  void MnuHelpGlossaryClick();
  // The help window, or nullptr until help was first asked for.
  HelpViewer* Help() const { return helpViewer_; }

  // ---- small windows -----------------------------------------------------------------
  void MnuHelpAboutClick();
  void MnuHelpDisclaimerClick();
  void ShowPopupCalculator();

  // ---- Internet links and pointer effects --------------------------------------------
  void mnuInternetWebHomeClick();
  void mnuInternetEmailSuggestClick();
  void StatusBar1MouseMove();
  QStackedWidget* PageArea() const { return nbkMain_; }
  QWidget* Page(const QString& key) const { return pages_.value(key); }
  WelcomePage* Welcome() const { return welcome_; }
  MenuPage* Menu() const { return menu_; }
  QuickCalcPage* QuickCalc() const { return quickCalc_; }
  AmortizationPage* Amortization() const { return amortization_; }
  TabulonPage* Tabulon() const { return tabulon_; }
  FutureValuesPage* FutureValues() const { return futureValues_; }
  RatesOfReturnPage* RatesOfReturn() const { return ratesOfReturn_; }
  NetPresentValuesPage* NetPresentValues() const { return netPresentValues_; }
  LoanComparisonPage* LoanComparisons() const { return loanComparisons_; }
  RefinancingPage* Refinancing() const { return refinancing_; }
  CapRatePage* CapRate() const { return capRate_; }
  DepreciationPage* Depreciation() const { return depreciation_; }

  // ---- resets ------------------------------------------------------------------------
  void ResetCurrentPage();
  void ResetAllToZero();
  void ResetAllToSamples();

  // ---- document commands (app/Document.cpp) -------------------------------------------
  // File "&Open" (Ctrl+O) and btnOpen, "&Close", "&Save" (Ctrl+S) and btnSave,
  // "Save &As...". A file is read and checked whole before anything is applied, and
  // saved through a temporary file, so a failure changes nothing.
  void btnOpenClick();
  void mnuFileCloseClick();
  void btnSaveClick();
  void mnuFileSaveAsClick();
  // Opening an already chosen file: load, check and apply it, make it current, name it
  // in the caption (also when it does not exist: then nothing is loaded), recompute a
  // shown monthly schedule, rebuild the prepayment list. Failures are reported through
  // the application-wide handler; true when the file was opened and is now current.
  bool OpenDocumentFile(const QString& fullPath);

  // ---- document state ----------------------------------------------------------------
  QString CurrentFileName() const { return currentFileName_; }
  void SetCurrentFileName(const QString& name) { currentFileName_ = name; }
  // Writes the calculators to `fileName` (the document's Save); throws when the file
  // cannot be written, leaving an existing file as it was.
  void SaveDocumentTo(const QString& fileName);
  // A document named on the command line or handed over by a second copy: opened as
  // "&Open" opens a chosen file, through DocumentOpener (the document's open routine,
  // which reports a bad file and changes nothing).
  void OpenDocumentFromShell(const QString& path);
  std::function<bool(const QString&)> DocumentOpener;
  // Every calculator's values as the pages show them, and putting a document's values
  // back into the pages (choices as a user's choice, the schedule into its grids).
  TCalculatorDocument GatherDocument() const;
  void ApplyDocument(const TCalculatorDocument& document);

  QString StatusText() const;
  void SetStatusText(const QString& text);
  QString ProgramFolder() const { return programFolder_; }
  QString HelpFile() const { return helpFile_; }
  QDateTime TodayDateTime() const { return todayDateTime_; }

protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct PageControls {
    QAction* mainItem = nullptr;
    QAction* popupItem = nullptr;
    QAction* popCalcsItem = nullptr;
    QWidget* button = nullptr;
  };
  void buildFrame();
  void buildPages();
  void buildMenus();
  void wireFrame();
  void wirePageButtons();
  QAction* addItem(QMenu* menu, const char* name, const QString& caption, void (TfrmMain::*handler)());
  void addPageItems(QMenu* menu, int which);
  void enterPageExtras(const TPageInfo& page);
  // The save dialog; the chosen file is written and becomes the current document.
  void saveUnderChosenName();
  void focusField(const QString& key, const char* name);
  HelpViewer& ensureHelp();
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
  QMap<QString, PageControls> controls_;  // by page key, "MQ" for the loan application
  QMenuBar* mainMenu_ = nullptr;
  QMenu* mnuPopup_ = nullptr;
  QMenu* mnuPopCalcs_ = nullptr;
  QMenu* mnuPopReset_ = nullptr;
  QAction* mnuFilePrint_ = nullptr;
  HelpViewer* helpViewer_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<TReportSet> reports_;

  WelcomePage* welcome_ = nullptr;
  MenuPage* menu_ = nullptr;

  QuickCalcPage* quickCalc_ = nullptr;
  AmortizationPage* amortization_ = nullptr;
  TabulonPage* tabulon_ = nullptr;
  FutureValuesPage* futureValues_ = nullptr;
  RatesOfReturnPage* ratesOfReturn_ = nullptr;
  NetPresentValuesPage* netPresentValues_ = nullptr;
  LoanComparisonPage* loanComparisons_ = nullptr;
  RefinancingPage* refinancing_ = nullptr;
  CapRatePage* capRate_ = nullptr;
  DepreciationPage* depreciation_ = nullptr;

  // state
  QString currentFileName_;
  bool askToSaveOnClose_ = true;
  QDateTime todayDateTime_;
  QString todayMonthShort_;
  QString todayMonthLong_;
  int todayYear_ = 0;
  QString programFolder_;
  QString helpFile_;
  std::unique_ptr<TMortgage> mortgage_;
  int defaultValueSet_ = 1;
  double settingsPayment_ = 0;
  QString loanApplicationFirstName_;
  TSettings settings_;
  bool closed_ = false;
};

}  // namespace zeb
