#pragma once
// The Qt side of the report engine: the templates loaded from the program's resources,
// PreviewReport (build the pages once, show them modally), and the drawing of a page
// description on any paint device (screen, printer, PDF).
//
//   print routine -> fills objects of its TReport (LocateObject / SetObjectText)
//                 -> PreviewReport: BuildReport (reports/Report.h) lays the pages out,
//                    then the preview window shows them; printing and "Save as PDF…"
//                    draw the same TPageDescription with DrawReportPage.
// Tests install a ReportPreviewRecorder: PreviewReport then records what it built
// instead of opening the window.
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "reports/Report.h"

class QPainter;
class QPrinter;
class QWidget;

namespace zeb {

// The report templates of the main window (every "fr*.rpt" file of reports/Reports.qrc,
// named by its file), loaded once and alive as long as it.
class TReportSet {
public:
  TReportSet();
  ~TReportSet();
  // The template of that name ("frAmortMonthly"); throws std::out_of_range when the
  // program carries none.
  TReport& Get(const std::string& name);
  bool Has(const std::string& name) const { return reports_.count(name) > 0; }

private:
  std::map<std::string, std::unique_ptr<TReport>> reports_;
};

// What a report's preview offers beside zoom, print and close.
struct TPreviewOptions {
  bool help = true;       // a help button (else none)
  bool pageSetup = false; // a page set-up button
  bool csv = false;       // "Save as CSV…": the data-driven reports
  std::vector<std::string> csvHeader;  // empty: the first printed row is the header
  std::function<void()> onHelp;
  std::function<void()> onPageSetup;
};

struct TPreviewRequest {
  TPageDescription pages;
  TPreviewOptions options;
};

// Builds the report and shows it in the modal preview; returns when it is closed.
void PreviewReport(TReport& report, const TPreviewOptions& options, QPrinter& printer, QWidget* parent);

// While alive, PreviewReport records each built report here instead of showing it.
class ReportPreviewRecorder {
public:
  ReportPreviewRecorder();
  ~ReportPreviewRecorder();
  ReportPreviewRecorder(const ReportPreviewRecorder&) = delete;
  ReportPreviewRecorder& operator=(const ReportPreviewRecorder&) = delete;
  std::vector<TPreviewRequest> previews;

private:
  ReportPreviewRecorder* previous_;
};

// Draws one page on `painter`, whose device is a sheet of US Letter seen from its
// corner (a printer in full-page mode, a PDF, or a view scaled by `zoom` on screen).
void DrawReportPage(QPainter& painter, const TPage& page);

enum class TOutputResult { Done, Cancelled, Failed };
// Prints every page to `printer`, with a progress window that can cancel. A missing or
// failing printer is told to the user (Failed).
TOutputResult PrintReportPages(const TPageDescription& pages, QPrinter& printer, QWidget* parent);
// Writes the pages as a PDF file, with the same progress window; a cancelled or failed
// file is removed. The caller tells the user of a failure.
TOutputResult SaveReportPdf(const TPageDescription& pages, const QString& fileName, QWidget* parent);
// Writes the report's table as CSV; returns whether it was written.
bool SaveReportCsv(const TPageDescription& pages, const std::vector<std::string>& header, const QString& fileName);

}  // namespace zeb
