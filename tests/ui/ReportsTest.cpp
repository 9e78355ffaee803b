// The schedule reports: what each print routine puts on its pages (through the page
// description the preview would show), the preview window's commands, and the PDF and
// CSV files it writes.
#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include "UiFixture.h"
#include "calculators/TabulonPage.h"
#include "reports/ReportPreviewQt.h"
#include "reports/ReportsQt.h"
#include "reports/TextMetrics.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"

namespace zeb::test {
namespace {

std::string text(const TPageDescription& d, std::size_t page, const char* object) {
  const auto items = d.Find(page, object);
  return items.empty() ? std::string("<missing>") : items.front()->text;
}

// pdftotext of a file, in reading order.
QString pdfText(const QString& file, int firstPage = 1, int lastPage = 1) {
  QProcess p;
  p.start("pdftotext", {"-layout", "-f", QString::number(firstPage), "-l", QString::number(lastPage), file, "-"});
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// Every text of every page stays inside its object: fitted to the width, inside the sheet.
void expectTextsInside(const TPageDescription& d) {
  for (std::size_t p = 0; p < d.pages.size(); ++p)
    for (const TPageItem& item : d.pages[p].items) {
      if (item.kind != TPageItem::Kind::Text) continue;
      ASSERT_LE(TextWidthPx(item.text, item.fontPt, item.bold), item.width - 2 * kTextInset)
          << item.object << " on page " << p + 1 << ": " << item.text;
      ASSERT_LE(item.y + item.height, TPageDescription::kPageHeight) << item.object;
    }
}

std::vector<std::string> row(const TPageDescription& d, std::size_t record) {
  return record < d.rows.size() ? d.rows[record] : std::vector<std::string>{};
}

class Reports : public MainWindowTest {
protected:
  // Prints the current page and gives what the preview would show.
  const TPreviewRequest& print() {
    previews.previews.clear();
    QTest::mouseClick(find<QToolButton>("btnPrint"), Qt::LeftButton);
    EXPECT_EQ(previews.previews.size(), 1u) << log.informationTexts().join("|").toStdString();
    if (previews.previews.empty()) throw std::runtime_error("no preview");
    return previews.previews.back();
  }
  void samples(const char* key) {
    window->ShowPageByKey(key);
    window->Action("mnuResetSamples")->trigger();
    if (QString(key) == "Amort") find<QPushButton>("btnCalculate")->click();
  }
  void setLoan(double amount, double rate, int term) {
    find<TMoneyEdit>("edtMortAmt")->SetTextAsFloat(amount);
    find<TMoneyEdit>("edtIRate")->SetTextAsFloat(rate);
    find<TOvcPictureField>("edtNumPmts")->SetAsInteger(term);
    find<QPushButton>("btnCalculate")->click();
  }
  // Runs the preview wiew window on a built report without showing it modally.
  std::unique_ptr<TPreviewWindow> previewWindow(const TPreviewRequest& r) {
    return std::make_unique<TPreviewWindow>(r.pages, r.options, window->Printer(), window.get());
  }

  ReportPreviewRecorder previews;
  QTemporaryDir dir{QDir::tempPath() + "/reports-XXXXXX"};
};

// The common header and footer, on every page.
void expectCommonObjects(const TPageDescription& d, const std::string& title) {
  EXPECT_EQ(text(d, 0, "lblReportTitle"), title);
  EXPECT_EQ(text(d, 0, "lblHeader1"), "Quorvane       www.quorvane.example");
  EXPECT_EQ(text(d, 0, "lblHeader2"), "Financing for Commercial Real Estate, Coast to Coast");
  for (std::size_t p = 0; p < d.pages.size(); ++p) {
    EXPECT_EQ(text(d, p, "lblApplicationTitle"), "ZEB Devovederi Dunmarrow, 2.1.02") << "page " << p + 1;
    EXPECT_EQ(text(d, p, "lblURL"), "www.quorvane.example") << "page " << p + 1;
    EXPECT_EQ(d.Find(p, "lblDisclaimer").size(), 3u) << "page " << p + 1;
  }
}

TEST_F(Reports, MonthlyScheduleCarriesItsHeaderOnEveryPage) {
  samples("Amort");
  const TPreviewRequest& r = print();
  const TPageDescription& d = r.pages;
  expectCommonObjects(d, "Loan Amortization Schedule - Monthly");
  ASSERT_EQ(d.rows.size(), 361u);
  EXPECT_EQ(row(d, 0), (std::vector<std::string>{"PMT", "Month", "Principal", "Interest", "Total Principal",
                                                  "Total Interest", "Prepayment", "Balance"}));
  EXPECT_EQ(row(d, 1)[0], "1");
  EXPECT_EQ(row(d, 1)[2], "$57.53");
  EXPECT_EQ(row(d, 360)[0], "360");
  ASSERT_EQ(d.pages.size(), 9u);
  for (std::size_t p = 0; p < d.pages.size(); ++p) {
    SCOPED_TRACE("page " + std::to_string(p + 1));
    EXPECT_EQ(d.Find(p, "lblReportTitle").size(), p == 0 ? 1u : 0u);
    EXPECT_EQ(text(d, p, "lblLoanAmount"), "100,000.00");
    EXPECT_EQ(text(d, p, "lblInterestRate"), "8.750%");
    EXPECT_EQ(text(d, p, "lblTerm"), "360");
    EXPECT_EQ(text(d, p, "lblPayment"), "$786.70");
    EXPECT_EQ(text(d, p, "Memo8"), "BALANCE");
    // The page header sits below the title band on page 1 and at the top of the others.
    EXPECT_EQ(d.Find(p, "lblLoanAmount")[0]->y, (p == 0 ? 48 + 78 : 48) + 20);
    EXPECT_EQ(d.Find(p, "lblLoanAmount")[0]->x, 126);
  }
  const TPageItem* cell8 = d.Find(0, "Cell8")[1];
  EXPECT_EQ(cell8->text, "$99,942.47");
  EXPECT_EQ(cell8->x, 633);
  EXPECT_EQ(cell8->width, 97);
  EXPECT_EQ(cell8->y, 48 + 78 + 78 + 18);
  EXPECT_TRUE(r.options.csv);
  EXPECT_TRUE(r.options.help);
  EXPECT_FALSE(r.options.pageSetup);
  expectTextsInside(d);
}

TEST_F(Reports, WithoutASchedulePlaceholdersThenThePreviousPrintsTextsStay) {
  window->ShowPageByKey("Amort");
  window->Action("mnuResetThisZero")->trigger();
  window->Print();  // the zero page has no schedule; printing is off, the command still prints
  ASSERT_EQ(previews.previews.size(), 1u);
  const TPageDescription first = previews.previews[0].pages;
  EXPECT_EQ(text(first, 0, "lblReportTitle"), "lblReportTitle");
  EXPECT_EQ(text(first, 0, "lblHeader1"), "lblHeader1");
  EXPECT_EQ(text(first, 0, "lblLoanAmount"), "$0.00");
  EXPECT_EQ(text(first, 0, "lblInterestRate"), "0.000%");
  EXPECT_EQ(text(first, 0, "lblApplicationTitle"), "lblApplicationTitle");

  setLoan(200000, 7.25, 180);
  const TPageDescription second = print().pages;
  EXPECT_EQ(text(second, 0, "lblLoanAmount"), "200,000.00");
  EXPECT_EQ(text(second, 0, "lblInterestRate"), "7.250%");
  EXPECT_EQ(text(second, 0, "lblTerm"), "180");
  EXPECT_EQ(second.rows.size(), 181u);

  window->Action("mnuResetThisZero")->trigger();
  window->Print();
  const TPageDescription third = previews.previews.back().pages;
  EXPECT_EQ(text(third, 0, "lblReportTitle"), "Loan Amortization Schedule - Monthly");
  EXPECT_EQ(text(third, 0, "lblLoanAmount"), "200,000.00");
}

TEST_F(Reports, AnnualScheduleIsFilledByTheMonthlyGridsFirstPayment) {
  samples("Amort");
  QTest::mouseClick(find<QPushButton>("btnAnnualMonthly"), Qt::LeftButton);
  const TPageDescription d = print().pages;
  expectCommonObjects(d, "Loan Amortization Schedule - Annual");
  EXPECT_EQ(text(d, 0, "lblLoanAmount"), "100,000.00");
  EXPECT_EQ(text(d, 0, "lblPayment"), "$786.70");
  EXPECT_EQ(row(d, 0), (std::vector<std::string>{"Year", "Period", "Total Annual Principal", "Total Annual Interest",
                                                  "Total Annual Payment"}));
  const TTextGrid* annual = find<TTextGrid>("grdAnnualAmortization");
  ASSERT_EQ(d.rows.size(), static_cast<std::size_t>(annual->RowCount()));
  EXPECT_EQ(row(d, 1)[0], annual->Cell(0, 1).toStdString());
  EXPECT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(d.Find(0, "Cell5")[0]->x, 566);
  expectTextsInside(d);
}

// The annual grid's first row reads "1" (year 1) as well: only the monthly grid's first
// payment decides whether the annual report is filled.
TEST_F(Reports, AnnualScheduleWithoutAMonthlyFirstPaymentKeepsItsTexts) {
  samples("Amort");
  QTest::mouseClick(find<QPushButton>("btnAnnualMonthly"), Qt::LeftButton);
  ASSERT_EQ(find<TTextGrid>("grdAnnualAmortization")->CellUtf8(0, 1), "1");
  auto* monthly = find<TTextGrid>("grdAmortization");
  monthly->SetCell(0, 1, " ");
  const TPageDescription unfilled = print().pages;
  EXPECT_EQ(text(unfilled, 0, "lblReportTitle"), "lblReportTitle");
  EXPECT_EQ(text(unfilled, 0, "lblLoanAmount"), "$0.00");
  EXPECT_EQ(text(unfilled, 0, "lblPayment"), "$0.00");
  EXPECT_EQ(unfilled.rows.size(), static_cast<std::size_t>(find<TTextGrid>("grdAnnualAmortization")->RowCount()));

  monthly->SetCell(0, 1, "1");
  const TPageDescription filled = print().pages;
  EXPECT_EQ(text(filled, 0, "lblReportTitle"), "Loan Amortization Schedule - Annual");
  EXPECT_EQ(text(filled, 0, "lblTerm"), "360");
}

struct TabulonCase {
  const char* name;
  int choice;
  const char* title;
  const char* captions[3];
  const char* figures[3];
  bool loanStepFirst;  // lblX: loan step (else payment step)
  bool rateStepSecond; // lblY: rate step (else payment step)
};

TEST_F(Reports, TabulonIsTitledAndFilledByTheChosenCalculation) {
  const TabulonCase cases[] = {
      {"payments", 0, "Chart of Monthly Payments", {"Loan Amount:", "Interest Rate:", "Term:"},
       {"$100,000.00", "8.75%", "360 months"}, true, true},
      {"loan amounts", 1, "Chart of Loan Amounts", {"Term:", "Interest Rate:", "Payment:"},
       {"360 months", "8.75%", "$786.70"}, false, true},
      {"interest rates", 2, "Chart of Interest Rates", {"Loan Amount:", "Payment:", "Term:"},
       {"$100,000.00", "$786.70", "360 months"}, true, false},
      {"terms", 3, "Chart of Terms in Months", {"Loan Amount:", "Interest Rate:", "Payment:"},
       {"$100,000.00", "8.75%", "$786.70"}, true, false},
  };
  samples("TB");
  auto* rg = find<TRadioGroup>("rgCalculate");
  for (const TabulonCase& c : cases) {
    SCOPED_TRACE(c.name);
    rg->SetItemIndex(c.choice);
    // The page solves for the chosen figure; put the sample loan back before printing.
    find<TMoneyEdit>("edtLoan")->SetTextAsFloat(100000);
    find<TMoneyEdit>("edtInterest")->SetTextAsFloat(8.75);
    find<TOvcPictureField>("edtTerm")->SetAsInteger(360);
    find<TMoneyEdit>("edtPayment")->SetTextAsFloat(786.7);
    const TPreviewRequest& r = print();
    const TPageDescription& d = r.pages;
    expectCommonObjects(d, c.title);
    const char* captions[] = {"lbl1", "lbl2", "lbl3"};
    const char* figures[] = {"lblOne", "lblTwo", "lblThree"};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(text(d, 0, captions[i]), c.captions[i]);
      EXPECT_EQ(text(d, 0, figures[i]), c.figures[i]);
    }
    const TabulonPage* page = window->Tabulon();
    const std::string loanStep = "Loan Amounts incremented by " + page->LoanIncrementText().toStdString();
    const std::string rateStep = "Interest Rates incremented by " + page->RateIncrementText().toStdString();
    const std::string paymentStep = "Payment Amounts incremented by " + page->PaymentIncrementText().toStdString();
    EXPECT_EQ(text(d, 0, "lblX"), c.loanStepFirst ? loanStep : paymentStep);
    EXPECT_EQ(text(d, 0, "lblY"), c.rateStepSecond ? rateStep : paymentStep);
    const std::string interestPaid = find<TOvcPictureField>("edtInterestPaid")->text().trimmed().toStdString();
    EXPECT_EQ(text(d, 0, "lblInterestPaid").substr(0, 1), "$");
    ASSERT_EQ(d.rows.size(), 12u);
    const TTextGrid* grid = find<TTextGrid>("grdTB");
    for (int rowIndex : {0, 6, 11})
      for (int col = 0; col < 8; ++col)
        EXPECT_EQ(row(d, rowIndex)[col], grid->CellUtf8(col, rowIndex)) << rowIndex << "," << col;
    EXPECT_EQ(d.pages.size(), 1u);
    EXPECT_FALSE(r.options.help);
    EXPECT_TRUE(r.options.pageSetup);
    expectTextsInside(d);
  }
}

TEST_F(Reports, TabulonSampleTotalsInShortCurrency) {
  samples("TB");
  const TPageDescription d = print().pages;
  EXPECT_EQ(text(d, 0, "lblInterestPaid"), "$183,212.15");
  EXPECT_EQ(text(d, 0, "lblTotalPaid"), "$283,212.15");
}

TEST_F(Reports, DepreciationPrintsItsFiguresMethodAndOneRowPerYear) {
  samples("Depreciation");  // 100,000.00 less 92,500.00 over 10 years, straight line
  const TPreviewRequest r = print();
  const TPageDescription& d = r.pages;
  expectCommonObjects(d, "Depreciation Schedule");
  EXPECT_EQ(text(d, 0, "lblOriginalCost"), "$100,000.00");
  EXPECT_EQ(text(d, 0, "lblSalvageValue"), "$92,500.00");
  EXPECT_EQ(text(d, 0, "lblDepreciationPeriod"), "10 years");
  EXPECT_EQ(text(d, 0, "lblDepreciationMethod"), "Straight Line");
  const TTextGrid* grid = find<TTextGrid>("grdDepreciation");
  ASSERT_EQ(d.rows.size(), 10u);
  EXPECT_EQ(row(d, 0)[0], "1") << "no heading row: year 1 first";
  for (int col = 0; col < 4; ++col) EXPECT_EQ(row(d, 9)[col], grid->CellUtf8(col, 9));
  EXPECT_EQ(r.options.csvHeader,
            (std::vector<std::string>{"Year", "Beginning Book Value", "Annual Depreciation Expense", "Total Depreciation"}));
  EXPECT_EQ(d.Find(0, "Memo1").size(), 2u) << "\"Beginning Book Value\" over two lines";
  EXPECT_EQ(d.Find(0, "Cell1")[0]->fontPt, 9);
  EXPECT_EQ(d.Find(0, "Cell2")[0]->fontPt, 8);
  EXPECT_EQ(d.Find(0, "Cell4")[0]->x, 532);
  expectTextsInside(d);

  // Each method by its name, whole (the object runs on into the free room at its right).
  auto* method = find<TRadioGroup>("rgDepreciationMethod");
  const char* names[] = {"Straight Line", "Double Declining Balance", "Sum of Years Digits"};
  for (int i = 0; i < 3; ++i) {
    method->SetItemIndex(i);
    const TPageDescription m = print().pages;
    EXPECT_EQ(text(m, 0, "lblDepreciationMethod"), names[i]);
    expectTextsInside(m);
  }
  // A negative amount in the negative-currency pattern.
  find<TMoneyEdit>("edtSalvageValue")->SetTextAsFloat(-2500);
  EXPECT_EQ(text(print().pages, 0, "lblSalvageValue"), "($2,500.00)");
}

TEST_F(Reports, TextsFarWiderThanTheirObjectsAreCutInsideTheirBoxes) {
  samples("Amort");
  setLoan(9999999999.99, 8.75, 360);
  const TPageDescription d = print().pages;
  ASSERT_EQ(d.rows.size(), 361u);
  EXPECT_EQ(text(d, 0, "lblLoanAmount"), "9,999,999,999.99");
  EXPECT_EQ(row(d, 360)[5], "$18,321,214,603.67");
  expectTextsInside(d);

  // A Tabulon term of -32768 and an empty grid: the report still builds, texts stay inside.
  samples("TB");
  find<TOvcPictureField>("edtTerm")->SetAsInteger(-32768);
  find<TTextGrid>("grdTB")->SetRowCount(0);
  const TPageDescription tabulon = print().pages;
  EXPECT_EQ(tabulon.rows.size(), static_cast<std::size_t>(find<TTextGrid>("grdTB")->RowCount()));
  EXPECT_EQ(tabulon.pages.size(), 1u);
  EXPECT_EQ(text(tabulon, 0, "lblThree"), "-32768 months");
  expectTextsInside(tabulon);
}

TEST_F(Reports, PrintingTwiceWithoutChangesGivesTheSameReport) {
  samples("TB");
  const TPageDescription first = print().pages;
  const TPageDescription second = print().pages;
  ASSERT_EQ(first.pages.size(), second.pages.size());
  EXPECT_EQ(first.PageText(0), second.PageText(0));
  EXPECT_EQ(window->CurrentPageKey(), "TB");
}

// ---- the preview window -----------------------------------------------------------------------

TEST_F(Reports, PreviewToolBarFollowsTheReportsButtons) {
  struct Case {
    const char* key;
    bool help;
  } cases[] = {{"Amort", true}, {"TB", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    samples(c.key);
    auto preview = previewWindow(print());
    EXPECT_EQ(preview->windowTitle(), "Preview");
    for (const char* name : {"actZoomIn", "actZoomOut", "actPrint", "actClose", "actSavePdf", "actSaveCsv"})
      EXPECT_NE(preview->Action(name), nullptr) << name;
    EXPECT_EQ(preview->Action("actHelp") != nullptr, c.help);
    EXPECT_EQ(preview->Action("actPageSetup") != nullptr, !c.help);
  }
}

TEST_F(Reports, PreviewZoomsAndDrawsOnlyThePagesInSight) {
  samples("Amort");
  auto preview = previewWindow(print());
  preview->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
  TPageView* view = preview->View();
  view->viewport()->repaint();
  EXPECT_GE(view->PagesDrawn(), 1);
  EXPECT_LE(view->PagesDrawn(), 2) << "of 9 pages";
  const auto* label = preview->findChild<QLabel*>("lblPreviewPage");
  EXPECT_TRUE(label->text().startsWith("Page 1 of 9")) << label->text().toStdString();
  const double zoom = view->Zoom();
  preview->Action("actZoomIn")->trigger();
  EXPECT_DOUBLE_EQ(view->Zoom(), zoom * 1.25);
  preview->Action("actZoomOut")->trigger();
  preview->Action("actZoomOut")->trigger();
  EXPECT_DOUBLE_EQ(view->Zoom(), zoom / 1.25);
  preview->Action("actWholePage")->trigger();
  EXPECT_LE(view->Zoom() * TPageDescription::kPageHeight, view->viewport()->height());
  view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
  EXPECT_TRUE(label->text().startsWith("Page 9 of 9")) << label->text().toStdString();
  // The keyboard reaches the tool bar: Tab onto a command, Enter presses it.
  QWidget* zoomIn = preview->findChild<QToolBar*>("tbPreview")->widgetForAction(preview->Action("actZoomIn"));
  ASSERT_NE(zoomIn, nullptr);
  view->setFocus();
  for (int i = 0; i < 8 && !zoomIn->hasFocus(); ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(zoomIn->hasFocus());
  const double before = view->Zoom();
  QTest::keyClick(zoomIn, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(view->Zoom(), before * 1.25);
  preview->Action("actClose")->trigger();
  EXPECT_FALSE(preview->isVisible());
}

TEST_F(Reports, AMissingPrinterIsToldPlainly) {
  samples("TB");
  auto preview = previewWindow(print());
  QPrinter& printer = window->Printer();
  // With printers installed, one that has gone away; without, none at all.
  const bool anyPrinter = !QPrinterInfo::availablePrinters().isEmpty();
  if (anyPrinter) printer.setPrinterName("ZEB Missing Printer");
  log.entries.clear();
  preview->Action("actPrint")->trigger();
  ASSERT_EQ(log.informationTexts().size(), 1);
  const QString message = log.informationTexts()[0];
  EXPECT_TRUE(message.startsWith(anyPrinter ? "The printer \"ZEB Missing Printer\" is not available"
                                            : "No printer is set up on this computer"))
      << message.toStdString();
}

TEST_F(Reports, SavingToAFolderThatIsNotThereSaysSo) {
  samples("TB");
  auto preview = previewWindow(print());
  log.entries.clear();
  EXPECT_FALSE(preview->SavePdfTo(dir.filePath("missing/report.pdf")));
  EXPECT_FALSE(preview->SaveCsvTo(dir.filePath("missing/report.csv")));
  ASSERT_EQ(log.informationTexts().size(), 2);
  EXPECT_TRUE(log.informationTexts()[0].contains("could not be written"));
}

// Each report as a PDF reads back, through pdftotext, with its title, header, footer
// and table; the CSV holds the table with plain amounts.
TEST_F(Reports, EachReportSavesAsPdfAndCsv) {
  struct Case {
    const char* name;
    const char* key;
    bool annual;
    const char* title;
    const char* pdfLine;   // a line of the table as pdftotext lays it out
    const char* csvStart;  // the start of the CSV
  } cases[] = {
      {"monthly", "Amort", false, "Loan Amortization Schedule - Monthly", "$57.53",
       "PMT,Month,Principal,Interest,Total Principal,Total Interest,Prepayment,Balance\r\n1,"},
      {"annual", "Amort", true, "Loan Amortization Schedule - Annual", "Total Annual Principal",
       "Year,Period,Total Annual Principal,Total Annual Interest,Total Annual Payment\r\n"},
      {"tabulon", "TB", false, "Chart of Monthly Payments", "Loan Amounts incremented by", ""},
      {"depreciation", "Depreciation", false, "Depreciation Schedule", "Straight Line",
       "Year,Beginning Book Value,Annual Depreciation Expense,Total Depreciation\r\n1,100000.00,"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    samples(c.key);
    if (c.annual) QTest::mouseClick(find<QPushButton>("btnAnnualMonthly"), Qt::LeftButton);
    const TPreviewRequest request = print();
    auto preview = previewWindow(request);
    const QString pdf = dir.filePath(QString(c.name) + ".pdf");
    ASSERT_TRUE(preview->SavePdfTo(pdf));
    const QString page1 = pdfText(pdf);
    for (const char* expected : {c.title, "www.quorvane.example", "ZEB Devovederi Dunmarrow, 2.1.02",
                                 "NO WARRANTY,", c.pdfLine})
      EXPECT_TRUE(page1.contains(expected)) << expected << "\n" << page1.toStdString();
    const QString csvFile = dir.filePath(QString(c.name) + ".csv");
    ASSERT_TRUE(preview->SaveCsvTo(csvFile));
    QFile csv(csvFile);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray content = csv.readAll();
    EXPECT_TRUE(content.startsWith(c.csvStart)) << content.left(200).toStdString();
    EXPECT_FALSE(content.contains('$')) << "amounts are plain numbers\n" << content.toStdString();
    EXPECT_FALSE(content.contains(", ")) << "no padding blanks";
    const std::size_t headerLines = request.options.csvHeader.empty() ? 0 : 1;
    EXPECT_EQ(content.count("\r\n"), static_cast<qsizetype>(headerLines + request.pages.rows.size()));
  }
}

TEST_F(Reports, MonthlyPdfHasEveryPageWithItsHeaderAndFooter) {
  samples("Amort");
  auto preview = previewWindow(print());
  const QString pdf = dir.filePath("monthly.pdf");
  ASSERT_TRUE(preview->SavePdfTo(pdf));
  const QString last = pdfText(pdf, 9, 9);
  for (const char* expected : {"Loan Amount:", "100,000.00", "Payment Amount:", "$786.70", "BALANCE", "360",
                               "ZEB Devovederi Dunmarrow, 2.1.02", "www.quorvane.example"})
    EXPECT_TRUE(last.contains(expected)) << expected << "\n" << last.toStdString();
  EXPECT_FALSE(last.contains("Loan Amortization Schedule - Monthly")) << "the title is on page 1 only";
  EXPECT_TRUE(pdfText(pdf, 10, 10).isEmpty()) << "nine pages";
}

// A long PDF can be cancelled from its progress window; no half-written file stays.
TEST(ReportPdf, CancellingRemovesTheFile) {
  TPageDescription d;
  d.title = "Long";
  d.pages.resize(4000);
  for (TPage& page : d.pages)
    for (int y = 0; y < 40; ++y) page.items.push_back({TPageItem::Kind::Text, 40, 40 + y * 20, 700, 18, 8, false,
                                                      TAlign::Left, true, 1, "A line of the long report", "Cell1"});
  QTemporaryDir dir;
  const QString file = dir.filePath("long.pdf");
  bool cancelled = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<QProgressDialog*>(w); progress && progress->isVisible() && !cancelled) {
        cancelled = true;
        progress->cancel();
      }
  });
  poll.start(50);
  EXPECT_EQ(SaveReportPdf(d, file, nullptr), TOutputResult::Cancelled);
  EXPECT_TRUE(cancelled) << "the progress window showed";
  EXPECT_FALSE(QFile::exists(file));
}

}  // namespace
}  // namespace zeb::test
