#pragma once
// A report template and how it becomes pages.
//
// A template (TReport) is a list of bands, each a list of objects: text objects (name,
// place, size, Arial font, alignment, text) and horizontal rules. Places are pixels at
// 96 per inch: left from the sheet's left edge, top from the top of the band. The
// program fills texts by name (LocateObject, names compared without case, then
// SetObjectText); the texts stay set until the next print overwrites them.
//
// BuildReport lays a template out once into a TPageDescription, which the preview, the
// printer and PDF all draw:
//   - with OnManualBuild set, that handler places bands itself (TPageBuilder::EmitBand);
//   - otherwise the title band goes at the top of page 1, the page header (if any)
//     below it and at the top of every further page, then the data band once per
//     record of the report's dataset: its RecNo starts at 0, its OnCheckEOF says when
//     the records end, "[Cell1]" in a data text asks OnGetValue("Cell1"); a band that would reach into the footer
//     starts a new page. Every page gets the footer at its foot.
// A left-aligned one-line text wider than its object runs on to the right while the
// line is free (up to the first object to its right, at most the rules' right end,
// pixel 744), as a label sizes itself to its text; beyond that, and in every other
// object, it is cut or wrapped to the width (reports/TextMetrics.h), so no text ever
// reaches into a neighbour.
// Example: the monthly schedule of 360 payments has 361 data records (the heading row
// and 360 payments) and comes out as 9 pages of 41 or 45 rows.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

enum class TAlign { Left, Center, Right };

// The right end of the rules, the printable width's right edge in every template.
inline constexpr int kReportRightEdge = 744;
enum class TBandKind { ReportTitle, PageHeader, MasterData, PageFooter };

struct TReportObject {
  enum class Kind { Text, Rule };
  Kind kind = Kind::Text;
  std::string name;
  int top = 0;  // within the band
  int left = 0;
  int width = 0;
  int height = 0;
  double fontPt = 8;
  bool bold = false;
  TAlign align = TAlign::Left;
  bool wrap = false;     // broken over lines at blanks
  bool boxed = false;    // framed on all four sides, text centred vertically
  double penPt = 1;      // a rule's thickness
  std::string text;
  // A left-aligned one-line text may run on to this right edge when it is wider than
  // its object: into free room on its line, never over a neighbour (0: it may not).
  int growRight = 0;
};

struct TBand {
  std::string name;
  TBandKind kind = TBandKind::ReportTitle;
  int height = 0;
  std::vector<TReportObject> objects;
};

// One thing to draw on a page, in pixels at 96 per inch from the sheet's corner.
struct TPageItem {
  enum class Kind { Text, Rule };
  Kind kind = Kind::Text;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;  // a rule: 0
  double fontPt = 8;
  bool bold = false;
  TAlign align = TAlign::Left;
  bool boxed = false;      // draw the frame; the text centred vertically
  double penPt = 1;        // a rule's thickness
  std::string text;        // already fitted to the width
  std::string object;      // the template object it came from
};

struct TPage {
  std::vector<TPageItem> items;
};

struct TPageDescription {
  std::string report;
  std::string title;  // the text of lblReportTitle when built
  static constexpr int kPageWidth = 816;    // US Letter, 8.5 in
  static constexpr int kPageHeight = 1056;  // 11 in
  std::vector<TPage> pages;
  // The data records as printed, one list of cell texts per record ("Cell1" first).
  std::vector<std::vector<std::string>> rows;

  // The text items of `page` whose object is `object`, in the order drawn.
  std::vector<const TPageItem*> Find(std::size_t page, std::string_view object) const;
  // All texts of a page joined by newlines (for tests and diagnostics).
  std::string PageText(std::size_t page) const;
};

class TPageBuilder;

// The records a data band prints. The dataset holds no data: only the number of the
// record being printed (0 when the data band starts, one more after each printed
// record) and the end test the program answers; the program reads the record's values
// from its own source through the report's OnGetValue.
struct TUserDataset {
  std::int32_t RecNo = 0;
  std::function<bool()> OnCheckEOF;
};

class TReport {
public:
  std::string name;
  int titleTop = 48;  // where the title band starts, below the sheet's top
  std::vector<TBand> bands;

  // Data-driven reports: the dataset (not owned) and the value handler.
  TUserDataset* Dataset = nullptr;
  // Gives the text of a report variable; leaves `assigned` false for an unknown name.
  std::function<void(const std::string& name, std::string& value, bool& assigned)> OnGetValue;
  // Single-page reports: places the bands itself.
  std::function<void(TPageBuilder& page)> OnManualBuild;

  // The text object of that name (letter case ignored), or nullptr.
  TReportObject* LocateObject(std::string_view objectName);
  const TBand* FindBand(TBandKind kind) const;
  // The number of "CellN" objects of the data band.
  int ColumnCount() const;
};

// Replaces the object's whole text; a null object is skipped.
void SetObjectText(TReportObject* object, std::string text);

// Reads a template in our own line format (see reports/templates/README). `include`
// gives the text of a shared part by its name. Throws std::runtime_error with the
// line number on a malformed line.
std::unique_ptr<TReport> ParseReportTemplate(const std::string& text,
                                             const std::function<std::string(const std::string&)>& include);

// Lays the report out into pages (see above).
TPageDescription BuildReport(TReport& report);

// Where bands go while a report is built.
class TPageBuilder {
public:
  TPageBuilder(TReport& report, TPageDescription& out);
  // Prints the band of `kind` once at the current position (the footer at the foot).
  void EmitBand(TBandKind kind);
  int CurrentY() const { return y_; }
  // Whether a band of `height` still fits above the footer.
  bool Fits(int height) const;
  void NewPage();
  // The top of the footer: every page ends there.
  static constexpr int kFooterBottomMargin = 40;
  int FooterTop() const;

private:
  void placeBand(const TBand& band, int top);
  std::string evaluate(const std::string& text);
  TReport& report_;
  TPageDescription& out_;
  int y_ = 0;
};

}  // namespace zeb
