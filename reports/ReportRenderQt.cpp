// Drawing a page description: the one path of the preview, the printer and PDF.
#include <QFile>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProgressDialog>
#include <map>

#include "reports/ReportsQt.h"
#include "widgets/Messages.h"

namespace zeb {
namespace {

int qtAlignment(const TPageItem& item) {
  const int horizontal = item.align == TAlign::Left    ? Qt::AlignLeft
                         : item.align == TAlign::Right ? Qt::AlignRight
                                                       : Qt::AlignHCenter;
  return horizontal | (item.boxed ? Qt::AlignVCenter : Qt::AlignTop) | Qt::TextSingleLine;
}

// Fonts by size and weight, sized so that `pt` points come out as pt * 96 / 72 of the
// painter's units (the painter draws in pixels at 96 per inch, whatever the device).
class FontCache {
public:
  explicit FontCache(const QPaintDevice* device) : dpi_(device->logicalDpiY()) {}
  const QFont& get(double pt, bool bold) {
    auto [it, added] = fonts_.try_emplace({pt, bold});
    if (added) {
      it->second = QFont(QStringLiteral("Arial"));
      it->second.setPointSizeF(pt * 96.0 / dpi_);
      it->second.setBold(bold);
      it->second.setHintingPreference(QFont::PreferNoHinting);
    }
    return it->second;
  }

private:
  double dpi_;
  std::map<std::pair<double, bool>, QFont> fonts_;
};

// A progress window for long outputs; shown only when the output takes a while.
class Progress {
public:
  Progress(const QString& label, int pages, QWidget* parent) : dialog_(label, "Cancel", 0, pages, parent) {
    dialog_.setWindowTitle("Preview");
    dialog_.setObjectName("dlgReportProgress");
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(400);
    dialog_.setAutoClose(false);
  }
  // False when the user cancelled.
  bool step(int done) {
    if (done % 4 == 0 || done == dialog_.maximum()) dialog_.setValue(done);
    return !dialog_.wasCanceled();
  }

private:
  QProgressDialog dialog_;
};

// Draws every page; the device must already be open on `painter`.
bool drawPages(QPainter& painter, const TPageDescription& pages, QPagedPaintDevice& device, Progress& progress) {
  const double sx = device.logicalDpiX() / 96.0, sy = device.logicalDpiY() / 96.0;
  for (std::size_t i = 0; i < pages.pages.size(); ++i) {
    if (!progress.step(static_cast<int>(i))) return false;
    if (i > 0 && !device.newPage()) return false;
    painter.save();
    painter.scale(sx, sy);
    DrawReportPage(painter, pages.pages[i]);
    painter.restore();
  }
  progress.step(static_cast<int>(pages.pages.size()));
  return true;
}

}  // namespace

void DrawReportPage(QPainter& painter, const TPage& page) {
  FontCache fonts(painter.device());
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::black);
  for (const TPageItem& item : page.items) {
    if (item.kind == TPageItem::Kind::Rule) {
      const double thickness = item.penPt * 96.0 / 72.0;
      painter.fillRect(QRectF(item.x, item.y, item.width, thickness), Qt::black);
      continue;
    }
    if (item.boxed) {
      pen.setWidthF(1.0);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(item.x, item.y, item.width, item.height));
    }
    if (item.text.empty()) continue;
    painter.setPen(Qt::black);
    painter.setFont(fonts.get(item.fontPt, item.bold));
    // The text was fitted to the object; drawing it clipped to the object as well keeps
    // any difference of font rendering inside the box.
    const QRectF box(item.x + 1.0, item.y, item.width - 2.0, item.height);
    painter.drawText(box, qtAlignment(item), QString::fromStdString(item.text));
  }
}

TOutputResult PrintReportPages(const TPageDescription& pages, QPrinter& printer, QWidget* parent) {
  // Without a printer Qt falls back to writing a file it was given no name for.
  if (printer.printerName().isEmpty() &&
      (printer.outputFormat() == QPrinter::NativeFormat || printer.outputFileName().isEmpty())) {
    ShowInformation(
        "No printer is set up on this computer, so the report cannot be printed. Set up a printer and choose it "
        "with Print Setup..., or save the report as a PDF file.");
    return TOutputResult::Failed;
  }
  if (!printer.isValid()) {
    ShowInformation("The printer \"" + printer.printerName() +
                    "\" is not available. Choose another printer with Print Setup..., or save the report as a "
                    "PDF file.");
    return TOutputResult::Failed;
  }
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(pages.title));
  QPainter painter;
  if (!painter.begin(&printer)) {
    ShowInformation("The report could not be sent to the printer \"" + printer.printerName() +
                    "\". Check that the printer is switched on and connected, or choose another one with Print "
                    "Setup....");
    return TOutputResult::Failed;
  }
  Progress progress("Printing the report...", static_cast<int>(pages.pages.size()), parent);
  if (!drawPages(painter, pages, printer, progress)) {
    printer.abort();
    painter.end();
    return TOutputResult::Cancelled;
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    ShowInformation("The printer \"" + printer.printerName() + "\" reported an error; the report may not have printed.");
    return TOutputResult::Failed;
  }
  return TOutputResult::Done;
}

TOutputResult SaveReportPdf(const TPageDescription& pages, const QString& fileName, QWidget* parent) {
  bool written = false, cancelled = false;
  {
    QPdfWriter writer(fileName);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(600);
    writer.setTitle(QString::fromStdString(pages.title));
    writer.setCreator(QStringLiteral("ZEB Devovederi Dunmarrow, 2.1.02"));
    QPainter painter;
    if (painter.begin(&writer)) {
      Progress progress("Saving the report as a PDF file...", static_cast<int>(pages.pages.size()), parent);
      cancelled = !drawPages(painter, pages, writer, progress);
      written = painter.end() && !cancelled;
    }
  }
  if (!written) {
    QFile::remove(fileName);
    return cancelled ? TOutputResult::Cancelled : TOutputResult::Failed;
  }
  if (QFile(fileName).size() == 0) {
    QFile::remove(fileName);
    return TOutputResult::Failed;
  }
  return TOutputResult::Done;
}

}  // namespace zeb
