#include "reports/ReportsQt.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "app/DialogSeam.h"
#include "reports/ReportForms.h"
#include "reports/ReportPreviewQt.h"

static void initReportResources() { Q_INIT_RESOURCE(Reports); }

namespace zeb {
namespace {

ReportPreviewRecorder* g_previewRecorder = nullptr;

std::string readResource(const std::string& name) {
  QFile file(":/reports/" + QString::fromStdString(name) + ".rpt");
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("the report part " + name + " is missing");
  return file.readAll().toStdString();
}

}  // namespace

TReportSet::TReportSet() {
  initReportResources();
  // Every "fr*.rpt" of the resources is a report; the other files are shared parts.
  const QStringList files = QDir(":/reports").entryList({"fr*.rpt"}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    const std::string name = file.chopped(4).toStdString();
    reports_[name] = ParseReportTemplate(readResource(name), readResource);
  }
}

TReportSet::~TReportSet() = default;

TReport& TReportSet::Get(const std::string& name) { return *reports_.at(name); }

ReportPreviewRecorder::ReportPreviewRecorder() : previous_(g_previewRecorder) { g_previewRecorder = this; }
ReportPreviewRecorder::~ReportPreviewRecorder() { g_previewRecorder = previous_; }

void PreviewReport(TReport& report, const TPreviewOptions& options, QPrinter& printer, QWidget* parent) {
  TPageDescription pages = BuildReport(report);
  if (g_previewRecorder) {
    g_previewRecorder->previews.push_back({std::move(pages), options});
    return;
  }
  TPreviewWindow preview(std::move(pages), options, printer, parent);
  ExecDialog(preview);
}

bool SaveReportCsv(const TPageDescription& pages, const std::vector<std::string>& header, const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const std::string csv = TableToCsv(header, pages.rows);
  return file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) && file.flush();
}

}  // namespace zeb
